// The employee's statistics through loaded messages: hours worked and due, workday counts,
// absence days, overtime, the leave account, working intervals, surcharge minutes, caching.
#include <gtest/gtest.h>

#include <vector>

#include "datetime/date.h"
#include "model_fixture.h"

namespace {

uint32_t Day(int32_t month, int32_t day, int32_t year = 2026) {
  return velk_date_time::TDate::FromYMD(month, day, year).m_day;
}

// March 2026 starts on a Sunday: the 2nd is a Monday. Model 1 plans 8 hours Monday to Friday,
// model 2 plans 4. Leave type 1 is entitled leave counted in days; 2 deducts overtime.
constexpr const char16_t* kModel =
    uR"({
  "working_time_model": {"cu": [
    {"id": 1, "basic_type": 1, "daily_hours": 8, "workdays": "11111000"},
    {"id": 2, "basic_type": 1, "daily_hours": 4, "workdays": "11111000"}]},
  "shift_type": {"cu": [
    {"id": 1, "name": "Early", "short_name": "E",
     "monday_part_count": 1, "monday_start_at_0": "06:00", "monday_end_at_0": "14:00", "monday_actual_hours": 8,
     "friday_part_count": 1, "friday_start_at_0": "06:00", "friday_end_at_0": "14:00", "friday_actual_hours": 8,
     "holiday_part_count": 1, "holiday_start_at_0": "06:00", "holiday_end_at_0": "14:00", "holiday_actual_hours": 9},
    {"id": 2, "name": "Night", "short_name": "N",
     "monday_part_count": 1, "monday_start_at_0": "22:00", "monday_end_at_0": "06:00", "monday_actual_hours": 8,
     "thursday_part_count": 1, "thursday_start_at_0": "22:00", "thursday_end_at_0": "06:00", "thursday_actual_hours": 8,
     "holiday_part_count": 1, "holiday_start_at_0": "22:00", "holiday_end_at_0": "06:00", "holiday_actual_hours": 8}]},
  "leave_type": {"cu": [
    {"id": 1, "name": "Leave", "charge_type": 1, "entitled": true, "default_entitlement_in_days": 30,
     "entitlement_carry_over": true},
    {"id": 2, "name": "Time off", "charge_type": 1, "deduct_overtime_hours": true}]},
  "holiday": {"cu": [{"id": 1, "date": "2026-04-03"}, {"id": 2, "date": "2026-12-24", "time_of_day": 1}]},
  "surcharge_type": {"cu": [{"id": 1, "name": "Holiday night", "start_at": "20:00", "end_at": "06:00",
                             "holiday_rule": 1}]},
  "employee": {"cu": [{"id": 1}, {"id": 2}, {"id": 3}, {"id": 4}]},
  "employment_period": {"cu": [
    {"id": 1, "employee_id": 1, "start": "2026-01-01", "end": "2026-03-15"},
    {"id": 2, "employee_id": 2, "start": "2026-03-02", "end": "2026-03-06"},
    {"id": 3, "employee_id": 2, "start": "2026-03-16", "end": "2026-03-20"},
    {"id": 4, "employee_id": 3, "start": "2026-01-01", "end": null},
    {"id": 5, "employee_id": 4, "start": "2026-01-01", "end": null}]},
  "individual_working_time": {"cu": [
    {"id": 1, "employee_id": 1, "working_time_model_id": 1, "date": "2026-01-01"},
    {"id": 2, "employee_id": 2, "working_time_model_id": 1, "date": "2026-01-01"},
    {"id": 3, "employee_id": 2, "working_time_model_id": 2, "date": "2026-03-18"},
    {"id": 4, "employee_id": 3, "working_time_model_id": 1, "date": "2026-01-01"},
    {"id": 5, "employee_id": 4, "working_time_model_id": 1, "date": "2026-01-01"}]},
  "fixed_shift": {"cu": [
    {"id": 1, "employee_id": 1, "shift_type_id": 1, "date": "2026-03-02"},
    {"id": 2, "employee_id": 1, "shift_type_id": 1, "date": "2026-03-16"},
    {"id": 3, "employee_id": 3, "shift_type_id": 1, "date": "2026-04-03"},
    {"id": 4, "employee_id": 3, "shift_type_id": 2, "date": "2026-03-09"},
    {"id": 5, "employee_id": 3, "shift_type_id": 2, "date": "2026-12-24"}]},
  "custom_shift": {"cu": [
    {"id": 1, "employee_id": 1, "date": "2026-03-02", "name": "Visit", "part_count": 1,
     "start_at_0": "15:00", "end_at_0": "16:00", "actual_hours": 1},
    {"id": 2, "employee_id": 3, "date": "2026-03-11", "name": "Split night", "part_count": 2,
     "start_at_0": "20:00", "end_at_0": "00:00", "start_at_1": "01:00", "end_at_1": "05:00",
     "actual_hours": 7}]},
  "absence": {"cu": [
    {"id": 1, "employee_id": 1, "leave_type_id": 1, "date": "2026-03-03"},
    {"id": 2, "employee_id": 1, "leave_type_id": 1, "date": "2026-03-04", "time_of_day": 1},
    {"id": 3, "employee_id": 1, "leave_type_id": 2, "date": "2026-03-06"},
    {"id": 4, "employee_id": 4, "leave_type_id": 1, "date": "2026-03-02"}]},
  "booking": {"cu": [
    {"id": 1, "employee_id": 1, "date": "2026-03-20", "value": 5, "account": 0},
    {"id": 2, "employee_id": 2, "date": "2026-03-31", "value": 2.5, "account": 1},
    {"id": 3, "employee_id": 1, "date": "2026-03-10", "value": 1, "account": 2}]},
  "overtime": {"cu": [{"id": 1, "employee_id": 1, "date": "2026-03-05", "value": 3}]},
  "leave_entitlement": {"cu": [
    {"id": 1, "employee_id": 1, "leave_type_id": 1, "year": 2026, "entitlement": 30,
     "remaining_from_previous_year": 2, "in_days": true},
    {"id": 2, "employee_id": 4, "leave_type_id": 1, "year": 2026, "entitlement": 160,
     "remaining_from_previous_year": 10, "in_days": false}]}
})";

