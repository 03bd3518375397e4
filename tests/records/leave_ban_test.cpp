// Leave bans and special periods count for a group's subtree: a group answers with its own
// and those of its parents, an employee with those of all his groups.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "datetime/date.h"
#include "items/item_test_util.h"
#include "model_fixture.h"

namespace {

uint32_t Day(int32_t month, int32_t day) {
  return velk_date_time::TDate::FromYMD(month, day, 2026).m_day;
}

template <class Item>
std::vector<int32_t> Ids(const std::vector<Item*>& items) {
  std::vector<int32_t> ids;
  for (Item* item : items) ids.push_back(item->GetId());
  return ids;
}

// The tree 1 <- 2 <- 3; group 5 has no parent and stays outside the tree.
class LeaveBanTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({
      "group": {"cu": [{"id": 1}, {"id": 2, "parent_group_id": 1},
                       {"id": 3, "parent_group_id": 2}, {"id": 5}]},
      "employee": {"cu": [{"id": 1}]},
      "leave_ban": {"cu": [
        {"id": 1, "group_id": 1, "filter": 0, "start": "2026-05-10", "end": "2026-05-20"},
        {"id": 2, "group_id": 2, "filter": 2, "start": "2026-07-01"},
        {"id": 3, "group_id": 3, "filter": 3, "start": "2026-08-01", "end": "2026-08-31"},
        {"id": 4, "group_id": 3, "filter": 3, "start": "2026-08-01"},
        {"id": 5, "group_id": 5, "filter": 0, "start": "2026-01-01"}]},
      "special_period": {"cu": [
        {"id": 1, "group_id": 1, "name": "Summer", "start": "2026-07-01", "end": "2026-08-31"},
        {"id": 2, "group_id": 3, "name": "Move", "start": "2026-08-10", "end": "2026-08-12"}]}})");
    for (int32_t id : {1, 2, 3, 5}) groups[id] = data.GetGroups()->FindById(id);
  }
  std::vector<velk_data::ILeaveBan*> BansUp(int32_t group, uint32_t from, uint32_t to) {
    std::vector<velk_data::ILeaveBan*> bans(groups[group]->CountLeaveBansUp(from, to));
    bans.resize(groups[group]->GetLeaveBansUp(bans.data(), from, to));
    return bans;
  }

  velk_data::IGroup* groups[6] = {};
};

TEST_F(LeaveBanTest, AGroupIsBannedByItsOwnAndItsParentsBansWithTheFilter) {
  velk_data::IGroup* team = groups[3];
  EXPECT_TRUE(team->IsLeaveBanned(Day(5, 20), 7));  // filter 0 of the root: any filter
  EXPECT_FALSE(team->IsLeaveBanned(Day(5, 21), 7));
  EXPECT_TRUE(team->IsLeaveBanned(Day(8, 15), 3));
  EXPECT_TRUE(team->IsLeaveBanned(Day(8, 15), 2));  // the parent's, open-ended
  EXPECT_FALSE(team->IsLeaveBanned(Day(6, 15), 2));
  EXPECT_TRUE(team->IsLeaveBanned(Day(12, 31), 3));       // its own open-ended one
  EXPECT_FALSE(groups[2]->IsLeaveBanned(Day(8, 15), 3));  // a child's ban does not count up

  // Own first (start, then end with the open end first), then each parent.
  EXPECT_EQ(Ids(BansUp(3, 0, 0)), std::vector<int32_t>({4, 3, 2, 1}));
  EXPECT_EQ(Ids(BansUp(3, Day(5, 1), Day(5, 31))), std::vector<int32_t>{1});
  EXPECT_EQ(Ids(BansUp(2, Day(9, 1), 0)), std::vector<int32_t>{2});
  EXPECT_EQ(IdsOf(team->GetLeaveBans()), std::vector<int32_t>({4, 3}));
  EXPECT_EQ(team->GetLeaveBans()->CountInRange(Day(9, 1), Day(9, 1)), 1u);

  std::vector<velk_data::ISpecialPeriod*> periods(2);
  ASSERT_EQ(team->GetSpecialPeriodsUp(periods.data(), Day(8, 11), Day(8, 11)), 2u);
  EXPECT_EQ(Ids(periods), std::vector<int32_t>({2, 1}));
  EXPECT_EQ(team->CountSpecialPeriodsUp(Day(8, 13), 0), 1u);
}

