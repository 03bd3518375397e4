// Expanding an assignment into cycle shifts: the pattern's anchor and offsets, public holidays
// and days without parts, exceptions per plan type, the range rules, and moving the start.
#include <gtest/gtest.h>

#include "cycle_fixture.h"

namespace {

TEST_F(CycleTest, WeeklyCycleIsAnchoredOnMondaysAndTheOffsetNamesTheWeek) {
  LoadRota();
  ASSERT_EQ(kWednesday % 7, 2u);
  // Offset 0: the start is day 2 of week 0, so the next Monday is day 7.
  EXPECT_EQ(ShiftsOf(Assignment(1, 1), 0, 0), (Shifts{{5, 2}, {12, 1}, {19, 2}, {26, 1}}));
  EXPECT_EQ(ShiftsOf(Assignment(2, 2), 0, 0), (Shifts{{5, 1}, {12, 2}, {19, 1}, {26, 2}}));
  // A range inside the assignment, and one that ends past it.
  EXPECT_EQ(ShiftsOf(Assignment(1, 1), kWednesday + 6, kWednesday + 19),
            (Shifts{{12, 1}, {19, 2}}));
  EXPECT_EQ(ShiftsOf(Assignment(1, 1), kWednesday + 20, kWednesday + 400), (Shifts{{26, 1}}));
}

TEST_F(CycleTest, NegativeOffsetTakesTheTruncatingRemainder) {
  LoadRota(
      uR"(,"shift_cycle_element": {"cu": [{"id": 3, "shift_cycle_id": 1, "position": -3,
      "shift_type_id": 1}]},
      "shift_cycle_assignment": {"cu": [{"id": 4, "employee_id": 2, "shift_cycle_id": 1,
      "start": "2026-01-07", "end": "2026-02-06", "start_offset": -1}]})");
  // Phase -1 * 7 + 2: the first days are cycle days -5 to -1, and day -3 has an element of its
  // own; from the Monday on the days count up from 0.
  EXPECT_EQ(ShiftsOf(Assignment(2, 4), 0, 0), (Shifts{{2, 3}, {5, 1}, {12, 2}, {19, 1}, {26, 2}}));
  EXPECT_EQ(ShiftsOf(Assignment(2, 4), kWednesday + 3, 0).size(), 4u);
  ASSERT_TRUE(Assignment(2, 4)->MoveStart(kWednesday + 1));
  EXPECT_EQ(Assignment(2, 4)->GetStartOffset(), 1);  // day -4 is day 10 of the turn
  EXPECT_EQ(ShiftsOf(Assignment(2, 4), 0, 0), (Shifts{{5, 1}, {12, 2}, {19, 1}, {26, 2}}));
}

TEST_F(CycleTest, DailyCycleSkipsHolidaysAndDaysWithoutParts) {
  LoadRota();
  // Offset 2: the start is day 2, the next day day 0. Element 11's type works neither at
  // weekends nor on holidays (15 January, day 8); element 10's works on 14 January (day 7).
  EXPECT_EQ(ShiftsOf(Assignment(1, 3), 0, 0), (Shifts{{0, 12},
                                                      {1, 10},
                                                      {2, 11},
                                                      {3, 12},
                                                      {4, 10},
                                                      {5, 11},
                                                      {6, 12},
                                                      {7, 10},
                                                      {9, 12},
                                                      {10, 10}}));
  // The employee's collection gives each assignment's shifts in turn, not merged.
  velk_data::IShiftCycleAssignments* all =
      data.GetEmployees()->FindById(1)->GetShiftCycleAssignments();
  EXPECT_EQ(all->GetAt(0)->GetId(), 3);
  uint32_t dates[14];
  ASSERT_EQ(all->CountShifts(0, 0, 0), 14u);
  ASSERT_EQ(all->GetShifts(dates, nullptr, 0, 0, 0), 14u);
  EXPECT_EQ(dates[9] - kWednesday, 10u);
  EXPECT_EQ(dates[10] - kWednesday, 5u);
}

TEST_F(CycleTest, ExceptionsRemoveTheShiftOfTheirPlanTypeOnly) {
  LoadRota(
      uR"(,"shift_cycle_exception": {"cu": [
      {"id": 1, "shift_cycle_assignment_id": 1, "date": "2026-01-19", "plan_type": 0},
      {"id": 2, "shift_cycle_assignment_id": 1, "date": "2026-01-26", "plan_type": 1}]})");
  velk_data::IShiftCycleAssignment* assignment = Assignment(1, 1);
  EXPECT_EQ(ShiftsOf(assignment, 0, 0, 0), (Shifts{{5, 2}, {19, 2}, {26, 1}}));
  EXPECT_EQ(ShiftsOf(assignment, 0, 0, 0, true), (Shifts{{5, 2}, {12, 1}, {19, 2}, {26, 1}}));
  EXPECT_EQ(ShiftsOf(assignment, 0, 0, 1), (Shifts{{5, 2}, {12, 1}, {26, 1}}));
  EXPECT_EQ(ShiftsOf(assignment, 0, 0, 2).size(), 4u);

  velk_data::IShiftCycleExceptions* exceptions = assignment->GetExceptions();
  EXPECT_EQ(exceptions->Find(kWednesday + 12, 0)->GetId(), 1);
  EXPECT_EQ(exceptions->Find(kWednesday + 12, 1), nullptr);
  EXPECT_EQ(exceptions->CountInPeriod(kWednesday, 0, 1), 1u);
  EXPECT_EQ(exceptions->CountInPeriod(kWednesday, kWednesday + 18, 1), 0u);
  EXPECT_EQ(exceptions->GetAt(1)->GetEmployee(), data.GetEmployees()->FindById(1));
  EXPECT_EQ(Assignment(2, 2)->GetExceptions()->CountInPeriod(0, 0, 0), 0u);
}

