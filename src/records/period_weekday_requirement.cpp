#include "records/period_weekday_requirement.h"

void CSpecialWeekdayRequirement::Assign(const velk_data::ISpecialWeekdayRequirement* other) {
  if (!other) return;  // nothing to copy
  SetId(other->GetId());
  SetDescription(other->GetDescription());
  SetStart(other->GetStart());
  SetEnd(other->GetEnd());
  for (uint32_t day = 0; day < kDayIndexes; ++day) SetRequirement(day, other->GetRequirement(day));
}
