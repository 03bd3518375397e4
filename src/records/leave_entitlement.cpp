#include "records/leave_entitlement.h"

void CLeaveEntitlement::Assign(const velk_data::ILeaveEntitlement* other) {
  if (!other) return;
  SetId(other->GetId());
  SetLeaveType(other->GetLeaveType());
  SetYear(other->GetYear());
  SetEntitlement(other->GetEntitlement());
  SetRemainingFromPreviousYear(other->GetRemainingFromPreviousYear());
  SetInDays(other->IsInDays());
}

velk_data::ILeaveEntitlement* CLeaveEntitlements::FindEntitlement(velk_data::ILeaveType* leaveType,
                                                                  int32_t year) const {
  const Key key{reinterpret_cast<uintptr_t>(leaveType), year};
  auto it = Items().lower_bound(key);
  return it != Items().end() && (*it)->SortKey() == key ? *it : nullptr;
}
