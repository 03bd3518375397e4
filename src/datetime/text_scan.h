// Small scanners over UTF-16 text shared by the date and time readers.
//
// They read the caller's text in place: the readers run for every date and
// time member of every item, so nothing here allocates.

#ifndef VELK_DATETIME_TEXT_SCAN_H_
#define VELK_DATETIME_TEXT_SCAN_H_

#include <cstdint>
#include <string_view>

#include "json/text_number.h"

namespace velk_date_time {

// Space, tab, line feed, carriage return, form feed and vertical tab.
inline bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

inline bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// `text` without the blanks at either end.
std::u16string_view Trim(std::u16string_view text);

// The decimal integer at the start of a piece, as the C library's wcstol reads it with base
// 10; the JSON getters read numbers in strings the same way.
using velk_json::LeadingInt32;

}  // namespace velk_date_time

#endif  // VELK_DATETIME_TEXT_SCAN_H_
