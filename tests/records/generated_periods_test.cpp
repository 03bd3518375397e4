// The generator's employee periods load into the model and describe every employee.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "test_dates.h"
#include "tools/gen/planning_gen.h"

namespace {

TEST_F(ModelTest, GeneratedPeriodsLoadAndGiveEveryEmployeeAHistory) {
  const std::u16string text =
      velk_gen::GeneratePlanningMessage(3, 400, nullptr, velk_gen::Content::kPeriods);
  Load(text.c_str(), false);
  const uint32_t jan = Day(2025, 1, 1), dec = Day(2025, 12, 31);
  uint32_t employed = 0, rehired = 0, changed = 0;
  for (uint32_t i = 0; i < data.GetEmployees()->GetCount(); ++i) {
    velk_data::IEmployee* employee = data.GetEmployees()->GetAt(i);
    ASSERT_GT(employee->GetEmploymentPeriods()->GetCount(), 0u);
    ASSERT_GT(employee->GetMemberships()->GetCount(), 0u);
    ASSERT_NE(
        employee->GetLeaveEntitlements()->FindEntitlement(data.GetLeaveTypes()->FindById(6), 2024),
        nullptr);
    employed += employee->IsEmployedIn(jan, dec, false);
    rehired += employee->GetEmploymentPeriods()->CountEmploymentIntervals(0, 0) > 1;
    changed += employee->GetIndividualWorkingTimes()->CountInRange(jan, dec) > 1;
    if (employee->IsEmployedOn(dec)) {
      EXPECT_NE(employee->GetIndividualWorkingTimes()->GetModelOn(dec), nullptr);
    }
  }
  EXPECT_GT(employed, 300u);
  EXPECT_GT(rehired, 10u);
  EXPECT_GT(changed, 40u);
}

}  // namespace
