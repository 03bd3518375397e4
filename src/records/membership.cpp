#include "records/membership.h"

#include <algorithm>

#include "records/employment_period.h"

void CMembership::Assign(const velk_data::IMembership* other) {
  if (!other) return;
  SetId(other->GetId());
  SetGroup(other->GetGroup());
  SetStart(other->GetStart());
  SetEnd(other->GetEnd());
  SetRate(other->GetRate());
}

bool CMemberships::Counts(const velk_data::IGroup* member, const velk_data::IGroup* group) {
  // The subtree of a group in the tree is what lies below it; outside the tree a group stands
  // alone.
  if (!member || !group) return false;
  return member == group || (group->IsInTree() && member->IsWithin(group));
}

template <class Visit>
void CMemberships::ForGroup(const velk_data::IGroup* group, Visit&& visit) const {
  for (CMembership* membership : Items())
    if (Counts(membership->GetGroup(), group)) visit(membership);
}

uint32_t CMemberships::GetInRange(velk_data::IMembership** out, uint32_t start, uint32_t end,
                                  bool withinEmployment) const {
  DatePeriods employment;
  if (withinEmployment) CollectEmploymentOf(OwnerItem(), employment, start, end);
  uint32_t n = 0;
  for (CMembership* m : Items()) {
    if (m->GetEnd() != 0 && start > m->GetEnd()) continue;
    if (end != 0 && end < m->GetStart()) continue;
    if (withinEmployment) {
      const uint32_t from = std::max(m->GetStart(), start);
      const uint32_t to = m->GetEnd() == 0 ? end
                          : end == 0       ? m->GetEnd()
                                           : std::min(m->GetEnd(), end);
      const bool meets =
          std::any_of(employment.begin(), employment.end(), [&](const DatePeriod& e) {
            return (e.end == 0 || from <= e.end) && (to == 0 || to >= e.start);
          });
      if (!meets) continue;
    }
    if (out) out[n] = m;
    ++n;
  }
  return n;
}

bool CMemberships::IsMemberOn(velk_data::IGroup* group, uint32_t day) const {
  if (group && group->IsRoot()) return true;
  bool member = false;
  ForGroup(group, [&](const CMembership* m) {
    member = member || DatePeriod{0, m->GetStart(), m->GetEnd(), 0}.Contains(day);
  });
  return member;
}

bool CMemberships::IsMember(velk_data::IGroup* group) const {
  if (group && group->IsRoot()) return true;
  bool member = false;
  ForGroup(group, [&](const CMembership*) { member = true; });
  return member;
}

uint32_t CMemberships::GetMembershipIntervals(uint32_t* starts, uint32_t* ends,
                                              velk_data::IGroup* group, uint32_t start,
                                              uint32_t end, bool withinEmployment) const {
  DatePeriods set;
  CollectMembershipIntervals(set, group, start, end, withinEmployment);
  return set.CopyTo(starts, ends);
}

size_t CMemberships::CollectAll(std::vector<CMembership*>& out) const {
  out.insert(out.end(), Items().begin(), Items().end());
  return out.size();
}

size_t CMemberships::CollectForGroup(std::vector<CMembership*>& out,
                                     const velk_data::IGroup* group) const {
  ForGroup(group, [&](CMembership* m) { out.push_back(m); });
  return out.size();
}

size_t CMemberships::CollectMembershipIntervals(DatePeriods& set, const velk_data::IGroup* group,
                                                uint32_t start, uint32_t end,
                                                bool withinEmployment) const {
  DatePeriods source;
  if (group && group->IsRoot())
    source.Add(0, 0);
  else
    ForGroup(group, [&](const CMembership* m) { source.Add(m->GetStart(), m->GetEnd()); });
  if (source.empty()) return set.size();
  MergePeriods(source);
  if (!withinEmployment) {
    for (const DatePeriod& m : source) set.Add(m);
    return set.size();
  }
  DatePeriods employment;
  CollectEmploymentOf(OwnerItem(), employment, start, end);
  DatePeriod piece;
  for (const DatePeriod& m : source)
    for (const DatePeriod& e : employment)
      if (Clip(m, e.start, e.end, &piece)) set.Add(piece);
  MergePeriods(set);
  return set.size();
}
