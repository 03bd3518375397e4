#include "records/custom_shift.h"

void CCustomShift::Assign(const velk_data::ICustomShift* other) {
  if (!other) return;
  SetId(other->GetId());
  AssignPlace(other);
  AssignAttributes(other);
  AssignParts(other);
  SetNoSurcharge(other->IsNoSurcharge());
  SetPlanType(other->GetPlanType());
}
