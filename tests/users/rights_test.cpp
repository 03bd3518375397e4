// User profiles, the current user and the permissions derived from its rights.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "velk_data.h"

namespace {

class RightsTest : public ModelTest {
 protected:
  velk_data::IUserSpecification* User(int32_t id) {
    return data.GetUserSpecifications()->FindById(id);
  }
};

TEST_F(RightsTest, NewSpecificationAndItsJson) {
  velk_data::IUserSpecification* user = data.GetUserSpecifications()->CreateItem();
  EXPECT_EQ(
      Narrow(user->ToJSON()),
      R"({"categories": "00000000000000000000","collaborator_id": -1,"create_employees": false,)"
      R"("create_reports": true,)"
      R"("delete_employees": false,"description": "","employee_master_data_visibility_restriction": 0,)"
      R"("open_group_window_restriction": 0,"open_settings_window": true,)"
      R"("open_staff_administration_window": true,"read_only_absences_display": 0,)"
      R"("rights": "full","schedule_custom_shifts": true,"schedule_overtimes": true,)"
      R"("show_read_only_notes": true,"staff_table_minimized": false,"statistics_restriction": 0,)"
      R"("update_employee_master_data": true})");
  user->Release();

  Load(
      uR"({"user_specification": {"cu": [
    {"id": 1, "collaborator_id": 7, "rights": "read-only", "categories": "0101"},
    {"id": 2, "collaborator_id": 8, "rights": "admin", "categories": ""}]}})");
  EXPECT_TRUE(User(1)->HasReadOnlyRights());
  EXPECT_FALSE(User(1)->IsCategoryAllowed(1));
  EXPECT_TRUE(User(1)->IsCategoryAllowed(2));
  EXPECT_TRUE(User(1)->IsCategoryAllowed(4));
  EXPECT_NE(Narrow(User(1)->ToJSON()).find(R"("categories": "01010000000000000000")"),
            std::string::npos);
  EXPECT_TRUE(User(2)->HasFullRights());  // an unknown word leaves the rights alone

  // Updates without "rights" or "categories" keep them.
  ASSERT_NE(Update(uR"({"user_specification": {"cu": [{"id": 1, "description": "Nurse"}]}})"),
            nullptr);
  EXPECT_TRUE(User(1)->HasReadOnlyRights());
  EXPECT_TRUE(User(1)->IsCategoryAllowed(4));
}

TEST_F(RightsTest, AssignCopiesEveryCategory) {
  velk_data::IUserSpecification* source = data.GetUserSpecifications()->CreateItem();
  velk_data::IUserSpecification* copy = data.GetUserSpecifications()->CreateItem();
  source->SetCategoryAllowed(3, true);
  source->SetCategoryAllowed(25, true);  // beyond what JSON carries
  copy->SetCategoryAllowed(4, true);
  copy->Assign(source);
  EXPECT_TRUE(copy->IsCategoryAllowed(3));
  EXPECT_TRUE(copy->IsCategoryAllowed(25));
  EXPECT_FALSE(copy->IsCategoryAllowed(4));
  source->Assign(source);
  EXPECT_TRUE(source->IsCategoryAllowed(3));
  source->Release();
  copy->Release();
}

TEST_F(RightsTest, CurrentUserOwnOrDefault) {
  Load(
      uR"({"user_specification": {"cu": [{"id": 1, "collaborator_id": 7, "rights": "restricted"}]},
            "employee": {"cu": [{"id": 3}]}})");
  EXPECT_EQ(data.GetCurrentCollaboratorId(), -1);  // nobody signed in yet
  EXPECT_EQ(data.GetCurrentUserSpecification(), nullptr);

  data.SetCurrentUser(7, false, 0);  // has a profile of its own
  EXPECT_EQ(data.GetCurrentUserSpecification(), User(1));
  EXPECT_TRUE(data.HasRestrictedRights());
  EXPECT_TRUE(data.IsReadOnlyUser());  // restricted, and no access entry allows writing

  data.SetCurrentUser(9, false, 1);  // none of its own: the default, with the rights given
  EXPECT_EQ(data.GetCurrentCollaboratorId(), 9);
  EXPECT_TRUE(data.HasReadOnlyRights());
  EXPECT_NE(data.GetCurrentUserSpecification(), User(1));

  data.SetCurrentUser(7, true, 2);  // full rights always take the default
  EXPECT_TRUE(data.HasFullRights());
  EXPECT_FALSE(data.IsReadOnlyUser());
  EXPECT_EQ(data.GetCurrentCollaboratorId(), 7);
  EXPECT_EQ(User(1)->GetRights(), 2u);  // the collaborator's own profile is untouched

  data.Clear();
  EXPECT_EQ(data.GetCurrentUserSpecification(), nullptr);
}

TEST_F(RightsTest, RemovingTheCurrentUsersProfileKeepsHisRights) {
  Load(
      uR"({"user_specification": {"cu": [{"id": 1, "collaborator_id": 7, "rights": "read-only"}]}})");
  data.SetCurrentUser(7, false, 0);
  ASSERT_NE(Update(uR"({"user_specification": {"d": [{"id": 1}]}})"), nullptr) << Error();
  EXPECT_EQ(data.GetUserSpecifications()->GetCount(), 0u);
  ASSERT_NE(data.GetCurrentUserSpecification(), nullptr);
  EXPECT_EQ(data.GetCurrentCollaboratorId(), 7);
  EXPECT_TRUE(data.HasReadOnlyRights());
}

TEST_F(RightsTest, EmployeePermissionsFollowTheUsersRights) {
  Load(
      uR"({"employee": {"cu": [{"id": 3}, {"id": 4}]},
            "group": {"cu": [{"id": 1, "name": "Clinic"}]}})");
  velk_data::IEmployee* employee = data.GetEmployees()->FindById(3);
  EXPECT_EQ(data.GetEmployeePermission(employee), 2);  // nobody signed in: read and write

  data.SetCurrentUser(5, false, 1);
  ASSERT_NE(Update(uR"({"debug_info": {}})"), nullptr) << Error();
  EXPECT_EQ(data.GetEmployeePermission(employee), 1);
  EXPECT_EQ(data.GetGroupPermission(data.GetGroups()->FindById(1)), 1);

  // A restricted user's permissions come from the message alone.
  data.SetCurrentUser(5, false, 2);
  ASSERT_NE(Update(uR"({"restricted_access": [{"id": 3, "permissions": "read-and-write"}]})"),
            nullptr)
      << Error();
  EXPECT_EQ(data.GetEmployeePermission(employee), 2);
  EXPECT_EQ(data.GetEmployees()->GetCount(), 1u);  // employee 4 was not listed
  EXPECT_EQ(data.GetGroupPermission(data.GetGroups()->FindById(1)), -1);  // no access entry

  data.SetCurrentUser(5, true, 0);
  EXPECT_EQ(data.GetGroupPermission(data.GetGroups()->FindById(1)), 2);
}

}  // namespace
