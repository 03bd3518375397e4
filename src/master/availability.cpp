#include "master/availability.h"

#include <algorithm>
#include <map>
#include <vector>

#include "master/employee_schedule.h"

namespace {

constexpr uint32_t kDayEnd = 1440;
constexpr uint32_t kNoon = 720;

using Minutes = employee_schedule::MinuteRange;

bool Contains(velk_data::IAbsence* const* list, uint32_t count, const velk_data::IAbsence* a) {
  return list && std::find(list, list + count, a) != list + count;
}

// The part of the day an absence takes.
Minutes AbsentPart(const velk_data::IAbsence* absence) {
  switch (absence->GetTimeOfDay()) {
    case 0:
      return {0, kDayEnd};
    case 1:
      return {0, kNoon};
    case 2:
      return {kNoon, kDayEnd};
    default: {
      // A span that runs past midnight takes the rest of this day.
      const uint32_t end = absence->GetEndAt();
      const uint32_t start = absence->GetStartAt();
      return {start, end == 0 || end <= start ? kDayEnd : end};
    }
  }
}

// The employee's absent parts of day; false when he is not due to work at all.
bool AbsentParts(velk_data::IEmployee* employee, uint32_t day, int32_t planType,
                 const AbsenceLists& lists, std::vector<Minutes>& absent) {
  absent.clear();
  if (!employee->IsEmployedOn(day)) return false;
  velk_data::IIndividualWorkingTimes* times = employee->GetIndividualWorkingTimes();
  velk_data::IWorkingTimeModel* model = times ? times->GetModelOn(day) : nullptr;
  if (!model || !model->IsWorkday(day % 7)) return false;
  velk_data::IHolidays* holidays = employee->GetData()->GetHolidays();
  velk_data::IHoliday* holiday = holidays ? holidays->FindByDate(day) : nullptr;
  if (holiday && !model->IsWorkday(7)) {
    switch (holiday->GetTimeOfDay()) {
      case 0:
        return false;
      case 1:
        absent.push_back({0, kNoon});
        break;
      case 2:
        absent.push_back({kNoon, kDayEnd});
        break;
      default:
        break;
    }
  }
  auto counts = [&](velk_data::IAbsence* absence) {
    velk_data::ILeaveType* type = absence->GetLeaveType();
    return !(type && type->IsNoAbsence()) && !Contains(lists.ignored, lists.ignoredCount, absence);
  };
  std::vector<velk_data::IAbsence*> stored;
  employee_schedule::InRange(employee->GetAbsences(), day, day, planType, stored);
  // The range [0, 0] is open: for the invalid date 0 it would bring every absence.
  for (velk_data::IAbsence* absence : stored)
    if (absence->GetDate() == day && counts(absence)) absent.push_back(AbsentPart(absence));
  for (uint32_t i = 0; lists.extra && i < lists.extraCount; ++i) {
    velk_data::IAbsence* absence = lists.extra[i];
    if (absence && absence->GetEmployee() == employee && absence->GetDate() == day &&
        static_cast<int32_t>(absence->GetPlanType()) == planType && counts(absence))
      absent.push_back(AbsentPart(absence));
  }
  return true;
}

}  // namespace

uint32_t CountAvailable(velk_data::IEmployee* const* employees, uint32_t count, uint32_t day,
                        int32_t planType, const AbsenceLists& lists) {
  uint32_t whole = 0;
  std::map<uint32_t, int32_t> changes;  // minute -> change of the number present
  std::vector<Minutes> absent;
  for (uint32_t i = 0; employees && i < count; ++i) {
    if (!employees[i] || !AbsentParts(employees[i], day, planType, lists, absent)) continue;
    if (absent.empty()) {
      ++whole;
      continue;
    }
    std::sort(absent.begin(), absent.end(),
              [](const Minutes& a, const Minutes& b) { return a.start < b.start; });
    // The present parts are the gaps between the joined absent parts.
    uint32_t presentFrom = 0;
    for (const Minutes& part : absent) {
      if (part.start > presentFrom) {
        ++changes[presentFrom];
        --changes[part.start];
      }
      presentFrom = std::max(presentFrom, part.end);
    }
    if (presentFrom < kDayEnd) {
      ++changes[presentFrom];
      --changes[kDayEnd];
    }
  }
  int32_t running = 0;
  int32_t lowest = 0;
  bool first = true;
  for (const auto& [minute, change] : changes) {
    if (minute >= kDayEnd) break;
    running += change;
    if (first) {
      lowest = minute == 0 ? running : 0;
      first = false;
    }
    lowest = std::min(lowest, running);
  }
  return whole + static_cast<uint32_t>(std::max(lowest, 0));
}