class EmployeeStatisticsTest : public ModelTest {
 protected:
  void SetUp() override { Load(kModel); }
  velk_data::IEmployee* Employee(int32_t id) const { return data.GetEmployees()->FindById(id); }
  velk_data::ILeaveType* LeaveType(int32_t id) const { return data.GetLeaveTypes()->FindById(id); }
};

TEST_F(EmployeeStatisticsTest, ActualHoursStopAtTheEmploymentButBookingsCountThroughout) {
  double worked = -1, absent = -1;
  // Employed to 15 March: the shift of the 16th is outside, the booking of the 20th counts.
  // Worked: 8 (early shift) + 1 (custom shift); absent: 8 + 4 (half day) + 8 (time off).
  EXPECT_DOUBLE_EQ(Employee(1)->GetActualHours(Day(3, 1), Day(3, 31), 0, &worked, &absent), 34.0);
  EXPECT_DOUBLE_EQ(worked, 9.0);
  EXPECT_DOUBLE_EQ(absent, 20.0);
}

TEST_F(EmployeeStatisticsTest, TargetHoursAcrossModelsAndEmploymentPeriods) {
  // 2-6 March by model 1 (40), 16-17 March by model 1 (16), 18-20 March by model 2 (12), plus
  // the target booking of 2.5.
  EXPECT_DOUBLE_EQ(Employee(2)->GetTargetHours(Day(3, 1), Day(3, 31)), 70.5);
  EXPECT_DOUBLE_EQ(Employee(2)->GetTargetHours(Day(3, 7), Day(3, 15)), 0.0);
  // A range given backwards reaches the model as it is: what the model makes of it is his.
  ASSERT_TRUE(Update(
      uR"({"working_time_model": {"cu": [{"id": 1, "basic_type": 2, "weekly_hours": 40}]}})"));
  velk_data::IWorkingTimeModel* weekly = data.GetWorkingTimeModels()->FindById(1);
  EXPECT_DOUBLE_EQ(Employee(3)->GetTargetHours(Day(3, 31), Day(3, 1)),
                   weekly->GetTargetHours(Day(3, 31), Day(3, 1), Employee(3)));
}

TEST_F(EmployeeStatisticsTest, WorkdaysCountEachDateOnceAndHolidaysOnlyWithAShift) {
  // The early shift and the custom shift of 2 March are one workday.
  EXPECT_EQ(Employee(1)->GetWorkdayCount(0, Day(3, 1), Day(3, 31), 0), 1u);
  // Good Friday with a shift counts as a Friday and as a holiday; Easter has no holiday here.
  EXPECT_EQ(Employee(3)->GetWorkdayCount(4, Day(4, 1), Day(4, 30), 0), 1u);
  EXPECT_EQ(Employee(3)->GetWorkdayCount(7, Day(4, 1), Day(4, 30), 0), 1u);
  EXPECT_EQ(Employee(1)->GetWorkdayCount(7, Day(3, 1), Day(3, 31), 0), 0u);
  EXPECT_EQ(
      Employee(3)->GetShiftTypeCount(data.GetShiftTypes()->FindById(2), Day(3, 1), Day(3, 31), 0),
      1u);
  EXPECT_EQ(Employee(1)->GetCustomShiftCount(Day(3, 1), Day(3, 31), 0), 1u);
}

