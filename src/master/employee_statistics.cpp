#include "master/employee_statistics.h"

#include <algorithm>
#include <map>
#include <vector>

#include "master/employee.h"
#include "master/employee_schedule.h"

using employee_schedule::DayIndex;
using employee_schedule::DayRange;
using employee_schedule::EmployedRanges;
using employee_schedule::IgnoreRest;
using employee_schedule::InRange;
using employee_schedule::kAbsences;
using employee_schedule::kCycleShifts;
using employee_schedule::kFixedShifts;
using employee_schedule::kModifiedShifts;
using employee_schedule::kShifts;
using employee_schedule::Overload;
using employee_schedule::VisitRecords;

namespace {

// Every item of a master collection, in collection order.
template <class Items, class Item>
void AllOf(const Items* items, std::vector<Item*>& out) {
  out.clear();
  if (!items) return;
  out.resize(items->GetCount());
  if (!out.empty()) items->GetAll(out.data());
}

// The hours a shift type plans on a date: those of the day index when it has a part then.
double PlannedHours(const velk_data::IShiftType* type, const velk_data::IData* data,
                    uint32_t date) {
  if (!type) return 0.0;
  const int32_t day = DayIndex(data, date);
  return type->GetPartCount(day) > 0 ? type->GetActualHours(day) : 0.0;
}

}  // namespace

double CEmployeeStatistics::ActualHours(uint32_t from, uint32_t to, int32_t planType,
                                        double* worked, double* absent) {
  const StatKey key{nullptr, from, to, planType};
  const Actual* actual = m_actual.Find(key);
  if (!actual) {
    const velk_data::IData* data = m_employee->GetData();
    Actual sums{0.0, 0.0, 0.0};
    VisitRecords(
        m_employee, from, to, planType, kShifts | kAbsences,
        Overload{[&](velk_data::IFixedShift* shift) {
                   sums.worked += PlannedHours(shift->GetShiftType(), data, shift->GetDate());
                 },
                 [&](uint32_t date, velk_data::IShiftCycleElement* element,
                     velk_data::IShiftCycleAssignment*) {
                   velk_data::IShiftType* type = element ? element->GetShiftType() : nullptr;
                   if (type) sums.worked += type->GetActualHours(DayIndex(data, date));
                 },
                 [&](velk_data::IModifiedShift* shift) { sums.worked += shift->GetActualHours(); },
                 [&](velk_data::ICustomShift* shift) { sums.worked += shift->GetActualHours(); },
                 [&](velk_data::IAbsence* absence) { sums.absent += absence->GetChargedValue(); }});
    velk_data::IBookings* bookings = m_employee->GetBookings();
    const double booked = bookings ? bookings->SumValues(from, to, 0) : 0.0;
    sums.total = sums.absent + sums.worked + booked;
    actual = &m_actual.Put(key, sums);
  }
  if (worked) *worked = actual->worked;
  if (absent) *absent = actual->absent;
  return actual->total;
}

double CEmployeeStatistics::TargetHours(uint32_t from, uint32_t to) {
  const StatKey key{nullptr, from, to};
  if (const double* hours = m_target.Find(key)) return *hours;
  double sum = static_cast<const CEmployee*>(m_employee)->ModelTargetHours(from, to);
  if (velk_data::IBookings* bookings = m_employee->GetBookings())
    sum += bookings->SumValues(from, to, 1);
  m_target.Put(key, sum);
  return sum;
}

