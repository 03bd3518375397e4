// Shift cycle elements: the shift type (and, if any, the workplace) that a cycle puts on one day
// of its pattern, counted from 0. The cycle holds its elements ordered by that day; expanding an
// assignment asks for the element of every day in its range, so the collection keeps a table
// from cycle day to element, rebuilt after any change that can move an element.
#pragma once

#include <cstdint>
#include <tuple>
#include <vector>

#include "data/data.h"
#include "items/item.h"
#include "items/ordered_items.h"
#include "json/json_value.h"
#include "master/shift_cycle.h"
#include "master/shift_type.h"
#include "master/workplace.h"

class CShiftCycleElements;

class CShiftCycleElement : public CItem<CShiftCycleElement, velk_data::IShiftCycleElement,
                                        velk_data::IShiftCycleElements> {
 public:
  static constexpr const char16_t* kTypeName = u"shift_cycle_element";
  static constexpr const char16_t* kOwnerKey = u"shift_cycle_id";
  using Collection = CShiftCycleElements;

  using CItem::CItem;

  velk_data::IShiftCycle* GetShiftCycle() const override;
  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override;
  velk_data::IShiftType* GetShiftType() const override { return m_shiftType; }
  void SetShiftType(velk_data::IShiftType* shiftType) override {
    m_shiftType = static_cast<CShiftType*>(shiftType);
  }
  velk_data::IWorkplace* GetWorkplace() const override { return m_workplace; }
  void SetWorkplace(velk_data::IWorkplace* workplace) override {
    m_workplace = static_cast<CWorkplace*>(workplace);
  }
  void Assign(const velk_data::IShiftCycleElement* other) override;

  CShiftType* ShiftType() const { return m_shiftType; }
  std::tuple<int32_t> SortKey() const { return {m_position}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"position", s.m_position);
    ar.Ref(u"shift_type_id", s.m_shiftType, &CData::ShiftTypes, RefRead::kPositive,
           RefWrite::kZeroWhenNone, u"Unknown shift type id for shift cycle element.\t");
    // Null is "no workplace" both ways; any other value must name a workplace, 0 included.
    ar.Ref(u"workplace_id", s.m_workplace, &CData::Workplaces, RefRead::kNullable,
           RefWrite::kNullWhenNone, u"Unknown workplace id for shift cycle element.\t");
  }

 private:
  int32_t m_position = 0;
  CShiftType* m_shiftType = nullptr;
  CWorkplace* m_workplace = nullptr;
};

class CShiftCycleElements
    : public COrderedItems<CShiftCycleElements, velk_data::IShiftCycleElements, CShiftCycleElement,
                           CShiftCycle> {
 public:
  using COrderedItems::COrderedItems;

  velk_data::IShiftCycle* GetShiftCycle() const override { return OwnerItem(); }
  velk_data::IShiftCycleElement* GetByPosition(int32_t position) const override {
    return At(position);
  }

  // The first element in collection order on cycle day day, or null; a table lookup once the
  // day table is built.
  CShiftCycleElement* At(int64_t day) const {
    if (m_daysValid && m_dense) {
      const int64_t index = day - m_firstDay;
      return index >= 0 && index < static_cast<int64_t>(m_days.size()) ? m_days[index] : nullptr;
    }
    return Search(day);
  }

  // Every change that can add, remove or move an element drops the day table.
  void Clear() override;
  CItemBase* LoadItem(const velk_json::CJSONObject& json) override;
  void RemoveItem(CItemBase* item) override;
  void RemoveReferring(const velk_data::IItem* target);
  void Reposition(CShiftCycleElement* item, const Key& before);
  void OnPositionChanged() { m_daysValid = false; }

 private:
  void BuildDays() const;
  CShiftCycleElement* Search(int64_t day) const;

  // m_days[d - m_firstDay] is the element of cycle day d, for the days from the lowest to the
  // highest position; positions spread too thinly for a table are searched instead.
  mutable std::vector<CShiftCycleElement*> m_days;
  mutable int64_t m_firstDay = 0;
  mutable bool m_dense = false;
  mutable bool m_daysValid = false;
};
