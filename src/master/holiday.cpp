#include "master/holiday.h"

#include <cstdint>

void CHoliday::Assign(const velk_data::IHoliday* other) {
  if (!other) return;
  SetId(other->GetId());
  SetName(other->GetName());
  SetDate(other->GetDate());
  SetTimeOfDay(other->GetTimeOfDay());
}

uint32_t CHolidays::GetInPeriod(velk_data::IHoliday** out, uint32_t from, uint32_t to) const {
  // The last day number is an inclusive end too; to + 1 would wrap to 0.
  if (to == 0 || to == UINT32_MAX) return CopyFrom({from}, out);
  return CopyRange({from}, {to + 1}, out);
}

CHoliday* CHolidays::On(uint32_t date) const {
  auto it = Items().lower_bound(std::make_tuple(date));
  return it != Items().end() && (*it)->GetDate() == date ? *it : nullptr;
}
