#include <gtest/gtest.h>

#include "json/json_parser.h"

namespace velk_json {
namespace {

struct ErrorCase {
  const char16_t* text;
  uint32_t code;
  uint32_t line;
  uint32_t column;
};

// Parses text as a document and reports the error it raises.
CJSONException ErrorOf(const char16_t* text) {
  try {
    CJSONParser(text).Parse()->Destroy();
  } catch (const CJSONException& e) {
    return e;
  }
  return CJSONException(0, 0, 0);
}

TEST(ParserErrorsTest, CodesLinesAndColumns) {
  const ErrorCase cases[] = {
      {nullptr, UnexpectedEnd, 0, 0},
      {u"", UnexpectedEnd, 0, 0},
      {u" \n ", UnexpectedEnd, 1, 2},
      {u"[", UnexpectedEnd, 0, 1},
      {u"{", UnexpectedEnd, 0, 1},
      {u"{\"a\":", UnexpectedEnd, 0, 5},
      {u"\"abc", UnexpectedEnd, 0, 4},
      {u"\"\\", UnexpectedEnd, 0, 2},
      {u"\"\\u00", UnexpectedEnd, 0, 5},
      {u"\"\\uD83D", UnexpectedEnd, 0, 7},
      {u"\"\\uD83D\\", UnexpectedEnd, 0, 8},
      {u"-", UnexpectedEnd, 0, 1},
      {u"1e", UnexpectedEnd, 0, 2},
      {u"1e+", UnexpectedEnd, 0, 3},
      {u"tru", UnexpectedEnd, 0, 3},
      {u"#", UnexpectedCharacter, 0, 0},
      {u"|", UnexpectedCharacter, 0, 0},
      {u"\u0001", UnexpectedCharacter, 0, 0},
      // Blanks are tab, line feed, carriage return and space only: not a byte order mark,
      // a form feed or a vertical tab.
      {u"\uFEFF[]", UnexpectedCharacter, 0, 0},
      {u"[\f1]", UnexpectedCharacter, 0, 1},
      {u"[1 \v]", UnexpectedCharacter, 0, 3},
      {u"[1 2,]", UnexpectedCharacter, 0, 5},
      {u"[1,,2]", UnexpectedCharacter, 0, 3},
      {u"{\"a\":1,}", UnexpectedCharacter, 0, 7},
      {u"{\"a\" 1}", UnexpectedCharacter, 0, 5},
      {u"{\n  x", UnexpectedCharacter, 1, 3},
      {u"-a", UnexpectedCharacter, 0, 1},
      {u"1ex", UnexpectedCharacter, 0, 2},
      {u"trux", UnexpectedCharacter, 0, 3},
      {u"[nul1]", UnexpectedCharacter, 0, 4},
      {u"\"\\x\"", InvalidEscape, 0, 3},
      {u"\"\\u00G0\"", InvalidEscape, 0, 6},
      {u"\"\\uD83Da\"", NoTrailSurrogate, 0, 7},
      {u"\"\\uD83D\\x\"", NoTrailSurrogate, 0, 8},
      {u"\"\\uDE00\"", InvalidCodepoint, 0, 7},
      {u"\"\\uD83D\\uD83D\"", InvalidCodepoint, 0, 13},
  };
  for (const ErrorCase& c : cases) {
    CJSONException e = ErrorOf(c.text);
    SCOPED_TRACE(c.text ? std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text))
                        : "null");
    EXPECT_EQ(c.code, e.GetCode());
    EXPECT_EQ(c.line, e.GetLine());
    EXPECT_EQ(c.column, e.GetColumn());
  }
}

TEST(ParserErrorsTest, StepWiseOperationsCheckTheirBracket) {
  CJSONParser parser(u" [");
  EXPECT_THROW(parser.ReadObjectStart(), CJSONException);  // blanks are not skipped
  parser.m_pos = 1;
  try {
    parser.ReadObjectStart();
    FAIL();
  } catch (const CJSONException& e) {
    EXPECT_EQ(UnexpectedCharacter, e.GetCode());
  }
  parser.ReadArrayStart();
  CJSONArray array;
  EXPECT_THROW(parser.NextElement(array), CJSONException);
}

TEST(ParserErrorsTest, WhatTexts) {
  EXPECT_STREQ("JSON parser error at line 1, column 3: unexpected character",
               ErrorOf(u"{\n  x").what());
  EXPECT_STREQ("JSONParser not initialized", CJSONException(NotInitialized, 4, 5).what());
  EXPECT_STREQ("Value not found or wrong type", CJSONException(ValueNotFound, 4, 5).what());
  const char* expected[] = {
      ": unexpected end of file",     ": unexpected character",      ": invalid escape sequence",
      ": no Unicode trail surrogate", ": invalid Unicode codepoint", ": unexpected value type",
      ": unknown field name",         ": number is out of range",    ": INTERNAL ERROR"};
  for (uint32_t code = 3; code <= 11; ++code) {
    EXPECT_EQ("JSON parser error at line 4, column 5" + std::string(expected[code - 3]),
              CJSONException(code, 4, 5).what());
  }
  EXPECT_STREQ("JSON parser error at line 0, column 0: INTERNAL ERROR",
               CJSONException(0, 0, 0).what());
  // A copy carries the fields.
  CJSONException copy = CJSONException(InvalidEscape, 7, 8);
  EXPECT_EQ(7u, copy.GetLine());
  EXPECT_STREQ("JSON parser error at line 7, column 8: invalid escape sequence", copy.what());
}

}  // namespace
}  // namespace velk_json
