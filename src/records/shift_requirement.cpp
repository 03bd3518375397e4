#include "records/shift_requirement.h"

void CShiftRequirement::Assign(const velk_data::IShiftRequirement* other) {
  if (!other) return;
  SetId(other->GetId());
  SetShiftType(other->GetShiftType());
  SetWeekday(other->GetWeekday());
  AssignLimits(other);
}

velk_data::IShiftRequirement* CShiftRequirements::FindRequirement(
    int32_t weekday, velk_data::IShiftType* shiftType) const {
  return FirstWithKey(Items(), Key{CShiftRequirement::Identity(shiftType), weekday});
}
