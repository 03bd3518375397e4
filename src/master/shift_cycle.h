// Shift cycles: repeating rotas of length units (weeks or days). A cycle holds its elements
// (records of code 32), each of which puts a shift type, and optionally a workplace, on one day
// of the pattern. Employees are put on a cycle by shift cycle assignments; removing a cycle
// removes them from every employee.
#pragma once

#include <cstdint>
#include <string>

#include "data/type_codes.h"
#include "items/item.h"
#include "items/master_items.h"
#include "records/record_holder.h"
#include "velk_data/shift_cycles.h"

class CShiftCycles;

class CShiftCycle : public CItem<CShiftCycle, velk_data::IShiftCycle, velk_data::IShiftCycles>,
                    public CRecordHolder<CShiftCycle, kShiftCycleElement, kShiftCycleElement> {
 public:
  static constexpr const char16_t* kTypeName = u"shift_cycle";
  static constexpr bool kListedByPosition = true;
  using Collection = CShiftCycles;
  enum Unit : uint32_t { kDays = 0, kWeeks = 1 };

  using CItem::CItem;

  velk_data::IShiftCycleElements* GetElements() const override {
    return Interface<velk_data::IShiftCycleElements>(kShiftCycleElement);
  }
  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }
  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  uint32_t GetLength() const override { return m_length; }
  void SetLength(uint32_t length) override { m_length = length; }
  uint32_t GetUnit() const override { return m_unit; }
  void SetUnit(uint32_t unit) override { m_unit = unit; }
  bool IsHidden() const override { return m_hidden; }
  void SetHidden(bool hidden) override { m_hidden = hidden; }
  void Assign(const velk_data::IShiftCycle* other) override;

  // Days in one turn: 7 per unit for weekly cycles, else one per unit (every unit but 1 counts
  // as days). 0 for a cycle of length 0, which has no day on which it puts a shift.
  int64_t Period() const { return m_unit == kWeeks ? int64_t{7} * m_length : m_length; }
  // The cycle day of a start date under a start offset (the unit the start lies in), by the
  // remainder of truncating division, so a negative offset gives a negative phase.
  int64_t Phase(uint32_t start, int32_t startOffset) const;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"position", s.m_position);
    ar.Text(u"name", s.m_name);
    ar.UInt(u"length", s.m_length);
    ar.UInt(u"unit", s.m_unit);
    ar.Bool(u"hidden", s.m_hidden);
  }

 private:
  int32_t m_position = 0;
  std::u16string m_name;
  uint32_t m_length = 1;
  uint32_t m_unit = kWeeks;
  bool m_hidden = false;
};

class CShiftCycles : public CMasterItems<CShiftCycles, velk_data::IShiftCycles, CShiftCycle> {
 public:
  using CMasterItems::CMasterItems;
  // Every employee's assignments to the cycle go with it; its elements die with it.
  void BeforeDestroy(CShiftCycle* cycle);
};