TEST_F(EmployeeStatisticsTest, AbsenceDaysOvertimeAndTheLeaveAccount) {
  velk_data::IEmployee* employee = Employee(1);
  EXPECT_DOUBLE_EQ(employee->GetAbsenceDays(LeaveType(1), Day(3, 1), Day(3, 31), 0), 1.5);
  EXPECT_DOUBLE_EQ(employee->GetAbsenceHours(LeaveType(1), Day(3, 1), Day(3, 31), 0), 12.0);
  // 3 overtime + 1 booked on account 2 - 8 hours of time off.
  EXPECT_DOUBLE_EQ(employee->GetOvertimeBalance(Day(3, 1), Day(3, 31), 0), -4.0);

  double entitlement = -1, carried = -1;
  bool inDays = false;
  EXPECT_DOUBLE_EQ(
      Employee(2)->GetLeaveEntitlement(LeaveType(1), 2026, &entitlement, &carried, &inDays), 30.0);
  EXPECT_EQ(carried, 0.0);
  EXPECT_TRUE(inDays);
  EXPECT_DOUBLE_EQ(
      Employee(2)->GetLeaveEntitlement(LeaveType(2), 2026, &entitlement, nullptr, nullptr), 0.0);
}

TEST_F(EmployeeStatisticsTest, CarryOverAndExpiryInDaysAndInHours) {
  // In days: 30 + 2 carried - 1.5 taken goes to 2027, whose entitlement is the default.
  velk_data::ILeaveEntitlement* next = Employee(1)->CarryOverLeave(LeaveType(1), 2026, false, 0);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->GetYear(), 2027);
  EXPECT_DOUBLE_EQ(next->GetRemainingFromPreviousYear(), 30.5);
  EXPECT_DOUBLE_EQ(next->GetEntitlement(), 30.0);
  EXPECT_TRUE(next->IsInDays());
  next->Release();
  // In hours: 170 - 8 taken, turned into days at 8 hours a day.
  next = Employee(4)->CarryOverLeave(LeaveType(1), 2026, false, 0);
  ASSERT_NE(next, nullptr);
  EXPECT_DOUBLE_EQ(next->GetRemainingFromPreviousYear(), 162.0 / 8);
  next->Release();
  // Kept in hours, with this year's entitlement.
  next = Employee(4)->CarryOverLeave(LeaveType(1), 2026, true, 0);
  EXPECT_DOUBLE_EQ(next->GetRemainingFromPreviousYear(), 162.0);
  EXPECT_DOUBLE_EQ(next->GetEntitlement(), 160.0);
  EXPECT_FALSE(next->IsInDays());
  next->Release();

  // By the end of March 1.5 of the 2 carried days are used; 8 of the 10 carried hours.
  velk_data::ILeaveEntitlement* cut = Employee(1)->ExpireCarriedLeave(LeaveType(1), Day(3, 31), 0);
  ASSERT_NE(cut, nullptr);
  EXPECT_DOUBLE_EQ(cut->GetRemainingFromPreviousYear(), 1.5);
  cut->Release();
  cut = Employee(4)->ExpireCarriedLeave(LeaveType(1), Day(3, 31), 0);
  ASSERT_NE(cut, nullptr);
  EXPECT_DOUBLE_EQ(cut->GetRemainingFromPreviousYear(), 8.0);
  cut->Release();
  EXPECT_EQ(Employee(2)->ExpireCarriedLeave(LeaveType(1), Day(3, 31), 0), nullptr);
  EXPECT_DOUBLE_EQ(Employee(1)->ConvertLeave(0.0, 2026, true), 0.0);
  // The last year a host can name: its next year wraps, and nothing is found there.
  EXPECT_DOUBLE_EQ(Employee(4)->ConvertLeave(8.0, INT32_MAX, true), 0.0);
  next = Employee(1)->CarryOverLeave(LeaveType(1), INT32_MAX, false, 0);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->GetYear(), INT32_MIN);
  next->Release();
}

