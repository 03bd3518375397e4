#include "datetime/time_of_day.h"

#include <gtest/gtest.h>

namespace velk_date_time {
namespace {

TEST(TimeOfDayTest, WritesMinutesReducedIntoOneDay) {
  EXPECT_EQ(TTime(1440).ToString(), u"00:00");
  EXPECT_EQ(TTime(-30).ToString(), u"23:30");
  EXPECT_EQ(TTime(425).ToString(), u"07:05");
  EXPECT_EQ(TTime(-2147483647 - 1).GetMinutes(), 1312u);
  TTime blank = TTime::ParseTime(u"  \t ");
  EXPECT_FALSE(blank.IsValid());
  EXPECT_EQ(blank.ToString(), u"");
}

uint32_t Parse(const char16_t* text) { return TTime::ParseTime(text).GetMinutes(); }

TEST(TimeOfDayTest, ParseTimeReadsDigitGroups) {
  EXPECT_EQ(Parse(u"8:30"), 510u);
  EXPECT_EQ(Parse(u"830"), 510u);
  EXPECT_EQ(Parse(u"0830"), 510u);
  EXPECT_EQ(Parse(u"083045"), 510u);  // digits past the fourth are ignored
  EXPECT_EQ(Parse(u"8 h"), 480u);
  EXPECT_EQ(Parse(u"24:00"), 0u);
  EXPECT_EQ(Parse(u"8:99999999999999"), 607u);  // saturated minutes, then reduced
  EXPECT_TRUE(TTime::ParseTime(u"abc").IsValid());
  EXPECT_EQ(Parse(u"abc"), 0u);
  EXPECT_EQ(Parse(u"noon pm"), 0u);  // no digits: midnight, the 'p' changes nothing
}

TEST(TimeOfDayTest, ParseTimeHonoursAmAndPm) {
  EXPECT_EQ(Parse(u"8:30 PM"), 1230u);
  EXPECT_EQ(Parse(u"12:15am"), 15u);
  EXPECT_EQ(Parse(u"12:15 pm"), 735u);
  EXPECT_EQ(Parse(u"13:00 p"), 780u);
  EXPECT_EQ(Parse(u"12 a.p."), 720u);  // a 'p' anywhere wins over an 'a'
}

}  // namespace
}  // namespace velk_date_time
