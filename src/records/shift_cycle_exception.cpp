#include "records/shift_cycle_exception.h"

velk_data::IShiftCycleAssignment* CShiftCycleException::GetAssignment() const { return Holder(); }
velk_data::IShiftCycle* CShiftCycleException::GetShiftCycle() const {
  return Holder() ? Holder()->GetShiftCycle() : nullptr;
}
velk_data::IEmployee* CShiftCycleException::GetEmployee() const {
  return Holder() ? Holder()->GetEmployee() : nullptr;
}

void CShiftCycleException::Assign(const velk_data::IShiftCycleException* other) {
  if (!other) return;
  SetId(other->GetId());
  SetDate(other->GetDate());
  SetPlanType(other->GetPlanType());
}

uint32_t CShiftCycleExceptions::GetInPeriod(velk_data::IShiftCycleException** out, uint32_t from,
                                            uint32_t to, int32_t planType) const {
  uint32_t n = 0;
  for (auto it = Items().lower_bound(Key{planType, from}); it != Items().end(); ++it) {
    const CShiftCycleException* exception = *it;
    if (exception->GetPlanType() != planType || (to != 0 && exception->GetDate() > to)) break;
    if (out) out[n] = *it;
    ++n;
  }
  return n;
}

velk_data::IShiftCycleException* CShiftCycleExceptions::Find(uint32_t date,
                                                             int32_t planType) const {
  auto it = Items().lower_bound(Key{planType, date});
  if (it == Items().end() || (*it)->SortKey() != Key{planType, date}) return nullptr;
  return *it;
}