uint32_t CEmployeeStatistics::WorkdayCount(int32_t weekday, uint32_t from, uint32_t to,
                                           int32_t planType) {
  if (const uint32_t* count = m_workdays.Find(StatKey{nullptr, from, to, planType, weekday}))
    return *count;
  std::vector<uint32_t> days;
  VisitRecords(m_employee, from, to, planType, kShifts,
               Overload{[&](velk_data::IFixedShift* shift) {
                          velk_data::IShiftType* type = shift->GetShiftType();
                          if (type && type->IsActiveOnDate(shift->GetDate()))
                            days.push_back(shift->GetDate());
                        },
                        [&](uint32_t date, velk_data::IShiftCycleElement*,
                            velk_data::IShiftCycleAssignment*) { days.push_back(date); },
                        [&](velk_data::IModifiedShift* shift) { days.push_back(shift->GetDate()); },
                        [&](velk_data::ICustomShift* shift) { days.push_back(shift->GetDate()); },
                        IgnoreRest{}});
  std::sort(days.begin(), days.end());
  days.erase(std::unique(days.begin(), days.end()), days.end());
  uint32_t counts[8] = {};
  for (uint32_t day : days) ++counts[((day + 1) % 7 + 6) % 7];
  if (velk_data::IHolidays* holidays = m_employee->GetData()->GetHolidays()) {
    std::vector<velk_data::IHoliday*> inRange(holidays->CountInPeriod(from, to));
    if (!inRange.empty()) holidays->GetInPeriod(inRange.data(), from, to);
    for (velk_data::IHoliday* holiday : inRange)
      if (std::binary_search(days.begin(), days.end(), holiday->GetDate())) ++counts[7];
  }
  for (int32_t w = 0; w < 8; ++w)
    m_workdays.Put(StatKey{nullptr, from, to, planType, w}, counts[w]);
  return weekday >= 0 && weekday < 8 ? counts[weekday] : 0;
}

uint32_t CEmployeeStatistics::CustomShiftCount(uint32_t from, uint32_t to, int32_t planType) {
  const StatKey key{nullptr, from, to, planType};
  if (const uint32_t* count = m_customShifts.Find(key)) return *count;
  std::vector<DayRange> ranges;
  EmployedRanges(m_employee, from, to, ranges);
  uint32_t count = 0;
  if (velk_data::ICustomShifts* custom = m_employee->GetCustomShifts())
    for (const DayRange& r : ranges) count += custom->CountInRange(r.start, r.end, planType);
  m_customShifts.Put(key, count);
  return count;
}

uint32_t CEmployeeStatistics::ShiftTypeCount(const velk_data::IShiftType* type, uint32_t from,
                                             uint32_t to, int32_t planType) {
  if (const uint32_t* count = m_shiftTypes.Find(StatKey{type, from, to, planType})) return *count;
  std::vector<velk_data::IShiftType*> types;
  AllOf(m_employee->GetData()->GetShiftTypes(), types);
  std::map<const void*, uint32_t> counts;
  for (velk_data::IShiftType* each : types) counts[each] = 0;
  auto count = [&](const velk_data::IShiftType* of) {
    auto it = counts.find(of);
    if (it != counts.end()) ++it->second;
  };
  VisitRecords(
      m_employee, from, to, planType, kFixedShifts | kCycleShifts | kModifiedShifts,
      Overload{
          [&](velk_data::IFixedShift* shift) {
            velk_data::IShiftType* of = shift->GetShiftType();
            if (of && of->IsActiveOnDate(shift->GetDate())) count(of);
          },
          [&](uint32_t, velk_data::IShiftCycleElement* element, velk_data::IShiftCycleAssignment*) {
            if (element) count(element->GetShiftType());
          },
          [&](velk_data::IModifiedShift* shift) { count(shift->GetShiftType()); }, IgnoreRest{}});
  for (const auto& [of, n] : counts) m_shiftTypes.Put(StatKey{of, from, to, planType}, n);
  auto it = counts.find(type);
  return it == counts.end() ? 0 : it->second;
}

