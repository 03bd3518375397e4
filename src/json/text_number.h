// Number conversions between UTF-16 text and numbers, done on char16_t directly so that no
// caller converts whole texts to narrow strings first. They follow the C library's rules
// (wcstol, std::stod, "%f") but never depend on the process locale.

#ifndef VELK_JSON_TEXT_NUMBER_H_
#define VELK_JSON_TEXT_NUMBER_H_

#include <cstdint>
#include <string>
#include <string_view>

namespace velk_json {

// Truncates toward zero; a value outside the int32 range, or NaN, gives INT32_MIN.
int32_t TruncateToInt32(double value);

// The leading decimal integer of text as wcstol with base 10 reads it: optional blanks
// (space, \t \n \v \f \r), an optional sign, then digits up to the first other unit.
// 0 when no digit follows; saturates at the int32 range.
int32_t LeadingInt32(std::u16string_view text);

// The number at the start of text as std::stod reads it (after optional blanks).
// Throws std::invalid_argument("invalid stod argument") when none starts the text and
// std::out_of_range("stod argument out of range") when it does not fit a double.
double TextToDouble(std::u16string_view text);

// Appends value as "%f" writes it, then without trailing zeros and without a trailing
// point: 5 -> "5", 1.5 -> "1.5", 1e-7 -> "0", -0.0 -> "-0". Never an exponent.
void AppendNumber(double value, std::u16string& out);

}  // namespace velk_json

#endif  // VELK_JSON_TEXT_NUMBER_H_
