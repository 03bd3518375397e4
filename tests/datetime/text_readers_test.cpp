#include "datetime/text_readers.h"

#include <gtest/gtest.h>

#include "datetime/date.h"
#include "datetime/text_scan.h"
#include "platform/clock.h"

namespace velk_date_time {
namespace {

TEST(TextScanTest, LeadingInt32ReadsLikeWcstol) {
  EXPECT_EQ(LeadingInt32(u""), 0);
  EXPECT_EQ(LeadingInt32(u" \t-07ab"), -7);
  EXPECT_EQ(LeadingInt32(u"- 5"), 0);
  EXPECT_EQ(LeadingInt32(u"99999999999999999999"), 2147483647);
  EXPECT_EQ(LeadingInt32(u"-99999999999"), -2147483647 - 1);
}

uint32_t Ymd(int32_t year, int32_t month, int32_t day) {
  return TDate::FromYMD(month, day, year).m_day;
}

TEST(TextReadersTest, DatesOfTenUnitsReadFixedPositions) {
  EXPECT_EQ(ReadDateText(u"", 7), 7u);
  EXPECT_EQ(ReadDateText(u"2024x03y15", 7), Ymd(2024, 3, 15));
  EXPECT_EQ(ReadDateText(u"2024-03- 5", 7), Ymd(2024, 3, 5));
  EXPECT_EQ(ReadDateText(u"0024-03-15", 7), Ymd(2024, 3, 15));
  EXPECT_EQ(ReadDateText(u"2024-02-30", 7), TDate::kInvalid);
  // Ten units that ParseDate would read otherwise still take the fixed positions.
  EXPECT_EQ(ReadDateText(u"2024/3/5/x", 7), TDate::kInvalid);
}

TEST(TextReadersTest, OtherDatesAreParsed) {
  velk_platform::PinToday({2025, 6, 10});
  EXPECT_EQ(ReadDateText(u"2024-3-5", 7), Ymd(2024, 3, 5));
  EXPECT_EQ(ReadDateText(u"2024-03-15T10:00", 7), Ymd(2024, 3, 15));
  EXPECT_EQ(ReadDateText(u"15", 7), Ymd(2025, 6, 15));
  EXPECT_EQ(ReadDateText(u"   ", 7), TDate::kNoDate);
  velk_platform::UnpinToday();
}

TEST(TextReadersTest, TimesOfFiveOrEightUnitsReadFixedPositions) {
  EXPECT_EQ(ReadTimeText(u"", -1), -1);
  EXPECT_EQ(ReadTimeText(u"24:00", -1), 1440);
  EXPECT_EQ(ReadTimeText(u"08:30:59", -1), 510);
  EXPECT_EQ(ReadTimeText(u"99:99", -1), 99 * 60 + 99);
  EXPECT_EQ(ReadTimeText(u"12:15 am", -1), 735);
  EXPECT_EQ(ReadTimeText(u"12 am", -1), 720);
}

TEST(TextReadersTest, OtherTimesAreParsed) {
  EXPECT_EQ(ReadTimeText(u"830", -1), 510);
  EXPECT_EQ(ReadTimeText(u"8:30 pm", -1), 1230);
  EXPECT_EQ(ReadTimeText(u"abc", -1), 0);
  EXPECT_EQ(ReadTimeText(u"   ", -1), 0);
}

}  // namespace
}  // namespace velk_date_time
