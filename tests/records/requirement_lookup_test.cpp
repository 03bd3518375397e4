// What a group needs on a day: the shift requirement of a date (its special requirement first,
// holidays by their own day index) and the staff number over the special weekday requirements.
#include <gtest/gtest.h>

#include <vector>

#include "datetime/date.h"
#include "items/item_test_util.h"
#include "model_fixture.h"

namespace {

uint32_t Dec(int32_t day) { return velk_date_time::TDate::FromYMD(12, day, 2026).m_day; }

// 2026-12-11, -18 and -25 are Fridays; the 25th is a holiday.
class RequirementLookupTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({
      "holiday": {"cu": [{"id": 1, "date": "2026-12-25", "name": "Christmas"}]},
      "shift_type": {"cu": [{"id": 1, "name": "Early"}, {"id": 2, "name": "Late"}]},
      "group": {"cu": [{"id": 1, "friday_requirement": 4, "holiday_requirement": 1}]},
      "shift_requirement": {"cu": [
        {"id": 1, "group_id": 1, "shift_type_id": 1, "weekday": 4, "minimum": 3, "maximum": 5},
        {"id": 2, "group_id": 1, "shift_type_id": 1, "weekday": 7, "minimum": 1, "maximum": null},
        {"id": 3, "group_id": 1, "shift_type_id": 2, "weekday": 4, "minimum": 2}]},
      "special_shift_requirement": {"cu": [
        {"id": 2, "group_id": 1, "shift_type_id": 2, "date": "2026-12-24", "minimum": 1},
        {"id": 1, "group_id": 1, "shift_type_id": 1, "date": "2026-12-18", "minimum": 6,
         "maximum": 8},
        {"id": 3, "group_id": 1, "shift_type_id": 2, "date": "2026-12-18", "minimum": 0}]},
      "special_weekday_requirement": {"cu": [
        {"id": 1, "group_id": 1, "start": "2026-12-01", "end": "2026-12-31",
         "friday_requirement": 2, "holiday_requirement": 3},
        {"id": 2, "group_id": 1, "start": "2026-12-15", "end": "2026-12-20",
         "friday_requirement": 7},
        {"id": 3, "group_id": 1, "start": "2027-01-04", "monday_requirement": 9}]}})");
    group = data.GetGroups()->FindById(1);
    early = data.GetShiftTypes()->FindById(1);
    late = data.GetShiftTypes()->FindById(2);
  }
  std::pair<int32_t, int32_t> Needed(uint32_t day, velk_data::IShiftType* type) const {
    int32_t maximum = 99;
    const int32_t minimum = group->GetShiftRequirement(day, type, &maximum);
    return {minimum, maximum};
  }

  velk_data::IGroup* group = nullptr;
  velk_data::IShiftType* early = nullptr;
  velk_data::IShiftType* late = nullptr;
};

using Limits = std::pair<int32_t, int32_t>;

TEST_F(RequirementLookupTest, ShiftRequirementOfTheDateBeforeTheDayIndexAndHolidaysApart) {
  EXPECT_EQ(Needed(Dec(11), early), Limits(3, 5));
  EXPECT_EQ(Needed(Dec(18), early), Limits(6, 8));  // the date's own
  EXPECT_EQ(Needed(Dec(18), late), Limits(0, -1));  // the date's own, though the Friday asks 2
  EXPECT_EQ(Needed(Dec(11), late), Limits(2, -1));
  EXPECT_EQ(Needed(Dec(25), early), Limits(1, -1));  // the holiday's, not the Friday's
  EXPECT_EQ(Needed(Dec(25), late), Limits(0, -1));   // no holiday requirement: none at all
  EXPECT_EQ(Needed(Dec(10), early), Limits(0, -1));
  EXPECT_EQ(group->GetShiftRequirement(Dec(11), early, nullptr), 3);

  velk_data::IShiftRequirements* weekly = group->GetShiftRequirements();
  EXPECT_EQ(weekly->FindRequirement(7, early)->GetId(), 2);
  EXPECT_EQ(weekly->FindRequirement(7, late), nullptr);
  EXPECT_EQ(weekly->FindRequirement(4, nullptr), nullptr);

  // Date order, then one shift type's records only.
  velk_data::ISpecialShiftRequirements* dated = group->GetSpecialShiftRequirements();
  std::vector<velk_data::ISpecialShiftRequirement*> found(3);
  ASSERT_EQ(dated->GetForShiftType(found.data(), late, 0, 0), 2u);
  EXPECT_EQ(found[0]->GetId(), 3);
  EXPECT_EQ(found[1]->GetId(), 2);
  EXPECT_EQ(dated->CountInRange(Dec(18), Dec(18)), 2u);
  EXPECT_EQ(dated->CountInRange(Dec(19), 0), 1u);
  EXPECT_EQ(dated->CountInRange(Dec(20), Dec(19)), 0u);
  EXPECT_EQ(dated->CountForShiftType(early, Dec(1), Dec(24)), 1u);
}

