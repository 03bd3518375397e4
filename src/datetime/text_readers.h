// Reading the date and time members of item JSON.
//
// Hosts write dates as "YYYY-MM-DD" and times as "HH:MM" or "HH:MM:SS"; those
// shapes are read at fixed positions without any scanning. Everything else
// takes the tolerant path of TDate::ParseDate and TTime::ParseTime.

#ifndef VELK_DATETIME_TEXT_READERS_H_
#define VELK_DATETIME_TEXT_READERS_H_

#include <cstdint>
#include <string_view>

namespace velk_date_time {

// The day number of a date member's text; `def` when the text is empty. Text
// of ten units reads year, month and day from units 0-3, 5-6 and 8-9 (the
// separators are not examined), any other through TDate::ParseDate.
uint32_t ReadDateText(std::u16string_view text, uint32_t def);

// The minutes of a time member's text; `def` when the text is empty. Text of
// five or eight units reads hours and minutes from units 0-1 and 3-4 with no
// bounds ("24:00" is 1440); any other goes through TTime::ParseTime.
int32_t ReadTimeText(std::u16string_view text, int32_t def);

}  // namespace velk_date_time

#endif  // VELK_DATETIME_TEXT_READERS_H_
