// Calendar dates as the command line and the reports write them (YYYY-MM-DD), and the day
// numbers (Julian Day Numbers) the library counts in.
#ifndef TOOLS_VELK_DATES_H_
#define TOOLS_VELK_DATES_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace velk_cli {

// The day number of a Gregorian date; the caller has checked month and day.
uint32_t DayNumber(int year, int month, int day);

// Reads exactly "YYYY-MM-DD" (year 0001 to 9999) naming a day of the calendar.
bool ParseDate(std::string_view text, uint32_t* day);

// Reads exactly "YYYY-MM" into the first and last day of that month.
bool ParseMonth(std::string_view text, uint32_t* first, uint32_t* last);

// 0 Monday .. 6 Sunday, as the library counts weekdays.
inline int Weekday(uint32_t day) { return static_cast<int>(day % 7); }

// The year of a day number.
int YearOf(uint32_t day);

// "YYYY-MM-DD" of a day number.
std::string FormatDate(uint32_t day);

}  // namespace velk_cli

#endif  // TOOLS_VELK_DATES_H_
