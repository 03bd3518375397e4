#include "records/shift_type_restriction.h"

velk_data::IEmployee* CShiftTypeRestriction::GetEmployee() const { return Holder(); }

void CShiftTypeRestriction::Assign(const velk_data::IShiftTypeRestriction* other) {
  SetId(other->GetId());
  SetShiftType(other->GetShiftType());
  SetWeekday(other->GetWeekday());
  SetRestriction(other->GetRestriction());
}

velk_data::IEmployee* CShiftTypeRestrictions::GetEmployee() const { return OwnerItem(); }
