#include "platform/collation.h"

#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/uloc.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace velk_platform {

namespace {

struct CollatorCloser {
  void operator()(UCollator* c) const { ucol_close(c); }
};
using CollatorPtr = std::unique_ptr<UCollator, CollatorCloser>;

// The ICU locale id of a BCP-47 name; a name that is not a language tag is
// handed to ICU as it is (ICU also reads its own ids such as "de_DE").
std::string IcuLocaleId(const char* name) {
  char id[ULOC_FULLNAME_CAPACITY];
  int32_t parsed = 0;
  UErrorCode status = U_ZERO_ERROR;
  int32_t len = uloc_forLanguageTag(name, id, sizeof id, &parsed, &status);
  if (U_FAILURE(status) || status == U_STRING_NOT_TERMINATED_WARNING ||
      parsed != static_cast<int32_t>(std::strlen(name)))
    return name;
  return std::string(id, len);
}

// The default locale's id. Under the C or POSIX environment ICU reports
// en_US_POSIX, whose collation orders by code point and so cannot ignore case;
// its language and country alone give the ordering a person expects.
std::string DefaultLocaleId() {
  const char* def = uloc_getDefault();
  char variant[ULOC_FULLNAME_CAPACITY];
  UErrorCode status = U_ZERO_ERROR;
  uloc_getVariant(def, variant, sizeof variant, &status);
  if (U_FAILURE(status) || std::strcmp(variant, "POSIX") != 0) return def;
  char language[ULOC_LANG_CAPACITY] = "";
  char country[ULOC_COUNTRY_CAPACITY] = "";
  uloc_getLanguage(def, language, sizeof language, &status);
  uloc_getCountry(def, country, sizeof country, &status);
  if (U_FAILURE(status)) return "";
  return std::string(language) + "_" + country;
}

CollatorPtr OpenCollator(const std::string& id) {
  UErrorCode status = U_ZERO_ERROR;
  UCollator* c = ucol_open(id.c_str(), &status);  // unknown ids give the root collator
  if (U_FAILURE(status)) {
    status = U_ZERO_ERROR;
    c = ucol_open("", &status);
  }
  if (U_FAILURE(status)) return nullptr;
  ucol_setStrength(c, UCOL_SECONDARY);
  return CollatorPtr(c);
}

// Opening a collator costs far more than a comparison, and sorting compares
// often with few locales: keep each one open. A null entry records that ICU
// failed for that locale.
UCollator* CollatorFor(const char* locale) {
  static std::map<std::string, CollatorPtr> cache;
  static bool haveDefault = false;
  static CollatorPtr defaultCollator;
  if (locale == nullptr) {
    if (!haveDefault) {
      defaultCollator = OpenCollator(DefaultLocaleId());
      haveDefault = true;
    }
    return defaultCollator.get();
  }
  auto it = cache.find(locale);
  if (it == cache.end()) it = cache.emplace(locale, OpenCollator(IcuLocaleId(locale))).first;
  return it->second.get();
}

// Last resort when ICU has no collator at all: code units after simple
// per-unit lower-casing.
int CompareLowered(std::u16string_view a, std::u16string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    UChar32 x = u_tolower(a[i]);
    UChar32 y = u_tolower(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

}  // namespace

int CompareNoCase(std::u16string_view a, std::u16string_view b, const char* locale) {
  UCollator* c = CollatorFor(locale);
  if (c == nullptr) return CompareLowered(a, b);
  switch (ucol_strcoll(c, a.data(), static_cast<int32_t>(a.size()), b.data(),
                       static_cast<int32_t>(b.size()))) {
    case UCOL_LESS:
      return -1;
    case UCOL_GREATER:
      return 1;
    default:
      return 0;
  }
}

}  // namespace velk_platform
