// The parser's error: a code and the line and column at which parsing stopped. Its text is
// "JSON parser error at line L, column C" plus the reason of the code.

#ifndef VELK_JSON_JSON_EXCEPTION_H_
#define VELK_JSON_JSON_EXCEPTION_H_

#include <cstdint>
#include <exception>

namespace velk_json {

// The parser raises UnexpectedEnd to InvalidCodepoint; the other codes have texts but are
// not raised.
enum JSONError : uint32_t {
  NotInitialized = 1,
  ValueNotFound = 2,
  UnexpectedEnd = 3,
  UnexpectedCharacter = 4,
  InvalidEscape = 5,
  NoTrailSurrogate = 6,
  InvalidCodepoint = 7,
  UnexpectedValueType = 8,
  UnknownFieldName = 9,
  NumberOutOfRange = 10,
};

class CJSONException : public std::exception {
 public:
  CJSONException(uint32_t code, uint32_t line, uint32_t column)
      : m_code(code), m_line(line), m_column(column) {}

  // For codes 1 and 2 a fixed text; otherwise built in one buffer shared by every
  // exception, valid until the next call of what() on any of them.
  const char* what() const noexcept override;

  uint32_t GetCode() const { return m_code; }
  uint32_t GetLine() const { return m_line; }
  uint32_t GetColumn() const { return m_column; }

 private:
  uint32_t m_code;
  uint32_t m_line;
  uint32_t m_column;
};

}  // namespace velk_json

#endif  // VELK_JSON_JSON_EXCEPTION_H_