const CEmployeeStatistics::AbsenceSums& CEmployeeStatistics::Absences(Cache<uint32_t>& index,
                                                                      uint32_t from, uint32_t to,
                                                                      int32_t planType) {
  const StatKey key{nullptr, from, to, planType};
  if (const uint32_t* at = index.Find(key)) return m_absences[*at];
  // Every leave type's sums at once, in collection order: a table of all leave types costs
  // one pass over the absences, and its lookups stay within one small block.
  std::vector<velk_data::ILeaveType*> types;
  AllOf(m_employee->GetData()->GetLeaveTypes(), types);
  AbsenceSums sums;
  for (velk_data::ILeaveType* type : types) sums.push_back({type, 0.0, 0.0});
  VisitRecords(m_employee, from, to, planType, kAbsences,
               Overload{[&](velk_data::IAbsence* absence) {
                          for (AbsenceSum& sum : sums) {
                            if (sum.type != absence->GetLeaveType()) continue;
                            sum.hours += absence->GetHours();
                            sum.days += absence->GetDays();
                            return;
                          }
                        },
                        IgnoreRest{}});
  // Only the cache of the measure asked for learns the answer; the other one computes its own
  // when asked, as each kind of answer is cached on its own.
  m_absences.push_back(std::move(sums));
  index.Put(key, static_cast<uint32_t>(m_absences.size() - 1));
  return m_absences.back();
}

double CEmployeeStatistics::AbsenceHours(const velk_data::ILeaveType* type, uint32_t from,
                                         uint32_t to, int32_t planType) {
  for (const AbsenceSum& sum : Absences(m_absenceHours, from, to, planType))
    if (sum.type == type) return sum.hours;
  return 0.0;
}

double CEmployeeStatistics::AbsenceDays(const velk_data::ILeaveType* type, uint32_t from,
                                        uint32_t to, int32_t planType) {
  for (const AbsenceSum& sum : Absences(m_absenceDays, from, to, planType))
    if (sum.type == type) return sum.days;
  return 0.0;
}

double CEmployeeStatistics::OvertimeBalance(uint32_t from, uint32_t to, int32_t planType) {
  const StatKey key{nullptr, from, to, planType};
  if (const double* balance = m_overtime.Find(key)) return *balance;
  double balance = 0.0;
  if (velk_data::IOvertimes* overtimes = m_employee->GetOvertimes()) {
    std::vector<velk_data::IOvertime*> inEmployment(overtimes->CountInEmployment(from, to));
    if (!inEmployment.empty()) overtimes->GetInEmployment(inEmployment.data(), from, to);
    for (velk_data::IOvertime* overtime : inEmployment) balance += overtime->GetValue();
  }
  if (velk_data::IBookings* bookings = m_employee->GetBookings())
    balance += bookings->SumValues(from, to, 2);
  if (velk_data::IAbsences* absences = m_employee->GetAbsences())
    balance -= absences->GetOvertimeDeductionHours(from, to, planType);
  m_overtime.Put(key, balance);
  return balance;
}

uint32_t CEmployeeStatistics::SurchargeMinutes(const velk_data::ISurchargeType* type, uint32_t from,
                                               uint32_t to, int32_t planType,
                                               bool halfHolidayAsWhole) {
  if (const uint32_t* minutes =
          m_surcharge.Find(StatKey{type, from, to, planType, halfHolidayAsWhole}))
    return *minutes;
  std::vector<velk_data::ISurchargeType*> types;
  AllOf(m_employee->GetData()->GetSurchargeTypes(), types);
  std::vector<uint32_t> sums(types.size(), 0);
  std::vector<uint32_t> dates;
  employee_schedule::WorkDates(m_employee, from, to, planType, true, dates);
  std::vector<employee_schedule::MinuteRange> intervals;
  for (uint32_t date : dates) {
    employee_schedule::WorkingIntervals(m_employee, date, planType, true, intervals);
    for (size_t t = 0; t < types.size(); ++t) {
      for (const employee_schedule::MinuteRange& interval : intervals) {
        uint32_t starts[2], ends[2];
        const uint32_t pieces = types[t]->GetIntervals(starts, ends, date, interval.start,
                                                       interval.end, halfHolidayAsWhole);
        for (uint32_t p = 0; p < pieces && p < 2; ++p)
          sums[t] += (ends[p] == 0 ? 1440 : ends[p]) - starts[p];
      }
    }
  }
  uint32_t result = 0;
  for (size_t t = 0; t < types.size(); ++t) {
    m_surcharge.Put(StatKey{types[t], from, to, planType, halfHolidayAsWhole}, sums[t]);
    if (types[t] == type) result = sums[t];
  }
  return result;
}
