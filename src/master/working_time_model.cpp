#include "master/working_time_model.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "data/data.h"
#include "data/type_codes.h"
#include "datetime/date.h"
#include "master/employee.h"
#include "master/holiday.h"
#include "records/employment_period.h"
#include "records/individual_working_time.h"

using velk_date_time::TDate;

namespace {

constexpr uint32_t kWeekdays = 7;

uint32_t FirstOfMonth(uint32_t day) { return day - static_cast<uint32_t>(TDate(day).GetDay() - 1); }
uint32_t LastOfMonth(uint32_t day) {
  return FirstOfMonth(day) + static_cast<uint32_t>(TDate(day).DaysInMonth() - 1);
}

// The days of each weekday in [from, to]: whole weeks give every weekday the same number, the
// days left over go to the weekdays from from's on.
std::array<uint32_t, kWeekdays> WeekdayCounts(uint32_t from, uint32_t to) {
  std::array<uint32_t, kWeekdays> counts{};
  if (from > to) return counts;
  const uint32_t n = to - from + 1;
  counts.fill(n / kWeekdays);
  for (uint32_t i = 0; i < n % kWeekdays; ++i) ++counts[(from + i) % kWeekdays];
  return counts;
}

// Calls visit(holiday) for each holiday in [from, to], as the holidays' range query selects
// them (to 0: up to the last).
template <class Visit>
void ForEachHoliday(const CData* root, uint32_t from, uint32_t to, Visit&& visit) {
  if (to != 0 && from > to) return;
  const auto& holidays = root->Holidays()->Items();
  for (auto it = holidays.lower_bound(std::make_tuple(from));
       it != holidays.end() && (to == 0 || (*it)->GetDate() <= to); ++it)
    visit(**it);
}

// A whole-day holiday counts one day, a half one half.
double HolidayWeight(const CHoliday& holiday) {
  return holiday.GetTimeOfDay() == CHoliday::kWholeDay ? 1.0 : 0.5;
}

}  // namespace

void CWorkingTimeModel::OutOfRange() { throw std::out_of_range("invalid array<T, N> subscript"); }

bool CWorkingTimeModel::IsWorkday(uint32_t index) const {
  switch (m_basicType) {
    case kNone:
      return false;
    case kByWeekday:
      return index < kWeekdays && m_dayHours[index] != 0.0;
    default:
      return At(m_workdays, index);
  }
}

void CWorkingTimeModel::ReadWorkdays(const velk_json::CJSONObject& json) {
  const velk_json::CJSONString* member = json.FindString(u"workdays");
  if (!member) return;
  const std::u16string& text = member->GetValue();
  const uint32_t count = static_cast<uint32_t>(std::min<size_t>(text.size(), m_workdays.size()));
  for (uint32_t i = 0; i < count; ++i) SetWorkday(i, text[i] != u'0');
}

std::u16string CWorkingTimeModel::WorkdaysText() const {
  std::u16string text;
  for (uint32_t i = 0; i < m_workdays.size(); ++i) text += IsWorkday(i) ? u'1' : u'0';
  return text;
}

bool CWorkingTimeModel::CountsDailyHours() const {
  return m_basicType == kDaily || m_basicType == kWeekly || m_basicType == kMonthly ||
         m_basicType == kTotal;
}

double CWorkingTimeModel::GetHoursOnDate(uint32_t day) const {
  if (m_basicType == kByWeekday) return m_dayHours[day % kWeekdays];
  return CountsDailyHours() ? m_dailyHours : 0;
}

double CWorkingTimeModel::GetBasicHours() const {
  switch (m_basicType) {
    case kDaily:
      return m_dailyHours;
    case kWeekly:
      return m_weeklyHours;
    case kByWeekday: {
      double sum = 0;
      for (double hours : m_dayHours) sum += hours;
      return sum;
    }
    case kMonthly:
      return m_monthlyHours;
    case kTotal:
      return m_totalHours;
    default:
      return 0;
  }
}

double CWorkingTimeModel::GetAverageDailyHours() const {
  if (m_basicType != kByWeekday) return CountsDailyHours() ? m_dailyHours : 0;
  double sum = 0;
  int days = 0;
  for (double hours : m_dayHours) {
    sum += hours;
    if (std::fabs(hours) >= 1e-6) ++days;
  }
  return days ? sum / days : 0;
}

double CWorkingTimeModel::HolidayWorkdays(uint32_t from, uint32_t to) const {
  double sum = 0;
  ForEachHoliday(Root(), from, to, [&](const CHoliday& holiday) {
    if (IsWorkday(holiday.GetDate() % kWeekdays)) sum += HolidayWeight(holiday);
  });
  return sum;
}

double CWorkingTimeModel::Workdays(uint32_t from, uint32_t to) const {
  if (from > to) return 0;
  const auto counts = WeekdayCounts(from, to);
  double days = 0;
  for (uint32_t w = 0; w < kWeekdays; ++w)
    if (IsWorkday(w)) days += counts[w];
  if (!IsWorkday(7)) days -= HolidayWorkdays(from, to);
  return days;
}

double CWorkingTimeModel::GetTargetHours(uint32_t from, uint32_t to,
                                         velk_data::IEmployee* employee) const {
  switch (m_basicType) {
    case kDaily:
      return Workdays(from, to) * m_dailyHours;
    case kWeekly:
      return WeeklyTarget(from, to);
    case kByWeekday:
      return ByWeekdayTarget(from, to);
    case kMonthly:
      return MonthlyTarget(from, to);
    case kTotal:
      return TotalTarget(from, to, employee);
    default:
      return 0;
  }
}

