#include "records/absence.h"

#include <algorithm>
#include <cmath>

#include "master/holiday.h"
#include "records/individual_working_time.h"
#include "velk_data/working_time_models.h"

namespace {
constexpr uint32_t kNoon = 720;
constexpr double kNoHours = 0.000001;  // a day of fewer hours than this has none
}  // namespace

// The part of its day an absence counts for: a half holiday may take a half away.
struct CAbsence::Span {
  uint32_t timeOfDay, start, end;

  // Minutes from start to end; an end not after the start runs past midnight.
  int64_t Minutes() const {
    int64_t minutes = static_cast<int64_t>(end) - static_cast<int64_t>(start);
    return minutes < 1 ? minutes + 1440 : minutes;
  }
};

void CAbsence::Assign(const velk_data::IAbsence* source) {
  if (!source) return;
  SetId(source->GetId());
  SetLeaveType(source->GetLeaveType());
  SetDate(source->GetDate());
  SetTimeOfDay(source->GetTimeOfDay());
  SetStartAt(source->GetStartAt());
  SetEndAt(source->GetEndAt());
  SetPlanType(source->GetPlanType());
}

const velk_data::IWorkingTimeModel* CAbsence::ModelOnDate() const {
  CEmployee* employee = Holder();
  if (!employee) return nullptr;
  // Asked without making the collection: an employee without one has no model.
  auto* times =
      static_cast<const CIndividualWorkingTimes*>(employee->Existing(kIndividualWorkingTime));
  return times ? times->GetModelOn(m_date) : nullptr;
}

// An absence without a leave type counts like one that does not count every day.
bool CAbsence::CountsAll() const { return m_leaveType && m_leaveType->IsCountAll(); }

bool CAbsence::Countable(Span& span, const velk_data::IWorkingTimeModel* model) const {
  if (!model || !model->IsWorkday(WeekdayOf(m_date))) return false;
  const CHoliday* holiday = Root()->Holidays()->On(m_date);
  if (!holiday) return true;
  const bool worksOnHolidays = model->IsWorkday(7);
  const uint32_t half = holiday->GetTimeOfDay();
  if (half == CHoliday::kWholeDay) return worksOnHolidays;
  if (worksOnHolidays) return true;
  if (half == CHoliday::kMorning) {
    if (span.timeOfDay == kWholeDay)
      span.timeOfDay = kAfternoon;
    else if (span.timeOfDay == kMorning)
      return false;
    else if (span.timeOfDay == kTimeSpan)
      span.start = std::max(span.start, kNoon);
  } else if (half == CHoliday::kAfternoon) {
    if (span.timeOfDay == kWholeDay)
      span.timeOfDay = kMorning;
    else if (span.timeOfDay == kAfternoon)
      return false;
    else if (span.timeOfDay == kTimeSpan)
      span.end = span.end == 0 ? kNoon : std::min(span.end, kNoon);
  } else {
    return true;
  }
  // What the holiday left of the span must still be one.
  if (span.end != 0 && span.start > span.end) return false;
  return !(span.start == span.end && span.start != 0);
}

double CAbsence::GetHours() const {
  Span span{m_timeOfDay, m_startAt, m_endAt};
  const velk_data::IWorkingTimeModel* model = ModelOnDate();
  if (!CountsAll() && !Countable(span, model)) return 0;
  if (span.timeOfDay == kTimeSpan) return static_cast<double>(span.Minutes()) / 60;
  if (!model) return 0;
  const double hours = model->GetHoursOnDate(m_date);
  return span.timeOfDay == kMorning || span.timeOfDay == kAfternoon ? hours * 0.5 : hours;
}

double CAbsence::GetDays() const {
  Span span{m_timeOfDay, m_startAt, m_endAt};
  const velk_data::IWorkingTimeModel* model = ModelOnDate();
  if (!CountsAll() && !Countable(span, model)) return 0;
  if (span.timeOfDay == kWholeDay) return 1.0;
  if (span.timeOfDay == kMorning || span.timeOfDay == kAfternoon) return 0.5;
  if (!model) return 0;
  const double hours = model->GetHoursOnDate(m_date);
  if (std::fabs(hours) < kNoHours) return 0;
  return static_cast<double>(span.Minutes()) / 60 / hours;
}

double CAbsence::GetChargedValue() const {
  const int32_t chargeType = m_leaveType ? m_leaveType->GetChargeType() : 0;
  if (chargeType == 0) return 0;
  const double hours = GetHours();
  if (chargeType == 1) return hours;  // charged in hours
  const velk_data::IWorkingTimeModel* model = ModelOnDate();
  if (!model) return 0;
  const double dayHours = model->GetHoursOnDate(m_date);
  if (std::fabs(dayHours) < kNoHours) return 0;
  return m_leaveType->GetChargeHours() * (hours / dayHours);
}

double CAbsences::GetOvertimeDeductionHours(uint32_t from, uint32_t to, int32_t planType) const {
  double hours = 0;
  ForEachInEmployment(from, to, planType, [&](const CAbsence* absence) {
    const velk_data::ILeaveType* type = absence->GetLeaveType();
    if (type && type->IsDeductOvertimeHours()) hours += absence->GetHours();
  });
  return hours;
}