TEST_F(LeaveBanTest, AGroupOutsideTheTreeHasNoneEvenOfItsOwn) {
  velk_data::IGroup* outside = groups[5];
  ASSERT_FALSE(outside->IsInTree());
  EXPECT_EQ(outside->GetLeaveBans()->GetCount(), 1u);
  EXPECT_FALSE(outside->IsLeaveBanned(Day(3, 1), 0));
  EXPECT_EQ(outside->CountLeaveBansUp(0, 0), 0u);
  EXPECT_EQ(outside->CountSpecialPeriodsUp(0, 0), 0u);
}

TEST_F(LeaveBanTest, AnEmployeeSeesTheBansAndPeriodsOfHisGroups) {
  velk_data::IEmployee* employee = data.GetEmployees()->FindById(1);
  EXPECT_TRUE(employee->IsLeaveBanned(Day(5, 15), 9));
  EXPECT_FALSE(employee->IsLeaveBanned(Day(8, 15), 2));  // group 2 is not his
  std::vector<velk_data::ILeaveBan*> bans(1);
  ASSERT_EQ(employee->GetLeaveBans(bans.data(), 0, 0), 1u);
  EXPECT_EQ(bans[0]->GetId(), 1);
  EXPECT_EQ(employee->CountSpecialPeriods(Day(8, 1), Day(8, 1)), 1u);
  EXPECT_EQ(employee->CountSpecialPeriods(Day(9, 1), 0), 0u);
}

TEST_F(LeaveBanTest, AMemberSeesThoseOfHisGroupsAndTheirParentsEachOnce) {
  ASSERT_TRUE(
      Update(uR"({"employee": {"cu": [{"id": 2}]},
      "membership": {"cu": [
        {"id": 1, "employee_id": 2, "group_id": 3, "start": "2026-01-01", "end": "2026-01-31"},
        {"id": 2, "employee_id": 2, "group_id": 2, "start": "2026-02-01"},
        {"id": 3, "employee_id": 2, "group_id": 5, "start": "2026-01-01"}]}})"));
  velk_data::IEmployee* member = data.GetEmployees()->FindById(2);
  // The membership dates do not matter; group 5, outside the tree, adds nothing.
  EXPECT_TRUE(member->IsLeaveBanned(Day(12, 1), 3));
  EXPECT_FALSE(member->IsLeaveBanned(Day(3, 1), 4));
  std::vector<velk_data::ILeaveBan*> bans(4);
  ASSERT_EQ(member->GetLeaveBans(bans.data(), 0, 0), 4u);
  std::vector<int32_t> ids = Ids(bans);
  std::sort(ids.begin(), ids.end());
  EXPECT_EQ(ids, std::vector<int32_t>({1, 2, 3, 4}));
  EXPECT_EQ(member->CountSpecialPeriods(Day(8, 11), Day(8, 11)), 2u);
}

TEST_F(LeaveBanTest, WrittenWithTheirGroupAndDays) {
  EXPECT_EQ(Narrow(groups[1]->GetSpecialPeriods()->FindById(1)->ToJSON()),
            R"({"color": "FFE8E0","end": "2026-08-31","group_id": 1,"id": 1,"name": "Summer",)"
            R"("start": "2026-07-01"})");
  // A null day keeps the day: a message that leaves the end out does not reopen the ban.
  ASSERT_TRUE(
      Update(uR"({"leave_ban": {"cu": [
      {"id": 3, "group_id": 3, "end": null, "start": "2026-07-15"}]}})"));
  velk_data::ILeaveBan* ban = groups[3]->GetLeaveBans()->FindById(3);
  EXPECT_EQ(ban->GetEnd(), Day(8, 31));
  EXPECT_EQ(ban->GetFilter(), 3);
  EXPECT_EQ(IdsOf(groups[3]->GetLeaveBans()), std::vector<int32_t>({3, 4}));  // moved
  // Removing a group takes its records with it.
  ASSERT_TRUE(Update(uR"({"group": {"d": [{"id": 3}]}})"));
  EXPECT_EQ(groups[2]->CountLeaveBansUp(0, 0), 2u);
}

}  // namespace
