#include "records/fixed_shift.h"

void CFixedShift::Assign(const velk_data::IFixedShift* other) {
  if (!other) return;
  SetId(other->GetId());
  SetShiftType(other->GetShiftType());
  AssignPlace(other);
  SetPlanType(other->GetPlanType());
}

ShiftParts CFixedShift::Parts() const {
  ShiftParts parts;
  const CShiftType* type = static_cast<const CShiftType*>(GetShiftType());
  if (!type) return parts;
  const int32_t day = DayIndex();
  parts.count = type->GetPartCount(day);
  for (uint32_t part = 0; part < ShiftParts::kMax; ++part) {
    parts.startAt[part] = type->GetStartAt(day, static_cast<int32_t>(part));
    parts.endAt[part] = type->GetEndAt(day, static_cast<int32_t>(part));
  }
  parts.hours = parts.count > 0 ? type->GetActualHours(day) : 0;
  return parts;
}

double CFixedShifts::SumPlannedHours(uint32_t from, uint32_t to, int32_t planType) const {
  double hours = 0;
  ForEachInRange(from, to, planType,
                 [&](const CFixedShift* shift) { hours += shift->ShiftTypeHours(); });
  return hours;
}

size_t CFixedShifts::CollectActiveInRange(std::vector<CFixedShift*>& shifts, uint32_t from,
                                          uint32_t to, int32_t planType) const {
  ForEachInRange(from, to, planType, [&](CFixedShift* shift) {
    if (shift->CountsOnItsDay()) shifts.push_back(shift);
  });
  return shifts.size();
}
