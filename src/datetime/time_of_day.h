// TTime: a time of day as minutes since midnight.
//
// Items store times as plain minute counts (0 to 1440, 720 being noon for half
// days); TTime reduces them to a clock time, reads what a user typed and
// writes the "HH:MM" form of the JSON messages.

#ifndef VELK_DATETIME_TIME_OF_DAY_H_
#define VELK_DATETIME_TIME_OF_DAY_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace velk_date_time {

class TTime {
 public:
  // The empty time, as read from blank text.
  TTime() : m_minutes(0), m_invalid(1) {}
  // `minutes` reduced into one day: 1440 is 00:00, -30 is 23:30.
  explicit TTime(int32_t minutes);
  virtual ~TTime() = default;

  // Reads a time as a user types it: "8:30", "0830", "830", "8:30 pm",
  // "12:15am". A 'p' anywhere means afternoon, otherwise an 'a' morning. Blank
  // text gives the empty time, text without digits 00:00.
  static TTime ParseTime(std::u16string_view text);

  uint32_t GetMinutes() const { return m_minutes; }  // 0 to 1439
  bool IsValid() const { return m_invalid == 0; }

  // "HH:MM" ("07:05"); empty text for the empty time.
  std::u16string ToString() const;

 private:
  uint32_t m_minutes;
  // A 32-bit flag: the value's layout is fixed.
  int32_t m_invalid;
};

}  // namespace velk_date_time

#endif  // VELK_DATETIME_TIME_OF_DAY_H_
