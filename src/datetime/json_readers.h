// The date and time members of item JSON, as every item reader reads them.
//
// A member that is absent or not a String reads like empty text and gives
// the caller's default; see text_readers.h for how the text is read.

#ifndef VELK_DATETIME_JSON_READERS_H_
#define VELK_DATETIME_JSON_READERS_H_

#include <cstdint>

#include "json/json_value.h"

namespace velk_date_time {

// The day number of member `name`; `def` when it is absent, not a String or
// empty.
uint32_t ReadDate(const velk_json::CJSONObject& json, const char16_t* name, uint32_t def);

// The minutes of member `name`; `def` when it is absent, not a String or
// empty. "HH:MM" and "HH:MM:SS" are taken as written, without reduction.
int32_t ReadTime(const velk_json::CJSONObject& json, const char16_t* name, int32_t def);

}  // namespace velk_date_time

#endif  // VELK_DATETIME_JSON_READERS_H_