TEST_F(RequirementLookupTest, MaximumIsNullWhenThereIsNone) {
  velk_data::IShiftRequirement* first = group->GetShiftRequirements()->FindById(1);
  EXPECT_TRUE(first->HasMaximum());
  EXPECT_EQ(Narrow(group->GetShiftRequirements()->FindById(2)->ToJSON()),
            R"({"group_id": 1,"id": 2,"maximum": null,"minimum": 1,"shift_type_id": 1,)"
            R"("weekday": 7})");
  ASSERT_TRUE(
      Update(uR"({"shift_requirement": {"cu": [
      {"id": 1, "group_id": 1, "maximum": null}]}})"));
  EXPECT_EQ(first->GetMaximum(), -1);
  EXPECT_FALSE(first->HasMaximum());
  EXPECT_EQ(first->GetMinimum(), 3);  // absent keys keep their values
}

TEST_F(RequirementLookupTest, GreatestSpecialWeekdayRequirementOverTheGroupsOwn) {
  EXPECT_EQ(group->GetRequirementOnDate(Dec(11) - 14), 4);  // 27 Nov: the group's own
  EXPECT_EQ(group->GetRequirementOnDate(Dec(11)), 2);       // a special one, even if lower
  EXPECT_EQ(group->GetRequirementOnDate(Dec(18)), 7);       // two overlap: the greater
  EXPECT_EQ(group->GetRequirementOnDate(Dec(25)), 3);       // the holiday's entry
  // Open end: every Monday from 4 January 2027 on.
  EXPECT_EQ(group->GetRequirementOnDate(velk_date_time::TDate::FromYMD(6, 7, 2027).m_day), 9);

  // 27 November to 18 December: days before, inside one and inside both special periods.
  std::vector<int32_t> days(22, -1);
  EXPECT_EQ(group->GetRequirementsInRange(days.data(), Dec(11) - 14, Dec(18)), 7);
  EXPECT_EQ(days[0], 4);
  EXPECT_EQ(days[13], 0);  // Thursday 10 December
  EXPECT_EQ(days[14], 2);
  EXPECT_EQ(days[21], 7);
  // Day 0 leaves the query open, so every special requirement covers it, in a range too.
  int32_t opening[2] = {};
  group->GetRequirementsInRange(opening, 0, 1);
  EXPECT_EQ(opening[0], group->GetRequirementOnDate(0));
  EXPECT_EQ(opening[0], 9);

  velk_data::ISpecialWeekdayRequirements* special = group->GetSpecialWeekdayRequirements();
  EXPECT_EQ(special->CountInRange(0, 0), 3u);
  EXPECT_EQ(special->CountInRange(Dec(21), Dec(31)), 1u);
  velk_data::ISpecialWeekdayRequirement* first = special->FindById(1);
  EXPECT_EQ(first->GetRequirement(8), 0);
  first->SetRequirement(8, 5);
  first->SetRequirement(7, 6);
  EXPECT_EQ(first->GetRequirement(7), 6);
}

