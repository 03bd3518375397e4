#include "tools/velk/staffing.h"

namespace velk_cli {

Staffing ComputeStaffing(velk_data::IData* data, const velk_data::IGroup* group, uint32_t from,
                         uint32_t to, int32_t planType) {
  const size_t days = to - from + 1;
  Staffing staffing;
  staffing.available.resize(days);
  group->FillAvailableCounts(staffing.available.data(), from, to, planType, nullptr, 0, nullptr, 0);
  group->FillPlannedCounts(from, to, planType);
  const velk_data::IShiftTypes* types = data->GetShiftTypes();
  for (uint32_t t = 0; t < types->GetCount(); ++t) {
    ShiftStaffing shift{types->GetAt(t), {}, {}, {}};
    bool required = false;
    for (uint32_t day = from; day <= to; ++day) {
      int32_t maximum = -1;
      shift.minimum.push_back(group->GetShiftRequirement(day, shift.type, &maximum));
      shift.maximum.push_back(maximum);
      shift.planned.push_back(group->GetPlannedCountCached(day, shift.type, planType, 0));
      required |= shift.minimum.back() > 0 || maximum >= 0;
    }
    if (required) staffing.shifts.push_back(std::move(shift));
  }
  return staffing;
}

}  // namespace velk_cli
