// Shift cycles, elements, assignments and exceptions as messages carry them: JSON forms, the
// readers' reference rules, routing to their owners, and what goes when a master item goes.
#include <gtest/gtest.h>

#include <string>

#include "cycle_fixture.h"
#include "items/item_test_util.h"
#include "master/shift_cycle.h"

namespace {

TEST_F(CycleTest, JsonFormsWriteOwnersAndNullWorkplace) {
  LoadRota(
      uR"(,"shift_cycle_exception": {"cu": [
      {"id": 1, "shift_cycle_assignment_id": 3, "date": "2026-01-08", "plan_type": 2}]})");
  velk_data::IShiftCycle* weekly = data.GetShiftCycles()->FindById(1);
  EXPECT_EQ(data.MasterCollection(5), static_cast<CShiftCycles*>(data.GetShiftCycles()));
  EXPECT_EQ(Narrow(weekly->ToJSON()),
            R"({"hidden": false,"id": 1,"length": 2,"name": "","position": 0,"unit": 1})");
  velk_data::IShiftCycle* made = data.GetShiftCycles()->CreateItem();
  EXPECT_EQ(Narrow(made->ToJSON()),
            R"({"hidden": false,"length": 1,"name": "","position": 0,"unit": 1})");
  made->Release();
  velk_data::IShiftCycleElements* elements = weekly->GetElements();
  EXPECT_EQ(elements->GetShiftCycle(), weekly);
  EXPECT_EQ(
      Narrow(elements->GetByPosition(7)->ToJSON()),
      R"({"id": 2,"position": 7,"shift_cycle_id": 1,"shift_type_id": 1,"workplace_id": null})");
  EXPECT_EQ(elements->GetByPosition(0)->GetWorkplace(), data.GetWorkplaces()->FindById(1));
  EXPECT_EQ(elements->GetByPosition(3), nullptr);
  velk_data::IShiftCycleAssignment* daily = Assignment(1, 3);
  EXPECT_EQ(Narrow(daily->ToJSON()),
            R"({"employee_id": 1,"end": "2026-01-18","id": 3,"shift_cycle_id": 2,)"
            R"("start": "2026-01-07","start_offset": 2})");
  velk_data::IShiftCycleException* exception = daily->GetExceptions()->GetAt(0);
  EXPECT_EQ(Narrow(exception->ToJSON()),
            R"({"date": "2026-01-08","id": 1,"plan_type": 2,"shift_cycle_assignment_id": 3})");
  EXPECT_EQ(exception->GetShiftCycle(), data.GetShiftCycles()->FindById(2));

  velk_data::IShiftCycleException* free = daily->CreateException(kWednesday, 4);
  EXPECT_EQ(free->GetAssignment(), daily);
  EXPECT_EQ(daily->GetExceptions()->GetCount(), 1u);  // free until inserted
  EXPECT_EQ(free->GetPlanType(), 4);
  free->Release();
}

TEST_F(CycleTest, ReadersCheckEveryReference) {
  LoadRota();
  auto fails = [&](const char16_t* json, const char* text) {
    EXPECT_EQ(Update(json), nullptr);
    EXPECT_EQ(data.GetErrorCode(), 3002);
    EXPECT_EQ(Narrow(data.GetErrorText()), text);
  };
  fails(uR"({"shift_cycle_element": {"cu": [{"id": 1, "shift_cycle_id": 1, "workplace_id": 0}]}})",
        "Unknown workplace id for shift cycle element.");
  fails(uR"({"shift_cycle_element": {"cu": [{"id": 1, "shift_cycle_id": 1, "shift_type_id": 9}]}})",
        "Unknown shift type id for shift cycle element.");
  fails(
      uR"({"shift_cycle_assignment": {"cu": [{"id": 1, "employee_id": 1,
        "shift_cycle_id": 9}]}})",
      "Unknown shift cycle id for shift cycle assigment.");

  // Null clears the workplace; a shift type id of 0 keeps the type. The element moves to
  // position 8, a Tuesday, and the expansion follows at once.
  ASSERT_TRUE(
      Update(uR"({"shift_cycle_element": {"cu": [{"id": 1, "shift_cycle_id": 1,
      "workplace_id": null, "shift_type_id": 0, "position": 8}]}})"))
      << Error();
  velk_data::IShiftCycleElement* element =
      data.GetShiftCycles()->FindById(1)->GetElements()->FindById(1);
  EXPECT_EQ(element->GetWorkplace(), nullptr);
  EXPECT_EQ(element->GetShiftType(), data.GetShiftTypes()->FindById(1));
  EXPECT_EQ(ShiftsOf(Assignment(1, 1), 0, 0), (Shifts{{5, 2}, {6, 1}, {19, 2}, {20, 1}}));
  element->SetPosition(9);
  EXPECT_EQ(ShiftsOf(Assignment(1, 1), 0, 0), (Shifts{{5, 2}, {7, 1}, {19, 2}, {21, 1}}));
}

