// Custom shifts: a shift defined on the spot, without a shift type: its own names, colours,
// parts and hours, and a flag that keeps it out of surcharges.
#pragma once

#include <cstdint>

#include "master/display_fields.h"
#include "records/planned_shift.h"
#include "velk_data/planned_shifts.h"

class CCustomShifts;

class CCustomShift
    : public CWithParts<CDisplayAttributes<
          CPlannedShift<CCustomShift, velk_data::ICustomShift, velk_data::ICustomShifts>>> {
 public:
  static constexpr const char16_t* kTypeName = u"custom_shift";
  using Collection = CCustomShifts;

  using CWithParts::CWithParts;

  bool IsNoSurcharge() const override { return m_noSurcharge; }
  void SetNoSurcharge(bool noSurcharge) override { m_noSurcharge = noSurcharge; }
  void Assign(const velk_data::ICustomShift* other) override;

  bool CountsOnItsDay() const { return true; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    PlaceFields(ar, s, u"Unknown workplace id for custom shift.\t");
    AttributeFields(ar, s);
    PartFields(ar, s);
    ar.Bool(u"no_surcharge", s.m_noSurcharge);
    PlanTypeField(ar, s);
  }

 private:
  bool m_noSurcharge = false;
};

class CCustomShifts : public CPlannedShifts<CCustomShifts, velk_data::ICustomShifts, CCustomShift> {
 public:
  using CPlannedShifts::CPlannedShifts;
};