TEST_F(CycleTest, RestrictionKindTwoKeepsTheShiftTypeOffThatDayIndex) {
  // Type 1 is barred on public holidays (day index 7); kind 1 on Mondays bars nothing.
  LoadRota(
      uR"(,"shift_type_restriction": {"cu": [
      {"id": 1, "employee_id": 1, "shift_type_id": 1, "weekday": 7, "restriction": 2},
      {"id": 2, "employee_id": 1, "shift_type_id": 1, "weekday": 0, "restriction": 1}]})");
  EXPECT_EQ(
      ShiftsOf(Assignment(1, 3), 0, 0),
      (Shifts{{0, 12}, {1, 10}, {2, 11}, {3, 12}, {4, 10}, {5, 11}, {6, 12}, {9, 12}, {10, 10}}));
  EXPECT_EQ(ShiftsOf(Assignment(1, 1), 0, 0).size(), 4u);
}

TEST_F(CycleTest, RangeRulesAndAssignmentsWithoutEndOrPattern) {
  LoadRota(
      uR"(,"shift_cycle": {"cu": [{"id": 3, "length": 0}, {"id": 4, "length": 3,
      "unit": 2}]},
      "shift_cycle_element": {"cu": [{"id": 20, "shift_cycle_id": 4, "position": 1,
      "shift_type_id": 1}]},
      "shift_cycle_assignment": {"cu": [
        {"id": 4, "employee_id": 2, "shift_cycle_id": 1, "start": "2026-01-07"},
        {"id": 5, "employee_id": 2, "shift_cycle_id": 3, "start": "2026-01-07",
         "end": "2026-02-06"},
        {"id": 6, "employee_id": 2, "shift_cycle_id": 4, "start": "2026-01-07",
         "end": "2026-01-14"}]})");
  EXPECT_EQ(Assignment(2, 4)->CountShifts(0, 0, 0, false), 0u);  // end 0 covers no day
  EXPECT_EQ(Assignment(2, 4)->CountShifts(kWednesday, kWednesday + 30, 0, false), 0u);
  EXPECT_EQ(Assignment(1, 1)->CountShifts(kWednesday + 30, kWednesday + 20, 0, false), 0u);
  // Length 0 has no day; a unit other than weeks and days counts days.
  EXPECT_EQ(Assignment(2, 5)->CountShifts(0, 0, 0, false), 0u);
  EXPECT_EQ(ShiftsOf(Assignment(2, 6), 0, 0), (Shifts{{1, 20}, {4, 20}, {7, 20}}));

  velk_data::IShiftCycleAssignments* all =
      data.GetEmployees()->FindById(2)->GetShiftCycleAssignments();
  EXPECT_EQ(all->CountInPeriod(0, 0), 4u);
  EXPECT_EQ(all->CountInPeriod(kWednesday + 8, 0), 2u);  // the end-0 one ends before
  EXPECT_EQ(all->CountInPeriod(0, kWednesday - 1), 0u);
  EXPECT_EQ(all->CountInPeriod(kWednesday + 7, kWednesday + 7), 3u);
}

TEST_F(CycleTest, MoveStartKeepsEveryLaterDaysElement) {
  LoadRota(
      uR"(,"shift_cycle": {"cu": [{"id": 3, "length": 0}, {"id": 4, "length": 3,
      "unit": 2}]},
      "shift_cycle_assignment": {"cu": [
        {"id": 5, "employee_id": 2, "shift_cycle_id": 3, "start": "2026-01-07",
         "end": "2026-02-06", "start_offset": 4},
        {"id": 6, "employee_id": 2, "shift_cycle_id": 4, "start": "2026-01-07",
         "end": "2026-01-14"}]})");
  velk_data::IShiftCycleAssignment* weekly = Assignment(1, 1);
  const Shifts later = ShiftsOf(weekly, kWednesday + 10, 0);
  ASSERT_TRUE(weekly->MoveStart(kWednesday + 10));
  EXPECT_EQ(weekly->GetStart(), kWednesday + 10);
  EXPECT_EQ(weekly->GetStartOffset(), 1);  // a Saturday in week 1
  EXPECT_EQ(ShiftsOf(weekly, 0, 0), later);
  ASSERT_TRUE(weekly->MoveStart(kWednesday - 3));  // back to the Sunday before: week 1 again
  EXPECT_EQ(weekly->GetStartOffset(), 1);
  EXPECT_EQ(ShiftsOf(weekly, kWednesday + 10, 0), later);

  velk_data::IShiftCycleAssignment* daily = Assignment(1, 3);
  ASSERT_TRUE(daily->MoveStart(kWednesday + 4));
  EXPECT_EQ(daily->GetStartOffset(), 0);
  EXPECT_FALSE(daily->MoveStart(kWednesday + 12));  // past the end: nothing changes
  EXPECT_EQ(daily->GetStart(), kWednesday + 4);

  // Without a pattern only the start moves; other units divide the day by 7.
  ASSERT_TRUE(Assignment(2, 5)->MoveStart(kWednesday + 3));
  EXPECT_EQ(Assignment(2, 5)->GetStartOffset(), 4);
  ASSERT_TRUE(Assignment(2, 6)->MoveStart(kWednesday + 2));
  EXPECT_EQ(Assignment(2, 6)->GetStartOffset(), 0);
  // The collection stays ordered by start.
  EXPECT_EQ(data.GetEmployees()->FindById(2)->GetShiftCycleAssignments()->GetAt(1)->GetId(), 6);
}

}  // namespace
