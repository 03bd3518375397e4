#include "platform/c_number.h"

#include <locale.h>

#include <cstdio>
#include <cstdlib>

namespace velk_platform {

namespace {

locale_t CLocale() {
  static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

double ParseDoubleC(const char* text, char** end) { return strtod_l(text, end, CLocale()); }

int FormatFixedC(char* buffer, size_t size, double value) {
  locale_t previous = uselocale(CLocale());
  int length = std::snprintf(buffer, size, "%f", value);
  uselocale(previous);
  return length;
}

}  // namespace velk_platform