TEST_F(CycleTest, ExceptionsFindTheirAssignmentUnderAnyEmployee) {
  LoadRota();
  ASSERT_TRUE(
      Update(uR"({"shift_cycle_exception": {"cu": [
      {"id": 7, "shift_cycle_assignment_id": 2, "date": "2026-01-12"},
      {"id": 8, "shift_cycle_assignment_id": 2, "date": "2026-01-19"}]}})"))
      << Error();
  velk_data::IShiftCycleExceptions* exceptions = Assignment(2, 2)->GetExceptions();
  EXPECT_EQ(exceptions->GetCount(), 2u);
  EXPECT_EQ(exceptions->GetAssignment(), Assignment(2, 2));
  EXPECT_EQ(Assignment(2, 2)->CountShifts(0, 0, 0, false), 2u);
  ASSERT_TRUE(Update(uR"({"shift_cycle_exception": {"d": [{"id": 8}, {"id": 99}]}})"));
  EXPECT_EQ(exceptions->GetCount(), 1u);
  // An update moves the exception to its new date.
  ASSERT_TRUE(
      Update(uR"({"shift_cycle_exception": {"cu": [
      {"id": 7, "shift_cycle_assignment_id": 2, "date": "2026-01-26"}]}})"));
  EXPECT_EQ(Assignment(2, 2)->CountShifts(0, 0, 0, false), 3u);

  // The lookup by assignment id follows assignments that go and ids that change.
  velk_data::IShiftCycleAssignment* first = Assignment(1, 1);
  ASSERT_TRUE(Update(uR"({"shift_cycle_assignment": {"d": [{"id": 2}]}})"));
  const char16_t* onTwo =
      uR"({"shift_cycle_exception": {"cu": [
      {"id": 9, "shift_cycle_assignment_id": 2, "date": "2026-01-12"}]}})";
  EXPECT_EQ(Update(onTwo), nullptr);
  first->SetId(2);
  ASSERT_TRUE(Update(onTwo)) << Error();
  EXPECT_EQ(first->GetExceptions()->GetCount(), 1u);
}

TEST_F(CycleTest, RemovingMasterItemsTakesWhatUsesThem) {
  LoadRota(
      uR"(,"shift_cycle_exception": {"cu": [
      {"id": 1, "shift_cycle_assignment_id": 3, "date": "2026-01-10"}]})");
  velk_data::IShiftCycleElements* weekly = data.GetShiftCycles()->FindById(1)->GetElements();
  velk_data::IShiftCycleElements* daily = data.GetShiftCycles()->FindById(2)->GetElements();
  ASSERT_TRUE(Update(uR"({"shift_type": {"d": [{"id": 2}]}})"));
  EXPECT_EQ(IdsOf(daily), (std::vector<int32_t>{10, 12}));
  EXPECT_EQ(ShiftsOf(Assignment(1, 3), 0, kWednesday + 3), (Shifts{{0, 12}, {1, 10}}));
  ASSERT_TRUE(Update(uR"({"workplace": {"d": [{"id": 1}]}})"));
  EXPECT_EQ(IdsOf(weekly), (std::vector<int32_t>{2}));

  // A cycle takes its assignments from every employee, and its elements with it.
  ASSERT_TRUE(Update(uR"({"shift_cycle": {"d": [{"id": 1}]}})"));
  EXPECT_EQ(data.GetShiftCycles()->GetCount(), 1u);
  EXPECT_EQ(IdsOf(data.GetEmployees()->FindById(1)->GetShiftCycleAssignments()),
            (std::vector<int32_t>{3}));
  EXPECT_EQ(data.GetEmployees()->FindById(2)->GetShiftCycleAssignments()->GetCount(), 0u);

  // An assignment and an employee take their records with them.
  ASSERT_TRUE(Update(uR"({"shift_cycle_assignment": {"d": [{"id": 3}]}})"));
  EXPECT_EQ(data.GetEmployees()->FindById(1)->GetShiftCycleAssignments()->GetCount(), 0u);
  ASSERT_TRUE(
      Update(uR"({"shift_cycle_assignment": {"cu": [{"id": 9, "employee_id": 2,
      "shift_cycle_id": 2, "start": "2026-01-07", "end": "2026-01-09"}]},
      "shift_cycle_exception": {"cu": [{"id": 2, "shift_cycle_assignment_id": 9,
      "date": "2026-01-08"}]}})"));
  ASSERT_TRUE(Update(uR"({"employee": {"d": [{"id": 2}]}})"));
  ASSERT_TRUE(Update(uR"({"shift_cycle_exception": {"d": [{"id": 2}]}})"));
  EXPECT_EQ(data.GetEmployees()->GetCount(), 1u);
}

}  // namespace
