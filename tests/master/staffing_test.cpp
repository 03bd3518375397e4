// Who is available on a day, and a group's planned, absent and available counts over its
// members' days, with absences left out or added by the caller.
#include <gtest/gtest.h>

#include <vector>

#include "datetime/date.h"
#include "model_fixture.h"

namespace {

uint32_t Day(int32_t month, int32_t day) {
  return velk_date_time::TDate::FromYMD(month, day, 2026).m_day;
}

// Employees 1 to 3 work Monday to Friday in ward 2; employee 4 only until 4 March.
constexpr const char16_t* kWard =
    uR"({
  "working_time_model": {"cu": [{"id": 1, "basic_type": 1, "daily_hours": 8, "workdays": "11111000"}]},
  "shift_type": {"cu": [{"id": 1, "name": "Early", "thursday_part_count": 1,
                         "thursday_start_at_0": "06:00", "thursday_end_at_0": "14:00"}]},
  "leave_type": {"cu": [{"id": 1, "name": "Leave"}, {"id": 2, "name": "Training", "no_absence": true}]},
  "group": {"cu": [{"id": 1, "name": "Clinic"}, {"id": 2, "name": "Ward", "parent_group_id": 1}]},
  "employee": {"cu": [{"id": 1}, {"id": 2}, {"id": 3}, {"id": 4}]},
  "employment_period": {"cu": [
    {"employee_id": 1, "start": "2026-01-01"}, {"employee_id": 2, "start": "2026-01-01"},
    {"employee_id": 3, "start": "2026-01-01"}, {"employee_id": 4, "start": "2026-01-01"}]},
  "membership": {"cu": [
    {"employee_id": 1, "group_id": 2, "start": "2026-01-01"},
    {"employee_id": 2, "group_id": 2, "start": "2026-01-01"},
    {"employee_id": 3, "group_id": 2, "start": "2026-01-01"},
    {"employee_id": 4, "group_id": 2, "start": "2026-01-01", "end": "2026-03-04"}]},
  "individual_working_time": {"cu": [
    {"employee_id": 1, "working_time_model_id": 1}, {"employee_id": 2, "working_time_model_id": 1},
    {"employee_id": 3, "working_time_model_id": 1}, {"employee_id": 4, "working_time_model_id": 1}]},
  "absence": {"cu": [
    {"id": 1, "employee_id": 1, "leave_type_id": 1, "date": "2026-03-02", "time_of_day": 3,
     "start_at": "08:00", "end_at": "12:00"},
    {"id": 2, "employee_id": 2, "leave_type_id": 1, "date": "2026-03-02", "time_of_day": 3,
     "start_at": "10:00", "end_at": "14:00"},
    {"id": 3, "employee_id": 1, "leave_type_id": 1, "date": "2026-03-03", "time_of_day": 3,
     "start_at": "08:00", "end_at": "10:00"},
    {"id": 4, "employee_id": 2, "leave_type_id": 1, "date": "2026-03-03", "time_of_day": 3,
     "start_at": "12:00", "end_at": "14:00"},
    {"id": 5, "employee_id": 1, "leave_type_id": 1, "date": "2026-03-04"},
    {"id": 6, "employee_id": 3, "leave_type_id": 2, "date": "2026-03-04"}]},
  "fixed_shift": {"cu": [
    {"employee_id": 1, "shift_type_id": 1, "date": "2026-03-05"},
    {"employee_id": 2, "shift_type_id": 1, "date": "2026-03-05"},
    {"employee_id": 4, "shift_type_id": 1, "date": "2026-03-05"}]}
})";

class StaffingTest : public ModelTest {
 protected:
  void SetUp() override { Load(kWard); }
  std::vector<velk_data::IEmployee*> Staff(std::initializer_list<int32_t> ids) const {
    std::vector<velk_data::IEmployee*> staff;
    for (int32_t id : ids) staff.push_back(data.GetEmployees()->FindById(id));
    return staff;
  }
  velk_data::IGroup* Ward() const { return data.GetGroups()->FindById(2); }
};

