// Absences: their JSON form, the leave type reference and its removal.
#include <gtest/gtest.h>

#include <string>

#include "model_fixture.h"

namespace {

class AbsenceTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"employee":{"cu":[{"id":1}]},"leave_type":{"cu":[{"id":2},{"id":3}]},
              "absence":{"cu":[
                {"id":7,"employee_id":1,"leave_type_id":2,"date":"2026-03-02","time_of_day":3,
                 "start_at":"22:00","end_at":"02:00","plan_type":-1},
                {"id":8,"employee_id":1,"leave_type_id":3,"date":"2026-03-03","start_at":"08:00",
                 "end_at":"09:00"}]}})");
    absences = data.GetEmployees()->FindById(1)->GetAbsences();
  }
  velk_data::IAbsences* absences = nullptr;
};

TEST_F(AbsenceTest, WritesTheSpanOnlyForTimeOfDayThreeAndReadsItAlways) {
  EXPECT_EQ(Narrow(absences->FindById(7)->ToJSON()),
            R"({"date": "2026-03-02","employee_id": 1,"end_at": "02:00","id": 7,)"
            R"("leave_type_id": 2,"plan_type": -1,"start_at": "22:00","time_of_day": 3})");
  velk_data::IAbsence* whole = absences->FindById(8);
  EXPECT_EQ(whole->GetStartAt(), 480u);
  EXPECT_EQ(whole->GetEndAt(), 540u);
  EXPECT_EQ(Narrow(whole->ToJSON()),
            R"({"date": "2026-03-03","employee_id": 1,"id": 8,"leave_type_id": 3,)"
            R"("plan_type": 0,"time_of_day": 0})");
  EXPECT_EQ(absences->FindById(7)->GetEmployee(), data.GetEmployees()->FindById(1));
  EXPECT_EQ(absences->GetEmployee(), data.GetEmployees()->FindById(1));
}

TEST_F(AbsenceTest, LeaveTypeIdBelowZeroKeepsTheTypeAndAnUnknownOneFails) {
  ASSERT_NE(Update(uR"({"absence":{"cu":[{"id":8,"employee_id":1,"leave_type_id":-1}]}})"),
            nullptr);
  EXPECT_EQ(absences->FindById(8)->GetLeaveType(), data.GetLeaveTypes()->FindById(3));

  EXPECT_EQ(Update(uR"({"absence":{"cu":[{"id":9,"employee_id":1,"leave_type_id":0}]}})"), nullptr);
  EXPECT_EQ(data.GetErrorCode(), 3002);
  EXPECT_EQ(Narrow(data.GetErrorText()), "Unknown leave type id for absence.");
  EXPECT_EQ(absences->GetCount(), 2u);  // not inserted
}

TEST_F(AbsenceTest, RemovingALeaveTypeRemovesItsAbsences) {
  ASSERT_NE(Update(uR"({"leave_type":{"d":[{"id":2}]}})"), nullptr) << Error();
  ASSERT_EQ(absences->GetCount(), 1u);
  EXPECT_EQ(absences->GetAt(0)->GetId(), 8);
}

}  // namespace
