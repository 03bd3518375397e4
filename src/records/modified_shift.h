// Modified shifts: a shift type worked on a date with up to three parts and actual hours of
// its own.
#pragma once

#include <cstdint>

#include "records/planned_shift.h"
#include "velk_data/planned_shifts.h"

class CModifiedShifts;

class CModifiedShift
    : public CWithParts<CWithShiftType<
          CPlannedShift<CModifiedShift, velk_data::IModifiedShift, velk_data::IModifiedShifts>>> {
 public:
  static constexpr const char16_t* kTypeName = u"modified_shift";
  using Collection = CModifiedShifts;

  using CWithParts::CWithParts;

  double GetHoursDifference() const override { return GetActualHours() - ShiftTypeHours(); }
  bool IsShiftTypeActive() const override { return ShiftTypeActive(); }
  void Assign(const velk_data::IModifiedShift* other) override;

  bool CountsOnItsDay() const { return true; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ShiftTypeField(ar, s, u"Unknown shift type id for modified shift.\t");
    PlaceFields(ar, s, u"Unknown workplace id for modified shift.\t");
    PartFields(ar, s);
    PlanTypeField(ar, s);
  }
};

class CModifiedShifts
    : public CPlannedShifts<CModifiedShifts, velk_data::IModifiedShifts, CModifiedShift> {
 public:
  using CPlannedShifts::CPlannedShifts;
};
