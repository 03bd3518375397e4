// What employees and groups answer from employment periods, memberships and individual
// working times: employment tests, group sets, the members of a group, target hours.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "model_fixture.h"
#include "test_dates.h"

namespace {

// Root 1, ward 2 below it, team 3 below the ward; group 9 outside the tree. Anna (1) is
// employed 1-20 March and from 1 April, in team 3 until 10 April; Ben (2) is in the ward all
// the time but employed only from 1 May; Carl (3) has nothing.
constexpr const char16_t* kOrganisation =
    uR"({
  "working_time_model": {"cu": [
    {"id": 1, "basic_type": 1, "daily_hours": 8, "workdays": "11111000"},
    {"id": 2, "basic_type": 1, "daily_hours": 4, "workdays": "11111000"}]},
  "group": {"cu": [{"id": 1}, {"id": 2, "parent_group_id": 1}, {"id": 3, "parent_group_id": 2},
                   {"id": 9, "parent_group_id": 77}]},
  "employee": {"cu": [{"id": 1}, {"id": 2}, {"id": 3}]},
  "employment_period": {"cu": [
    {"id": 1, "employee_id": 1, "start": "2026-03-01", "end": "2026-03-20"},
    {"id": 2, "employee_id": 1, "start": "2026-04-01", "end": null},
    {"id": 3, "employee_id": 2, "start": "2026-05-01", "end": "2026-12-31"}]},
  "membership": {"cu": [
    {"id": 1, "employee_id": 1, "group_id": 3, "start": "2026-03-01", "end": "2026-04-10"},
    {"id": 2, "employee_id": 1, "group_id": 9},
    {"id": 3, "employee_id": 2, "group_id": 2},
    {"id": 4, "employee_id": 2, "group_id": 2, "start": "2027-01-01"}]},
  "individual_working_time": {"cu": [
    {"id": 1, "employee_id": 1, "working_time_model_id": 1, "date": "2026-01-01"},
    {"id": 2, "employee_id": 1, "working_time_model_id": 2, "date": "2026-03-12"}]}})";

class EmployeeSlotsTest : public ModelTest {
 protected:
  void SetUp() override { Load(kOrganisation); }
  velk_data::IEmployee* Employee(int32_t id) { return data.GetEmployees()->FindById(id); }
  velk_data::IGroup* Group(int32_t id) { return data.GetGroups()->FindById(id); }
  std::set<int32_t> Ids(velk_data::IGroup* group, uint32_t from, uint32_t to, bool employed) {
    velk_data::IEmployee* out[3];
    const uint32_t n = group->GetEmployees(out, from, to, employed);
    EXPECT_EQ(group->CountEmployees(from, to, employed), n);
    std::set<int32_t> ids;
    for (uint32_t i = 0; i < n; ++i) ids.insert(out[i]->GetId());
    return ids;
  }
};

TEST_F(EmployeeSlotsTest, EmploymentTests) {
  velk_data::IEmployee* anna = Employee(1);
  EXPECT_TRUE(anna->IsEmployedOn(Day(2026, 3, 20)));
  EXPECT_FALSE(anna->IsEmployedOn(Day(2026, 3, 21)));
  EXPECT_TRUE(anna->IsEmployedIn(Day(2026, 3, 15), Day(2026, 4, 15), false));
  EXPECT_FALSE(anna->IsEmployedIn(Day(2026, 3, 15), Day(2026, 4, 15), true));  // two pieces
  EXPECT_FALSE(anna->IsEmployedIn(Day(2026, 2, 15), Day(2026, 3, 10), true));  // starts later
  EXPECT_TRUE(anna->IsEmployedIn(Day(2026, 3, 2), Day(2026, 3, 10), true));
  EXPECT_FALSE(anna->IsOutsideEmployment(Day(2030, 1, 1)));         // open-ended
  EXPECT_FALSE(Employee(2)->IsOutsideEmployment(Day(2026, 1, 1)));  // before the start
  EXPECT_TRUE(Employee(2)->IsOutsideEmployment(Day(2027, 1, 1)));
  EXPECT_TRUE(Employee(3)->IsOutsideEmployment(Day(2026, 1, 1)));
}

TEST_F(EmployeeSlotsTest, GroupSetsHoldTheRootAndWhatMembershipsNameInTheTree) {
  velk_data::IGroup* out[4];
  ASSERT_EQ(Employee(1)->GetGroups(out), 3u);  // root, ward, team; group 9 is outside
  EXPECT_EQ(std::set<velk_data::IGroup*>(out, out + 3),
            (std::set<velk_data::IGroup*>{Group(1), Group(2), Group(3)}));
  EXPECT_EQ(Employee(3)->CountGroups(), 1u);
  ASSERT_EQ(Employee(1)->GetMemberGroups(out), 2u);
  EXPECT_EQ(std::set<velk_data::IGroup*>(out, out + 2),
            (std::set<velk_data::IGroup*>{Group(3), Group(9)}));
  EXPECT_EQ(Employee(2)->CountMemberGroups(), 1u);
  // The cache holds until the next message empties it.
  ASSERT_TRUE(Update(uR"({"membership": {"d": [{"id": 1}]}})"));
  EXPECT_EQ(Employee(1)->CountGroups(), 1u);
}

TEST_F(EmployeeSlotsTest, MembersOfAGroupOverARange) {
  EXPECT_EQ(Group(3)->CountDirectMemberships(), 1u);
  EXPECT_EQ(Group(2)->CountDirectMemberships(), 2u);
  EXPECT_EQ(Ids(Group(2), 0, 0, false), (std::set<int32_t>{1, 2}));
  EXPECT_EQ(Group(2)->CountAllEmployees(), 2u);
  EXPECT_EQ(Group(9)->CountAllEmployees(), 1u);
  EXPECT_EQ(Ids(Group(2), Day(2026, 4, 11), Day(2026, 4, 30), false), (std::set<int32_t>{2}));
  EXPECT_EQ(Ids(Group(2), Day(2026, 4, 11), Day(2026, 4, 30), true), (std::set<int32_t>{}));
  EXPECT_EQ(Ids(Group(2), Day(2026, 3, 21), Day(2026, 3, 31), true), (std::set<int32_t>{}));
  EXPECT_EQ(Ids(Group(3), Day(2026, 3, 21), Day(2026, 4, 1), true), (std::set<int32_t>{1}));
  // The root: everybody, or whoever is employed in the range whatever his memberships.
  EXPECT_EQ(Group(1)->CountAllEmployees(), 3u);
  EXPECT_EQ(Ids(Group(1), Day(2026, 5, 1), Day(2026, 5, 1), true), (std::set<int32_t>{1, 2}));
}

TEST_F(EmployeeSlotsTest, TargetHoursFollowTheModelInForceOnEachEmployedDay) {
  // 2-13 March: Monday to Friday twice, the model changes on Thursday the 12th.
  velk_data::IEmployee* anna = Employee(1);
  EXPECT_EQ(anna->GetTargetHours(Day(2026, 3, 2), Day(2026, 3, 13)), 8 * 8 + 2 * 4.0);
  // 16 March to 3 April: employed 16-20 March and 1-3 April.
  EXPECT_EQ(anna->GetTargetHours(Day(2026, 3, 16), Day(2026, 4, 3)), 8 * 4.0);
  EXPECT_EQ(Employee(2)->GetTargetHours(Day(2026, 5, 1), Day(2026, 5, 31)), 0.0);
}

}  // namespace
