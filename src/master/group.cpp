#include "master/group.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "data/data.h"
#include "data/type_codes.h"
#include "master/employee.h"
#include "master/group_iterator.h"
#include "records/date_period.h"
#include "records/dated_shift_requirement.h"
#include "records/leave_ban.h"
#include "records/marked_period.h"
#include "records/membership.h"
#include "records/period_weekday_requirement.h"
#include "records/shift_requirement.h"
#include "users/group_access.h"

namespace {

// The records of Records of group and of each parent up to the root; nothing for a group
// outside the tree. Inside the tree the parent chain ends at the root.
template <class Records, class Item>
void CollectUp(const CGroup* group, std::vector<Item*>& out, uint32_t from, uint32_t to) {
  if (!group->IsInTree()) return;
  WalkUp<const velk_data::IGroup>(group, [&](const velk_data::IGroup* up) {
    static_cast<const CGroup*>(up)->CollectOwn<Records>(out, from, to);
    return false;
  });
}

}  // namespace

bool CGroup::IsWithin(const velk_data::IGroup* other) const {
  if (!m_isInTree) return false;
  return WalkUp<const velk_data::IGroup>(
      this, [other](const velk_data::IGroup* group) { return group == other; });
}

uint32_t CGroup::GetChildGroups(velk_data::IGroup** out) const {
  uint32_t count = 0;
  for (CGroup* group : Groups()->Items()) {
    if (group->GetParentGroup() != this) continue;
    if (out) out[count] = group;
    ++count;
  }
  return count;
}

namespace {

const CMemberships* MembershipsOf(const CEmployee* employee) {
  return static_cast<const CMemberships*>(employee->Existing(kMembership));
}

// Whether the membership overlaps [from, to] and, with employedOnly, its employee is employed
// somewhere in the overlap.
bool CountsIn(const CEmployee* employee, const CMembership* m, uint32_t from, uint32_t to,
              bool employedOnly) {
  DatePeriod overlap;
  if (!Clip({0, m->GetStart(), m->GetEnd(), 0}, from, to, &overlap)) return false;
  return !employedOnly || employee->IsEmployedIn(overlap.start, overlap.end, false);
}

}  // namespace

uint32_t CGroup::GetDirectMemberships(velk_data::IMembership** out) const {
  uint32_t count = 0;
  for (CEmployee* employee : Root()->Employees()->Items()) {
    const CMemberships* memberships = MembershipsOf(employee);
    if (!memberships) continue;
    for (CMembership* m : memberships->Items()) {
      if (m->GetGroup() != this) continue;
      if (out) out[count] = m;
      ++count;
    }
  }
  return count;
}

uint32_t CGroup::GetEmployees(velk_data::IEmployee** out, uint32_t from, uint32_t to,
                              bool employedOnly) const {
  uint32_t count = 0;
  for (CEmployee* employee : Root()->Employees()->Items()) {
    bool counts = m_isRoot && (!employedOnly || employee->IsEmployedIn(from, to, false));
    if (!m_isRoot) {
      if (const CMemberships* memberships = MembershipsOf(employee))
        for (const CMembership* m : memberships->Items())
          if (CMemberships::Counts(m->GetGroup(), this) &&
              CountsIn(employee, m, from, to, employedOnly)) {
            counts = true;
            break;
          }
    }
    if (!counts) continue;
    if (out) out[count] = employee;
    ++count;
  }
  return count;
}

velk_data::IGroupIterator* CGroup::CreateIterator(const char16_t* localeName) {
  return new CGroupIterator(this, localeName);
}

int32_t CGroup::GetRequirementsInRange(int32_t* out, uint32_t from, uint32_t to) const {
  // The special requirements of the range are gathered once; each day then picks its own.
  // Day 0 is an open query that every special requirement covers: from 0 gathers them all.
  std::vector<CSpecialWeekdayRequirement*> special;
  CollectOwn<CSpecialWeekdayRequirements>(special, from, from == 0 ? 0 : to);
  int32_t largest = 0;
  for (uint32_t day = from; day <= to; ++day) {
    const int32_t value = RequirementOn(day, special);
    if (out) out[day - from] = value;
    if (day == from || value > largest) largest = value;
    if (day == UINT32_MAX) break;
  }
  return largest;
}

uint32_t CGroup::DayIndex(uint32_t day) const { return Root()->IsHoliday(day) ? 7 : day % 7; }

int32_t CGroup::GetRequirementOnDate(uint32_t day) const {
  std::vector<CSpecialWeekdayRequirement*> special;
  CollectOwn<CSpecialWeekdayRequirements>(special, day, day);
  return RequirementOn(day, special);
}

int32_t CGroup::RequirementOn(uint32_t day,
                              const std::vector<CSpecialWeekdayRequirement*>& special) const {
  const uint32_t index = DayIndex(day);
  // Where special requirements cover the day, the greatest of their numbers counts, even when
  // it is below the group's own.
  bool covered = false;
  int32_t largest = 0;
  for (const CSpecialWeekdayRequirement* requirement : special) {
    if (!requirement->Overlaps(day, day)) continue;
    const int32_t value = requirement->GetRequirement(index);
    largest = covered ? std::max(largest, value) : value;
    covered = true;
  }
  return covered ? largest : m_requirements[index];
}

