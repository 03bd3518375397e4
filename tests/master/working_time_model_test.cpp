// Working time models: the computed workdays, the hour getters, and the target hours of every
// basic type over whole and broken weeks and months, with whole and half holidays.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "model_fixture.h"
#include "records/test_dates.h"

namespace {

// March 2026: Monday the 2nd starts a week. June 2026 starts on a Monday and has 22 weekdays.
const uint32_t kMon = Day(2026, 3, 2), kWed = Day(2026, 3, 4), kSun = Day(2026, 3, 8);

class WorkingTimeModelTest : public ModelTest {
 protected:
  // Loads one model (id 1) and the holidays given as a JSON array.
  velk_data::IWorkingTimeModel* Model(const std::u16string& model,
                                      const std::u16string& holidays = u"[]") {
    const std::u16string message = u"{\"holiday\": {\"cu\": " + holidays +
                                   u"}, \"working_time_model\": {\"cu\": [{\"id\": 1, " + model +
                                   u"}]}}";
    Load(message.c_str());
    return data.GetWorkingTimeModels()->FindById(1);
  }
  static std::u16string Holiday(const char16_t* date, int timeOfDay = 0) {
    return u"[{\"date\": \"" + std::u16string(date) + u"\", \"time_of_day\": " +
           (timeOfDay ? u"1" : u"0") + u"}]";
  }
};

TEST_F(WorkingTimeModelTest, ANewModelWorksEightHoursMondayToFriday) {
  ASSERT_EQ(kMon % 7, 0u);
  velk_data::IWorkingTimeModel* model = data.GetWorkingTimeModels()->CreateItem();
  EXPECT_EQ(Narrow(model->ToJSON()),
            R"({"basic_type": 3,"daily_hours": 8,"friday_hours": 8,"hidden": false,)"
            R"("monday_hours": 8,"monthly_hours": 154,"name": "","position": 0,)"
            R"("saturday_hours": 0,"subtract_holidays": true,"sunday_hours": 0,)"
            R"("thursday_hours": 8,"total_hours": 0,"tuesday_hours": 8,)"
            R"("wednesday_hours": 8,"weekly_hours": 40,"workdays": "11111000"})");
  EXPECT_EQ(model->GetAverageDailyHours(), 8.0);
  EXPECT_EQ(model->GetBasicHours(), 40.0);
  EXPECT_EQ(model->GetHoursOnDate(kSun), 0.0);
  EXPECT_THROW(model->GetDayHours(7), std::out_of_range);
  try {
    model->SetBasicType(1);
    model->IsWorkday(8);
    ADD_FAILURE();
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "invalid array<T, N> subscript");
  }
  model->SetBasicType(0);
  EXPECT_FALSE(model->IsWorkday(8));  // no target: never a workday, whatever the index
  EXPECT_EQ(model->GetTargetHours(kMon, kSun, nullptr), 0.0);
  model->Release();
}

TEST_F(WorkingTimeModelTest, AShortWorkdaysTextChangesOnlyItsFlags) {
  velk_data::IWorkingTimeModel* model = Model(u"\"basic_type\": 1, \"workdays\": \"101\"");
  EXPECT_NE(Narrow(model->GetJSON(0)).find(R"("workdays": "10111111")"), std::string::npos);
  EXPECT_FALSE(model->IsWorkday(1));
}

TEST_F(WorkingTimeModelTest, DailyCountsWorkdaysLessHolidaysHalfOnesByHalf) {
  const std::u16string daily = u"\"basic_type\": 1, \"daily_hours\": 7, \"workdays\": \"11111000\"";
  EXPECT_EQ(Model(daily)->GetTargetHours(kMon, kSun, nullptr), 35.0);
  EXPECT_EQ(Model(daily, Holiday(u"2026-03-04"))->GetTargetHours(kMon, kSun, nullptr), 28.0);
  EXPECT_EQ(Model(daily, Holiday(u"2026-03-04", 1))->GetTargetHours(kMon, kSun, nullptr), 31.5);
  // A holiday on a day off is never subtracted; one on a workday stays when holidays are worked.
  EXPECT_EQ(Model(daily, Holiday(u"2026-03-07"))->GetTargetHours(kMon, kSun, nullptr), 35.0);
  EXPECT_EQ(Model(u"\"basic_type\": 1, \"daily_hours\": 7, \"workdays\": \"11111001\"",
                  Holiday(u"2026-03-04"))
                ->GetTargetHours(kMon, kSun, nullptr),
            35.0);
}

