// The hours, days and charged leave of an absence: the employee's working time model on the
// day, whole and half holidays and the leave type's rules; and the absences of the employee's
// employment.
#include <gtest/gtest.h>

#include <vector>

#include "datetime/date.h"
#include "model_fixture.h"

namespace {

uint32_t March(int32_t day) { return velk_date_time::TDate::FromYMD(3, day, 2026).m_day; }

// A daily model of 8 hours, Monday to Friday, no work on holidays, from 2026-01-01. Leave type
// 2 counts only the model's days and charges 7.7 hours a day; 3 counts every day and charges
// hours. 4 March 2026 (a Wednesday) is a holiday, the morning of the 5th and the afternoon of
// the 6th are. Employed 2 to 5 March and from 9 March on.
class AbsenceHoursTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"working_time_model":{"cu":[{"id":1,"basic_type":1,"daily_hours":8,
                                          "workdays":"11111000"}]},
      "leave_type":{"cu":[
        {"id":2,"count_all":false,"charge_type":2,"charge_hours":7.7,"deduct_overtime_hours":true},
        {"id":3,"count_all":true,"charge_type":1}]},
      "holiday":{"cu":[{"id":1,"date":"2026-03-04"},{"id":2,"date":"2026-03-05","time_of_day":1},
                       {"id":3,"date":"2026-03-06","time_of_day":2}]},
      "employee":{"cu":[{"id":1}]},
      "individual_working_time":{"cu":[{"id":1,"employee_id":1,"working_time_model_id":1,
                                        "date":"2026-01-01"}]},
      "employment_period":{"cu":[{"id":1,"employee_id":1,"start":"2026-03-02","end":"2026-03-05"},
                                 {"id":2,"employee_id":1,"start":"2026-03-09","end":null}]}})");
    absences = data.GetEmployees()->FindById(1)->GetAbsences();
  }
  // An absence of employee 1 on day of March 2026.
  velk_data::IAbsence* Add(int32_t id, int32_t day, int32_t leaveType, int32_t timeOfDay = 0,
                           const char* startAt = "00:00", const char* endAt = "00:00") {
    const std::string text = R"({"absence":{"cu":[{"id":)" + std::to_string(id) +
                             R"(,"employee_id":1,"leave_type_id":)" + std::to_string(leaveType) +
                             R"(,"date":"2026-03-)" + (day < 10 ? "0" : "") + std::to_string(day) +
                             R"(","time_of_day":)" + std::to_string(timeOfDay) +
                             R"(,"start_at":")" + startAt + R"(","end_at":")" + endAt + "\"}]}}";
    EXPECT_NE(Update(std::u16string(text.begin(), text.end()).c_str()), nullptr) << Error();
    return absences->FindById(id);
  }
  void ExpectValues(velk_data::IAbsence* absence, double hours, double days, double charged) {
    EXPECT_DOUBLE_EQ(absence->GetHours(), hours);
    EXPECT_DOUBLE_EQ(absence->GetDays(), days);
    EXPECT_DOUBLE_EQ(absence->GetChargedValue(), charged);
  }
  velk_data::IAbsences* absences = nullptr;
};

TEST_F(AbsenceHoursTest, WholeAndHalfDaysOnTheModelsDays) {
  ExpectValues(Add(1, 2, 2), 8, 1, 7.7);
  ExpectValues(Add(2, 3, 2, 2), 4, 0.5, 3.85);
  ExpectValues(Add(3, 7, 2), 0, 0, 0);  // a Saturday: no workday of the model
  ExpectValues(Add(4, 4, 2), 0, 0, 0);  // a whole holiday, not worked by the model
  // A leave type that counts every day counts them whatever the model and the holidays say.
  ExpectValues(Add(5, 7, 3), 8, 1, 8);
  ExpectValues(Add(6, 4, 3, 1), 4, 0.5, 4);
}

TEST_F(AbsenceHoursTest, AHalfHolidayTakesItsHalf) {
  ExpectValues(Add(1, 5, 2), 4, 0.5, 3.85);  // the morning is a holiday: the afternoon counts
  ExpectValues(Add(2, 5, 2, 1), 0, 0, 0);
  ExpectValues(Add(3, 5, 2, 3, "08:00", "10:00"), 0, 0, 0);  // clipped to start at noon
  ExpectValues(Add(4, 5, 2, 3, "11:00", "13:30"), 1.5, 1.5 / 8, 7.7 * 1.5 / 8);
  ExpectValues(Add(5, 6, 2, 3, "10:00", "00:00"), 2, 0.25, 7.7 * 0.25);  // until noon
  ExpectValues(Add(6, 6, 2), 4, 0.5, 3.85);
}

TEST_F(AbsenceHoursTest, ATimeSpanPastMidnightAndNoModel) {
  ExpectValues(Add(1, 9, 3, 3, "22:00", "02:00"), 4, 0.5, 4);
  ExpectValues(Add(2, 10, 3, 3, "08:00", "08:00"), 24, 3, 24);  // an end not after the start
  ASSERT_NE(Update(uR"({"absence":{"cu":[{"id":3,"employee_id":1,"leave_type_id":3,
                                          "date":"2025-12-31"}]}})"),
            nullptr);
  ExpectValues(absences->FindById(3), 0, 1, 0);  // before the first model: no hours
}

TEST_F(AbsenceHoursTest, EmploymentRestrictsTheQueriesToTheEmployedDays) {
  for (int32_t day : {1, 2, 5, 6, 8, 9, 20}) Add(day, day, 2);
  auto ids = [&](uint32_t from, uint32_t to) {
    std::vector<velk_data::IAbsence*> out(absences->GetCount());
    const uint32_t n = absences->GetInEmployment(out.data(), from, to, 0);
    EXPECT_EQ(absences->CountInEmployment(from, to, 0), n);
    std::vector<int32_t> result;
    for (uint32_t i = 0; i < n; ++i) result.push_back(out[i]->GetId());
    return result;
  };
  EXPECT_EQ(ids(0, 0), (std::vector<int32_t>{2, 5, 9, 20}));
  EXPECT_EQ(ids(March(5), March(9)), (std::vector<int32_t>{5, 9}));
  EXPECT_EQ(ids(March(6), March(8)), std::vector<int32_t>{});
  EXPECT_EQ(absences->CountInEmployment(March(2), March(2), 1), 0u);
  // Leave type 2 deducts overtime: 8 (2 March) + 4 (the afternoon of 5 March) + 8 + 8.
  EXPECT_DOUBLE_EQ(absences->GetOvertimeDeductionHours(0, 0, 0), 28);
  EXPECT_DOUBLE_EQ(absences->GetOvertimeDeductionHours(March(3), March(9), 0), 12);
}

}  // namespace