int32_t CGroup::GetShiftRequirement(uint32_t day, velk_data::IShiftType* type,
                                    int32_t* second) const {
  int32_t minimum = 0, maximum = -1;
  velk_data::ISpecialShiftRequirement* special = nullptr;
  if (auto* dated =
          static_cast<const CSpecialShiftRequirements*>(Existing(kSpecialShiftRequirement)))
    special = dated->FindRequirement(day, type);
  if (special) {
    minimum = special->GetMinimum();
    maximum = special->GetMaximum();
  } else if (auto* weekly = static_cast<const CShiftRequirements*>(Existing(kShiftRequirement))) {
    if (velk_data::IShiftRequirement* requirement =
            weekly->FindRequirement(static_cast<int32_t>(DayIndex(day)), type)) {
      minimum = requirement->GetMinimum();
      maximum = requirement->GetMaximum();
    }
  }
  if (second) *second = maximum;
  return minimum;
}

uint32_t CGroup::GetSpecialPeriodsUp(velk_data::ISpecialPeriod** out, uint32_t from,
                                     uint32_t to) const {
  std::vector<CSpecialPeriod*> periods;
  CollectUp<CSpecialPeriods>(this, periods, from, to);
  return CopyGathered(periods, out);
}

uint32_t CGroup::GetLeaveBansUp(velk_data::ILeaveBan** out, uint32_t from, uint32_t to) const {
  std::vector<CLeaveBan*> bans;
  CollectUp<CLeaveBans>(this, bans, from, to);
  return CopyGathered(bans, out);
}

bool CGroup::IsLeaveBanned(uint32_t day, int32_t filter) const {
  std::vector<CLeaveBan*> bans;
  CollectUp<CLeaveBans>(this, bans, day, day);
  return std::any_of(bans.begin(), bans.end(),
                     [filter](const CLeaveBan* ban) { return ban->Bars(filter); });
}

const std::vector<velk_data::IGroup*>& CGroup::Subtree() const {
  if (m_subtree.empty()) {
    if (!m_isInTree) {
      m_subtree.push_back(const_cast<CGroup*>(this));
    } else {
      CGroupIterator walk(const_cast<CGroup*>(this), nullptr);
      for (velk_data::IGroup* group = walk.GetCurrent(); group; group = walk.Next())
        m_subtree.push_back(group);
    }
  }
  return m_subtree;
}

void CGroup::Assign(const velk_data::IGroup* other) {
  if (!other) return;  // nothing to copy
  SetId(other->GetId());
  SetPosition(other->GetPosition());
  SetParentGroup(other->GetParentGroup());
  SetName(other->GetName());
  SetShortName(other->GetShortName());
  SetDescription(other->GetDescription());
  SetNameTextColor(other->GetNameTextColor());
  SetNameBackColor(other->GetNameBackColor());
  SetScheduleTextColor(other->GetScheduleTextColor());
  SetScheduleBackColor(other->GetScheduleBackColor());
  SetBoldText(other->IsBoldText());
  for (uint32_t i = 0; i < kDayIndexes; ++i) SetRequirement(i, other->GetRequirement(i));
}

velk_data::IGroup* CGroups::GetRootGroup() const {
  for (CGroup* group : Items())
    if (group->IsRoot()) return group;
  return nullptr;
}

void CGroups::UpdateDerived(const std::set<std::u16string>& changedTypes) {
  if (!changedTypes.count(u"group")) return;
  const std::vector<CGroup*>& groups = Items();
  // 0 names no parent; any other id is looked up, a negative one too (a group loaded without
  // an id has -1).
  for (CGroup* group : groups) {
    group->SetParentGroup(group->ParentId() != 0 ? Find(group->ParentId()) : nullptr);
    group->SetTreeFlags(false, false);
  }
  CGroup* root = nullptr;
  for (CGroup* group : groups)
    if (!group->GetParentGroup() && (!root || group->GetId() < root->GetId())) root = group;
  if (!root) return;
  root->SetTreeFlags(true, true);
  // What the root reaches through child links is the tree. A group whose chain ends elsewhere
  // (a missing parent) or loops (a cycle) is never reached. The children are gathered once:
  // a walk of every group per parent grows with the square of the tree.
  std::unordered_map<const velk_data::IGroup*, std::vector<CGroup*>> children;
  for (CGroup* group : groups)
    if (group->GetParentGroup()) children[group->GetParentGroup()].push_back(group);
  std::vector<CGroup*> pending{root};
  while (!pending.empty()) {
    CGroup* parent = pending.back();
    pending.pop_back();
    auto it = children.find(parent);
    if (it == children.end()) continue;
    for (CGroup* group : it->second) {
      if (group->IsInTree()) continue;
      group->SetTreeFlags(false, true);
      pending.push_back(group);
    }
  }
}

void CGroups::BeforeDestroy(CGroup* group) {
  // Children keep their stored parent id and are re-linked after the message; until then no
  // link, and no cache, may point at the group that goes.
  for (CGroup* child : Items())
    if (child->GetParentGroup() == group) child->SetParentGroup(nullptr);
  ClearLinks();
  if (CEmployees* employees = Root()->Employees()) employees->ClearLinks();
  Root()->RemoveReferrers(group, {kMembership});
  Root()->GroupAccesses()->RemoveFor(group);
}
