#include "master/workplace.h"

#include "data/data.h"
#include "data/type_codes.h"

void CWorkplace::Assign(const velk_data::IWorkplace* other) {
  if (!other) return;  // nothing to copy
  SetId(other->GetId());
  SetPosition(other->GetPosition());
  SetName(other->GetName());
  SetShortName(other->GetShortName());
  SetHidden(other->IsHidden());
}

void CWorkplaces::BeforeDestroy(CWorkplace* workplace) {
  Root()->RemoveReferrers(workplace,
                          {kFixedShift, kModifiedShift, kCustomShift, kShiftCycleElement});
}
