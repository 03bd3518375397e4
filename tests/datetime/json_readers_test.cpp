#include "datetime/json_readers.h"

#include <gtest/gtest.h>

#include "datetime/date.h"

namespace velk_date_time {
namespace {

using velk_json::CJSONString;

class JsonReadersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    item_.AddOwned(u"start", new CJSONString(u"2024-03-15"));
    item_.AddOwned(u"end", new CJSONString(u"2024-3-5"));
    item_.AddOwned(u"from", new CJSONString(u"24:00"));
    item_.AddOwned(u"to", new CJSONString(u"8:30 pm"));
    item_.AddOwned(u"blank", new CJSONString(u""));
    item_.AddOwned(u"number", new velk_json::CJSONNumber(510));
    item_.AddOwned(u"null", new velk_json::CJSONNull());
  }

  velk_json::CJSONObject item_;
};

TEST_F(JsonReadersTest, StringMembersReadTheirText) {
  EXPECT_EQ(ReadDate(item_, u"start", 9), TDate::FromYMD(3, 15, 2024).m_day);
  EXPECT_EQ(ReadDate(item_, u"end", 9), TDate::FromYMD(3, 5, 2024).m_day);
  EXPECT_EQ(ReadTime(item_, u"from", -1), 1440);
  EXPECT_EQ(ReadTime(item_, u"to", -1), 1230);
}

TEST_F(JsonReadersTest, MissingEmptyOrNonStringMembersGiveTheDefault) {
  for (const char16_t* name : {u"absent", u"blank", u"number", u"null"}) {
    EXPECT_EQ(ReadDate(item_, name, 9), 9u);
    EXPECT_EQ(ReadTime(item_, name, -1), -1);
  }
  EXPECT_EQ(ReadDate(item_, nullptr, 9), 9u);
}

}  // namespace
}  // namespace velk_date_time
