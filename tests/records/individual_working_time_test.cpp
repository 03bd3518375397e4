// Individual working times: validity read off the successor, the model on a day or for a
// period, the model periods, and the JSON form.
#include <gtest/gtest.h>

#include <vector>

#include "model_fixture.h"
#include "records/individual_working_time.h"
#include "test_dates.h"

namespace {

class IndividualWorkingTimeTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"working_time_model": {"cu": [{"id": 1}, {"id": 2}, {"id": 3}]},
      "employee": {"cu": [{"id": 1}]},
      "individual_working_time": {"cu": [
        {"id": 9, "employee_id": 1, "working_time_model_id": 3, "date": "2026-03-01"},
        {"id": 7, "employee_id": 1, "working_time_model_id": 2, "date": "2026-01-01"},
        {"id": 5, "employee_id": 1, "working_time_model_id": 1, "date": "2026-01-01"}]}})");
    times = data.GetEmployees()->FindById(1)->GetIndividualWorkingTimes();
  }
  velk_data::IWorkingTimeModel* Model(int32_t id) {
    return data.GetWorkingTimeModels()->FindById(id);
  }
  velk_data::IIndividualWorkingTimes* times = nullptr;
};

TEST_F(IndividualWorkingTimeTest, OfEqualDatesOnlyTheLastIsValid) {
  EXPECT_EQ(times->GetAt(0)->GetId(), 5);
  EXPECT_EQ(times->FindById(5)->GetEnd(), 1u);
  EXPECT_EQ(times->FindById(7)->GetEnd(), Day(2026, 2, 28));
  EXPECT_EQ(times->FindById(9)->GetEnd(), 0u);
  velk_data::IIndividualWorkingTime* free = times->CreateItem();
  EXPECT_EQ(free->GetEnd(), 1u);
  free->Release();

  EXPECT_EQ(times->GetModelOn(Day(2026, 1, 15)), Model(2));
  EXPECT_EQ(times->GetModelOn(Day(2026, 3, 1)), Model(3));
  EXPECT_EQ(times->CountInRange(Day(2025, 1, 1), Day(2026, 12, 31)), 2u);
  EXPECT_EQ(times->CountInRange(Day(2026, 3, 1), Day(2026, 3, 31)), 1u);
  EXPECT_EQ(times->CountInRange(Day(2026, 1, 1), 0), 0u);  // the end must be a real day
}

TEST_F(IndividualWorkingTimeTest, BeforeTheFirstRecordThereIsNoModelButAPeriodFindsTheFirst) {
  EXPECT_EQ(times->GetModelOn(Day(2025, 12, 31)), nullptr);
  EXPECT_EQ(times->GetModelForPeriod(Day(2025, 12, 1), Day(2026, 1, 31)), Model(2));
  EXPECT_EQ(times->GetModelForPeriod(Day(2025, 11, 1), Day(2025, 11, 30)), nullptr);
}

TEST_F(IndividualWorkingTimeTest, ModelPeriodsRunToTheDayBeforeTheNextDate) {
  DatePeriods periods;
  static_cast<CIndividualWorkingTimes*>(times)->CollectModelPeriods(periods);
  ASSERT_EQ(periods.size(), 3u);
  // The overtaken record ends the day before it starts, so it sorts first.
  EXPECT_EQ(periods[0].start, Day(2026, 1, 1));
  EXPECT_EQ(periods[0].end, Day(2025, 12, 31));
  EXPECT_EQ(periods[1].end, Day(2026, 2, 28));
  EXPECT_EQ(PeriodItem<velk_data::IWorkingTimeModel>(periods[1]), Model(2));
  EXPECT_EQ(periods[2].end, 0u);
}

TEST_F(IndividualWorkingTimeTest, JsonFormAndModelIds) {
  EXPECT_EQ(Narrow(times->FindById(9)->ToJSON()),
            R"({"date": "2026-03-01","description": "","employee_id": 1,"id": 9,)"
            R"("working_time_model_id": 3})");
  // 0 keeps the model; an id that names nothing fails and the record is not inserted.
  ASSERT_TRUE(
      Update(uR"({"individual_working_time": {"cu": [
      {"id": 9, "employee_id": 1, "working_time_model_id": 0, "date": null}]}})"));
  EXPECT_EQ(times->FindById(9)->GetWorkingTimeModel(), Model(3));
  EXPECT_EQ(times->GetAt(0)->GetId(), 9);  // repositioned by its new date
  EXPECT_EQ(Update(uR"({"individual_working_time": {"cu": [
      {"id": 4, "employee_id": 1, "working_time_model_id": 8}]}})"),
            nullptr);
  EXPECT_EQ(Error(), "Unknown working time model id for individual working time. (3002)");
  EXPECT_EQ(times->GetCount(), 3u);
  // A model that goes takes the records that follow it.
  ASSERT_TRUE(Update(uR"({"working_time_model": {"d": [{"id": 2}]}})"));
  EXPECT_EQ(times->GetCount(), 2u);
  EXPECT_EQ(times->FindById(7), nullptr);
}

}  // namespace
