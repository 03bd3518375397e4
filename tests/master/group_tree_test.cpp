#include <string>
#include <vector>

#include "datetime/date.h"
#include "model_fixture.h"

namespace {

// 1 January 2024, a Monday.
const uint32_t kMonday = velk_date_time::TDate::FromYMD(1, 1, 2024).m_day;

class GroupTreeTest : public ModelTest {
 protected:
  velk_data::IGroup* Find(int32_t id) { return data.GetGroups()->FindById(id); }
  // Names in walk order, each indented by its depth.
  std::string Walk(velk_data::IGroup* start, const char16_t* locale = nullptr) {
    std::string text;
    velk_data::IGroupIterator* it = start->CreateIterator(locale);
    for (velk_data::IGroup* group = it->GetCurrent(); group; group = it->Next())
      text += std::string(it->GetDepth(), ' ') + Narrow(group->GetName()) + ";";
    EXPECT_EQ(it->Next(), nullptr);
    it->Release();
    return text;
  }
};

TEST_F(GroupTreeTest, LowestParentlessIdIsRootAndBrokenChainsStayOutside) {
  // 5 and 3 have no parent; 7 names a missing group; 8 and 9 name each other.
  Load(
      uR"({"group": {"cu": [{"id": 5, "name": "five"}, {"id": 3, "name": "three"},
      {"id": 4, "parent_group_id": 3, "name": "four"}, {"id": 6, "parent_group_id": 5},
      {"id": 7, "parent_group_id": 99}, {"id": 8, "parent_group_id": 9, "name": "eight"},
      {"id": 9, "parent_group_id": 8, "name": "nine"}]}})");
  EXPECT_EQ(data.GetGroups()->GetRootGroup(), Find(3));
  for (int32_t id : {3, 4}) EXPECT_TRUE(Find(id)->IsInTree()) << id;
  for (int32_t id : {5, 6, 7, 8, 9}) EXPECT_FALSE(Find(id)->IsInTree()) << id;
  EXPECT_TRUE(Find(4)->IsWithin(Find(3)));
  EXPECT_FALSE(Find(3)->IsWithin(Find(4)));
  EXPECT_FALSE(Find(6)->IsWithin(Find(5)));
  EXPECT_EQ(Find(5)->CountChildGroups(), 1u);

  const std::string dangling = Narrow(Find(7)->ToJSON());
  EXPECT_NE(dangling.find("\"parent_group_id\": null"), std::string::npos) << dangling;
  const std::string linked = Narrow(Find(4)->ToJSON());
  EXPECT_NE(linked.find("\"parent_group_id\": 3,"), std::string::npos) << linked;
  EXPECT_NE(linked.find("\"color_name_bk\": \"E0E0E0\""), std::string::npos) << linked;
  // A walk that starts on a cycle ends when it comes round to its start.
  EXPECT_EQ(Walk(Find(8)), "eight; nine;");

  // A message without groups keeps the tree; one with groups rebuilds it.
  Update(uR"({"employee": {"cu": [{"id": 1}]}})");
  EXPECT_EQ(data.GetGroups()->GetRootGroup(), Find(3));
  Update(uR"({"group": {"cu": [{"id": 7, "parent_group_id": 4, "name": "seven"}]}})");
  EXPECT_EQ(Walk(Find(3)), "three; four;  seven;");
}

TEST_F(GroupTreeTest, AGroupLoadedWithoutAnIdCanBeNamedAsParent) {
  Load(
      uR"({"group": {"cu": [{"id": 1, "name": "one"}, {"name": "anonymous"},
      {"id": 2, "parent_group_id": -1, "name": "two"}]}})");
  velk_data::IGroup* anonymous = data.GetGroups()->GetAt(1);
  EXPECT_EQ(data.GetGroups()->GetRootGroup(), anonymous);
  EXPECT_EQ(Find(2)->GetParentGroup(), anonymous);
  EXPECT_EQ(Walk(anonymous), "anonymous; two;");
}

