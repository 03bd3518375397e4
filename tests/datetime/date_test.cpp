#include "datetime/date.h"

#include <gtest/gtest.h>

namespace velk_date_time {
namespace {

uint32_t Ymd(int32_t year, int32_t month, int32_t day) {
  return TDate::FromYMD(month, day, year).m_day;
}

TEST(DateTest, FromYMDRejectsDaysOutsideTheMonth) {
  EXPECT_EQ(Ymd(2023, 2, 29), TDate::kInvalid);
  EXPECT_NE(Ymd(2024, 2, 29), TDate::kInvalid);
  EXPECT_NE(Ymd(2000, 2, 29), TDate::kInvalid);
  EXPECT_EQ(Ymd(1900, 2, 29), TDate::kInvalid);
  EXPECT_EQ(Ymd(2024, 13, 1), TDate::kInvalid);
  EXPECT_EQ(Ymd(2024, 0, 1), TDate::kInvalid);
  EXPECT_EQ(Ymd(2024, 1, 0), TDate::kInvalid);
  EXPECT_EQ(Ymd(2024, 4, 31), TDate::kInvalid);
  // Years whose day numbers would not fit are invalid, not wrapped.
  EXPECT_EQ(Ymd(-2000000000, 1, 1), TDate::kInvalid);
  EXPECT_EQ(Ymd(2000000000, 1, 1), TDate::kInvalid);
}

TEST(DateTest, TwoDigitYearsPivotAtFifty) {
  EXPECT_EQ(Ymd(24, 1, 1), Ymd(2024, 1, 1));
  EXPECT_EQ(Ymd(50, 1, 1), Ymd(2050, 1, 1));
  EXPECT_EQ(Ymd(51, 1, 1), Ymd(1951, 1, 1));
  EXPECT_EQ(Ymd(100, 1, 1), 1757585u);
}

TEST(DateTest, DayNumbersWeekdaysAndText) {
  TDate d = TDate::FromYMD(1, 1, 2000);
  EXPECT_EQ(d.m_day, 2451545u);
  EXPECT_EQ(d.GetWeekday(), 5u);  // Saturday
  EXPECT_EQ(d.ToString(), u"2000-01-01");
  EXPECT_EQ(Ymd(1970, 1, 1), 2440588u);
  EXPECT_EQ(TDate::FromYMD(7, 9, 812).ToString(), u"0812-07-09");
  EXPECT_EQ(TDate(TDate::kInvalid).ToString(), u"<invalid>");
  EXPECT_EQ(TDate(TDate::kNoDate).ToString(), u"");
  EXPECT_EQ(TDate(4294967295u).ToString(), u"11754508-12-13");
}

// Calendar fields invert FromYMD day by day across leap rules and centuries.
TEST(DateTest, CalendarFieldsInvertFromYMD) {
  TDate first = TDate::FromYMD(1, 1, 1896), last = TDate::FromYMD(12, 31, 2104);
  int32_t year = 1896, month = 1, day = 1;
  for (TDate d = first; d <= last; d.m_day++) {
    ASSERT_EQ(d.GetYear(), year);
    ASSERT_EQ(d.GetMonth(), month);
    ASSERT_EQ(d.GetDay(), day);
    ASSERT_EQ(d.DaysInMonth(), TDate::DaysInMonth(month, year));
    if (++day > TDate::DaysInMonth(month, year)) {
      day = 1;
      if (++month > 12) month = 1, ++year;
    }
  }
  EXPECT_EQ(year, 2105);
}

}  // namespace
}  // namespace velk_date_time
