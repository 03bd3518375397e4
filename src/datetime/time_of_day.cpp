#include "datetime/time_of_day.h"

#include "datetime/text_scan.h"

namespace velk_date_time {

namespace {

constexpr int64_t kMinutesPerDay = 1440;

uint32_t ReduceToDay(int64_t minutes) {
  int64_t r = minutes % kMinutesPerDay;
  return static_cast<uint32_t>(r < 0 ? r + kMinutesPerDay : r);
}

// The next run of decimal digits at or after `from`; empty when there is none.
std::u16string_view NextDigitRun(std::u16string_view text, size_t from) {
  while (from < text.size() && !IsDigit(text[from])) ++from;
  size_t end = from;
  while (end < text.size() && IsDigit(text[end])) ++end;
  return text.substr(from, end - from);
}

}  // namespace

TTime::TTime(int32_t minutes) : m_minutes(ReduceToDay(minutes)), m_invalid(0) {}

TTime TTime::ParseTime(std::u16string_view text) {
  text = Trim(text);
  if (text.empty()) return TTime();

  std::u16string_view first = NextDigitRun(text, 0);
  // Without digits the time is midnight, whatever "am" or "pm" says.
  if (first.empty()) return TTime(0);
  int64_t hours = 0, minutes = 0;
  if (first.size() >= 4) {
    hours = LeadingInt32(first.substr(0, 2));
    minutes = LeadingInt32(first.substr(2, 2));
  } else if (first.size() == 3) {
    hours = first[0] - u'0';
    minutes = LeadingInt32(first.substr(1, 2));
  } else {
    hours = LeadingInt32(first);
    size_t after = static_cast<size_t>(first.data() - text.data()) + first.size();
    minutes = LeadingInt32(NextDigitRun(text, after));
  }

  bool afternoon = false, morning = false;
  for (char16_t c : text) {
    if (c == u'p' || c == u'P') afternoon = true;
    if (c == u'a' || c == u'A') morning = true;
  }
  if (hours < 12 && afternoon)
    hours += 12;
  else if (hours == 12 && morning && !afternoon)
    hours = 0;

  TTime time;
  time.m_minutes = ReduceToDay(hours * 60 + minutes);
  time.m_invalid = 0;
  return time;
}

std::u16string TTime::ToString() const {
  if (m_invalid) return std::u16string();
  uint32_t h = m_minutes / 60, m = m_minutes % 60;
  const char16_t text[5] = {
      static_cast<char16_t>(u'0' + h / 10), static_cast<char16_t>(u'0' + h % 10), u':',
      static_cast<char16_t>(u'0' + m / 10), static_cast<char16_t>(u'0' + m % 10)};
  return std::u16string(text, 5);
}

}  // namespace velk_date_time
