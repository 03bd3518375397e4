// The staffing of a group over a range, as the staffing report and the HTML roster's foot show
// it: per shift type and day the required minimum and maximum and the members planned, and per
// day the members available.
#ifndef TOOLS_VELK_STAFFING_H_
#define TOOLS_VELK_STAFFING_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "velk_data.h"

namespace velk_cli {

struct ShiftStaffing {
  velk_data::IShiftType* type;
  std::vector<int32_t> minimum, maximum, planned;  // per day; maximum -1: none

  bool Under(size_t i) const { return planned[i] < minimum[i]; }
  bool Over(size_t i) const { return maximum[i] >= 0 && planned[i] > maximum[i]; }
};

struct Staffing {
  std::vector<ShiftStaffing> shifts;  // the shift types with a requirement in the range
  std::vector<int32_t> available;     // per day
};

Staffing ComputeStaffing(velk_data::IData* data, const velk_data::IGroup* group, uint32_t from,
                         uint32_t to, int32_t planType);

}  // namespace velk_cli

#endif  // TOOLS_VELK_STAFFING_H_
