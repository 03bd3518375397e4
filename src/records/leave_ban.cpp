#include "records/leave_ban.h"

void CLeaveBan::Assign(const velk_data::ILeaveBan* other) {
  if (!other) return;
  SetId(other->GetId());
  SetFilter(other->GetFilter());
  SetDescription(other->GetDescription());
  SetStart(other->GetStart());
  SetEnd(other->GetEnd());
}
