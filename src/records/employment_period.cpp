#include "records/employment_period.h"

#include "datetime/date.h"

using velk_date_time::TDate;

velk_data::IEmployee* CEmploymentPeriod::GetEmployee() const { return Holder(); }

void CEmploymentPeriod::Assign(const velk_data::IEmploymentPeriod* other) {
  if (!other) return;
  SetId(other->GetId());
  SetStart(other->GetStart());
  SetEnd(other->GetEnd());
  SetDescription(other->GetDescription());
}

velk_data::IEmployee* CEmploymentPeriods::GetEmployee() const { return OwnerItem(); }

uint32_t CEmploymentPeriods::GetInRange(velk_data::IEmploymentPeriod** out, uint32_t start,
                                        uint32_t end) const {
  uint32_t n = 0;
  for (CEmploymentPeriod* period : Items()) {
    if (period->GetEnd() != 0 && start > period->GetEnd()) continue;
    if (end != 0 && end < period->GetStart()) continue;
    if (out) out[n] = period;
    ++n;
  }
  return n;
}

uint32_t CEmploymentPeriods::GetFirstStart() const {
  if (Items().empty()) return TDate::FromYMD(12, 31, 9999).m_day;
  return (*Items().begin())->GetStart();
}

uint32_t CEmploymentPeriods::GetLastEnd() const {
  if (Items().empty()) return TDate::FromYMD(1, 1, 1601).m_day;
  uint32_t last = 0;
  for (CEmploymentPeriod* period : Items()) {
    if (period->GetEnd() == 0) return 0;
    if (period->GetEnd() > last) last = period->GetEnd();
  }
  return last;
}

size_t CEmploymentPeriods::CollectEmploymentIntervals(DatePeriods& set, uint32_t start,
                                                      uint32_t end) const {
  if (Items().empty()) return set.size();
  // The collection's order is the set's order, so the periods go in at the back.
  DatePeriods merged;
  for (const CEmploymentPeriod* period : Items()) merged.Add(period->GetStart(), period->GetEnd());
  MergePeriods(merged);
  DatePeriod piece;
  for (const DatePeriod& interval : merged)
    if (Clip(interval, start, end, &piece)) set.Add(piece);
  return set.size();
}

uint32_t CEmploymentPeriods::GetEmploymentIntervals(uint32_t* starts, uint32_t* ends,
                                                    uint32_t start, uint32_t end) const {
  DatePeriods set;
  CollectEmploymentIntervals(set, start, end);
  return set.CopyTo(starts, ends);
}

bool CEmploymentPeriods::FindEmploymentInterval(uint32_t* start, uint32_t* end,
                                                uint32_t day) const {
  DatePeriods set;
  CollectEmploymentIntervals(set, 0, 0);
  for (const DatePeriod& interval : set) {
    if (!interval.Contains(day)) continue;
    if (start) *start = interval.start;
    if (end) *end = interval.end;
    return true;
  }
  return false;
}
