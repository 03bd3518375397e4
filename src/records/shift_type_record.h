// The shape of the records about one shift type (shift requirements, special shift
// requirements, shift type restrictions): the shift type, resolved by "shift_type_id", and its
// identity as a sort key. The identity orders the records of one shift type together; the order
// among shift types carries no meaning, and no shift type (null) goes first.
#pragma once

#include <cstdint>
#include <set>

#include "data/data.h"
#include "master/shift_type.h"

// Base is the record shape of the owner (CGroupRecord<...> or CEmployeeRecord<...>).
template <class Base>
class CShiftTypeRecord : public Base {
 public:
  using Base::Base;

  velk_data::IShiftType* GetShiftType() const override { return m_shiftType; }
  void SetShiftType(velk_data::IShiftType* shiftType) override {
    m_shiftType = static_cast<CShiftType*>(shiftType);
  }

  static uintptr_t Identity(const velk_data::IShiftType* shiftType) {
    return reinterpret_cast<uintptr_t>(shiftType);
  }

 protected:
  // rule: when the member is looked up (a requirement always, a restriction only for ids
  // above 0). Without a shift type the member is left out, so an item reads back what it wrote.
  template <class A, class S>
  static void ShiftTypeField(A& ar, S& s, RefRead rule, const char16_t* unknown) {
    ar.Ref(u"shift_type_id", s.m_shiftType, &CData::ShiftTypes, rule, RefWrite::kOmitWhenNone,
           unknown);
  }

  CShiftType* m_shiftType = nullptr;
};

// The first item whose sort key is exactly key (the first inserted of equal ones), or null: the
// exact lookups of these records, one search and no probe item.
template <class Set, class Key>
typename Set::value_type FirstWithKey(const Set& items, const Key& key) {
  auto it = items.lower_bound(key);
  return it != items.end() && (*it)->SortKey() == key ? *it : nullptr;
}
