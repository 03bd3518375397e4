#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "json/json_value.h"

namespace velk_json {
namespace {

std::u16string NumberText(double value) { return CJSONNumber(value).ToString(); }

TEST(WriterTest, NumbersInFixedNotationWithoutTrailingZeros) {
  EXPECT_EQ(u"5", NumberText(5));
  EXPECT_EQ(u"1.5", NumberText(1.5));
  EXPECT_EQ(u"0.125", NumberText(0.125));
  EXPECT_EQ(u"1234.56789", NumberText(1234.5678901));
  EXPECT_EQ(u"1", NumberText(1.0000004));
  EXPECT_EQ(u"0", NumberText(1e-7));
  EXPECT_EQ(u"-0", NumberText(-0.0));
  EXPECT_EQ(u"-0", NumberText(-1e-7));
  EXPECT_EQ(u"-42", NumberText(-42));
  EXPECT_EQ(u"100", NumberText(100));
  EXPECT_EQ(u"1000000000000000000000", NumberText(1e21));
  EXPECT_EQ(u"123456789012345", NumberText(123456789012345.0));
  EXPECT_EQ(309u, NumberText(std::numeric_limits<double>::max()).size());
}

TEST(WriterTest, StringEscapes) {
  EXPECT_EQ(u"\"a\\\\nb\"", CJSONString(u"a\\nb").ToString());
  EXPECT_EQ(u"\"\\r\\n\\t\\b\\f\\\"\"", CJSONString(u"\r\n\t\b\f\"").ToString());
  // Other control characters, the solidus and non-ASCII stay as they are.
  EXPECT_EQ(u"\"\u0001/\u00e9\xD83D\"", CJSONString(u"\u0001/\u00e9\xD83D").ToString());
}

TEST(WriterTest, SeparatorsDifferBetweenArraysAndObjects) {
  CJSONObject json;
  json.AddOwned(u"employee_id", new CJSONNumber(3));
  json.AddOwned(u"date", new CJSONString(u"2024-01-31"));
  auto* list = new CJSONArray;
  list->Add(new CJSONBoolean(true));
  list->Add(new CJSONNull);
  list->Add(new CJSONArray);
  json.AddOwned(u"list", list);
  json.AddOwned(u"empty", new CJSONObject);
  json.AddOwned(u"q\"", new CJSONNumber(0.5));  // names are written unescaped
  EXPECT_EQ(
      u"{\"date\": \"2024-01-31\",\"employee_id\": 3,\"empty\": {},"
      u"\"list\": [true, null, []],\"q\"\": 0.5}",
      json.ToString());
}

TEST(WriterTest, IndentedForm) {
  CJSONObject json;
  auto* list = new CJSONArray;
  list->Add(new CJSONNumber(1));
  list->Add(new CJSONNumber(2));
  json.AddOwned(u"a", list);
  json.AddOwned(u"b", new CJSONObject);
  EXPECT_EQ(u"{\n  \"a\": [\n    1, \n    2\n  ],\n  \"b\": {}\n}", json.ToString(true));
  EXPECT_EQ(u"[\n    1, \n    2\n  ]", list->ToString(true));
}

TEST(WriterTest, AppendTextReusesTheBuffer) {
  std::u16string out = u"x";
  AppendText(CJSONBoolean(false), false, out);
  EXPECT_EQ(u"xfalse", out);
}

}  // namespace
}  // namespace velk_json
