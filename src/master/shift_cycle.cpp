#include "master/shift_cycle.h"

#include "data/data.h"
#include "datetime/date.h"

void CShiftCycle::Assign(const velk_data::IShiftCycle* other) {
  if (!other) return;
  SetId(other->GetId());
  SetPosition(other->GetPosition());
  SetName(other->GetName());
  SetLength(other->GetLength());
  SetUnit(other->GetUnit());
  SetHidden(other->IsHidden());
}

int64_t CShiftCycle::Phase(uint32_t start, int32_t startOffset) const {
  if (m_length == 0) return 0;
  const int64_t unit = int64_t{startOffset} % int64_t{m_length};
  if (m_unit != kWeeks) return unit;
  // Weekly cycles are anchored on Mondays: the offset names the week, the weekday the day.
  return unit * 7 + velk_date_time::TDate{start}.GetWeekday();
}

void CShiftCycles::BeforeDestroy(CShiftCycle* cycle) {
  Root()->RemoveReferrers(cycle, {kShiftCycleAssignment});
}
