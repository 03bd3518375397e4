#include "datetime/text_readers.h"

#include "datetime/date.h"
#include "datetime/text_scan.h"
#include "datetime/time_of_day.h"

namespace velk_date_time {

uint32_t ReadDateText(std::u16string_view text, uint32_t def) {
  if (text.empty()) return def;
  if (text.size() == 10) {
    return TDate::FromYMD(LeadingInt32(text.substr(5, 2)), LeadingInt32(text.substr(8, 2)),
                          LeadingInt32(text.substr(0, 4)))
        .m_day;
  }
  return TDate::ParseDate(text).m_day;
}

int32_t ReadTimeText(std::u16string_view text, int32_t def) {
  if (text.empty()) return def;
  if (text.size() == 5 || text.size() == 8)
    return LeadingInt32(text.substr(0, 2)) * 60 + LeadingInt32(text.substr(3, 2));
  return static_cast<int32_t>(TTime::ParseTime(text).GetMinutes());
}

}  // namespace velk_date_time
