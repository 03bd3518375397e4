#include "datetime/date.h"

#include <limits>

#include "datetime/text_scan.h"
#include "platform/clock.h"

namespace velk_date_time {

namespace {

struct Civil {
  int32_t year, month, day;
};

// The Gregorian calendar date of a Julian Day Number (Richards' algorithm);
// exact for every day number from 0 on.
Civil ToCivil(uint32_t jdn) {
  int64_t j = jdn;
  int64_t f = j + 1401 + (((4 * j + 274277) / 146097) * 3) / 4 - 38;
  int64_t e = 4 * f + 3;
  int64_t h = 5 * ((e % 1461) / 4) + 2;
  int32_t day = static_cast<int32_t>((h % 153) / 5 + 1);
  int32_t month = static_cast<int32_t>((h / 153 + 2) % 12 + 1);
  int32_t year = static_cast<int32_t>(e / 1461 - 4716 + (12 + 2 - month) / 12);
  return Civil{year, month, day};
}

bool IsSeparator(char16_t c) { return IsBlank(c) || c == u'/' || c == u'.' || c == u'-'; }

// Writes `value` as printf's "%0*d" would, with at least `width` characters
// counting the sign.
char16_t* WriteDecimal(char16_t* out, int32_t value, int width) {
  char16_t digits[12];
  int n = 0;
  int64_t v = value;
  if (v < 0) {
    *out++ = u'-';
    v = -v;
    --width;
  }
  do {
    digits[n++] = static_cast<char16_t>(u'0' + v % 10);
    v /= 10;
  } while (v != 0);
  for (int pad = width - n; pad > 0; --pad) *out++ = u'0';
  while (n > 0) *out++ = digits[--n];
  return out;
}

}  // namespace

bool TDate::IsLeapYear(int32_t year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t TDate::DaysInMonth(int32_t month, int32_t year) {
  static constexpr int32_t kLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kLength[month - 1];
}

TDate TDate::FromYMD(int32_t month, int32_t day, int32_t year) {
  // Every year below 100 is pivoted, so -24 is taken as 1976.
  if (year < 100) year += year <= 50 ? 2000 : 1900;
  if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(month, year)) return TDate();
  // Years before -4713 lie wholly before day number 0; rejecting them keeps
  // every quotient below non-negative, and the 64-bit sums cannot overflow.
  if (year < -4713) return TDate();
  int64_t a = (14 - month) / 12;
  int64_t y = int64_t{year} + 4800 - a;
  int64_t m = month + 12 * a - 3;
  int64_t jdn = day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 - 32045;
  if (jdn <= kNoDate || jdn > std::numeric_limits<uint32_t>::max()) return TDate();
  return TDate(static_cast<uint32_t>(jdn));
}

TDate TDate::ParseDate(std::u16string_view text) {
  text = Trim(text);
  if (text.empty()) return TDate(kNoDate);

  // Pieces are the texts between runs of separators: a run at the start gives
  // an empty first piece, a run at the end no piece. Only three are used.
  std::u16string_view pieces[3];
  size_t count = 0, start = 0;
  auto add = [&](size_t end) {
    if (count < 3) pieces[count] = text.substr(start, end - start);
    ++count;
  };
  for (size_t i = 0; i < text.size();) {
    if (!IsSeparator(text[i])) {
      ++i;
      continue;
    }
    add(i);
    while (i < text.size() && IsSeparator(text[i])) ++i;
    start = i;
  }
  if (start < text.size()) add(text.size());

  int32_t year, month, day;
  if (count >= 3) {
    year = LeadingInt32(pieces[0]);
    month = LeadingInt32(pieces[1]);
    day = LeadingInt32(pieces[2]);
  } else if (count == 1 && text.size() == 8) {
    year = LeadingInt32(text.substr(0, 4));
    month = LeadingInt32(text.substr(4, 2));
    day = LeadingInt32(text.substr(6, 2));
  } else {
    velk_platform::LocalDate today = velk_platform::Today();
    year = today.year;
    if (count == 2) {
      month = LeadingInt32(pieces[0]);
      day = LeadingInt32(pieces[1]);
    } else {
      month = today.month;
      day = LeadingInt32(pieces[0]);
    }
  }
  return FromYMD(month, day, year);
}

TDate TDate::Today() {
  velk_platform::LocalDate today = velk_platform::Today();
  return FromYMD(today.month, today.day, today.year);
}

int32_t TDate::GetYear() const { return ToCivil(m_day).year; }
int32_t TDate::GetMonth() const { return ToCivil(m_day).month; }
int32_t TDate::GetDay() const { return ToCivil(m_day).day; }

int32_t TDate::DaysInMonth() const {
  Civil c = ToCivil(m_day);
  return DaysInMonth(c.month, c.year);
}

std::u16string TDate::ToString() const {
  if (m_day == kInvalid) return u"<invalid>";
  if (m_day == kNoDate) return std::u16string();
  Civil c = ToCivil(m_day);
  char16_t buffer[24];
  char16_t* p = WriteDecimal(buffer, c.year, 4);
  *p++ = u'-';
  p = WriteDecimal(p, c.month, 2);
  *p++ = u'-';
  p = WriteDecimal(p, c.day, 2);
  return std::u16string(buffer, p);
}

}  // namespace velk_date_time