double CWorkingTimeModel::WeeklyTarget(uint32_t from, uint32_t to) const {
  if (to - from + 1 < kWeekdays) return Workdays(from, to) * m_dailyHours;
  // Broken weeks at either side count by their workdays, the whole weeks between by the week.
  double days = 0;
  if (from % kWeekdays != 0) {
    days += Workdays(from, from + (6 - from % kWeekdays));
    from += kWeekdays - from % kWeekdays;
  }
  if (to % kWeekdays != 6) {
    days += Workdays(to - to % kWeekdays, to);
    to -= to % kWeekdays + 1;
  }
  const int64_t span = int64_t{to} - int64_t{from} + 1;
  const double weeks = m_weeklyHours * static_cast<double>(std::max<int64_t>(span, 0) / 7);
  if (m_subtractHolidays) days -= HolidayWorkdays(from, to);
  return m_dailyHours * days + weeks;
}

double CWorkingTimeModel::ByWeekdayTarget(uint32_t from, uint32_t to) const {
  const auto whole = WeekdayCounts(from, to);
  double counts[kWeekdays];
  for (uint32_t w = 0; w < kWeekdays; ++w) counts[w] = whole[w];
  // Holidays take their day off whatever the model's holiday settings say.
  ForEachHoliday(Root(), from, to, [&](const CHoliday& holiday) {
    counts[holiday.GetDate() % kWeekdays] -= HolidayWeight(holiday);
  });
  double sum = 0;
  for (uint32_t w = 0; w < kWeekdays; ++w) sum += counts[w] * m_dayHours[w];
  return sum;
}

double CWorkingTimeModel::MonthlyTarget(uint32_t from, uint32_t to) const {
  const bool sameMonth = FirstOfMonth(from) == FirstOfMonth(to);
  if (sameMonth && (from != FirstOfMonth(from) || to != LastOfMonth(to)))
    return Workdays(from, to) * m_dailyHours;
  double days = 0;
  if (from != FirstOfMonth(from)) {
    days += Workdays(from, LastOfMonth(from));
    from = LastOfMonth(from) + 1;
  }
  if (to != LastOfMonth(to)) {
    days += Workdays(FirstOfMonth(to), to);
    to = FirstOfMonth(to) - 1;
  }
  double months = 0;
  if (from < to) {
    const TDate first(from), last(to);
    months = m_monthlyHours *
             ((last.GetYear() - first.GetYear()) * 12 + last.GetMonth() - first.GetMonth() + 1);
    if (m_subtractHolidays) days -= HolidayWorkdays(from, to);
  }
  return m_dailyHours * days + months;
}

double CWorkingTimeModel::TotalTarget(uint32_t from, uint32_t to,
                                      velk_data::IEmployee* employee) const {
  // The total hours belong to the validity of the individual working time in force on from,
  // within the employee's employment; a part of it gets its share by workdays.
  if (!employee) return 0;
  const auto* owner = static_cast<const CEmployee*>(employee);
  auto* periods = static_cast<const CEmploymentPeriods*>(owner->Existing(kEmploymentPeriod));
  auto* times =
      static_cast<const CIndividualWorkingTimes*>(owner->Existing(kIndividualWorkingTime));
  if (!periods || periods->GetCount() == 0 || !times) return 0;
  std::vector<CIndividualWorkingTime*> valid;
  if (times->CollectInRange(valid, from, from) == 0) return 0;
  uint32_t start = valid.back()->GetDate();
  uint32_t end = valid.back()->GetEnd();
  if (start == 0) start = periods->GetFirstStart();
  if (end == 0) end = periods->GetLastEnd();
  if (start == 0 || end == 0) return 0;
  if (from <= start && end <= to) return m_totalHours;

  const double w = Workdays(from, to);
  DatePeriods employed;
  periods->CollectEmploymentIntervals(employed, start, end);
  double workdays = 0, days = 0;
  for (const DatePeriod& range : employed) {
    workdays += Workdays(range.start, range.end);
    days += range.end - range.start + 1;
  }
  double ratio;
  if (std::fabs(workdays) >= 1e-6)
    ratio = w / workdays;
  else if (days > 0)
    ratio = (static_cast<double>(to) - from + 1) / days;
  else
    return 0;
  return m_totalHours * ratio;
}

void CWorkingTimeModel::Assign(const velk_data::IWorkingTimeModel* other) {
  if (!other) return;
  SetId(other->GetId());
  SetPosition(other->GetPosition());
  SetName(other->GetName());
  SetBasicType(other->GetBasicType());
  SetDailyHours(other->GetDailyHours());
  SetWeeklyHours(other->GetWeeklyHours());
  SetMonthlyHours(other->GetMonthlyHours());
  SetTotalHours(other->GetTotalHours());
  for (uint32_t i = 0; i < m_workdays.size(); ++i) SetWorkday(i, other->IsWorkday(i));
  SetSubtractHolidays(other->GetSubtractHolidays());
  for (uint32_t i = 0; i < kWeekdays; ++i) SetDayHours(i, other->GetDayHours(i));
  SetHidden(other->IsHidden());
}

void CWorkingTimeModels::BeforeDestroy(CWorkingTimeModel* model) {
  Root()->RemoveReferrers(model, {kIndividualWorkingTime});
}
