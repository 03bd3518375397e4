#include "master/group_staffing.h"

#include <algorithm>
#include <unordered_set>

#include "master/employee_schedule.h"
#include "master/group.h"

namespace {

// The range to compute around day so that a walk through the days computes blocks of n days:
// centred on day, or ahead of or behind what is known already.
std::pair<uint32_t, uint32_t> PrefetchRange(uint32_t day, uint32_t n, bool before, bool after) {
  if (n == 0 || (before && after)) return {day, day};
  if (before) return {day, day + n};
  if (after) return {day >= n ? day - n : 0, day};
  return {day >= n / 2 ? day - n / 2 : 0, day + n / 2 + n % 2};
}

// The cached count of key; on a miss fill computes the block around the day first.
template <class Map, class Key, class MakeKey, class Fill>
int32_t CachedCount(Map& map, const Key& key, uint32_t day, uint32_t prefetch, MakeKey makeKey,
                    Fill fill) {
  auto it = map.find(key);
  if (it != map.end()) return it->second;
  const bool before = day > 0 && map.count(makeKey(day - 1));
  const bool after = map.count(makeKey(day + 1)) != 0;
  const auto [from, to] = PrefetchRange(day, prefetch, before, after);
  fill(from, to);
  it = map.find(key);
  return it == map.end() ? 0 : it->second;
}

uint32_t Days(uint32_t from, uint32_t to) { return to >= from ? to - from + 1 : 0; }

// Per-day counts of every item of a master collection (shift types, leave types) over
// [from, to], stored into a group's count map when complete.
class CDayCounts {
 public:
  template <class Items>
  CDayCounts(const Items* items, uint32_t from, uint32_t to) : m_from(from), m_to(to) {
    for (uint32_t i = 0, n = items->GetCount(); i < n; ++i)
      m_counts[items->GetAt(i)].assign(Days(from, to), 0);
  }
  // One more for item on date; items of no collection and dates outside are passed over.
  void Add(const void* item, uint32_t date) {
    auto it = m_counts.find(item);
    if (it != m_counts.end() && date >= m_from && date <= m_to) ++it->second[date - m_from];
  }
  template <class Map>
  void StoreInto(Map& map, int32_t planType) const {
    for (const auto& [item, perDay] : m_counts)
      for (uint32_t i = 0; i < perDay.size(); ++i) map[{item, m_from + i, planType}] = perDay[i];
  }

 private:
  uint32_t m_from, m_to;
  std::map<const void*, std::vector<int32_t>> m_counts;
};

}  // namespace

int32_t CGroupStaffing::ItemCountCached(std::map<DayKey, int32_t>& map, const void* item,
                                        uint32_t day, int32_t planType, uint32_t prefetch,
                                        void (CGroupStaffing::*fill)(uint32_t, uint32_t, int32_t)) {
  return CachedCount(
      map, DayKey{item, day, planType}, day, prefetch,
      [&](uint32_t d) {
        return DayKey{item, d, planType};
      },
      [&](uint32_t from, uint32_t to) { (this->*fill)(from, to, planType); });
}

bool CGroupStaffing::Member::Covers(uint32_t day) const {
  for (const auto& [start, end] : ranges)
    if ((start == 0 || start <= day) && (end == 0 || day <= end)) return true;
  return false;
}

void CGroupStaffing::MemberRanges(uint32_t from, uint32_t to, std::vector<Member>& out) const {
  out.clear();
  const std::vector<velk_data::IGroup*>& subtree = m_group->Subtree();
  const std::unordered_set<const velk_data::IGroup*> groups(subtree.begin(), subtree.end());
  velk_data::IEmployees* employees = m_group->GetData()->GetEmployees();
  std::vector<velk_data::IMembership*> memberships;
  for (uint32_t i = 0, n = employees->GetCount(); i < n; ++i) {
    velk_data::IEmployee* employee = employees->GetAt(i);
    velk_data::IMemberships* all = employee->GetMemberships();
    if (!all) continue;
    memberships.resize(all->CountInRange(from, to, false));
    if (memberships.empty()) continue;
    all->GetInRange(memberships.data(), from, to, false);
    Member member{employee, {}};
    for (velk_data::IMembership* m : memberships) {
      if (!groups.count(m->GetGroup())) continue;
      const uint32_t start = std::max(m->GetStart(), from);
      const uint32_t end = m->GetEnd() == 0 ? to
                           : to == 0        ? m->GetEnd()
                                            : std::min(m->GetEnd(), to);
      member.ranges.emplace_back(start, end);
    }
    if (!member.ranges.empty()) out.push_back(std::move(member));
  }
}

