#include "records/shift_cycle_element.h"

#include <algorithm>
#include <limits>

velk_data::IShiftCycle* CShiftCycleElement::GetShiftCycle() const { return Holder(); }

void CShiftCycleElement::SetPosition(int32_t position) {
  m_position = position;
  if (m_owned) Owner()->OnPositionChanged();
}

void CShiftCycleElement::Assign(const velk_data::IShiftCycleElement* other) {
  if (!other) return;
  SetId(other->GetId());
  SetPosition(other->GetPosition());
  SetShiftType(other->GetShiftType());
  SetWorkplace(other->GetWorkplace());
}

CShiftCycleElement* CShiftCycleElements::Search(int64_t day) const {
  if (!m_daysValid) {
    BuildDays();
    if (m_dense) return At(day);
  }
  if (day < std::numeric_limits<int32_t>::min() || day > std::numeric_limits<int32_t>::max())
    return nullptr;
  auto it = Items().lower_bound(Key{static_cast<int32_t>(day)});
  return it != Items().end() && (*it)->GetPosition() == day ? *it : nullptr;
}

void CShiftCycleElements::BuildDays() const {
  m_days.clear();
  m_daysValid = true;
  m_dense = true;
  if (Items().empty()) return;
  // Scanned rather than read off the ends: a setter may have moved an element in place.
  int64_t low = std::numeric_limits<int64_t>::max(), high = std::numeric_limits<int64_t>::min();
  for (const CShiftCycleElement* element : Items()) {
    low = std::min<int64_t>(low, element->GetPosition());
    high = std::max<int64_t>(high, element->GetPosition());
  }
  // A table a few times the number of elements (or of up to 1024 days) costs little; beyond that
  // the positions are searched.
  const int64_t span = high - low + 1;
  if (span > std::max<int64_t>(4 * static_cast<int64_t>(Items().size()), 1024)) {
    m_dense = false;
    return;
  }
  m_firstDay = low;
  m_days.assign(static_cast<size_t>(span), nullptr);
  for (CShiftCycleElement* element : Items()) {
    CShiftCycleElement*& slot = m_days[element->GetPosition() - low];
    if (!slot) slot = element;  // the first in collection order wins
  }
}

void CShiftCycleElements::Clear() {
  COrderedItems::Clear();
  m_daysValid = false;
}

CItemBase* CShiftCycleElements::LoadItem(const velk_json::CJSONObject& json) {
  m_daysValid = false;
  return COrderedItems::LoadItem(json);
}

void CShiftCycleElements::RemoveItem(CItemBase* item) {
  m_daysValid = false;
  COrderedItems::RemoveItem(item);
}

void CShiftCycleElements::RemoveReferring(const velk_data::IItem* target) {
  m_daysValid = false;
  COrderedItems::RemoveReferring(target);
}

void CShiftCycleElements::Reposition(CShiftCycleElement* item, const Key& before) {
  m_daysValid = false;
  COrderedItems::Reposition(item, before);
}
