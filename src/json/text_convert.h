// Conversions between UTF-16 and narrow text in a code page: 0 (the system code page, UTF-8
// here) for exception texts, 20127 (US-ASCII) for user setting keys. They never fail: what a
// code page cannot hold is replaced, and a null text gives an empty result.

#ifndef VELK_JSON_TEXT_CONVERT_H_
#define VELK_JSON_TEXT_CONVERT_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace velk_json {

std::string ToNarrow(const char16_t* text, uint32_t codePage);
std::string ToNarrow(std::u16string_view text, uint32_t codePage);
std::u16string ToWide(const char* text, uint32_t codePage);
std::u16string ToWide(std::string_view text, uint32_t codePage);

}  // namespace velk_json

#endif  // VELK_JSON_TEXT_CONVERT_H_
