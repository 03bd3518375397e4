// Windows has no "C" locale object that MinGW's C99 strtod and printf would take (the runtime's
// own _strtod_l reads no hexadecimal), so the text is handed over with the process locale's
// decimal point put in and taken back out.
#include <algorithm>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/c_number.h"

namespace velk_platform {

namespace {

char LocalePoint() {
  const lconv* conventions = std::localeconv();
  const char* point = conventions ? conventions->decimal_point : nullptr;
  return point && point[0] && !point[1] ? point[0] : '.';
}

}  // namespace

double ParseDoubleC(const char* text, char** end) {
  const char point = LocalePoint();
  if (point == '.') return std::strtod(text, end);
  // The "C" reading stops at the locale's point; its own '.' becomes the locale's point.
  const char stops[] = {point, '\0'};
  std::string local(text, std::strcspn(text, stops));
  std::replace(local.begin(), local.end(), '.', point);
  char* stop = nullptr;
  const double value = std::strtod(local.c_str(), &stop);
  if (end) *end = const_cast<char*>(text) + (stop - local.c_str());
  return value;
}

int FormatFixedC(char* buffer, size_t size, double value) {
  const int length = std::snprintf(buffer, size, "%f", value);
  const char point = LocalePoint();
  if (point != '.' && length > 0)
    std::replace(buffer, buffer + std::min<size_t>(length, size), point, '.');
  return length;
}

}  // namespace velk_platform
