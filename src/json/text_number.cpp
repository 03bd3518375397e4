#include "json/text_number.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/c_number.h"

namespace velk_json {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

}  // namespace

int32_t TruncateToInt32(double value) {
  if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
  return static_cast<int32_t>(value);
}

int32_t LeadingInt32(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';
  int64_t magnitude = 0;
  for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
    // Saturates like a 32-bit long; beyond the range only the sign still matters.
    if (magnitude <= INT32_MAX) magnitude = magnitude * 10 + (text[i] - u'0');
  }
  if (negative) return magnitude > 2147483648LL ? INT32_MIN : static_cast<int32_t>(-magnitude);
  return magnitude > INT32_MAX ? INT32_MAX : static_cast<int32_t>(magnitude);
}

double TextToDouble(std::u16string_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  // Only ASCII can belong to a number: convert the ASCII run that starts here.
  size_t end = i;
  while (end < text.size() && text[end] > 0 && text[end] < 0x80) ++end;
  std::string narrow(text.begin() + i, text.begin() + end);
  char* stop = nullptr;
  errno = 0;
  double value = velk_platform::ParseDoubleC(narrow.c_str(), &stop);
  if (stop == narrow.c_str()) throw std::invalid_argument("invalid stod argument");
  if (errno == ERANGE) throw std::out_of_range("stod argument out of range");
  return value;
}

void AppendNumber(double value, std::u16string& out) {
  // Integral values, the common case, need no formatting and give the same text.
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    char digits[24];
    char* p = digits + sizeof digits;
    int64_t n = static_cast<int64_t>(value);
    uint64_t magnitude = n < 0 ? 0 - static_cast<uint64_t>(n) : static_cast<uint64_t>(n);
    do {
      *--p = static_cast<char>('0' + magnitude % 10);
      magnitude /= 10;
    } while (magnitude);
    if (std::signbit(value)) *--p = '-';
    out.append(p, digits + sizeof digits);
    return;
  }
  // "%f" of the largest double has 309 integer digits.
  char buffer[400];
  int length = velk_platform::FormatFixedC(buffer, sizeof buffer, value);
  while (length > 0 && buffer[length - 1] == '0') --length;
  if (length > 0 && buffer[length - 1] == '.') --length;
  out.append(buffer, buffer + length);
}

}  // namespace velk_json
