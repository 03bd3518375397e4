// Day numbers of calendar dates, for readable record tests.
#pragma once

#include <cstdint>

#include "datetime/date.h"

inline uint32_t Day(int32_t year, int32_t month, int32_t day) {
  return velk_date_time::TDate::FromYMD(month, day, year).m_day;
}
