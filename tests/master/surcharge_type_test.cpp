// Surcharge types: the pieces of a worked interval that fall into the type's window on a day,
// under weekday flags, the holiday rule, half-day holidays and a bound date.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "datetime/date.h"
#include "items/item_test_util.h"
#include "master/surcharge_type.h"
#include "model_fixture.h"

namespace {

using Pieces = std::vector<std::pair<uint32_t, uint32_t>>;

uint32_t Day(int32_t month, int32_t day) {
  return velk_date_time::TDate::FromYMD(month, day, 2026).m_day;
}
const uint32_t kMonday = Day(6, 1);       // no holiday
const uint32_t kMorning = Day(12, 24);    // morning holiday
const uint32_t kWholeDay = Day(12, 25);   // whole-day holiday, a Friday
const uint32_t kAfternoon = Day(12, 31);  // afternoon holiday

struct Case {
  const char16_t* type;  // the surcharge type's JSON
  uint32_t date, from, to;
  bool halfAsWhole;
  Pieces expected;
};

class SurchargeTypeTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"holiday":{"cu":[{"id":1,"date":"2026-12-24","time_of_day":1},
      {"id":2,"date":"2026-12-25"},{"id":3,"date":"2026-12-31","time_of_day":2}]}})");
  }
  velk_data::ISurchargeType* Type(const char16_t* json) {
    velk_data::ISurchargeType* type = data.GetSurchargeTypes()->CreateItem();
    static_cast<CSurchargeType*>(type)->FromJSON(*ParseObject(json), false);
    return type;
  }
};

TEST_F(SurchargeTypeTest, GetIntervalsCutsTheWorkedIntervalToTheWindow) {
  const char16_t* night = uR"({"start_at":"22:00","end_at":"06:00"})";
  const char16_t* only = uR"({"holiday_rule":1})";
  const char16_t* never = uR"({"holiday_rule":2})";
  const Case cases[] = {
      // A new type covers every day whole; 0 as the end means 24:00 on both sides.
      {u"{}", kMonday, 480, 960, false, {{480, 960}}},
      {u"{}", kWholeDay, 0, 0, false, {{0, 0}}},
      {uR"({"on_monday":false})", kMonday, 480, 960, false, {}},
      // A window across midnight is two windows; pieces come out by start.
      {night, kMonday, 1200, 0, false, {{1320, 0}}},
      {night, kMonday, 0, 480, false, {{0, 360}}},
      {night, kMonday, 240, 1380, false, {{240, 360}, {1320, 1380}}},
      {night, kMonday, 360, 1320, false, {}},
      // An end given as 24:00 is 1440, not the open end 0, and stays so in the piece.
      {uR"({"start_at":"20:00","end_at":"24:00"})", kMonday, 1320, 0, false, {{1320, 1440}}},
      // Only on holidays: a half-day holiday restricts the window to its half.
      {only, kMonday, 480, 960, false, {}},
      {only, kMorning, 480, 960, false, {{480, 720}}},
      {only, kMorning, 480, 960, true, {{480, 960}}},
      {only, kWholeDay, 480, 960, false, {{480, 960}}},
      {uR"({"holiday_rule":1,"start_at":"18:00","end_at":"22:00"})", kMorning, 0, 0, false, {}},
      // Never on holidays: the other half of a half-day holiday is left.
      {never, kAfternoon, 480, 960, false, {{480, 720}}},
      {never, kMorning, 480, 0, false, {{720, 0}}},
      {never, kAfternoon, 480, 960, true, {}},
      {never, kWholeDay, 480, 960, false, {}},
      {never, kMonday, 480, 960, false, {{480, 960}}},
      // Any other rule acts like "only" on a holiday and like "ignore" without one.
      {uR"({"holiday_rule":3})", kMorning, 480, 960, false, {{480, 720}}},
      {uR"({"holiday_rule":3})", kMonday, 480, 960, false, {{480, 960}}},
      // A bound date ignores weekday flags and the holiday rule, and every other date.
      {uR"({"date":"2026-12-25","on_friday":false,"holiday_rule":2})",
       kWholeDay,
       480,
       960,
       false,
       {{480, 960}}},
      {uR"({"date":"2026-12-25"})", kMonday, 480, 960, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Narrow(c.type) + " on " + std::to_string(c.date) + " from " +
                 std::to_string(c.from) + " to " + std::to_string(c.to));
    velk_data::ISurchargeType* type = Type(c.type);
    uint32_t starts[2] = {}, ends[2] = {};
    const uint32_t n = type->GetIntervals(starts, ends, c.date, c.from, c.to, c.halfAsWhole);
    // Without room for the pieces the type still counts them.
    EXPECT_EQ(type->GetIntervals(nullptr, nullptr, c.date, c.from, c.to, c.halfAsWhole), n);
    Pieces pieces;
    for (uint32_t i = 0; i < n && i < 2; ++i) pieces.emplace_back(starts[i], ends[i]);
    EXPECT_EQ(pieces, c.expected);
    type->Release();
  }
}

TEST_F(SurchargeTypeTest, DateReadsNullAndEmptyAsNoDateAndWeekdaysStopAtSunday) {
  velk_data::ISurchargeType* type = Type(uR"({"date":"2026-12-25"})");
  auto read = [&](const char16_t* json) {
    static_cast<CSurchargeType*>(type)->FromJSON(*ParseObject(json), false);
    return type->ReadDate();
  };
  EXPECT_EQ(read(u"{}"), kWholeDay);
  EXPECT_EQ(read(uR"({"date":null})"), 1u);
  EXPECT_FALSE(type->HasDate());
  read(uR"({"date":"2026-12-25"})");
  EXPECT_EQ(read(uR"({"date":""})"), 1u);

  const std::u16string before = type->ToJSON();
  type->SetOnWeekday(7, false);
  type->SetOnWeekday(9, false);
  EXPECT_FALSE(type->IsOnWeekday(7));
  EXPECT_EQ(type->ToJSON(), before);
  type->Release();
}

}  // namespace
