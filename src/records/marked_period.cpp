#include "records/marked_period.h"

void CSpecialPeriod::Assign(const velk_data::ISpecialPeriod* other) {
  if (!other) return;  // nothing to copy
  SetId(other->GetId());
  SetName(other->GetName());
  SetStart(other->GetStart());
  SetEnd(other->GetEnd());
  SetColor(other->GetColor());
}
