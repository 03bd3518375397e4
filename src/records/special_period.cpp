#include "records/special_period.h"

void CSpecialPeriod::Assign(const velk_data::ISpecialPeriod* other) {
  if (!other) return;
  SetId(other->GetId());
  SetName(other->GetName());
  SetStart(other->GetStart());
  SetEnd(other->GetEnd());
  SetColor(other->GetColor());
}
