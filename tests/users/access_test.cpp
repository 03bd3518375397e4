// Access entries and what a restricted user may do through them: the group permission inherited
// from the nearest entry up the tree, and whether any entry lets him write at all.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "velk_data.h"

namespace {

class AccessTest : public ModelTest {
 protected:
  // Clinic 1 > Ward 2 > Team 3 > Shift 4, and Ward 5 under the clinic; group 6 names a missing
  // parent, so it is outside the tree. Collaborator 7 is the restricted planner; collaborator
  // 8's entry sits between his.
  void SetUp() override {
    Load(
        uR"({"group": {"cu": [{"id": 1}, {"id": 2, "parent_group_id": 1},
                               {"id": 3, "parent_group_id": 2}, {"id": 4, "parent_group_id": 3},
                               {"id": 5, "parent_group_id": 1}, {"id": 6, "parent_group_id": 99}]},
              "employee": {"cu": [{"id": 9}]},
              "group_access": {"cu": [
                {"id": 1, "collaborator_id": 7, "group_id": 2, "permissions": "read-only"},
                {"id": 2, "collaborator_id": 8, "group_id": 3, "permissions": "read-and-write"},
                {"id": 3, "collaborator_id": 7, "group_id": 6, "permissions": "read-only"},
                {"id": 4, "collaborator_id": 7, "group_id": 2, "permissions": "write"}]}})");
    data.SetCurrentUser(7, false, 2);
  }
  velk_data::IGroup* Group(int32_t id) const { return data.GetGroups()->FindById(id); }
  int32_t Permission(int32_t group) const { return data.GetGroupPermission(Group(group)); }
  velk_data::IGroupAccesses* Entries() const { return data.GetGroupAccesses(); }
};

TEST_F(AccessTest, EntriesReadPermissionWordsAndRejectTargetsThatDoNotExist) {
  EXPECT_EQ(Narrow(Entries()->FindById(1)->ToJSON()),
            R"({"collaborator_id": 7,"group_id": 2,"id": 1,"permissions": "read-only"})");
  EXPECT_EQ(Entries()->FindById(4)->GetPermission(), 0u);        // an unknown word gives none
  EXPECT_EQ(Entries()->FindForTarget(Group(2), 7)->GetId(), 1);  // the first in load order
  EXPECT_EQ(Entries()->GetAtForCollaborator(1, 8), nullptr);

  // A present key is always looked up, 0 too; the failing entry changes nothing.
  EXPECT_EQ(Update(uR"({"employee_access": {"cu": [{"id": 1, "employee_id": 0}]}})"), nullptr);
  EXPECT_EQ(Error(), "Unknown employee id for employee access item. (3002)");
  EXPECT_EQ(Update(uR"({"group_access": {"cu": [{"id": 1, "group_id": 99}]}})"), nullptr);
  EXPECT_EQ(Error(), "Unknown group id for group access item. (3002)");
  EXPECT_EQ(data.GetEmployeeAccesses()->GetCount(), 0u);
  EXPECT_EQ(Entries()->FindById(1)->GetGroup(), Group(2));
}

TEST_F(AccessTest, TheNearestEntryOfTheUserUpTheTreeDecides) {
  EXPECT_EQ(Permission(4), 1);   // from 2: the entry on 3 is another collaborator's
  EXPECT_EQ(Permission(5), -1);  // nothing at or above it
  EXPECT_EQ(Permission(6), -1);  // outside the tree, though it has an entry
  ASSERT_NE(Update(uR"({"group_access": {"cu": [
                {"id": 5, "collaborator_id": 7, "group_id": 3, "permissions": "none"},
                {"id": 6, "collaborator_id": 7, "group_id": 1}]}})"),
            nullptr)
      << Error();
  EXPECT_EQ(Permission(4), 0);
  EXPECT_EQ(Permission(5), 2);

  // Entries go with their group: without its own, the ward inherits from the clinic.
  ASSERT_NE(Update(uR"({"group": {"d": [{"id": 2}]}})"), nullptr) << Error();
  EXPECT_EQ(Entries()->GetCount(), 4u);  // 8's entry on 3 stays
  ASSERT_NE(Update(uR"({"group": {"cu": [{"id": 2, "parent_group_id": 1}]}})"), nullptr);
  EXPECT_EQ(Permission(2), 2);
  data.SetCurrentUser(11, false, 2);  // no entries at all
  EXPECT_EQ(Permission(2), -1);
}

TEST_F(AccessTest, ARestrictedUserWritesWhenAnyEntryOfAnyoneAllowsIt) {
  EXPECT_FALSE(data.IsReadOnlyUser());  // collaborator 8's entry
  ASSERT_NE(Update(uR"({"group_access": {"d": [{"id": 2}]}})"), nullptr) << Error();
  EXPECT_TRUE(data.IsReadOnlyUser());
  ASSERT_NE(Update(uR"({"employee_access": {"cu": [
                {"id": 1, "collaborator_id": 12, "employee_id": 9}]}})"),
            nullptr)
      << Error();
  EXPECT_FALSE(data.IsReadOnlyUser());
  ASSERT_NE(Update(uR"({"employee": {"d": [{"id": 9}]}})"), nullptr) << Error();
  EXPECT_EQ(data.GetEmployeeAccesses()->GetCount(), 0u);  // gone with the employee
  EXPECT_TRUE(data.IsReadOnlyUser());
}

}  // namespace
