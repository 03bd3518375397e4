#include "records/dated_shift_requirement.h"

void CSpecialShiftRequirement::Assign(const velk_data::ISpecialShiftRequirement* other) {
  if (!other) return;  // nothing to copy
  SetId(other->GetId());
  SetShiftType(other->GetShiftType());
  SetDate(other->GetDate());
  AssignLimits(other);
}

std::pair<CSpecialShiftRequirements::Set::const_iterator,
          CSpecialShiftRequirements::Set::const_iterator>
CSpecialShiftRequirements::Dated(uint32_t start, uint32_t end) const {
  // No shift type (identity 0) goes before every shift type of its date.
  auto first = Items().lower_bound(Key{start, 0});
  auto last = end == 0 || end == UINT32_MAX ? Items().end() : Items().lower_bound(Key{end + 1, 0});
  if (end != 0 && end < start) last = first;
  return {first, last};
}

uint32_t CSpecialShiftRequirements::GetInRange(velk_data::ISpecialShiftRequirement** out,
                                               uint32_t start, uint32_t end) const {
  auto [first, last] = Dated(start, end);
  return Copy(first, last, out);
}

uint32_t CSpecialShiftRequirements::GetForShiftType(velk_data::ISpecialShiftRequirement** out,
                                                    velk_data::IShiftType* shiftType,
                                                    uint32_t start, uint32_t end) const {
  auto [first, last] = Dated(start, end);
  uint32_t n = 0;
  for (; first != last; ++first) {
    if ((*first)->GetShiftType() != shiftType) continue;
    if (out) out[n] = *first;
    ++n;
  }
  return n;
}

velk_data::ISpecialShiftRequirement* CSpecialShiftRequirements::FindRequirement(
    uint32_t date, velk_data::IShiftType* shiftType) const {
  return FirstWithKey(Items(), Key{date, CSpecialShiftRequirement::Identity(shiftType)});
}
