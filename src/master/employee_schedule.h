// What an employee has on his days, read from his records as they are (nothing cached): the
// employed ranges every statistic runs over, the records of a range, schedule items, working
// time intervals in minutes, work dates, the leave account, and the kind of a workday.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "velk_data.h"

namespace employee_schedule {

struct DayRange {
  uint32_t start;
  uint32_t end;  // inclusive; 0 is open
};
// A stretch of working time in minutes of one day: [start, end), end at most 1440.
struct MinuteRange {
  uint32_t start;
  uint32_t end;
};

// The employed ranges of the employee within [from, to], in order (to 0: open).
void EmployedRanges(const velk_data::IEmployee* employee, uint32_t from, uint32_t to,
                    std::vector<DayRange>& out);

// The day index of a date: 7 on a public holiday, else 0 (Monday) to 6 (Sunday).
int32_t DayIndex(const velk_data::IData* data, uint32_t date);

// Records of a range and plan type through a collection's counted query, into out.
template <class Items, class Item>
void InRange(const Items* items, uint32_t start, uint32_t end, int32_t planType,
             std::vector<Item*>& out) {
  out.clear();
  if (!items) return;
  out.resize(items->CountInRange(start, end, planType));
  if (!out.empty()) items->GetInRange(out.data(), start, end, planType);
}

// Cycle shifts of one assignment in a range: dates and the elements that fall on them.
void CycleShifts(velk_data::IShiftCycleAssignment* assignment, uint32_t start, uint32_t end,
                 int32_t planType, std::vector<uint32_t>& dates,
                 std::vector<velk_data::IShiftCycleElement*>& elements);
// Every assignment of the employee.
void Assignments(const velk_data::IEmployee* employee,
                 std::vector<velk_data::IShiftCycleAssignment*>& out);

// Record kinds, as the bits of the schedule queries select them.
enum RecordKinds : uint32_t {
  kFixedShifts = 1,
  kCycleShifts = 2,
  kModifiedShifts = 4,
  kCustomShifts = 8,
  kAbsences = 16,
  kShifts = 15,
};

// Calls visit for every record of the kinds selected that lies in an employed range of
// [from, to] with the plan type, range by range and within a range kind by kind (fixed shifts,
// cycle shifts, modified shifts, custom shifts, absences). visit takes an IFixedShift*, an
// IModifiedShift*, an ICustomShift*, an IAbsence*, or (date, IShiftCycleElement*,
// IShiftCycleAssignment*) for a cycle shift.
template <class Visit>
void VisitRecords(const velk_data::IEmployee* employee, uint32_t from, uint32_t to,
                  int32_t planType, uint32_t kinds, Visit&& visit) {
  if (kinds == 0 || !employee) return;
  std::vector<DayRange> ranges;
  EmployedRanges(employee, from, to, ranges);
  if (ranges.empty()) return;
  std::vector<velk_data::IFixedShift*> fixed;
  std::vector<velk_data::IModifiedShift*> modified;
  std::vector<velk_data::ICustomShift*> custom;
  std::vector<velk_data::IAbsence*> absences;
  std::vector<velk_data::IShiftCycleAssignment*> assignments;
  std::vector<uint32_t> dates;
  std::vector<velk_data::IShiftCycleElement*> elements;
  if (kinds & kCycleShifts) Assignments(employee, assignments);
  for (const DayRange& r : ranges) {
    if (kinds & kFixedShifts) {
      InRange(employee->GetFixedShifts(), r.start, r.end, planType, fixed);
      for (velk_data::IFixedShift* shift : fixed) visit(shift);
    }
    if (kinds & kCycleShifts) {
      for (velk_data::IShiftCycleAssignment* assignment : assignments) {
        CycleShifts(assignment, r.start, r.end, planType, dates, elements);
        for (size_t i = 0; i < dates.size(); ++i) visit(dates[i], elements[i], assignment);
      }
    }
    if (kinds & kModifiedShifts) {
      InRange(employee->GetModifiedShifts(), r.start, r.end, planType, modified);
      for (velk_data::IModifiedShift* shift : modified) visit(shift);
    }
    if (kinds & kCustomShifts) {
      InRange(employee->GetCustomShifts(), r.start, r.end, planType, custom);
      for (velk_data::ICustomShift* shift : custom) visit(shift);
    }
    if (kinds & kAbsences) {
      InRange(employee->GetAbsences(), r.start, r.end, planType, absences);
      for (velk_data::IAbsence* absence : absences) visit(absence);
    }
  }
}

// One visitor from several lambdas, one per record kind.
template <class... Ts>
struct Overload : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overload(Ts...) -> Overload<Ts...>;
// Ignores the record kinds a visitor has no member for.
struct IgnoreRest {
  template <class... Args>
  void operator()(Args&&...) const {}
};

// New schedule items of the employee in [from, to] by kind bits (1 fixed, 2 cycle, 4 modified,
// 8 custom, 16 absences), appended to out; the caller releases them.
void ScheduleItems(const velk_data::IEmployee* employee, uint32_t from, uint32_t to,
                   int32_t planType, uint32_t kinds, std::vector<velk_data::IScheduleItem*>& out);

// The item's working time as minute ranges from the start of its own date (so a part after
// midnight lies beyond 1440); whether any part runs past midnight.
bool WorkingTime(const velk_data::IScheduleItem* item, std::vector<MinuteRange>& out);
// The item earns no surcharge (its custom shift or shift type says so).
bool IsNoSurcharge(const velk_data::IScheduleItem* item);

// The working intervals of day, sorted and joined.
void WorkingIntervals(const velk_data::IEmployee* employee, uint32_t day, int32_t planType,
                      bool skipNoSurcharge, std::vector<MinuteRange>& out);
// The dates with working time in [from, to], ascending.
void WorkDates(const velk_data::IEmployee* employee, uint32_t from, uint32_t to, int32_t planType,
               bool skipNoSurcharge, std::vector<uint32_t>& out);

double LeaveEntitlement(const velk_data::IEmployee* employee, velk_data::ILeaveType* type,
                        int32_t year, double* entitlement, double* carried, bool* inDays);
double ConvertLeave(const velk_data::IEmployee* employee, double value, int32_t year, bool toDays);
velk_data::ILeaveEntitlement* CarryOverLeave(const velk_data::IEmployee* employee,
                                             velk_data::ILeaveType* type, int32_t year,
                                             bool keepUnit, int32_t planType);
velk_data::ILeaveEntitlement* ExpireCarriedLeave(const velk_data::IEmployee* employee,
                                                 velk_data::ILeaveType* type, uint32_t day,
                                                 int32_t planType);
int32_t WorkdayKind(const velk_data::IEmployee* employee, uint32_t day);

}  // namespace employee_schedule
