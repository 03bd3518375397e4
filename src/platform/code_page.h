// Conversion between UTF-16 text and the narrow text of a code page.
//
// The model keeps all text as UTF-16; narrow text appears only where a host
// expects bytes: exception texts (the system code page) and user setting keys
// (US-ASCII). Neither direction ever fails: what a code page cannot hold is
// replaced, never rejected.

#ifndef VELK_PLATFORM_CODE_PAGE_H_
#define VELK_PLATFORM_CODE_PAGE_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace velk_platform {

// The system code page. On every platform we build for it is UTF-8.
constexpr uint32_t kSystemCodePage = 0;
constexpr uint32_t kAsciiCodePage = 20127;

// UTF-8 (any code page but kAsciiCodePage): an unpaired surrogate becomes
// U+FFFD. US-ASCII: each code unit above 0x7F becomes '?' (a surrogate pair
// gives two).
std::string ToMultiByte(std::u16string_view text, uint32_t codePage);

// UTF-8: each maximal ill-formed subsequence becomes U+FFFD. US-ASCII: each
// byte above 0x7F becomes '?'.
std::u16string FromMultiByte(std::string_view text, uint32_t codePage);

}  // namespace velk_platform

#endif  // VELK_PLATFORM_CODE_PAGE_H_