void CGroupStaffing::FillAvailableCounts(int32_t* out, uint32_t from, uint32_t to, int32_t planType,
                                         const AbsenceLists& lists) {
  std::vector<Member> members;
  MemberRanges(from, to, members);
  std::vector<velk_data::IEmployee*> present;
  for (uint32_t day = from, i = 0; i < Days(from, to); ++day, ++i) {
    present.clear();
    for (const Member& member : members)
      if (member.Covers(day)) present.push_back(member.employee);
    const auto count = static_cast<int32_t>(CountAvailable(
        present.data(), static_cast<uint32_t>(present.size()), day, planType, lists));
    m_available[{day, planType}] = count;
    if (out) out[i] = count;
  }
}

int32_t CGroupStaffing::GetAvailableCount(uint32_t day, int32_t planType, uint32_t prefetch) {
  return CachedCount(
      m_available, std::make_pair(day, planType), day, prefetch,
      [&](uint32_t d) { return std::make_pair(d, planType); },
      [&](uint32_t from, uint32_t to) { FillAvailableCounts(nullptr, from, to, planType, {}); });
}

void CGroupStaffing::GetPlannedCounts(int32_t* out, const velk_data::IShiftType* type,
                                      const velk_data::IWorkplace* workplace, uint32_t from,
                                      uint32_t to, int32_t planType) const {
  if (out) std::fill(out, out + Days(from, to), 0);
  if (!out || to < from) return;
  std::vector<Member> members;
  MemberRanges(from, to, members);
  std::vector<velk_data::IScheduleItem*> items;
  for (const Member& member : members) {
    items.clear();
    employee_schedule::ScheduleItems(member.employee, from, to, planType, 7, items);
    for (velk_data::IScheduleItem* item : items) {
      const uint32_t date = item->GetDate();
      if (date >= from && date <= to && member.Covers(date) && item->GetShiftType() == type &&
          item->GetWorkplace() == workplace)
        ++out[date - from];
      item->Release();
    }
  }
}

void CGroupStaffing::FillPlannedCounts(uint32_t from, uint32_t to, int32_t planType) {
  CDayCounts counts(m_group->GetData()->GetShiftTypes(), from, to);
  std::vector<Member> members;
  MemberRanges(from, to, members);
  std::vector<velk_data::IScheduleItem*> items;
  for (const Member& member : members) {
    items.clear();
    employee_schedule::ScheduleItems(member.employee, from, to, planType, 7, items);
    for (velk_data::IScheduleItem* item : items) {
      if (member.Covers(item->GetDate())) counts.Add(item->GetShiftType(), item->GetDate());
      item->Release();
    }
  }
  counts.StoreInto(m_planned, planType);
}

int32_t CGroupStaffing::GetPlannedCountCached(uint32_t day, const velk_data::IShiftType* type,
                                              int32_t planType, uint32_t prefetch) {
  return ItemCountCached(m_planned, type, day, planType, prefetch,
                         &CGroupStaffing::FillPlannedCounts);
}

int32_t CGroupStaffing::CountAbsent(velk_data::ILeaveType* const* types, uint32_t count,
                                    uint32_t day, int32_t planType) const {
  std::vector<velk_data::IEmployee*> employees(m_group->CountEmployees(day, day, true));
  if (!employees.empty()) m_group->GetEmployees(employees.data(), day, day, true);
  int32_t absent = 0;
  std::vector<velk_data::IAbsence*> absences;
  for (velk_data::IEmployee* employee : employees) {
    employee_schedule::InRange(employee->GetAbsences(), day, day, planType, absences);
    const bool any = std::any_of(absences.begin(), absences.end(), [&](velk_data::IAbsence* a) {
      return types && std::find(types, types + count, a->GetLeaveType()) != types + count;
    });
    if (any) ++absent;
  }
  return absent;
}

void CGroupStaffing::FillAbsentCounts(uint32_t from, uint32_t to, int32_t planType) {
  CDayCounts counts(m_group->GetData()->GetLeaveTypes(), from, to);
  std::vector<Member> members;
  MemberRanges(from, to, members);
  std::vector<velk_data::IAbsence*> absences;
  std::vector<std::pair<const void*, uint32_t>> seen;  // (leave type, day) of one employee
  for (const Member& member : members) {
    employee_schedule::InRange(member.employee->GetAbsences(), from, to, planType, absences);
    seen.clear();
    for (velk_data::IAbsence* absence : absences)
      if (member.Covers(absence->GetDate()))
        seen.emplace_back(absence->GetLeaveType(), absence->GetDate());
    // Each employee counts once per leave type and day.
    std::sort(seen.begin(), seen.end());
    seen.erase(std::unique(seen.begin(), seen.end()), seen.end());
    for (const auto& [type, date] : seen) counts.Add(type, date);
  }
  counts.StoreInto(m_absent, planType);
}

int32_t CGroupStaffing::GetAbsentCountCached(uint32_t day, const velk_data::ILeaveType* type,
                                             int32_t planType, uint32_t prefetch) {
  return ItemCountCached(m_absent, type, day, planType, prefetch,
                         &CGroupStaffing::FillAbsentCounts);
}
