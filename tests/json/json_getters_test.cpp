#include <cmath>
#include <cstdint>
#include <stdexcept>

#include <gtest/gtest.h>

#include "json/json_value.h"

namespace velk_json {
namespace {

// One member "v" of each kind the getters convert.
class GettersTest : public ::testing::Test {
 protected:
  template <typename T>
  const CJSONObject& With(T* value) {
    m_object.Clear();
    m_object.AddOwned(u"v", value);
    return m_object;
  }
  CJSONObject m_object;
};

TEST_F(GettersTest, GetIntTruncatesNumbers) {
  EXPECT_EQ(2, With(new CJSONNumber(2.9)).GetInt(u"v", 7));
  EXPECT_EQ(-2, With(new CJSONNumber(-2.9)).GetInt(u"v", 7));
  EXPECT_EQ(INT32_MAX, With(new CJSONNumber(2147483647.9)).GetInt(u"v", 7));
  EXPECT_EQ(INT32_MIN, With(new CJSONNumber(-2147483648.9)).GetInt(u"v", 7));
  EXPECT_EQ(INT32_MIN, With(new CJSONNumber(2147483648.0)).GetInt(u"v", 7));
  EXPECT_EQ(INT32_MIN, With(new CJSONNumber(std::nan(""))).GetInt(u"v", 7));
  EXPECT_EQ(1, With(new CJSONBoolean(true)).GetInt(u"v", 7));
  EXPECT_EQ(0, With(new CJSONBoolean(false)).GetInt(u"v", 7));
}

TEST_F(GettersTest, GetIntReadsTheLeadingIntegerOfAString) {
  EXPECT_EQ(12, With(new CJSONString(u"12abc")).GetInt(u"v", 7));
  EXPECT_EQ(0, With(new CJSONString(u"")).GetInt(u"v", 7));
  EXPECT_EQ(-42, With(new CJSONString(u" \t\n-42.9")).GetInt(u"v", 7));
  EXPECT_EQ(5, With(new CJSONString(u"+5")).GetInt(u"v", 7));
  EXPECT_EQ(0, With(new CJSONString(u"x1")).GetInt(u"v", 7));
  EXPECT_EQ(INT32_MAX, With(new CJSONString(u"99999999999")).GetInt(u"v", 7));
  EXPECT_EQ(INT32_MIN, With(new CJSONString(u"-99999999999")).GetInt(u"v", 7));
}

TEST_F(GettersTest, UnconvertedKindsGiveTheDefault) {
  for (CJSONValue* value :
       std::initializer_list<CJSONValue*>{new CJSONNull, new CJSONArray, new CJSONObject}) {
    const CJSONObject& json = With(value);
    EXPECT_EQ(7, json.GetInt(u"v", 7));
    EXPECT_EQ(7.5, json.GetDouble(u"v", 7.5));
    EXPECT_TRUE(json.GetBool(u"v", true));
    EXPECT_EQ(u"d", json.GetString(u"v", u"d"));
  }
  EXPECT_EQ(7, m_object.GetInt(u"absent", 7));
  EXPECT_EQ(7.5, With(new CJSONBoolean(true)).GetDouble(u"v", 7.5));
  EXPECT_EQ(u"d", With(new CJSONNumber(3)).GetString(u"v", u"d"));
  EXPECT_EQ(u"d", With(new CJSONBoolean(true)).GetString(u"v", u"d"));
}

TEST_F(GettersTest, GetBoolOfNumbersAndStrings) {
  EXPECT_TRUE(With(new CJSONNumber(0.5)).GetBool(u"v", false));
  EXPECT_FALSE(With(new CJSONNumber(-0.0)).GetBool(u"v", true));
  EXPECT_FALSE(With(new CJSONString(u"true")).GetBool(u"v", true));
  EXPECT_TRUE(With(new CJSONString(u"1")).GetBool(u"v", false));
  EXPECT_TRUE(With(new CJSONString(u"-3x")).GetBool(u"v", false));
}

TEST_F(GettersTest, GetDoubleOfStringsFollowsStod) {
  EXPECT_EQ(1.25, With(new CJSONString(u"  1.25kg")).GetDouble(u"v", 0));
  EXPECT_EQ(-300, With(new CJSONString(u"-3e2")).GetDouble(u"v", 0));
  EXPECT_EQ(16, With(new CJSONString(u"0x10")).GetDouble(u"v", 0));
  for (const char16_t* text : {u"abc", u"", u" ", u".", u"-", u"\u00e91"}) {
    try {
      With(new CJSONString(text)).GetDouble(u"v", 0);
      ADD_FAILURE();
    } catch (const std::invalid_argument& e) {
      EXPECT_STREQ("invalid stod argument", e.what());
    }
  }
  try {
    With(new CJSONString(u"1e400")).GetDouble(u"v", 0);
    ADD_FAILURE();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ("stod argument out of range", e.what());
  }
}

TEST_F(GettersTest, GetStringAndFindString) {
  const CJSONObject& json = With(new CJSONString(u"Ärztin"));
  EXPECT_EQ(u"Ärztin", json.GetString(u"v", u""));
  ASSERT_NE(nullptr, json.FindString(u"v"));
  EXPECT_EQ(nullptr, With(new CJSONNumber(1)).FindString(u"v"));
}

// Large objects are searched through a hash table that every change must keep true.
TEST(LargeObjectTest, LookupsStayExactAcrossChanges) {
  CJSONObject object;
  auto name = [](const char* stem, int i) {
    std::u16string text(stem, stem + std::char_traits<char>::length(stem));
    return text + static_cast<char16_t>(u'0' + i % 10) + static_cast<char16_t>(u'a' + i / 10);
  };
  for (int i = 39; i >= 0; --i) object.AddOwned(name("custom_field_name_", i), new CJSONNumber(i));
  for (int i = 0; i < 40; ++i) EXPECT_EQ(object.GetInt(name("custom_field_name_", i), -1), i);
  EXPECT_EQ(object.Find(u"custom_field_name_"), nullptr);
  EXPECT_EQ(object.Find(u"custom_field_name_0az"), nullptr);

  object.AddOwned(u"a", new CJSONNumber(100));  // lands first: every index moves
  EXPECT_EQ(object.GetInt(u"a", -1), 100);
  EXPECT_EQ(object.GetInt(name("custom_field_name_", 7), -1), 7);

  object.Clear();  // reused for an object of another shape
  for (int i = 0; i < 20; ++i) object.AddOwned(name("color_", i), new CJSONNumber(i + 50));
  EXPECT_EQ(object.Find(name("custom_field_name_", 7)), nullptr);
  EXPECT_EQ(object.GetInt(name("color_", 19), -1), 69);
}

}  // namespace
}  // namespace velk_json
