// The holiday calendar: lookup by date, the root's holiday test, and the part of the day.
#include <gtest/gtest.h>

#include "datetime/date.h"
#include "master/holiday.h"
#include "model_fixture.h"

namespace {

uint32_t Dec(int32_t day) { return velk_date_time::TDate::FromYMD(12, day, 2026).m_day; }

TEST_F(ModelTest, HolidaysAreFoundByDateFirstInsertedFirst) {
  Load(
      uR"({"holiday":{"cu":[
    {"id":1,"date":"2026-12-25","name":"Christmas"},
    {"id":2,"date":"2026-12-24","time_of_day":2},
    {"id":3,"date":"2026-12-25","time_of_day":1}]}})");
  velk_data::IHolidays* holidays = data.GetHolidays();
  EXPECT_EQ(holidays->FindByDate(Dec(25))->GetId(), 1);
  EXPECT_EQ(holidays->FindByDate(Dec(25))->GetTimeOfDay(), 0u);  // read without it: whole day
  EXPECT_EQ(holidays->FindByDate(Dec(24))->GetTimeOfDay(), 2u);
  EXPECT_EQ(holidays->FindByDate(Dec(26)), nullptr);
  EXPECT_EQ(holidays->CountInPeriod(Dec(25), Dec(25)), 2u);
  EXPECT_TRUE(data.IsHoliday(Dec(24)));
  EXPECT_FALSE(data.IsHoliday(Dec(23)));

  ASSERT_NE(Update(uR"({"holiday":{"cu":[{"id":1,"date":"2026-12-26"}]}})"), nullptr) << Error();
  EXPECT_EQ(holidays->FindByDate(Dec(25))->GetId(), 3);
  EXPECT_TRUE(data.IsHoliday(Dec(26)));

  holidays->GetAt(0)->SetId(4);  // above every loaded id
  EXPECT_EQ(holidays->FindById(4), nullptr);
}

TEST_F(ModelTest, HolidaysInAPeriodIncludeBothEnds) {
  Load(
      uR"({"holiday":{"cu":[{"id":1,"date":"2026-12-26"},{"id":2,"date":"2026-12-24"},
    {"id":3,"date":"2026-12-25"}]}})");
  velk_data::IHolidays* holidays = data.GetHolidays();
  velk_data::IHoliday* out[3] = {};
  ASSERT_EQ(holidays->GetInPeriod(out, 0, 0), 3u);
  EXPECT_EQ(out[0]->GetId(), 2);
  EXPECT_EQ(out[2]->GetId(), 1);
  EXPECT_EQ(holidays->CountInPeriod(Dec(24), Dec(25)), 2u);
  EXPECT_EQ(holidays->CountInPeriod(Dec(25), 0), 2u);
  EXPECT_EQ(holidays->CountInPeriod(0, Dec(24)), 1u);
  EXPECT_EQ(holidays->CountInPeriod(Dec(26), Dec(25)), 0u);
  // The last day number is an end like any other: no holiday lies after it.
  EXPECT_EQ(holidays->CountInPeriod(Dec(25), 0xFFFFFFFF), 2u);
}

}  // namespace
