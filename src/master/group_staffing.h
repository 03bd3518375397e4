// The staffing of a group per day: how many of its members are planned on each shift type,
// absent with each leave type and available, over the days on which they are members. The
// counts of all shift types and all leave types for a range are filled in one pass and kept
// until ClearLinks; the cached lookups compute a block of days around the one asked for, so a
// view that walks through the days computes each block once.
#pragma once

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "master/availability.h"
#include "velk_data.h"

class CGroup;

class CGroupStaffing {
 public:
  explicit CGroupStaffing(const CGroup* group) : m_group(group) {}

  void FillAvailableCounts(int32_t* out, uint32_t from, uint32_t to, int32_t planType,
                           const AbsenceLists& lists);
  int32_t GetAvailableCount(uint32_t day, int32_t planType, uint32_t prefetch);
  void GetPlannedCounts(int32_t* out, const velk_data::IShiftType* type,
                        const velk_data::IWorkplace* workplace, uint32_t from, uint32_t to,
                        int32_t planType) const;
  void FillPlannedCounts(uint32_t from, uint32_t to, int32_t planType);
  int32_t GetPlannedCountCached(uint32_t day, const velk_data::IShiftType* type, int32_t planType,
                                uint32_t prefetch);
  int32_t CountAbsent(velk_data::ILeaveType* const* types, uint32_t count, uint32_t day,
                      int32_t planType) const;
  void FillAbsentCounts(uint32_t from, uint32_t to, int32_t planType);
  int32_t GetAbsentCountCached(uint32_t day, const velk_data::ILeaveType* type, int32_t planType,
                               uint32_t prefetch);

  // An employee's days as a member of the group, clipped to a range (end 0: open).
  struct Member {
    velk_data::IEmployee* employee;
    std::vector<std::pair<uint32_t, uint32_t>> ranges;
    bool Covers(uint32_t day) const;
  };
  // The employees with a membership in the group's subtree that overlaps [from, to].
  void MemberRanges(uint32_t from, uint32_t to, std::vector<Member>& out) const;

 private:
  using DayKey = std::tuple<const void*, uint32_t, int32_t>;  // item, date, plan type
  // The count of item on day from map, filling a block of days around it first when missing.
  int32_t ItemCountCached(std::map<DayKey, int32_t>& map, const void* item, uint32_t day,
                          int32_t planType, uint32_t prefetch,
                          void (CGroupStaffing::*fill)(uint32_t, uint32_t, int32_t));

  const CGroup* m_group;
  std::map<std::pair<uint32_t, int32_t>, int32_t> m_available;
  std::map<DayKey, int32_t> m_planned;
  std::map<DayKey, int32_t> m_absent;
};
