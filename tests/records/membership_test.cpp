// Memberships: what counts for a group (its subtree; the root always), membership intervals
// with and without employment, the range query, and the JSON form.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "model_fixture.h"
#include "test_dates.h"

namespace {

using Ranges = std::vector<std::pair<uint32_t, uint32_t>>;

// Root 1 with ward 2 below it and team 3 below the ward; group 9 is outside the tree.
constexpr const char16_t* kOrganisation =
    uR"({
  "group": {"cu": [{"id": 1}, {"id": 2, "parent_group_id": 1}, {"id": 3, "parent_group_id": 2},
                   {"id": 9, "parent_group_id": 77}]},
  "employee": {"cu": [{"id": 1}, {"id": 2}]},
  "employment_period": {"cu": [
    {"id": 1, "employee_id": 1, "start": "2026-03-01", "end": "2026-03-20"},
    {"id": 2, "employee_id": 1, "start": "2026-04-01", "end": null}]},
  "membership": {"cu": [
    {"id": 1, "employee_id": 1, "group_id": 3, "start": "2026-02-01", "end": "2026-03-10"},
    {"id": 2, "employee_id": 1, "group_id": 3, "start": "2026-03-11", "end": "2026-04-10",
     "rate": 50},
    {"id": 3, "employee_id": 1, "group_id": 9, "start": null, "end": null}]}})";

class MembershipTest : public ModelTest {
 protected:
  void SetUp() override { Load(kOrganisation); }
  velk_data::IGroup* Group(int32_t id) { return data.GetGroups()->FindById(id); }
  velk_data::IMemberships* Of(int32_t employee) {
    return data.GetEmployees()->FindById(employee)->GetMemberships();
  }
  Ranges Intervals(int32_t employee, int32_t group, uint32_t start, uint32_t end, bool within) {
    uint32_t starts[8], ends[8];
    const uint32_t n =
        Of(employee)->GetMembershipIntervals(starts, ends, Group(group), start, end, within);
    EXPECT_EQ(Of(employee)->CountMembershipIntervals(Group(group), start, end, within), n);
    Ranges out;
    for (uint32_t i = 0; i < n; ++i) out.emplace_back(starts[i], ends[i]);
    return out;
  }
};

TEST_F(MembershipTest, AMembershipCountsForItsGroupAndEveryGroupAboveAndTheRootForEveryone) {
  EXPECT_TRUE(Of(1)->IsMember(Group(2)));
  EXPECT_TRUE(Of(1)->IsMemberOn(Group(2), Day(2026, 4, 10)));
  EXPECT_FALSE(Of(1)->IsMemberOn(Group(2), Day(2026, 4, 11)));
  EXPECT_FALSE(Of(2)->IsMember(Group(2)));
  EXPECT_TRUE(Of(2)->IsMember(Group(1)));
  EXPECT_TRUE(Of(2)->IsMemberOn(Group(1), Day(1990, 1, 1)));
  EXPECT_TRUE(Of(1)->IsMemberOn(Group(9), Day(1990, 1, 1)));  // outside the tree: itself only
}

TEST_F(MembershipTest, IntervalsWithoutEmploymentAreMergedButNotClipped) {
  const Ranges whole{{Day(2026, 2, 1), Day(2026, 4, 10)}};
  EXPECT_EQ(Intervals(1, 2, Day(2026, 3, 5), Day(2026, 3, 6), false), whole);
  EXPECT_EQ(Intervals(2, 2, 0, 0, false), Ranges{});
  EXPECT_EQ(Intervals(2, 1, Day(2026, 3, 5), Day(2026, 3, 6), false), (Ranges{{0, 0}}));
}

TEST_F(MembershipTest, IntervalsWithinEmploymentAreCutToTheEmploymentOfTheRange) {
  EXPECT_EQ(Intervals(1, 3, 0, 0, true),
            (Ranges{{Day(2026, 3, 1), Day(2026, 3, 20)}, {Day(2026, 4, 1), Day(2026, 4, 10)}}));
  EXPECT_EQ(Intervals(1, 3, Day(2026, 3, 15), Day(2026, 4, 5), true),
            (Ranges{{Day(2026, 3, 15), Day(2026, 3, 20)}, {Day(2026, 4, 1), Day(2026, 4, 5)}}));
  EXPECT_EQ(Intervals(1, 1, Day(2026, 3, 15), 0, true),
            (Ranges{{Day(2026, 3, 15), Day(2026, 3, 20)}, {Day(2026, 4, 1), 0}}));
  EXPECT_EQ(Intervals(2, 1, 0, 0, true), Ranges{});  // the root, but never employed
}

TEST_F(MembershipTest, RangeQueryWithAndWithoutEmployment) {
  // 21 to 31 March: membership 2 overlaps, but the employee is not employed then.
  EXPECT_EQ(Of(1)->CountInRange(Day(2026, 3, 21), Day(2026, 3, 31), false), 2u);
  EXPECT_EQ(Of(1)->CountInRange(Day(2026, 3, 21), Day(2026, 3, 31), true), 0u);
  EXPECT_EQ(Of(1)->CountInRange(Day(2026, 2, 1), Day(2026, 2, 28), true), 0u);
  velk_data::IMembership* found[3];
  ASSERT_EQ(Of(1)->GetInRange(found, Day(2026, 3, 15), Day(2026, 4, 5), true), 2u);
  EXPECT_EQ(found[0]->GetRate() + found[1]->GetRate(), 150);  // the group-9 one and id 2
  EXPECT_EQ(Of(1)->CountInRange(Day(2026, 4, 11), 0, false), 1u);
}

TEST_F(MembershipTest, JsonFormAndAGroupIdThatNamesNothing) {
  velk_data::IMembership* open = Of(1)->FindById(3);
  EXPECT_EQ(Narrow(open->ToJSON()),
            R"({"employee_id": 1,"end": null,"group_id": 9,"id": 3,"rate": 100,"start": null})");
  EXPECT_EQ(Narrow(Of(1)->FindById(1)->ToJSON()),
            R"({"employee_id": 1,"end": "2026-03-10","group_id": 3,"id": 1,"rate": 100,)"
            R"("start": "2026-02-01"})");
  for (const char16_t* bad :
       {uR"({"membership": {"cu": [{"id": 5, "employee_id": 2, "group_id": 0}]}})",
        uR"({"membership": {"cu": [{"id": 5, "employee_id": 2, "group_id": 44}]}})"}) {
    EXPECT_EQ(Update(bad), nullptr);
    EXPECT_EQ(Error(), "Unknown group id for Membership. (3002)");
    EXPECT_EQ(Of(2)->GetCount(), 0u);
  }
  // A group that goes takes its memberships with it.
  ASSERT_TRUE(Update(uR"({"group": {"d": [{"id": 3}]}})"));
  EXPECT_EQ(Of(1)->GetCount(), 1u);
}

}  // namespace
