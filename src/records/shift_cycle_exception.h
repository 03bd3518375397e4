// Shift cycle exceptions: one day of an assignment taken out of the pattern for one plan type.
// The assignment holds them ordered by plan type, then date, so the exceptions of a plan type
// in a range are one run of the collection.
#pragma once

#include <cstdint>
#include <tuple>

#include "items/item.h"
#include "items/ordered_items.h"
#include "records/shift_cycle_assignment.h"
#include "velk_data/shift_cycles.h"

class CShiftCycleExceptions;

class CShiftCycleException : public CItem<CShiftCycleException, velk_data::IShiftCycleException,
                                          velk_data::IShiftCycleExceptions> {
 public:
  static constexpr const char16_t* kTypeName = u"shift_cycle_exception";
  static constexpr const char16_t* kOwnerKey = u"shift_cycle_assignment_id";
  using Collection = CShiftCycleExceptions;

  using CItem::CItem;

  velk_data::IShiftCycleAssignment* GetAssignment() const override;
  velk_data::IShiftCycle* GetShiftCycle() const override;
  velk_data::IEmployee* GetEmployee() const override;
  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  int32_t GetPlanType() const override { return m_planType; }
  void SetPlanType(int32_t planType) override { m_planType = planType; }
  void Assign(const velk_data::IShiftCycleException* other) override;

  std::tuple<int32_t, uint32_t> SortKey() const { return {m_planType, m_date}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Date(u"date", s.m_date);
    ar.Int(u"plan_type", s.m_planType);
  }

 private:
  uint32_t m_date = 0;
  int32_t m_planType = 0;
};

class CShiftCycleExceptions
    : public COrderedItems<CShiftCycleExceptions, velk_data::IShiftCycleExceptions,
                           CShiftCycleException, CShiftCycleAssignment> {
 public:
  using COrderedItems::COrderedItems;

  velk_data::IShiftCycleAssignment* GetAssignment() const override { return OwnerItem(); }
  uint32_t CountInPeriod(uint32_t from, uint32_t to, int32_t planType) const override {
    return GetInPeriod(nullptr, from, to, planType);
  }
  // to 0: no upper bound.
  uint32_t GetInPeriod(velk_data::IShiftCycleException** out, uint32_t from, uint32_t to,
                       int32_t planType) const override;
  velk_data::IShiftCycleException* Find(uint32_t date, int32_t planType) const override;
};
