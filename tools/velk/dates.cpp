#include "tools/velk/dates.h"

#include <cstdio>
#include <string>

namespace velk_cli {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The value of count digits at text[at], or -1 when one of them is not a digit.
int Digits(std::string_view text, size_t at, size_t count) {
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

}  // namespace

// Counted from March, so that the leap day falls at the end of the counting year.
uint32_t DayNumber(int year, int month, int day) {
  const int a = (14 - month) / 12;
  const int y = year + 4800 - a;
  const int m = month + 12 * a - 3;
  return static_cast<uint32_t>(day + (153 * m + 2) / 5 + 365 * y + y / 4 - y / 100 + y / 400 -
                               32045);
}

bool ParseDate(std::string_view text, uint32_t* day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const int year = Digits(text, 0, 4), month = Digits(text, 5, 2), dayOfMonth = Digits(text, 8, 2);
  if (year < 1 || month < 1 || month > 12 || dayOfMonth < 1 ||
      dayOfMonth > DaysInMonth(year, month))
    return false;
  *day = DayNumber(year, month, dayOfMonth);
  return true;
}

bool ParseMonth(std::string_view text, uint32_t* first, uint32_t* last) {
  if (text.size() != 7 || text[4] != '-') return false;
  const int year = Digits(text, 0, 4), month = Digits(text, 5, 2);
  if (year < 1 || month < 1 || month > 12) return false;
  *first = DayNumber(year, month, 1);
  *last = DayNumber(year, month, DaysInMonth(year, month));
  return true;
}

int YearOf(uint32_t day) { return std::stoi(FormatDate(day).substr(0, 4)); }

std::string FormatDate(uint32_t day) {
  // The inverse of DayNumber, in the same March-based counting.
  const int64_t a = static_cast<int64_t>(day) + 32044;
  const int64_t b = (4 * a + 3) / 146097;
  const int64_t c = a - 146097 * b / 4;
  const int64_t d = (4 * c + 3) / 1461;
  const int64_t e = c - 1461 * d / 4;
  const int64_t m = (5 * e + 2) / 153;
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", static_cast<int>(100 * b + d - 4800 + m / 10),
                static_cast<int>(m + 3 - 12 * (m / 10)),
                static_cast<int>(e - (153 * m + 2) / 5 + 1));
  return text;
}

}  // namespace velk_cli
