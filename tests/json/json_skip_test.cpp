// SkipValue against the full read (ParseValue, then ParseContainer): on every text, whole, cut
// short or with one code unit replaced, both succeed or both fail with the same code, line and
// column, and both stop at the same position. Also the other ways through a text that build
// nothing per value: the length scan and the reused element object.

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "json/json_parser.h"

namespace velk_json {
namespace {

// Error code (0 for none), line, column and position where a reader stopped.
using Outcome = std::tuple<uint32_t, uint32_t, uint32_t, size_t>;

template <class Read>
Outcome Run(const std::u16string& text, size_t length, Read read) {
  CJSONParser parser(text.data(), length);
  uint32_t code = 0;
  try {
    read(parser);
  } catch (const CJSONException& e) {
    code = e.GetCode();
    EXPECT_EQ(std::make_pair(e.GetLine(), e.GetColumn()),
              std::make_pair(parser.m_line, parser.m_column));
  }
  return {code, parser.m_line, parser.m_column, parser.m_pos};
}

// Both readers on the first length code units of text.
bool Agree(const std::u16string& text, size_t length) {
  return Run(text, length, [](CJSONParser& parser) { parser.Parse()->Destroy(); }) ==
         Run(text, length, [](CJSONParser& parser) { parser.SkipValue(); });
}

std::string Printable(const std::u16string& text) {
  std::string out;
  for (char16_t c : text) out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  return out;
}

// Whole texts that hold every kind of value, separator and escape, and short ones that each stop
// at an error of their own.
std::vector<std::u16string> Texts() {
  using namespace std::string_literals;
  std::vector<std::u16string> texts = {
      uR"({"id": 12, "name": "M\u00fcller \uD83D\uDE00", "list": [1.5e-3, -0, true, false, null],
  "deep": {"a": [[], {}, [{"b": "\"\\\/\b\f\n\r\t"}]]}, "e": 2E+2, "z": -12.25e-1})",
      u"[1 2 ,3 \"a\"\"b\" {}[] 01 -0.5 12345678901234567890123 1e999999 \"\u0000\"]"s,
      u"{,\"b\":2 \"a\":[,1,2]}", u"\t\r\n [\n\t{\"line\"\n:\n\"feed\ninside\"}\n]",
      u"[[[[{\"a\":[{\"b\":[[[{}]]]}]}]]]]"};
  const char16_t* const broken[] = {u"\"\\uD83D\\u0041\"",
                                    u"\"\\uDE00\"",
                                    u"\"\\uD83Dx\"",
                                    u"\"\\uD83D\\x\"",
                                    u"\"\\u12G4\"",
                                    u"\"\\q\"",
                                    u"[1,,2]",
                                    u"[1,]",
                                    u"{\"a\":1,}",
                                    u"{,}",
                                    u"[,]",
                                    u"{\"a\" 1}",
                                    u"{1:2}",
                                    u"{\"a\":}",
                                    u"[-x]",
                                    u"[1e]",
                                    u"[1e+x]",
                                    u"[1.x]",
                                    u"[trux]",
                                    u"[nul]",
                                    u"[fals",
                                    u"]",
                                    u"}",
                                    u"#",
                                    u"\u0001",
                                    u"|"};
  texts.insert(texts.end(), std::begin(broken), std::end(broken));
  return texts;
}

TEST(SkipValueTest, AgreesWithTheFullReadOnEveryCut) {
  for (const std::u16string& text : Texts()) {
    for (size_t length = 0; length <= text.size(); ++length) {
      if (!Agree(text, length)) {
        ADD_FAILURE() << Printable(text.substr(0, length));
        break;
      }
    }
  }
}

TEST(SkipValueTest, AgreesWithTheFullReadOnEveryReplacement) {
  const char16_t kUnits[] = u",:\"\\{}[]0-etnu \nx";
  for (const std::u16string& original : Texts()) {
    for (size_t at = 0; at < original.size(); ++at) {
      for (const char16_t* unit = kUnits; *unit; ++unit) {
        std::u16string text = original;
        text[at] = *unit;
        if (!Agree(text, text.size())) {
          ADD_FAILURE() << Printable(text);
          return;
        }
      }
    }
  }
}

TEST(SkipValueTest, DeepNestingCostsNoStack) {
  const size_t depth = 1000000;
  std::u16string text = std::u16string(depth, u'[') + std::u16string(depth, u']');
  CJSONParser parser(text.c_str());
  parser.SkipValue();
  EXPECT_EQ(text.size(), parser.m_pos);
  text.pop_back();
  EXPECT_TRUE(Agree(text, text.size()));
}

TEST(ScanTest, LengthOfAZeroTerminatedTextAtEveryAlignment) {
  for (size_t start = 0; start < 8; ++start) {
    for (size_t length = 0; length < 40; ++length) {
      std::u16string text(64, u'a');
      text[start + length] = u'\0';
      EXPECT_EQ(length, CJSONParser(text.data() + start).m_length);
    }
  }
}

TEST(NextElementTest, ObjectElementsComeBackInTheReusedObject) {
  CJSONParser parser(u"[{\"a\": 1, \"b\": [2]}, {\"c\": \"x\"}, 5, []]");
  CJSONArray array;
  CJSONObject reuse;
  reuse.AddOwned(u"old", new CJSONNull);
  parser.ReadArrayStart();
  ASSERT_EQ(&reuse, parser.NextElement(array, reuse));
  EXPECT_EQ(0u, reuse.GetCount());
  EXPECT_EQ(&array, reuse.GetParent());
  EXPECT_TRUE(reuse.OwnsMembers());
  parser.ParseObject(reuse);
  EXPECT_EQ(u"{\"a\": 1,\"b\": [2]}", reuse.ToString());
  ASSERT_EQ(&reuse, parser.NextElement(array, reuse));
  parser.ParseObject(reuse);
  EXPECT_EQ(u"{\"c\": \"x\"}", reuse.ToString());
  // Other elements are new values, as NextElement gives them.
  for (JSONType type : {JSONType::Number, JSONType::Array}) {
    CJSONValue* value = parser.NextElement(array, reuse);
    ASSERT_NE(&reuse, value);
    EXPECT_EQ(type, value->GetType());
    EXPECT_EQ(&array, value->GetParent());
    parser.ParseContainer(*value);
    value->Destroy();
  }
  EXPECT_EQ(nullptr, parser.NextElement(array, reuse));
  EXPECT_EQ(0u, array.GetCount());
}

}  // namespace
}  // namespace velk_json