TEST_F(GroupTreeTest, SiblingsComeByPositionThenByNameInTheLocale) {
  Load(
      uR"({"group": {"cu": [{"id": 1, "name": "root"},
      {"id": 2, "parent_group_id": 1, "position": 2, "name": "last"},
      {"id": 3, "parent_group_id": 1, "position": 1, "name": "zoo"},
      {"id": 4, "parent_group_id": 1, "position": 1, "name": "Äpfel"},
      {"id": 5, "parent_group_id": 1, "position": 1, "name": "B"},
      {"id": 6, "parent_group_id": 1, "position": 1, "name": "apfel"},
      {"id": 7, "parent_group_id": 5, "name": "under B"}]}})");
  const std::string order = "root; apfel; Äpfel; B;  under B; zoo; last;";
  EXPECT_EQ(Walk(Find(1)), order);
  EXPECT_EQ(Walk(Find(1), u"de-DE"), order);
  EXPECT_EQ(Walk(Find(5)), "B; under B;");

  velk_data::IGroupIterator* it = Find(1)->CreateIterator(nullptr);
  while (it->Next()) {
  }
  EXPECT_EQ(it->GetCurrent(), nullptr);
  EXPECT_EQ(it->Reset(), Find(1));
  EXPECT_EQ(it->GetDepth(), 0u);
  EXPECT_EQ(it->Next(), Find(6));
  it->Release();

  // Child groups come in collection order, not walk order.
  velk_data::IGroup* children[5] = {};
  ASSERT_EQ(Find(1)->GetChildGroups(children), 5u);
  EXPECT_EQ(children[0], Find(2));
}

TEST_F(GroupTreeTest, HolidaysUseTheHolidayRequirement) {
  Load(
      uR"({"holiday": {"cu": [{"id": 1, "date": "2024-01-01", "name": "New Year"}]},
      "group": {"cu": [{"id": 1, "monday_requirement": 2, "tuesday_requirement": 3,
      "sunday_requirement": 1, "holiday_requirement": 9}]}})");
  velk_data::IGroup* group = Find(1);
  EXPECT_EQ(group->GetRequirementOnDate(kMonday), 9);
  EXPECT_EQ(group->GetRequirementOnDate(kMonday + 7), 2);
  int32_t week[8] = {};
  EXPECT_EQ(group->GetRequirementsInRange(week, kMonday + 1, kMonday + 7), 3);
  EXPECT_EQ(std::vector<int32_t>(week, week + 7), (std::vector<int32_t>{3, 0, 0, 0, 0, 1, 2}));
  group->SetRequirement(8, 5);
  EXPECT_EQ(group->GetRequirement(8), 0);
  int32_t second = 0;
  EXPECT_EQ(group->GetShiftRequirement(kMonday, nullptr, &second), 0);
  EXPECT_EQ(second, -1);
}

TEST_F(GroupTreeTest, ParentsLinkedIntoACycleBetweenMessagesStopEveryWalkUp) {
  Load(
      uR"({"group": {"cu": [{"id": 1}, {"id": 2, "parent_group_id": 1},
      {"id": 3, "parent_group_id": 2}]}, "employee": {"cu": [{"id": 1}]},
      "membership": {"cu": [{"id": 1, "employee_id": 1, "group_id": 3}]},
      "leave_ban": {"cu": [{"id": 1, "group_id": 2, "start": "2024-01-01"}]}})");
  Find(2)->SetParentGroup(Find(3));  // still marked in the tree until the next message
  EXPECT_FALSE(Find(3)->IsWithin(Find(1)));
  EXPECT_TRUE(Find(3)->IsWithin(Find(2)));
  EXPECT_GE(Find(3)->CountLeaveBansUp(0, 0), 1u);  // round the cycle a bounded number of times
  EXPECT_EQ(data.GetEmployees()->FindById(1)->CountGroups(), 3u);  // the root, 3 and 2
  data.SetCurrentUser(7, false, 2);
  EXPECT_EQ(data.GetGroupPermission(Find(3)), -1);
}

TEST_F(GroupTreeTest, RemovingAGroupCutsItsChildrenOffTheTree) {
  Load(
      uR"({"group": {"cu": [{"id": 1}, {"id": 2, "parent_group_id": 1},
      {"id": 3, "parent_group_id": 2}]}, "employee": {"cu": [{"id": 1}]}})");
  Update(uR"({"group": {"d": [{"id": 2}]}})");
  EXPECT_FALSE(Find(3)->IsInTree());
  EXPECT_EQ(Find(3)->GetParentGroup(), nullptr);
  Update(uR"({"group": {"d": [{"id": 1}]}})");
  // The orphan is now the only parentless group, so it becomes the root.
  EXPECT_EQ(data.GetGroups()->GetRootGroup(), Find(3));
  velk_data::IGroup* groups[1] = {};
  ASSERT_EQ(data.GetEmployees()->GetAt(0)->GetGroups(groups), 1u);
  EXPECT_EQ(groups[0], Find(3));
  // The stored parent id survives and re-links once its group is back.
  Update(uR"({"group": {"cu": [{"id": 2}]}})");
  EXPECT_EQ(Find(3)->GetParentGroup(), Find(2));
}

}  // namespace
