#include <cmath>
#include <memory>

#include <gtest/gtest.h>

#include "json/json_parser.h"

namespace velk_json {
namespace {

struct Destroyer {
  void operator()(CJSONValue* value) const { value->Destroy(); }
};
using Tree = std::unique_ptr<CJSONValue, Destroyer>;

Tree ParseText(const char16_t* text) { return Tree(CJSONParser(text).Parse()); }

double ParseNumberText(const char16_t* text) {
  CJSONParser parser(text);
  return parser.ParseNumber();
}

TEST(ParserTest, WholeDocumentRoundTrip) {
  const char16_t* text =
      u"{ \"b\" : [1, -2.5, \"x\\u00e9\\n\", true, false, null, {}, []],\n\t\"a\":{\"c\":{}} }";
  Tree root = ParseText(text);
  ASSERT_EQ(JSONType::Object, root->GetType());
  EXPECT_EQ(u"{\"a\": {\"c\": {}},\"b\": [1, -2.5, \"x\u00e9\\n\", true, false, null, {}, []]}",
            root->ToString());
  auto& object = static_cast<CJSONObject&>(*root);
  EXPECT_TRUE(object.OwnsMembers());
  EXPECT_EQ(root.get(), object.Find(u"b")->GetParent());
}

TEST(ParserTest, ObjectMadeElsewhereOwnsWhatWasParsedIntoIt) {
  CJSONObject item;
  CJSONNumber kept(1);
  item.Add(u"kept", &kept);
  CJSONParser parser(u"{\"a\": [true], \"b\": \"x\", \"a\": 2}");
  parser.ParseObject(item);
  EXPECT_EQ(u"{\"a\": [true],\"b\": \"x\",\"kept\": 1}", item.ToString());
  EXPECT_FALSE(item.OwnsMembers());
}

TEST(ParserTest, TolerantSeparators) {
  EXPECT_EQ(u"[1, 2]", ParseText(u"[1 2]")->ToString());
  EXPECT_EQ(u"[1, 2]", ParseText(u"[,1 2]")->ToString());
  EXPECT_EQ(u"[0, 1]", ParseText(u"[01]")->ToString());
  EXPECT_EQ(u"{\"a\": 1,\"b\": 2}", ParseText(u"{,\"b\":2 \"a\":1}")->ToString());
  EXPECT_EQ(u"[]", ParseText(u"[] trailing text is not read")->ToString());
}

TEST(ParserTest, RepeatedNameKeepsTheFirstValue) {
  Tree root = ParseText(u"{\"a\": [1], \"b\": 0, \"a\": {\"deep\": [2]}, \"a\": 3}");
  EXPECT_EQ(u"{\"a\": [1],\"b\": 0}", root->ToString());
}

TEST(ParserTest, StringEscapes) {
  Tree root = ParseText(u"\"\\\"\\/\\\\\\b\\f\\n\\r\\t\\u0000\\uD83D\\uDE00\u0001\n\"");
  const std::u16string& text = static_cast<CJSONString&>(*root).GetValue();
  EXPECT_EQ(std::u16string(u"\"/\\\b\f\n\r\t") + char16_t(0) + u"\xD83D\xDE00\u0001\n", text);
}

TEST(ParserTest, Numbers) {
  EXPECT_EQ(-5, ParseNumberText(u"-5"));
  EXPECT_EQ(150, ParseNumberText(u"1.5e2"));
  EXPECT_EQ(0.01, ParseNumberText(u"1E-2"));
  EXPECT_EQ(0.5, ParseNumberText(u"0.5"));
  EXPECT_EQ(1, ParseNumberText(u"1."));
  EXPECT_EQ(12, ParseNumberText(u"1.2e+1"));
  EXPECT_TRUE(std::signbit(ParseNumberText(u"-0")));
  // Wider than 32 bits is kept, not wrapped.
  EXPECT_EQ(1700000000000.0, ParseNumberText(u"1700000000000"));
  EXPECT_DOUBLE_EQ(1e25, ParseNumberText(u"10000000000000000000000000"));
  EXPECT_TRUE(std::isinf(ParseNumberText(u"1e99999999999")));
  EXPECT_EQ(0, ParseNumberText(u"1e-99999999999"));
  CJSONParser parser(u"01");
  EXPECT_EQ(0, parser.ParseNumber());
  EXPECT_EQ(1u, parser.m_pos);
}

TEST(ParserTest, CountsLinesAndColumns) {
  CJSONParser parser(u" \r\n\t[\n\"a\nb\"");
  CJSONValue* array = parser.ParseValue(nullptr);
  EXPECT_EQ(1u, parser.m_line);
  EXPECT_EQ(2u, parser.m_column);  // the bracket, not consumed
  parser.ReadArrayStart();
  Tree element(parser.NextElement(static_cast<CJSONArray&>(*array)));
  EXPECT_EQ(2u, parser.m_line);  // a line feed inside a string is not a line break
  EXPECT_EQ(6u, parser.m_column);
  EXPECT_EQ(array, element->GetParent());
  array->Destroy();
}

// The intake's walk: member names of the top-level object, one item object at a time.
TEST(ParserTest, StepWiseWalk) {
  const char16_t* text =
      u"{\"employee\": {\"cu\": [{\"id\": 1}, {\"id\": 2, \"x\": [3]}], \"d\": []},"
      u" \"note\": 5}";
  CJSONParser parser(text);
  parser.ReadObjectStart();
  std::u16string name, walked;
  bool end;
  parser.ReadMemberName(name, end);
  EXPECT_EQ(u"employee", name);
  size_t section = parser.m_pos;
  Tree types(parser.ParseValue(nullptr));
  parser.ReadObjectStart();
  for (parser.ReadMemberName(name, end); !end; parser.ReadMemberName(name, end)) {
    Tree list(parser.ParseValue(types.get()));
    ASSERT_EQ(JSONType::Array, list->GetType());
    parser.ReadArrayStart();
    walked += name + u":";
    auto& array = static_cast<CJSONArray&>(*list);
    while (CJSONValue* element = parser.NextElement(array)) {
      Tree item(element);
      ASSERT_EQ(JSONType::Object, item->GetType());
      parser.ParseObject(static_cast<CJSONObject&>(*item));
      walked += item->ToString();
    }
    EXPECT_EQ(0u, array.GetCount());  // elements are handed out, not added
  }
  EXPECT_EQ(u"cu:{\"id\": 1}{\"id\": 2,\"x\": [3]}d:", walked);
  parser.ReadMemberName(name, end);
  EXPECT_EQ(u"note", name);
  EXPECT_EQ(5, static_cast<CJSONNumber&>(*Tree(parser.ParseValue(nullptr))).GetValue());
  parser.ReadMemberName(name, end);
  EXPECT_TRUE(end);
  EXPECT_TRUE(name.empty());

  // Back to a remembered position: the section reads again.
  parser.m_pos = section;
  Tree again(parser.Parse());
  EXPECT_EQ(u"{\"cu\": [{\"id\": 1}, {\"id\": 2,\"x\": [3]}],\"d\": []}", again->ToString());
}

}  // namespace
}  // namespace velk_json
