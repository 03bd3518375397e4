#include "records/shift_cycle_assignment.h"

#include <algorithm>
#include <tuple>

#include "master/holiday.h"
#include "records/shift_cycle_element.h"
#include "records/shift_cycle_exception.h"
#include "velk_data/requirements.h"

namespace {

// The restriction kind that keeps a shift type off a day.
constexpr int32_t kExcluded = 2;

// Walks an ordered collection alongside ascending days: each test moves the cursor past the
// items before the day, so a run of days costs one search plus one step per item passed.
template <class Set, class Key, class Before, class On>
class CDayCursor {
 public:
  CDayCursor(const Set& items, const Key& first, Before before, On on)
      : m_it(items.lower_bound(first)), m_end(items.end()), m_before(before), m_on(on) {}
  bool Hits(uint32_t day) {
    while (m_it != m_end && m_before(**m_it, day)) ++m_it;
    return m_it != m_end && m_on(**m_it, day);
  }

 private:
  typename Set::const_iterator m_it, m_end;
  Before m_before;
  On m_on;
};
template <class Set, class Key, class Before, class On>
CDayCursor<Set, Key, Before, On> DayCursor(const Set& items, const Key& first, Before before,
                                           On on) {
  return {items, first, before, on};
}

}  // namespace

template <class Visit>
uint32_t CShiftCycleAssignment::ForEachShift(uint32_t from, uint32_t to, int32_t planType,
                                             bool ignoreExceptions, Visit&& visit) const {
  const uint32_t first = std::max(from, m_start);
  const uint32_t last = to == 0 || to >= m_end ? m_end : to;
  // Day 0 is no date: an assignment that ends on it covers nothing.
  if (last == 0 || first > last || !m_cycle) return 0;
  const int64_t period = m_cycle->Period();
  auto* elements = static_cast<CShiftCycleElements*>(m_cycle->Existing(kShiftCycleElement));
  if (period <= 0 || !elements || elements->GetCount() == 0) return 0;

  // Everything the days share is looked up once.
  const velk_data::IShiftTypeRestrictions* restrictions =
      Holder() ? Holder()->GetShiftTypeRestrictions() : nullptr;
  if (restrictions && restrictions->GetCount() == 0) restrictions = nullptr;
  auto holidays = DayCursor(
      Root()->Holidays()->Items(), std::tuple<uint32_t>{first},
      [](const CHoliday& h, uint32_t day) { return h.GetDate() < day; },
      [](const CHoliday& h, uint32_t day) { return h.GetDate() == day; });
  static const CShiftCycleExceptions::Set kNoExceptions;
  auto* held = static_cast<CShiftCycleExceptions*>(Existing(kShiftCycleException));
  auto exceptions = DayCursor(
      held && !ignoreExceptions ? held->Items() : kNoExceptions,
      CShiftCycleExceptions::Key{planType, first},
      [planType](const CShiftCycleException& e, uint32_t day) {
        return e.GetPlanType() == planType && e.GetDate() < day;
      },
      [planType](const CShiftCycleException& e, uint32_t day) {
        return e.GetPlanType() == planType && e.GetDate() == day;
      });

  uint32_t count = 0;
  int64_t cycleDay = int64_t{first} - m_start + m_cycle->Phase(m_start, m_startOffset);
  // The pattern day is cycleDay rem period; it steps by one without a division, except while
  // cycleDay is not above 0, where the truncating remainder does not simply count up.
  int64_t position = cycleDay % period;
  auto next = [&] {
    if (++cycleDay <= 0)
      position = cycleDay % period;
    else if (++position == period)
      position = 0;
  };
  // 64-bit days: a range that ends on the last day number must not wrap.
  for (uint64_t day = first; day <= last; ++day, next()) {
    CShiftCycleElement* element = elements->At(position);
    CShiftType* type = element ? element->ShiftType() : nullptr;
    if (!type) continue;
    const uint32_t date = static_cast<uint32_t>(day);
    const int32_t dayIndex = holidays.Hits(date) ? 7 : static_cast<int32_t>(date % 7);
    if (!type->IsActiveOnDay(dayIndex)) continue;
    if (exceptions.Hits(date)) continue;
    if (restrictions) {
      const velk_data::IShiftTypeRestriction* restriction =
          restrictions->FindRestriction(type, dayIndex);
      if (restriction && restriction->GetRestriction() == kExcluded) continue;
    }
    visit(date, element, dayIndex);
    ++count;
  }
  return count;
}

uint32_t CShiftCycleAssignment::GetShifts(uint32_t* dates, velk_data::IShiftCycleElement** elements,
                                          uint32_t from, uint32_t to, int32_t planType,
                                          bool ignoreExceptions) const {
  uint32_t n = 0;
  return ForEachShift(from, to, planType, ignoreExceptions,
                      [&](uint32_t date, CShiftCycleElement* element, int32_t) {
                        if (dates) dates[n] = date;
                        if (elements) elements[n] = element;
                        ++n;
                      });
}

bool CShiftCycleAssignment::MoveStart(uint32_t newStart) {
  if (newStart > m_end) return false;
  const int64_t period = m_cycle ? m_cycle->Period() : 0;
  // Without a pattern no day has an element to keep: only the start moves.
  if (period > 0) {
    int64_t day = (m_cycle->Phase(m_start, m_startOffset) + newStart - m_start) % period;
    if (day < 0) day += period;
    m_startOffset = static_cast<int32_t>(m_cycle->GetUnit() != CShiftCycle::kDays ? day / 7 : day);
  }
  const auto before = SortKey();
  m_start = newStart;
  if (m_owned && !(SortKey() == before)) Owner()->Reposition(this, before);
  return true;
}

velk_data::IShiftCycleException* CShiftCycleAssignment::CreateException(uint32_t date,
                                                                        int32_t planType) {
  velk_data::IShiftCycleException* exception =
      Typed<CShiftCycleExceptions>(kShiftCycleException)->CreateItem();
  exception->SetDate(date);
  exception->SetPlanType(planType);
  return exception;
}

void CShiftCycleAssignment::Assign(const velk_data::IShiftCycleAssignment* other) {
  if (!other) return;
  SetId(other->GetId());
  SetShiftCycle(other->GetShiftCycle());
  SetStart(other->GetStart());
  SetEnd(other->GetEnd());
  SetStartOffset(other->GetStartOffset());
}

uint32_t CShiftCycleAssignments::GetInPeriod(velk_data::IShiftCycleAssignment** out, uint32_t from,
                                             uint32_t to) const {
  uint32_t n = 0;
  for (CShiftCycleAssignment* assignment : Items()) {
    if (from != 0 && from > assignment->GetEnd()) continue;
    if (to != 0 && to < assignment->GetStart()) continue;
    if (out) out[n] = assignment;
    ++n;
  }
  return n;
}

uint32_t CShiftCycleAssignments::GetShifts(uint32_t* dates,
                                           velk_data::IShiftCycleElement** elements, uint32_t from,
                                           uint32_t to, int32_t planType) const {
  uint32_t n = 0;
  for (CShiftCycleAssignment* assignment : Items())
    n += assignment->GetShifts(dates ? dates + n : nullptr, elements ? elements + n : nullptr, from,
                               to, planType, false);
  return n;
}
