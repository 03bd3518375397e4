#include "records/shift_type_restriction.h"

void CShiftTypeRestriction::Assign(const velk_data::IShiftTypeRestriction* other) {
  if (!other) return;
  SetId(other->GetId());
  SetShiftType(other->GetShiftType());
  SetWeekday(other->GetWeekday());
  SetRestriction(other->GetRestriction());
}