TEST_F(RequirementLookupTest, UnknownShiftTypesFailAndRestrictionsKeepTheirsOnZero) {
  EXPECT_FALSE(
      Update(uR"({"special_shift_requirement": {"cu": [
      {"id": 9, "group_id": 1, "shift_type_id": 0, "date": "2026-12-01"}]}})"));
  EXPECT_EQ(data.GetErrorCode(), 3002);
  EXPECT_EQ(Narrow(data.GetErrorText()), "Unknown shift type id for shift requirement.");
  EXPECT_EQ(group->GetSpecialShiftRequirements()->GetCount(), 3u);  // not inserted

  ASSERT_TRUE(
      Update(uR"({"employee": {"cu": [{"id": 1}]},
      "shift_type_restriction": {"cu": [
        {"id": 1, "employee_id": 1, "shift_type_id": 2, "weekday": 5, "restriction": 2}]}})"));
  velk_data::IShiftTypeRestrictions* restrictions =
      data.GetEmployees()->FindById(1)->GetShiftTypeRestrictions();
  ASSERT_TRUE(
      Update(uR"({"shift_type_restriction": {"cu": [
      {"id": 1, "employee_id": 1, "shift_type_id": 0, "weekday": 6}]}})"));
  EXPECT_EQ(restrictions->FindRestriction(late, 6)->GetRestriction(), 2);
  EXPECT_EQ(restrictions->FindRestriction(late, 5), nullptr);  // moved with its weekday
  EXPECT_FALSE(
      Update(uR"({"shift_type_restriction": {"cu": [
      {"id": 1, "employee_id": 1, "shift_type_id": 7}]}})"));
  EXPECT_EQ(Narrow(data.GetErrorText()), "Unknown shift type id for shift restriction.");
}

TEST_F(RequirementLookupTest, RemovingAShiftTypeTakesTheRecordsThatUseIt) {
  ASSERT_TRUE(
      Update(uR"({"employee": {"cu": [{"id": 1}]},
      "shift_type_restriction": {"cu": [
        {"id": 1, "employee_id": 1, "shift_type_id": 1, "weekday": 0},
        {"id": 2, "employee_id": 1, "shift_type_id": 2, "weekday": 0}]}})"));
  ASSERT_TRUE(Update(uR"({"shift_type": {"d": [{"id": 1}]}})"));
  EXPECT_EQ(IdsOf(group->GetShiftRequirements()), std::vector<int32_t>{3});
  EXPECT_EQ(IdsOf(group->GetSpecialShiftRequirements()), std::vector<int32_t>({3, 2}));
  EXPECT_EQ(IdsOf(data.GetEmployees()->FindById(1)->GetShiftTypeRestrictions()),
            std::vector<int32_t>{2});
  EXPECT_EQ(Needed(Dec(18), late), Limits(0, -1));
  EXPECT_EQ(group->GetSpecialWeekdayRequirements()->GetCount(), 3u);
}

TEST_F(RequirementLookupTest, NewRecordsWriteTheirDefaults) {
  velk_data::IShiftRequirement* requirement = group->GetShiftRequirements()->CreateItem();
  velk_data::ISpecialPeriod* period = group->GetSpecialPeriods()->CreateItem();
  ASSERT_TRUE(Update(uR"({"employee": {"cu": [{"id": 1}]}})"));
  velk_data::IShiftTypeRestriction* restriction =
      data.GetEmployees()->FindById(1)->GetShiftTypeRestrictions()->CreateItem();
  EXPECT_EQ(Narrow(requirement->ToJSON()),
            R"({"group_id": 1,"maximum": null,"minimum": 0,"weekday": 0})");
  EXPECT_EQ(Narrow(period->ToJSON()),
            R"({"color": "FFE8E0","end": "<invalid>","group_id": 1,"name": "",)"
            R"("start": "<invalid>"})");
  EXPECT_EQ(Narrow(restriction->ToJSON()), R"({"employee_id": 1,"restriction": 1,"weekday": 0})");
  EXPECT_EQ(group->GetShiftRequirements()->GetCount(), 3u);
  requirement->Release();
  period->Release();
  restriction->Release();
}

}  // namespace
