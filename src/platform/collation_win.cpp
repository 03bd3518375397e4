// Windows: CompareStringEx with NORM_IGNORECASE, the comparison the host's own lists use.
#include <windows.h>

#include <climits>
#include <string>

#include "platform/code_page.h"
#include "platform/collation.h"

namespace velk_platform {

namespace {

// Texts longer than an int can count are compared by their first INT_MAX code units.
int Length(std::u16string_view text) {
  return text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
}

int Compare(const wchar_t* locale, std::u16string_view a, std::u16string_view b) {
  return CompareStringEx(locale, NORM_IGNORECASE, reinterpret_cast<const wchar_t*>(a.data()),
                         Length(a), reinterpret_cast<const wchar_t*>(b.data()), Length(b), nullptr,
                         nullptr, 0);
}

}  // namespace

int CompareNoCase(std::u16string_view a, std::u16string_view b, const char* locale) {
  // The name goes to Windows as the host gave it; null is LOCALE_NAME_USER_DEFAULT.
  int result = 0;
  if (locale == nullptr) {
    result = Compare(LOCALE_NAME_USER_DEFAULT, a, b);
  } else {
    const std::u16string name = FromMultiByte(locale, kSystemCodePage);
    result = Compare(reinterpret_cast<const wchar_t*>(name.c_str()), a, b);
  }
  // A name Windows does not know fails the call: compare as the invariant locale does, the
  // way an unknown name falls back to the root locale elsewhere.
  if (result == 0) result = Compare(LOCALE_NAME_INVARIANT, a, b);
  // Should even that fail: code units with their case folded.
  if (result == 0)
    result = CompareStringOrdinal(reinterpret_cast<const wchar_t*>(a.data()), Length(a),
                                  reinterpret_cast<const wchar_t*>(b.data()), Length(b), TRUE);
  return result == 0 ? 0 : result - CSTR_EQUAL;
}

}  // namespace velk_platform
