// Leave entitlements: lookup by leave type and year, the JSON form, and removal with their
// leave type.
#include <gtest/gtest.h>

#include "model_fixture.h"

namespace {

class LeaveEntitlementTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"leave_type": {"cu": [{"id": 1}, {"id": 2}]}, "employee": {"cu": [{"id": 1}]},
      "leave_entitlement": {"cu": [
        {"id": 3, "employee_id": 1, "leave_type_id": 1, "year": 2026, "entitlement": 30},
        {"id": 4, "employee_id": 1, "leave_type_id": 2, "year": 2025, "entitlement": 5},
        {"id": 5, "employee_id": 1, "leave_type_id": 1, "year": 2026, "entitlement": 28},
        {"id": 6, "employee_id": 1, "leave_type_id": 1, "year": 2025, "in_days": false,
         "remaining_from_previous_year": 2.5}]}})");
    entitlements = data.GetEmployees()->FindById(1)->GetLeaveEntitlements();
  }
  velk_data::ILeaveType* Type(int32_t id) { return data.GetLeaveTypes()->FindById(id); }
  velk_data::ILeaveEntitlements* entitlements = nullptr;
};

TEST_F(LeaveEntitlementTest, FindsTheFirstOfDuplicatesAndNothingForAMissingYear) {
  EXPECT_EQ(entitlements->FindEntitlement(Type(1), 2026)->GetId(), 3);
  EXPECT_EQ(entitlements->FindEntitlement(Type(1), 2025)->GetId(), 6);
  EXPECT_EQ(entitlements->FindEntitlement(Type(2), 2025)->GetId(), 4);
  EXPECT_EQ(entitlements->FindEntitlement(Type(2), 2026), nullptr);
  EXPECT_EQ(entitlements->FindEntitlement(nullptr, 2026), nullptr);
}

TEST_F(LeaveEntitlementTest, JsonFormUnknownLeaveTypeAndRemovalWithTheType) {
  EXPECT_EQ(Narrow(entitlements->FindById(6)->ToJSON()),
            R"({"employee_id": 1,"entitlement": 0,"id": 6,"in_days": false,"leave_type_id": 1,)"
            R"("remaining_from_previous_year": 2.5,"year": 2025})");
  EXPECT_EQ(Update(uR"({"leave_entitlement": {"cu": [
      {"id": 8, "employee_id": 1, "leave_type_id": 9, "year": 2026}]}})"),
            nullptr);
  EXPECT_EQ(Error(), "Unknown leave type id for leave entitlement. (3002)");
  EXPECT_EQ(entitlements->GetCount(), 4u);
  ASSERT_TRUE(Update(uR"({"leave_type": {"d": [{"id": 1}]}})"));
  EXPECT_EQ(entitlements->GetCount(), 1u);
  EXPECT_EQ(entitlements->GetAt(0)->GetId(), 4);
}

}  // namespace