TEST_F(WorkingTimeModelTest, WeeklyGivesWholeWeeksTheWeeklyHoursAndBrokenOnesTheirDays) {
  const std::u16string weekly =
      u"\"basic_type\": 2, \"daily_hours\": 6, \"weekly_hours\": 38, \"workdays\": \"11111000\"";
  velk_data::IWorkingTimeModel* model = Model(weekly);
  EXPECT_EQ(model->GetTargetHours(kMon, kSun, nullptr), 38.0);
  EXPECT_EQ(model->GetTargetHours(kMon, kSun - 1, nullptr), 30.0);  // six days: by the day
  // Wednesday to the Tuesday thirteen days later: Wed-Fri, a whole week, Mon-Tue.
  EXPECT_EQ(model->GetTargetHours(kWed, kWed + 13, nullptr), 6.0 * (3 + 2) + 38.0);
  // A holiday in the whole week takes a day's hours off, in a broken week the day itself.
  model = Model(weekly,
                u"[{\"date\": \"2026-03-10\"}, {\"date\": \"2026-03-05\", "
                u"\"time_of_day\": 2}]");
  EXPECT_EQ(model->GetTargetHours(kWed, kWed + 13, nullptr), 6.0 * (2.5 + 2 - 1) + 38.0);
  model->SetSubtractHolidays(false);
  EXPECT_EQ(model->GetTargetHours(kMon + 7, kSun + 7, nullptr), 38.0);
}

TEST_F(WorkingTimeModelTest, ByWeekdayTakesEachHolidayOffItsWeekdayWhateverTheFlags) {
  const std::u16string byDay =
      u"\"basic_type\": 3, \"monday_hours\": 10, \"saturday_hours\": 4, \"subtract_holidays\": "
      u"false";
  EXPECT_EQ(Model(byDay)->GetTargetHours(kMon, kSun + 7, nullptr), 2 * (10 + 8 * 4 + 4.0));
  EXPECT_EQ(Model(byDay, Holiday(u"2026-03-02"))->GetTargetHours(kMon, kSun, nullptr), 36.0);
  EXPECT_EQ(Model(byDay, Holiday(u"2026-03-02", 1))->GetTargetHours(kMon, kSun, nullptr), 41.0);
  EXPECT_EQ(Model(byDay)->GetAverageDailyHours(), 46.0 / 6);
}

TEST_F(WorkingTimeModelTest, MonthlyGivesWholeMonthsTheMonthlyHoursAndBrokenOnesTheirDays) {
  const std::u16string monthly =
      u"\"basic_type\": 4, \"daily_hours\": 8, \"monthly_hours\": 160, \"workdays\": \"11111000\"";
  const uint32_t june = Day(2026, 6, 1), july = Day(2026, 7, 1);
  EXPECT_EQ(Model(monthly)->GetTargetHours(june, july - 1, nullptr), 160.0);
  EXPECT_EQ(Model(monthly, Holiday(u"2026-06-04"))->GetTargetHours(june, july - 1, nullptr), 152.0);
  EXPECT_EQ(Model(monthly, Holiday(u"2026-06-04"))->GetTargetHours(june, june + 14, nullptr),
            8.0 * 10);  // 1st to 15th: eleven weekdays, one a holiday
  // 15 June to 31 August: the rest of June by the day, July and August whole.
  EXPECT_EQ(Model(monthly)->GetTargetHours(june + 14, Day(2026, 8, 31), nullptr),
            8.0 * 12 + 2 * 160.0);
  // 15 June to 10 July: two broken months, nothing whole.
  EXPECT_EQ(Model(monthly)->GetTargetHours(june + 14, july + 9, nullptr), 8.0 * (12 + 8));
}

TEST_F(WorkingTimeModelTest, TotalSpreadsItsHoursOverTheValidityByWorkdays) {
  Load(
      uR"({"working_time_model": {"cu": [{"id": 1, "basic_type": 5, "total_hours": 880,
                                            "workdays": "11111000"}]},
    "employee": {"cu": [{"id": 1}, {"id": 2}]},
    "employment_period": {"cu": [{"id": 1, "employee_id": 1, "start": "2026-06-01",
                                  "end": "2026-12-31"}]},
    "individual_working_time": {"cu": [
      {"id": 1, "employee_id": 1, "working_time_model_id": 1, "date": null},
      {"id": 2, "employee_id": 1, "working_time_model_id": 1, "date": "2026-08-01"}]}})");
  velk_data::IWorkingTimeModel* model = data.GetWorkingTimeModels()->FindById(1);
  velk_data::IEmployee* employee = data.GetEmployees()->FindById(1);
  const uint32_t june = Day(2026, 6, 1);
  // The first record runs from the employment's start to 31 July: 22 + 23 workdays.
  EXPECT_EQ(model->GetTargetHours(june - 10, Day(2026, 7, 31), employee), 880.0);
  EXPECT_DOUBLE_EQ(model->GetTargetHours(june, june + 6, employee), 880.0 * 5 / 45);
  EXPECT_EQ(model->GetTargetHours(june, june + 6, data.GetEmployees()->FindById(2)), 0.0);
  EXPECT_EQ(model->GetTargetHours(june, june + 6, nullptr), 0.0);
}

}  // namespace
