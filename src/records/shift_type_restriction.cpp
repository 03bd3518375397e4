#include "records/shift_type_restriction.h"

void CShiftTypeRestriction::Assign(const velk_data::IShiftTypeRestriction* other) {
  SetId(other->GetId());
  SetShiftType(other->GetShiftType());
  SetWeekday(other->GetWeekday());
  SetRestriction(other->GetRestriction());
}
