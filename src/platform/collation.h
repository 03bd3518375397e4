// Locale-aware comparison of names that ignores letter case.
//
// Sibling groups are ordered by name the way a person of the user's locale
// would sort them: "Ärzte" sorts with the A's in German. Letter case is
// ignored, accents are not.

#ifndef VELK_PLATFORM_COLLATION_H_
#define VELK_PLATFORM_COLLATION_H_

#include <string_view>

namespace velk_platform {

// Negative when a sorts before b, 0 when they are equal ignoring case,
// positive otherwise. `locale` is a BCP-47 name such as "de-DE"; null means
// the process's default locale, an unknown name the root locale. Never fails.
int CompareNoCase(std::u16string_view a, std::u16string_view b, const char* locale);

}  // namespace velk_platform

#endif  // VELK_PLATFORM_COLLATION_H_
