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

// The system code page: UTF-8 on Linux, the ANSI code page of the machine on Windows.
constexpr uint32_t kSystemCodePage = 0;
constexpr uint32_t kAsciiCodePage = 20127;
// UTF-8 on every platform, for text that must not depend on the machine.
constexpr uint32_t kUtf8CodePage = 65001;

// On Windows both directions are the system's own conversions (WideCharToMultiByte and
// MultiByteToWideChar without flags), with Windows' replacements: a letter a code page lacks
// may become its nearest look-alike ("\u00fc" -> "u" in US-ASCII). Elsewhere:
//
// UTF-8 (any code page but kAsciiCodePage): an unpaired surrogate becomes
// U+FFFD. US-ASCII: each code unit above 0x7F becomes '?' (a surrogate pair
// gives two).
std::string ToMultiByte(std::u16string_view text, uint32_t codePage);

// UTF-8: each maximal ill-formed subsequence becomes U+FFFD. US-ASCII: each
// byte above 0x7F becomes '?'.
std::u16string FromMultiByte(std::string_view text, uint32_t codePage);

}  // namespace velk_platform

#endif  // VELK_PLATFORM_CODE_PAGE_H_
