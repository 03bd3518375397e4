// Windows: the system's own conversions, called the way the host's other modules call them (no
// flags, no default character), so a host sees the same text from us as from Windows itself.
#include <windows.h>

#include <climits>

#include "platform/code_page.h"

namespace velk_platform {

std::string ToMultiByte(std::u16string_view text, uint32_t codePage) {
  if (text.empty() || text.size() > INT_MAX) return std::string();
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int size = WideCharToMultiByte(codePage, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string out(size, '\0');
  if (WideCharToMultiByte(codePage, 0, wide, length, out.data(), size, nullptr, nullptr) != size)
    return std::string();
  return out;
}

std::u16string FromMultiByte(std::string_view text, uint32_t codePage) {
  if (text.empty() || text.size() > INT_MAX) return std::u16string();
  const int length = static_cast<int>(text.size());
  const int size = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
  if (size <= 0) return std::u16string();
  std::u16string out(size, u'\0');
  if (MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(out.data()),
                          size) != size)
    return std::u16string();
  return out;
}

}  // namespace velk_platform
