#include <gtest/gtest.h>

#include "datetime/date.h"
#include "platform/clock.h"

namespace velk_date_time {
namespace {

class ParseDateTest : public ::testing::Test {
 protected:
  void SetUp() override { velk_platform::PinToday({2025, 6, 10}); }
  void TearDown() override { velk_platform::UnpinToday(); }

  static uint32_t Parse(const char16_t* text) { return TDate::ParseDate(text).m_day; }
  static uint32_t Ymd(int32_t year, int32_t month, int32_t day) {
    return TDate::FromYMD(month, day, year).m_day;
  }
};

TEST_F(ParseDateTest, ThreePiecesAreYearMonthDay) {
  EXPECT_EQ(Parse(u" \t\r\n\f\v"), TDate::kNoDate);
  EXPECT_EQ(Parse(u"24-3-5"), Ymd(2024, 3, 5));
  EXPECT_EQ(Parse(u"  2024 / 03 . 15  "), Ymd(2024, 3, 15));
  EXPECT_EQ(Parse(u"2024-3-5-99"), Ymd(2024, 3, 5));
  // Always year first: the day-first form does not read.
  EXPECT_EQ(Parse(u"15.3.2024"), TDate::kInvalid);
}

TEST_F(ParseDateTest, MissingLeadingPiecesComeFromToday) {
  EXPECT_EQ(Parse(u"3/15"), Ymd(2025, 3, 15));
  EXPECT_EQ(Parse(u"15"), Ymd(2025, 6, 15));
  EXPECT_EQ(Parse(u"15."), Ymd(2025, 6, 15));  // a trailing run gives no piece
  EXPECT_EQ(Parse(u"31"), TDate::kInvalid);    // June has 30 days
  // A leading separator gives an empty first piece: month 0.
  EXPECT_EQ(Parse(u"/15"), TDate::kInvalid);
  EXPECT_EQ(Parse(u"abc"), TDate::kInvalid);
}

TEST_F(ParseDateTest, EightUnitsWithoutSeparatorsAreCompact) {
  EXPECT_EQ(Parse(u"20240315"), Ymd(2024, 3, 15));
  EXPECT_EQ(Parse(u" 00240315 "), Ymd(2024, 3, 15));  // trimmed first; year pivots
  EXPECT_EQ(Parse(u"20241315"), TDate::kInvalid);
  EXPECT_EQ(Parse(u"2024315"), TDate::kInvalid);  // seven units: one huge day
}

}  // namespace
}  // namespace velk_date_time
