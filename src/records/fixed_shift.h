// Fixed shifts: the employee works a shift type on a date, as the type defines it for the day
// (its parts and hours of the weekday, or of day index 7 on a public holiday).
#pragma once

#include <cstdint>
#include <vector>

#include "records/planned_shift.h"
#include "velk_data/planned_shifts.h"

class CFixedShifts;

class CFixedShift
    : public CWithShiftType<
          CPlannedShift<CFixedShift, velk_data::IFixedShift, velk_data::IFixedShifts>> {
 public:
  static constexpr const char16_t* kTypeName = u"fixed_shift";
  using Collection = CFixedShifts;

  using CWithShiftType::CWithShiftType;

  void Assign(const velk_data::IFixedShift* other) override;

  // A fixed shift counts only on a day its shift type is worked.
  bool CountsOnItsDay() const { return ShiftTypeActive(); }
  ShiftParts Parts() const;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ShiftTypeField(ar, s, u"Unknown shift type id for fixed shift.\t");
    PlaceFields(ar, s, u"Unknown workplace id for fixed shift.\t");
    PlanTypeField(ar, s);
  }
};

class CFixedShifts : public CPlannedShifts<CFixedShifts, velk_data::IFixedShifts, CFixedShift> {
 public:
  using CPlannedShifts::CPlannedShifts;

  // The shift types' hours of the fixed shifts of the range, on the days the types are worked.
  double SumPlannedHours(uint32_t from, uint32_t to, int32_t planType) const;
  // Appends the fixed shifts of the range whose shift type is worked on their date; returns the
  // vector's size.
  size_t CollectActiveInRange(std::vector<CFixedShift*>& shifts, uint32_t from, uint32_t to,
                              int32_t planType) const;
};
