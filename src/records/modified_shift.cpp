#include "records/modified_shift.h"

void CModifiedShift::Assign(const velk_data::IModifiedShift* other) {
  if (!other) return;
  SetId(other->GetId());
  SetShiftType(other->GetShiftType());
  AssignPlace(other);
  AssignParts(other);
  SetPlanType(other->GetPlanType());
}
