#include "json/text_convert.h"

#include "platform/code_page.h"

namespace velk_json {

std::string ToNarrow(const char16_t* text, uint32_t codePage) {
  if (!text) return std::string();
  return velk_platform::ToMultiByte(std::u16string_view(text), codePage);
}

std::string ToNarrow(std::u16string_view text, uint32_t codePage) {
  return velk_platform::ToMultiByte(text, codePage);
}

std::u16string ToWide(const char* text, uint32_t codePage) {
  if (!text) return std::u16string();
  return velk_platform::FromMultiByte(std::string_view(text), codePage);
}

std::u16string ToWide(std::string_view text, uint32_t codePage) {
  return velk_platform::FromMultiByte(text, codePage);
}

}  // namespace velk_json