TEST_F(StaffingTest, PartDayAbsencesCountThosePresentAtTheSameTime) {
  const auto staff = Staff({1, 2, 3});
  velk_data::IEmployees* employees = data.GetEmployees();
  // 8-12 and 10-14 overlap: between 10 and 12 neither is there.
  EXPECT_EQ(employees->CountAvailable(staff.data(), 3, Day(3, 2), 0), 1u);
  // 8-10 and 12-14 do not: one of the two is there all day.
  EXPECT_EQ(employees->CountAvailable(staff.data(), 3, Day(3, 3), 0), 2u);
  // A weekend day is nobody's workday; a "no absence" leave type leaves its employee available.
  EXPECT_EQ(employees->CountAvailable(staff.data(), 3, Day(3, 7), 0), 0u);
  EXPECT_EQ(employees->CountAvailable(staff.data(), 3, Day(3, 4), 0), 2u);
  // The working times have no date, so day 0 has a model; no absence is dated 0.
  EXPECT_EQ(employees->CountAvailable(staff.data(), 3, 0, 0), 3u);
}

TEST_F(StaffingTest, AvailableCountsWithIgnoredAndExtraAbsences) {
  velk_data::IGroup* ward = Ward();
  int32_t counts[1];
  // Employee 1 is on leave on 4 March; employee 4 is a member that day too.
  ward->FillAvailableCounts(counts, Day(3, 4), Day(3, 4), 0, nullptr, 0, nullptr, 0);
  EXPECT_EQ(counts[0], 3);
  velk_data::IAbsence* leave = data.GetEmployees()->FindById(1)->GetAbsences()->FindById(5);
  ward->FillAvailableCounts(counts, Day(3, 4), Day(3, 4), 0, &leave, 1, nullptr, 0);
  EXPECT_EQ(counts[0], 4);
  // An absence not yet stored, for employee 2.
  velk_data::IAbsence* planned = data.GetEmployees()->FindById(2)->GetAbsences()->CreateItem();
  planned->SetDate(Day(3, 4));
  planned->SetLeaveType(data.GetLeaveTypes()->FindById(1));
  ward->FillAvailableCounts(counts, Day(3, 4), Day(3, 4), 0, &leave, 1, &planned, 1);
  EXPECT_EQ(counts[0], 3);
  planned->Release();
  // After 4 March employee 4 is no member: the cached lookup fills the days after the one
  // known; the 4th keeps what the last fill stored.
  EXPECT_EQ(ward->GetAvailableCount(Day(3, 5), 0, 4), 3);
  EXPECT_EQ(ward->GetAvailableCount(Day(3, 9), 0, 4), 3);
  EXPECT_EQ(ward->GetAvailableCount(Day(3, 7), 0, 4), 0);
  EXPECT_EQ(ward->GetAvailableCount(Day(3, 4), 0, 4), 3);
}

TEST_F(StaffingTest, PlannedAndAbsentCountsOverTheMembersDays) {
  velk_data::IGroup* ward = Ward();
  velk_data::IShiftType* early = data.GetShiftTypes()->FindById(1);
  velk_data::ILeaveType* leave = data.GetLeaveTypes()->FindById(1);
  // Employee 4's shift of 5 March lies after his membership.
  int32_t planned[7];
  ward->GetPlannedCounts(planned, early, nullptr, Day(3, 2), Day(3, 8), 0);
  EXPECT_EQ(std::vector<int32_t>(planned, planned + 7),
            (std::vector<int32_t>{0, 0, 0, 2, 0, 0, 0}));
  EXPECT_EQ(ward->GetPlannedCountCached(Day(3, 5), early, 0, 7), 2);
  EXPECT_EQ(ward->GetPlannedCountCached(Day(3, 6), early, 0, 7), 0);
  EXPECT_EQ(ward->GetAbsentCountCached(Day(3, 2), leave, 0, 3), 2);
  EXPECT_EQ(ward->GetAbsentCountCached(Day(3, 4), leave, 0, 3), 1);
  EXPECT_EQ(ward->CountAbsent(&leave, 1, Day(3, 4), 0), 1);
  // The clinic stands for the ward below it.
  EXPECT_EQ(data.GetGroups()->FindById(1)->GetPlannedCount(Day(3, 5), early, nullptr, 0), 2);
}

}  // namespace
