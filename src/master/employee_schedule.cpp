#include "master/employee_schedule.h"

#include <algorithm>
#include <cmath>

#include "datetime/date.h"
#include "master/employee.h"
#include "records/date_period.h"
#include "records/employment_period.h"
#include "records/schedule_item.h"

using velk_date_time::TDate;

namespace employee_schedule {

namespace {

constexpr uint32_t kDayMinutes = 1440;
constexpr double kTiny = 1e-6;

uint32_t FirstOfYear(int32_t year) { return TDate::FromYMD(1, 1, year).m_day; }
uint32_t LastOfYear(int32_t year) { return TDate::FromYMD(12, 31, year).m_day; }
// The year after, wrapping at the top of int32 as the host's arithmetic would, without the
// undefined overflow.
int32_t NextYear(int32_t year) { return static_cast<int32_t>(static_cast<uint32_t>(year) + 1u); }

// Adds [start, end) of one part, placed after the parts before it: a part that starts before
// the previous one ended, or that follows one running past midnight, belongs to the next day.
struct PartPlacer {
  uint32_t offset = 0;
  bool first = true;
  bool crossed = false;  // the previous part ran past midnight
  uint32_t previousEnd = 0;
  bool anyCrossed = false;

  void Add(uint32_t start, uint32_t end, std::vector<MinuteRange>& out) {
    // A part after one that ends at 00:00 (0: not ended) starts on the next day.
    if (!first && (crossed || previousEnd == 0 || start < previousEnd)) {
      offset += kDayMinutes;
      anyCrossed = true;
    }
    const bool runsOver = end != 0 && end <= start;
    const uint32_t absoluteEnd =
        end == 0 ? offset + kDayMinutes : offset + end + (runsOver ? kDayMinutes : 0);
    out.push_back({offset + start, absoluteEnd});
    anyCrossed = anyCrossed || runsOver;
    crossed = runsOver;
    previousEnd = end;
    first = false;
  }
};

void SortAndJoin(std::vector<MinuteRange>& ranges) {
  std::sort(ranges.begin(), ranges.end(),
            [](const MinuteRange& a, const MinuteRange& b) { return a.start < b.start; });
  size_t n = 0;
  for (const MinuteRange& range : ranges) {
    if (n > 0 && range.start <= ranges[n - 1].end) {
      ranges[n - 1].end = std::max(ranges[n - 1].end, range.end);
    } else {
      ranges[n++] = range;
    }
  }
  ranges.resize(n);
}

}  // namespace

void EmployedRanges(const velk_data::IEmployee* employee, uint32_t from, uint32_t to,
                    std::vector<DayRange>& out) {
  out.clear();
  if (!employee) return;
  DatePeriods employed;
  CollectEmploymentOf(static_cast<const CEmployee*>(employee), employed, from, to);
  for (const DatePeriod& range : employed) out.push_back({range.start, range.end});
}

int32_t DayIndex(const velk_data::IData* data, uint32_t date) {
  if (data && const_cast<velk_data::IData*>(data)->IsHoliday(date)) return 7;
  return static_cast<int32_t>(((date + 1) % 7 + 6) % 7);
}

void CycleShifts(velk_data::IShiftCycleAssignment* assignment, uint32_t start, uint32_t end,
                 int32_t planType, std::vector<uint32_t>& dates,
                 std::vector<velk_data::IShiftCycleElement*>& elements) {
  // A cycle puts at most one shift on a day: a short closed range needs no count first.
  const bool shortRange = end != 0 && end >= start && end - start < 1024;
  const uint32_t room =
      shortRange ? end - start + 1 : assignment->CountShifts(start, end, planType, false);
  dates.resize(room);
  elements.resize(room);
  const uint32_t count =
      room ? assignment->GetShifts(dates.data(), elements.data(), start, end, planType, false) : 0;
  dates.resize(count);
  elements.resize(count);
}

void Assignments(const velk_data::IEmployee* employee,
                 std::vector<velk_data::IShiftCycleAssignment*>& out) {
  out.clear();
  velk_data::IShiftCycleAssignments* assignments = employee->GetShiftCycleAssignments();
  if (!assignments) return;
  out.resize(assignments->GetCount());
  if (!out.empty()) assignments->GetAll(out.data());
}

void ScheduleItems(const velk_data::IEmployee* employee, uint32_t from, uint32_t to,
                   int32_t planType, uint32_t kinds, std::vector<velk_data::IScheduleItem*>& out) {
  const auto plan = static_cast<uint32_t>(planType);
  VisitRecords(employee, from, to, planType, kinds,
               Overload{[&](velk_data::IFixedShift* s) {
                          out.push_back(new CScheduleItem(s, s->GetDate(), plan));
                        },
                        [&](uint32_t date, velk_data::IShiftCycleElement* element,
                            velk_data::IShiftCycleAssignment* assignment) {
                          out.push_back(new CScheduleItem(element, assignment, date, plan));
                        },
                        [&](velk_data::IModifiedShift* s) {
                          out.push_back(new CScheduleItem(s, s->GetDate(), plan));
                        },
                        [&](velk_data::ICustomShift* s) {
                          out.push_back(new CScheduleItem(s, s->GetDate(), plan));
                        },
                        [&](velk_data::IAbsence* a) {
                          out.push_back(new CScheduleItem(a, a->GetDate(), a->GetPlanType()));
                        }});
}

bool WorkingTime(const velk_data::IScheduleItem* item, std::vector<MinuteRange>& out) {
  out.clear();
  PartPlacer placer;
  auto addParts = [&](int32_t count, auto start, auto end) {
    if (count < 1 || count > 3) return;
    for (int32_t part = 0; part < count; ++part) placer.Add(start(part), end(part), out);
  };
  if (velk_data::IModifiedShift* shift = item->GetModifiedShift()) {
    addParts(
        shift->GetPartCount(), [&](int32_t p) { return shift->GetStartAt(p); },
        [&](int32_t p) { return shift->GetEndAt(p); });
  } else if (velk_data::ICustomShift* shift = item->GetCustomShift()) {
    addParts(
        shift->GetPartCount(), [&](int32_t p) { return shift->GetStartAt(p); },
        [&](int32_t p) { return shift->GetEndAt(p); });
  } else if (velk_data::IShiftType* type = item->GetShiftType()) {
    const int32_t day = DayIndex(type->GetData(), item->GetDate());
    addParts(
        static_cast<int32_t>(type->GetPartCount(day)),
        [&](int32_t p) { return type->GetStartAt(day, p); },
        [&](int32_t p) { return type->GetEndAt(day, p); });
  }
  return placer.anyCrossed;
}

bool IsNoSurcharge(const velk_data::IScheduleItem* item) {
  if (velk_data::ICustomShift* shift = item->GetCustomShift()) return shift->IsNoSurcharge();
  velk_data::IShiftType* type = item->GetShiftType();
  return type && type->IsNoSurcharge();
}

void WorkingIntervals(const velk_data::IEmployee* employee, uint32_t day, int32_t planType,
                      bool skipNoSurcharge, std::vector<MinuteRange>& out) {
  out.clear();
  if (!employee || !employee->IsEmployedOn(day)) return;
  std::vector<velk_data::IScheduleItem*> items;
  // For the invalid date 0 the day before wraps past every date: [0, 0] would be all days.
  ScheduleItems(employee, day - 1, day, planType, 15, items);
  std::vector<MinuteRange> parts;
  for (velk_data::IScheduleItem* item : items) {
    if (!(skipNoSurcharge && IsNoSurcharge(item))) {
      WorkingTime(item, parts);
      // A shift of the day before contributes what lies after its midnight.
      const uint32_t shift = item->GetDate() == day ? 0 : kDayMinutes;
      for (const MinuteRange& part : parts) {
        const uint32_t start = std::max(part.start, shift) - shift;
        const uint32_t end =
            std::min<uint32_t>(part.end > shift ? part.end - shift : 0, kDayMinutes);
        if (start < end) out.push_back({start, end});
      }
    }
    item->Release();
  }
  SortAndJoin(out);
}

void WorkDates(const velk_data::IEmployee* employee, uint32_t from, uint32_t to, int32_t planType,
               bool skipNoSurcharge, std::vector<uint32_t>& out) {
  out.clear();
  std::vector<DayRange> ranges;
  EmployedRanges(employee, from, to, ranges);
  std::vector<velk_data::IScheduleItem*> items;
  std::vector<MinuteRange> parts;
  for (const DayRange& r : ranges) {
    items.clear();
    ScheduleItems(employee, r.start == 0 ? 0 : r.start - 1, r.end, planType, 15, items);
    for (velk_data::IScheduleItem* item : items) {
      if (!(skipNoSurcharge && IsNoSurcharge(item))) {
        const uint32_t d = item->GetDate();
        if (d >= r.start) out.push_back(d);
        if ((r.end == 0 || d < r.end) && WorkingTime(item, parts)) out.push_back(d + 1);
      }
      item->Release();
    }
  }
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
}

double LeaveEntitlement(const velk_data::IEmployee* employee, velk_data::ILeaveType* type,
                        int32_t year, double* entitlement, double* carried, bool* inDays) {
  double e = 0.0, c = 0.0;
  bool days = true;
  if (type && type->IsEntitled()) {
    velk_data::ILeaveEntitlements* records = employee->GetLeaveEntitlements();
    velk_data::ILeaveEntitlement* record = records ? records->FindEntitlement(type, year) : nullptr;
    if (record) {
      e = record->GetEntitlement();
      c = record->GetRemainingFromPreviousYear();
      days = record->IsInDays();
    } else {
      e = type->GetDefaultEntitlementInDays();
    }
  }
  if (entitlement) *entitlement = e;
  if (carried) *carried = c;
  if (inDays) *inDays = days;
  return e + c;
}

double ConvertLeave(const velk_data::IEmployee* employee, double value, int32_t year, bool toDays) {
  if (std::fabs(value) <= kTiny) return 0.0;
  velk_data::IIndividualWorkingTimes* times = employee->GetIndividualWorkingTimes();
  velk_data::IWorkingTimeModel* model =
      times ? times->GetModelForPeriod(FirstOfYear(NextYear(year)), LastOfYear(NextYear(year)))
            : nullptr;
  if (!model) return 0.0;
  const double average = model->GetAverageDailyHours();
  if (std::fabs(average) < kTiny) return 0.0;
  return toDays ? value / average : value * average;
}

velk_data::ILeaveEntitlement* CarryOverLeave(const velk_data::IEmployee* employee,
                                             velk_data::ILeaveType* type, int32_t year,
                                             bool keepUnit, int32_t planType) {
  if (!type || !type->IsEntitled() || (!type->IsEntitlementCarryOver() && !keepUnit))
    return nullptr;
  velk_data::ILeaveEntitlements* records = employee->GetLeaveEntitlements();
  if (!records) return nullptr;
  double entitlement = 0.0;
  bool inDays = true;
  double rest = LeaveEntitlement(employee, type, year, &entitlement, nullptr, &inDays);
  if (!type->IsEntitlementCarryOver()) {
    rest = 0.0;
  } else {
    auto* self = const_cast<velk_data::IEmployee*>(employee);
    rest -= inDays ? self->GetAbsenceDays(type, FirstOfYear(year), LastOfYear(year), planType)
                   : self->GetAbsenceHours(type, FirstOfYear(year), LastOfYear(year), planType);
  }
  velk_data::ILeaveEntitlement* next = records->FindEntitlement(type, NextYear(year));
  velk_data::ILeaveEntitlement* record = records->CreateItem();
  if (next) {
    record->Assign(next);
  } else {
    record->SetLeaveType(type);
    record->SetYear(NextYear(year));
  }
  const bool unit = keepUnit ? inDays : next ? next->IsInDays() : true;
  if (unit != inDays) rest = ConvertLeave(employee, rest, NextYear(year), unit);
  record->SetInDays(unit);
  if (keepUnit)
    record->SetEntitlement(entitlement);
  else if (!next)
    record->SetEntitlement(type->GetDefaultEntitlementInDays());
  record->SetRemainingFromPreviousYear(rest);
  return record;
}

velk_data::ILeaveEntitlement* ExpireCarriedLeave(const velk_data::IEmployee* employee,
                                                 velk_data::ILeaveType* type, uint32_t day,
                                                 int32_t planType) {
  if (!type || !type->IsEntitled()) return nullptr;
  velk_data::ILeaveEntitlements* records = employee->GetLeaveEntitlements();
  const int32_t year = TDate(day).GetYear();
  velk_data::ILeaveEntitlement* record = records ? records->FindEntitlement(type, year) : nullptr;
  if (!record) return nullptr;
  auto* self = const_cast<velk_data::IEmployee*>(employee);
  const double used = record->IsInDays()
                          ? self->GetAbsenceDays(type, FirstOfYear(year), day, planType)
                          : self->GetAbsenceHours(type, FirstOfYear(year), day, planType);
  if (!(record->GetRemainingFromPreviousYear() - used > kTiny)) return nullptr;
  velk_data::ILeaveEntitlement* copy = records->CreateItem();
  copy->Assign(record);
  copy->SetRemainingFromPreviousYear(used);
  return copy;
}

int32_t WorkdayKind(const velk_data::IEmployee* employee, uint32_t day) {
  if (!employee->IsEmployedOn(day)) return -1;
  velk_data::IIndividualWorkingTimes* times = employee->GetIndividualWorkingTimes();
  velk_data::IWorkingTimeModel* model = times ? times->GetModelOn(day) : nullptr;
  if (!model || !model->IsWorkday(day % 7)) return -1;
  velk_data::IHolidays* holidays = employee->GetData()->GetHolidays();
  velk_data::IHoliday* holiday = holidays ? holidays->FindByDate(day) : nullptr;
  if (!holiday || model->IsWorkday(7)) return 0;
  switch (holiday->GetTimeOfDay()) {
    case 0:
      return -1;
    case 1:
      return 2;
    default:
      return 1;
  }
}

}  // namespace employee_schedule
