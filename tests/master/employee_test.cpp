#include <string>

#include "model_fixture.h"

namespace {

class EmployeeTest : public ModelTest {
 protected:
  velk_data::IEmployee* Find(int32_t id) { return data.GetEmployees()->FindById(id); }
};

TEST_F(EmployeeTest, NewEmployeeWritesEveryMemberWithItsDefault) {
  velk_data::IEmployee* employee = data.GetEmployees()->CreateItem();
  // Members come in key order (the JSON object keeps them sorted).
  std::string expected =
      R"({"alias": "","birthday": null,"bold_text": false,"color_name_bk": "FFFFFF",)"
      R"("color_name_fg": "000000","color_schedule_bk": "FFFFFF","color_schedule_fg": "000000",)";
  for (const char* stem : {"custom_field_name_", "custom_field_value_"})
    for (char i = '0'; i < '8'; ++i) expected += std::string("\"") + stem + i + "\": \"\",";
  expected +=
      R"("email": "","firstname": "","function": "","lastname": "","note": "",)"
      R"("personnel_number": "","phone_0": "","phone_1": "","position": 0,"salutation": "",)"
      R"("sex": 0,"street": "","town": "","zip": ""})";
  EXPECT_EQ(Narrow(employee->ToJSON()), expected);
  EXPECT_EQ(employee->GetPermission(), 1);
  employee->Release();
}

TEST_F(EmployeeTest, ReadsItsMembersAndKeepsWhatIsAbsentOrOfTheWrongKind) {
  Load(
      uR"({"employee": {"cu": [{"id": 7, "position": 2, "sex": 1, "birthday": "1980-02-29",
        "lastname": "Kühn", "custom_field_name_7": "Shoe size", "custom_field_value_7": "44",
        "color_name_bk": "0080FF", "bold_text": true}]}})");
  velk_data::IEmployee* employee = Find(7);
  ASSERT_NE(employee, nullptr);
  EXPECT_EQ(Narrow(employee->GetJSON(1)), R"({"id": 7,"position": 2})");
  EXPECT_EQ(employee->GetNameBackColor(), 0xFF8000u);
  EXPECT_EQ(Narrow(employee->GetCustomFieldValue(7)), "44");
  EXPECT_EQ(Narrow(employee->GetCustomFieldName(8)), "");
  employee->SetCustomFieldName(8, u"lost");
  EXPECT_EQ(Narrow(employee->GetCustomFieldName(8)), "");
  const uint32_t birthday = employee->GetBirthday();
  EXPECT_GT(birthday, 1u);

  Update(uR"({"employee": {"cu": [{"id": 7, "lastname": 5, "town": "Köln"}]}})");
  EXPECT_EQ(Narrow(employee->GetLastname()), "Kühn");
  EXPECT_EQ(employee->GetBirthday(), birthday);
  Update(uR"({"employee": {"cu": [{"id": 7, "birthday": null}]}})");
  EXPECT_EQ(employee->GetBirthday(), 1u);
  EXPECT_EQ(Narrow(employee->GetTown()), "Köln");
  // A birthday that is not a date is kept as the invalid date, not as "no birthday".
  Update(uR"({"employee": {"cu": [{"id": 7, "birthday": "unknown"}]}})");
  EXPECT_EQ(employee->GetBirthday(), 0u);
  EXPECT_NE(Narrow(employee->ToJSON()).find(R"("birthday": "<invalid>")"), std::string::npos);

  velk_data::IEmployee* copy = data.GetEmployees()->CreateItem();
  copy->Assign(employee);
  EXPECT_EQ(Narrow(copy->ToJSON()), Narrow(employee->ToJSON()));
  copy->Release();
}

TEST_F(EmployeeTest, WithoutRecordsNobodyIsEmployedAndOnlyTheRootIsHisGroup) {
  Load(uR"({"group": {"cu": [{"id": 2}, {"id": 1}]}, "employee": {"cu": [{"id": 1}]}})");
  velk_data::IEmployee* employee = Find(1);
  velk_data::IGroup* groups[2] = {};
  ASSERT_EQ(employee->GetGroups(groups), 1u);
  EXPECT_EQ(groups[0], data.GetGroups()->FindById(1));
  EXPECT_FALSE(employee->IsEmployedOn(100));
  EXPECT_TRUE(employee->IsOutsideEmployment(100));
  EXPECT_EQ(groups[0]->CountAllEmployees(), 1u);
  EXPECT_EQ(groups[0]->CountEmployees(0, 0, true), 0u);
  // No user is signed in: every employee may be changed.
  EXPECT_EQ(data.GetEmployeePermission(employee), 2);
}

TEST_F(EmployeeTest, AMembershipWithoutAGroupNamesNoGroup) {
  Load(
      uR"({"group": {"cu": [{"id": 1}]}, "employee": {"cu": [{"id": 1}]},
      "membership": {"cu": [{"employee_id": 1, "start": "2026-01-01"},
                            {"employee_id": 1, "group_id": 1}]}})");
  velk_data::IGroup* groups[2] = {};
  ASSERT_EQ(Find(1)->GetMemberGroups(groups), 1u);
  EXPECT_EQ(groups[0], data.GetGroups()->FindById(1));
  EXPECT_EQ(Find(1)->CountGroups(), 1u);
}

TEST_F(EmployeeTest, RestrictedAccessSetsPermissionsAndAnUpdateDropsTheUnlisted) {
  Load(uR"({"employee": {"cu": [{"id": 1}, {"id": 2}, {"id": 3}]}})");
  data.ApplyRestrictedAccess({{3, 1}, {1, 2}, {3, 2}, {1, 1}}, false);
  EXPECT_EQ(data.GetEmployeePermission(Find(1)), 1);
  EXPECT_EQ(data.GetEmployeePermission(Find(3)), 2);

  ASSERT_NE(Update(uR"({"restricted_access": [{"id": 3, "permissions": "read-only"},
      {"id": 1, "permissions": "read-and-write"}]})"),
            nullptr)
      << Error();
  EXPECT_EQ(data.GetEmployees()->GetCount(), 2u);
  EXPECT_EQ(Find(2), nullptr);

  EXPECT_EQ(Update(uR"({"restricted_access": [{"id": 1, "permissions": "none"}]})"), nullptr);
  EXPECT_EQ(Error(), "Invalid user state data. (3002)");
  EXPECT_EQ(Update(uR"({"restricted_access": [{"id": 9, "permissions": "read-only"}]})"), nullptr);
  EXPECT_EQ(Error(), "Unknown employee id in user state data: 9 (3002)");
}

TEST_F(EmployeeTest, RemovingAnEmployeeKeepsTheOrderOfTheOthers) {
  Load(uR"({"employee": {"cu": [{"id": 1}, {"id": 2}, {"id": 3}]}})");
  Update(uR"({"employee": {"d": [{"id": 2}]}})");
  ASSERT_EQ(data.GetEmployees()->GetCount(), 2u);
  EXPECT_EQ(data.GetEmployees()->GetAt(1)->GetId(), 3);
}

}  // namespace