TEST_F(EmployeeStatisticsTest, NightShiftSeenFromTheNextDayAndItsSurchargeOnAHalfHoliday) {
  velk_data::IEmployee* employee = Employee(3);
  uint32_t starts[4], ends[4];
  ASSERT_EQ(employee->GetWorkingIntervals(starts, ends, Day(3, 10), 0, false), 1u);
  EXPECT_EQ(starts[0], 0u);
  EXPECT_EQ(ends[0], 360u);
  ASSERT_EQ(employee->GetWorkingIntervals(starts, ends, Day(3, 9), 0, false), 1u);
  EXPECT_EQ(starts[0], 1320u);
  uint32_t dates[4];
  ASSERT_EQ(employee->GetWorkDates(dates, Day(3, 9), Day(3, 10), 0, false), 2u);
  EXPECT_EQ(dates[1], Day(3, 10));
  // A part after one that ends at midnight belongs to the next day.
  ASSERT_EQ(employee->GetWorkDates(dates, Day(3, 11), Day(3, 12), 0, false), 2u);
  ASSERT_EQ(employee->GetWorkingIntervals(starts, ends, Day(3, 12), 0, false), 1u);
  EXPECT_EQ(starts[0], 60u);
  EXPECT_EQ(ends[0], 300u);

  // 24 December is a holiday in the morning: the type covers only that half, which the shift
  // does not reach, unless the half holiday counts as a whole one.
  velk_data::ISurchargeType* night = data.GetSurchargeTypes()->FindById(1);
  EXPECT_EQ(employee->GetSurchargeMinutes(night, Day(12, 24), Day(12, 25), 0, false), 0u);
  EXPECT_EQ(employee->GetSurchargeMinutes(night, Day(12, 24), Day(12, 25), 0, true), 120u);
}

TEST_F(EmployeeStatisticsTest, AnswersStayUntilTheNextMessage) {
  velk_data::IEmployee* employee = Employee(1);
  EXPECT_DOUBLE_EQ(employee->GetActualHours(Day(3, 1), Day(3, 31), 0, nullptr, nullptr), 34.0);
  employee->GetCustomShifts()->GetAt(0)->SetActualHours(3);
  EXPECT_DOUBLE_EQ(employee->GetActualHours(Day(3, 1), Day(3, 31), 0, nullptr, nullptr), 34.0);
  ASSERT_TRUE(Update(uR"({"debug_info": {}})"));
  EXPECT_DOUBLE_EQ(Employee(2)->GetTargetHours(Day(3, 1), Day(3, 31)), 70.5);
  EXPECT_DOUBLE_EQ(employee->GetActualHours(Day(3, 1), Day(3, 31), 0, nullptr, nullptr), 36.0);
  // Another employee with answers goes: the next message still drops the first one's.
  employee->GetCustomShifts()->GetAt(0)->SetActualHours(1);
  ASSERT_TRUE(Update(uR"({"employee": {"d": [{"id": 2}]}})"));
  EXPECT_DOUBLE_EQ(employee->GetActualHours(Day(3, 1), Day(3, 31), 0, nullptr, nullptr), 34.0);
  // Hours and days are answers of their own: asking one does not answer the other.
  EXPECT_DOUBLE_EQ(employee->GetAbsenceHours(LeaveType(1), Day(3, 1), Day(3, 31), 0), 12.0);
  employee->GetAbsences()->FindById(1)->SetTimeOfDay(1);
  EXPECT_DOUBLE_EQ(employee->GetAbsenceDays(LeaveType(1), Day(3, 1), Day(3, 31), 0), 1.0);
  EXPECT_DOUBLE_EQ(employee->GetAbsenceHours(LeaveType(1), Day(3, 1), Day(3, 31), 0), 12.0);
}

TEST_F(EmployeeStatisticsTest, NoEmploymentNoModelNoRangeGiveNothing) {
  ASSERT_TRUE(Update(uR"({"employee": {"cu": [{"id": 9}]}})"));
  velk_data::IEmployee* stranger = Employee(9);
  EXPECT_EQ(stranger->GetTargetHours(Day(1, 1), Day(12, 31)), 0.0);
  EXPECT_EQ(stranger->GetWorkdayKind(Day(3, 2)), -1);
  EXPECT_EQ(stranger->CountScheduleItems(0, 0, 0, 31), 0u);
  EXPECT_EQ(Employee(1)->GetActualHours(Day(3, 31), Day(3, 1), 0, nullptr, nullptr), 0.0);
  EXPECT_EQ(Employee(1)->GetWorkdayKind(Day(3, 2)), 0);
  EXPECT_EQ(Employee(3)->GetWorkdayKind(Day(4, 3)), -1);
  // The invalid date has no day before it: no night shift of any day reaches into it.
  EXPECT_EQ(Employee(3)->CountWorkingIntervals(0, 0, false), 0u);
}

}  // namespace
