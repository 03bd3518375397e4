// The generator's shift cycles load over its master data and expand into shifts.
#include <gtest/gtest.h>

#include "model_fixture.h"
#include "tools/gen/cycles_gen.h"
#include "tools/gen/planning_gen.h"

namespace {

TEST_F(ModelTest, GeneratedCyclesLoadAndExpand) {
  std::u16string message =
      velk_gen::GeneratePlanningMessage(3, 200, nullptr, velk_gen::Content::kMasterData);
  ASSERT_GT(velk_gen::AppendShiftCycles(message, 3, {200, 24, 16}), 200u);
  Load(message.c_str(), false);  // sorted by type: cycles before their elements
  ASSERT_EQ(data.GetShiftCycles()->GetCount(), 16u);
  uint32_t shifts = 0, exceptions = 0;
  for (uint32_t i = 0; i < 200; ++i) {
    velk_data::IShiftCycleAssignments* assignments =
        data.GetEmployees()->GetAt(i)->GetShiftCycleAssignments();
    ASSERT_GE(assignments->GetCount(), 1u);
    shifts += assignments->CountShifts(0, 0, 0);
    exceptions += assignments->GetAt(0)->GetExceptions()->GetCount();
  }
  // About two shifts in three days over one to two years each.
  EXPECT_GT(shifts, 200u * 200);
  EXPECT_GT(exceptions, 0u);
}

}  // namespace
