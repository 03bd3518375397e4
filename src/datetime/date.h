// TDate: a calendar date as its day number.
//
// Every date of the model is the Julian Day Number of the date in the
// proleptic Gregorian calendar (1 January 2000 is 2451545), so date arithmetic
// is integer arithmetic: the next day is m_day + 1, the days from a to b are
// b - a. Two numbers are reserved and compare below every real date: 0, the
// invalid date (text that does not read as a date), and 1, no date (empty
// text). Items store the plain number; TDate converts, compares and computes.

#ifndef VELK_DATETIME_DATE_H_
#define VELK_DATETIME_DATE_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace velk_date_time {

class TDate {
 public:
  static constexpr uint32_t kInvalid = 0;
  static constexpr uint32_t kNoDate = 1;

  constexpr TDate() : m_day(kInvalid) {}
  constexpr explicit TDate(uint32_t day) : m_day(day) {}

  // The date of a calendar triple, or the invalid date when the month is not
  // 1 to 12 or the day not within that month. A year below 100 is completed
  // with a pivot: up to 50 in this century (24 is 2024), 51 to 99 in the last
  // (51 is 1951). Dates before the day numbers start are invalid too.
  static TDate FromYMD(int32_t month, int32_t day, int32_t year);

  // Reads a date as a user types it: pieces split at blanks, '/', '.' and '-'
  // are year, month and day; with fewer pieces the leading ones come from
  // today ("3/15" is 15 March of this year, "15" the 15th of this month); a
  // single piece of eight units is YYYYMMDD. Blank text is kNoDate, anything
  // unreadable kInvalid.
  static TDate ParseDate(std::u16string_view text);

  // Today's local date (see velk_platform::PinToday for tests).
  static TDate Today();

  static bool IsLeapYear(int32_t year);
  // 28 to 31; month must be 1 to 12.
  static int32_t DaysInMonth(int32_t month, int32_t year);

  // Calendar fields of the day number.
  int32_t GetYear() const;
  int32_t GetMonth() const;  // 1 to 12
  int32_t GetDay() const;    // 1 to 31
  // The length of the month that holds the date.
  int32_t DaysInMonth() const;
  // 0 for Monday to 6 for Sunday; per-day tables use 7 for a public holiday.
  uint32_t GetWeekday() const { return m_day % 7; }

  // "Y-m-d" with the year padded to four digits ("2024-03-05"); "<invalid>"
  // for kInvalid and empty text for kNoDate.
  std::u16string ToString() const;

  friend bool operator==(TDate a, TDate b) { return a.m_day == b.m_day; }
  friend bool operator!=(TDate a, TDate b) { return a.m_day != b.m_day; }
  friend bool operator<(TDate a, TDate b) { return a.m_day < b.m_day; }
  friend bool operator<=(TDate a, TDate b) { return a.m_day <= b.m_day; }
  friend bool operator>(TDate a, TDate b) { return a.m_day > b.m_day; }
  friend bool operator>=(TDate a, TDate b) { return a.m_day >= b.m_day; }

  uint32_t m_day;
};

}  // namespace velk_date_time

#endif  // VELK_DATETIME_DATE_H_
