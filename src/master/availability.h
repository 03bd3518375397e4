// How many of a list of employees are available on a day: those who are due to work by their
// working time model and are not absent, where part-day absences leave an employee present for
// part of the day, and the count of the part-day ones is the number present at the same time
// throughout the day. The group's staffing view asks it with absences to ignore and absences
// not yet stored, to show what the staffing would be.
#pragma once

#include <cstdint>

#include "velk_data.h"

struct AbsenceLists {
  velk_data::IAbsence* const* ignored = nullptr;
  uint32_t ignoredCount = 0;
  velk_data::IAbsence* const* extra = nullptr;
  uint32_t extraCount = 0;
};

uint32_t CountAvailable(velk_data::IEmployee* const* employees, uint32_t count, uint32_t day,
                        int32_t planType, const AbsenceLists& lists = {});
