#include "master/surcharge_type.h"

#include <algorithm>
#include <utility>

#include "data/data.h"
#include "master/holiday.h"

namespace {

constexpr uint32_t kNoon = 720;
constexpr uint32_t kDayEnd = 1440;

// A span of minutes [start, end); an end of 0 stands for 24:00.
struct Span {
  uint32_t start;
  uint32_t end;
};

uint32_t EndMinutes(uint32_t end) { return end == 0 ? kDayEnd : end; }

}  // namespace

uint32_t CSurchargeType::GetIntervals(uint32_t* starts, uint32_t* ends, uint32_t date,
                                      uint32_t from, uint32_t to, bool halfHolidayAsWhole) const {
  // A caller without room for the pieces still learns how many there are.
  uint32_t ownStarts[2], ownEnds[2];
  if (!starts) starts = ownStarts;
  if (!ends) ends = ownEnds;
  // The half of the day the type is restricted to, if any.
  bool restricted = false;
  Span half{0, 0};
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
          restricted = true;
          half = part == CHoliday::kMorning ? Span{kNoon, 0} : Span{0, kNoon};
        }
      } else if (holiday) {
        restricted = halfDay && !halfHolidayAsWhole;
        half = part == CHoliday::kMorning ? Span{0, kNoon} : Span{kNoon, 0};
      } else if (m_holidayRule == kOnlyHolidays) {
        return 0;
      }
    }
  }

  // Windows keep their ends as stored: an end of 24:00 given as 1440 is not an end of 0.
  Span windows[2];
  int count = 0;
  if (m_startAt == m_endAt) {
    windows[count++] = {0, 0};
  } else if (m_endAt != 0 && m_endAt < m_startAt) {  // across midnight
    windows[count++] = {m_startAt, 0};
    windows[count++] = {0, m_endAt};
  } else {
    windows[count++] = {m_startAt, m_endAt};
  }

  uint32_t pieces = 0;
  for (int i = 0; i < count; ++i) {
    Span w = windows[i];
    if (restricted) {
      w.start = std::max(w.start, half.start);
      if (EndMinutes(half.end) < EndMinutes(w.end)) w.end = half.end;
      if (w.start >= EndMinutes(w.end)) continue;  // outside the half day
    }
    if (from >= EndMinutes(w.end) || (to != 0 && to <= w.start)) continue;
    starts[pieces] = std::max(from, w.start);
    // 24:00 is written as 0 only when both the window and the worked interval end with 0.
    ends[pieces] = w.end == 0 && to == 0 ? 0 : std::min(EndMinutes(w.end), EndMinutes(to));
    ++pieces;
  }
  if (pieces == 2 && static_cast<int32_t>(starts[0]) > static_cast<int32_t>(starts[1])) {
    std::swap(starts[0], starts[1]);
    std::swap(ends[0], ends[1]);
  }
  return pieces;
}

void CSurchargeType::Assign(const velk_data::ISurchargeType* other) {
  if (!other) return;
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
