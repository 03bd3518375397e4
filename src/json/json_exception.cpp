#include "json/json_exception.h"

#include <string>

namespace velk_json {
namespace {

const char* Reason(uint32_t code) {
  switch (code) {
    case UnexpectedEnd:
      return ": unexpected end of file";
    case UnexpectedCharacter:
      return ": unexpected character";
    case InvalidEscape:
      return ": invalid escape sequence";
    case NoTrailSurrogate:
      return ": no Unicode trail surrogate";
    case InvalidCodepoint:
      return ": invalid Unicode codepoint";
    case UnexpectedValueType:
      return ": unexpected value type";
    case UnknownFieldName:
      return ": unknown field name";
    case NumberOutOfRange:
      return ": number is out of range";
    default:
      return ": INTERNAL ERROR";
  }
}

}  // namespace

const char* CJSONException::what() const noexcept {
  if (m_code == NotInitialized) return "JSONParser not initialized";
  if (m_code == ValueNotFound) return "Value not found or wrong type";
  static std::string text;
  try {
    text = "JSON parser error at line " + std::to_string(m_line) + ", column " +
           std::to_string(m_column) + Reason(m_code);
  } catch (...) {
    return "JSON parser error";  // out of memory: still say what failed
  }
  return text.c_str();
}

}  // namespace velk_json
