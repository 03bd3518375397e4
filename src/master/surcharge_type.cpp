#include "master/surcharge_type.h"

#include <algorithm>
#include <utility>

#include "data/data.h"
#include "master/holiday.h"

namespace {

constexpr uint32_t kNoon = 720;
constexpr uint32_t kDayEnd = 1440;

// A span of minutes [start, end) with end at most 24:00.
struct Span {
  uint32_t start;
  uint32_t end;
};

}  // namespace

uint32_t CSurchargeType::GetIntervals(uint32_t* starts, uint32_t* ends, uint32_t date,
                                      uint32_t from, uint32_t to, bool halfHolidayAsWhole) const {
  // The half of the day the type is restricted to, if any.
  Span half{0, kDayEnd};
  if (HasDate()) {
    if (m_date != date) return 0;
  } else {
    if (!m_onWeekday[date % 7]) return 0;
    if (m_holidayRule != kIgnoreHolidays) {
      const CHoliday* holiday = Root()->Holidays()->On(date);
      const uint32_t part = holiday ? holiday->GetTimeOfDay() : CHoliday::kWholeDay;
      const bool halfDay = part == CHoliday::kMorning || part == CHoliday::kAfternoon;
      if (m_holidayRule == kNotOnHolidays) {
        if (holiday) {
          if (halfHolidayAsWhole || !halfDay) return 0;
          half = part == CHoliday::kMorning ? Span{kNoon, kDayEnd} : Span{0, kNoon};
        }
      } else if (holiday) {
        if (halfDay && !halfHolidayAsWhole)
          half = part == CHoliday::kMorning ? Span{0, kNoon} : Span{kNoon, kDayEnd};
      } else if (m_holidayRule == kOnlyHolidays) {
        return 0;
      }
    }
  }

  Span windows[2];
  int count = 0;
  if (m_startAt == m_endAt) {
    windows[count++] = {0, kDayEnd};
  } else if (m_endAt != 0 && m_endAt < m_startAt) {  // across midnight
    windows[count++] = {m_startAt, kDayEnd};
    windows[count++] = {0, m_endAt};
  } else {
    windows[count++] = {m_startAt, m_endAt == 0 ? kDayEnd : m_endAt};
  }

  const uint32_t workedEnd = to == 0 ? kDayEnd : to;
  uint32_t pieces = 0;
  for (int i = 0; i < count; ++i) {
    Span w{std::max(windows[i].start, half.start), std::min(windows[i].end, half.end)};
    if (w.start >= w.end) continue;  // outside the half day
    if (from >= w.end || (to != 0 && to <= w.start)) continue;
    starts[pieces] = std::max(from, w.start);
    const uint32_t end = std::min(workedEnd, w.end);
    // 24:00 is written as 0 only when both the window and the worked interval end there.
    ends[pieces] = (end == kDayEnd && to == 0) ? 0 : end;
    ++pieces;
  }
  if (pieces == 2 && static_cast<int32_t>(starts[0]) > static_cast<int32_t>(starts[1])) {
    std::swap(starts[0], starts[1]);
    std::swap(ends[0], ends[1]);
  }
  return pieces;
}

void CSurchargeType::Assign(const velk_data::ISurchargeType* other) {
  SetId(other->GetId());
  SetPosition(other->GetPosition());
  SetName(other->GetName());
  SetStartAt(other->GetStartAt());
  SetEndAt(other->GetEndAt());
  for (uint32_t day = 0; day < 7; ++day) SetOnWeekday(day, other->IsOnWeekday(day));
  SetHolidayRule(other->GetHolidayRule());
  SetDate(other->ReadDate());
  SetHidden(other->IsHidden());
}
