// IGroup, a node of the organisation tree, IGroups, the master collection of groups, and
// IGroupIterator, a walk over a subtree.
//
// The tree is rebuilt after every message that holds groups: the parentless group with the
// lowest id is the root; groups whose parent chain does not reach it lie outside the tree.
// A group stands for every employee with a membership in it or below it, owns five
// requirement and restriction collections, and answers staffing counts per day (cached until
// the next message).
//
// Dates are day numbers; in a range, from 0 means "from the beginning" and to 0 "without end".
// Counted queries come in pairs: CountX equals GetX with a null array. Colours are 0xBBGGRR.
// Per-day arrays (out) hold to - from + 1 values, out[0] for from.
#ifndef VELK_DATA_GROUPS_H_
#define VELK_DATA_GROUPS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IGroup : public IItem {
 public:
  virtual IGroups* GetCollection() const = 0;

  // Special periods of this group and then of each ancestor in [from, to]; nothing for a
  // group outside the tree.
  virtual uint32_t GetSpecialPeriodsUp(ISpecialPeriod** out, uint32_t from, uint32_t to) const = 0;
  virtual ISpecialPeriods* GetSpecialPeriods() const = 0;
  // Leave bans up the tree, as GetSpecialPeriodsUp.
  virtual uint32_t GetLeaveBansUp(ILeaveBan** out, uint32_t from, uint32_t to) const = 0;
  virtual ILeaveBans* GetLeaveBans() const = 0;
  virtual ISpecialWeekdayRequirements* GetSpecialWeekdayRequirements() const = 0;
  virtual IShiftRequirements* GetShiftRequirements() const = 0;
  virtual ISpecialShiftRequirements* GetSpecialShiftRequirements() const = 0;

  // Sort key among siblings.
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
  // The parent link is derived from "parent_group_id" after each message.
  virtual IGroup* GetParentGroup() const = 0;
  virtual void SetParentGroup(IGroup* parent) = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  virtual const char16_t* GetShortName() const = 0;
  virtual void SetShortName(const char16_t* text) = 0;
  virtual const char16_t* GetDescription() const = 0;
  virtual void SetDescription(const char16_t* text) = 0;
  virtual uint32_t GetNameTextColor() const = 0;
  virtual void SetNameTextColor(uint32_t color) = 0;
  virtual uint32_t GetNameBackColor() const = 0;
  virtual void SetNameBackColor(uint32_t color) = 0;
  virtual uint32_t GetScheduleTextColor() const = 0;
  virtual void SetScheduleTextColor(uint32_t color) = 0;
  virtual uint32_t GetScheduleBackColor() const = 0;
  virtual void SetScheduleBackColor(uint32_t color) = 0;
  virtual bool IsBoldText() const = 0;
  virtual void SetBoldText(bool bold) = 0;
  // Required staff by day index (0 Monday .. 6 Sunday, 7 holidays); a larger index reads 0
  // and is not stored.
  virtual int32_t GetRequirement(uint32_t index) const = 0;
  virtual void SetRequirement(uint32_t index, int32_t value) = 0;

  virtual bool IsRoot() const = 0;
  // Reachable from the root.
  virtual bool IsInTree() const = 0;
  // True when other is this group or an ancestor of it; false outside the tree.
  virtual bool IsWithin(const IGroup* other) const = 0;
  // Groups whose parent is this one, in collection order.
  virtual uint32_t CountChildGroups() const = 0;
  virtual uint32_t GetChildGroups(IGroup** out) const = 0;
  // Memberships in exactly this group, employee by employee.
  virtual uint32_t CountDirectMemberships() const = 0;
  virtual uint32_t GetDirectMemberships(IMembership** out) const = 0;
  // Employees with a membership in the subtree overlapping [from, to] (the root: every
  // employee), each once; employedOnly keeps those employed in the overlap.
  virtual uint32_t CountEmployees(uint32_t from, uint32_t to, bool employedOnly) const = 0;
  virtual uint32_t CountAllEmployees() const = 0;
  virtual uint32_t GetEmployees(IEmployee** out, uint32_t from, uint32_t to,
                                bool employedOnly) const = 0;
  // GetEmployees(out, 0, 0, false).
  virtual uint32_t GetAllEmployees(IEmployee** out) const = 0;
  // A pre-order walk of the subtree starting at this group; siblings by position, then by
  // name compared case-insensitively in the locale (BCP-47, null for the default). The
  // caller releases the iterator.
  virtual IGroupIterator* CreateIterator(const char16_t* localeName) = 0;
  virtual uint32_t CountSpecialPeriodsUp(uint32_t from, uint32_t to) const = 0;
  // True when a leave ban of this group or an ancestor covers day with filter 0 or equal to
  // filter.
  virtual bool IsLeaveBanned(uint32_t day, int32_t filter) const = 0;
  virtual uint32_t CountLeaveBansUp(uint32_t from, uint32_t to) const = 0;

  // Staffing counts. The Fill operations compute a range into the group's cache; the Cached
  // lookups compute a window of prefetch days around a day that is not cached yet.
  //
  // Per day of [from, to], the members available for work, as if the ignored absences did
  // not exist and the extra ones did; cached, and copied to out when not null.
  virtual void FillAvailableCounts(int32_t* out, uint32_t from, uint32_t to, int32_t planType,
                                   IAbsence* const* ignored, uint32_t ignoredCount,
                                   IAbsence* const* extra, uint32_t extraCount) const = 0;
  virtual int32_t GetAvailableCount(uint32_t day, int32_t planType, uint32_t prefetch) const = 0;
  // Required staff per day into out; returns the largest value written.
  virtual int32_t GetRequirementsInRange(int32_t* out, uint32_t from, uint32_t to) const = 0;
  // The largest special weekday requirement covering day, else the stored requirement of its
  // day index.
  virtual int32_t GetRequirementOnDate(uint32_t day) const = 0;
  // Members planned per day with a shift of type at workplace (fixed, modified and cycle
  // shifts).
  virtual void GetPlannedCounts(int32_t* out, IShiftType* type, IWorkplace* workplace,
                                uint32_t from, uint32_t to, int32_t planType) const = 0;
  virtual void FillPlannedCounts(uint32_t from, uint32_t to, int32_t planType) const = 0;
  virtual int32_t GetPlannedCount(uint32_t day, IShiftType* type, IWorkplace* workplace,
                                  int32_t planType) const = 0;
  virtual int32_t GetPlannedCountCached(uint32_t day, IShiftType* type, int32_t planType,
                                        uint32_t prefetch) const = 0;
  // The minimum required for type on day (special shift requirement of the date first); its
  // maximum goes to second. Without a requirement: 0, and second -1.
  virtual int32_t GetShiftRequirement(uint32_t day, IShiftType* type, int32_t* second) const = 0;
  // Employees employed on day with an absence of one of the leave types.
  virtual int32_t CountAbsent(ILeaveType* const* types, uint32_t count, uint32_t day,
                              int32_t planType) const = 0;
  virtual void FillAbsentCounts(uint32_t from, uint32_t to, int32_t planType) const = 0;
  virtual int32_t GetAbsentCountCached(uint32_t day, ILeaveType* type, int32_t planType,
                                       uint32_t prefetch) const = 0;
  // Copies id, position, parent link, texts, colours and requirements.
  virtual void Assign(const IGroup* other) = 0;
};

// The groups in load order.
class IGroups {
 public:
  virtual IData* GetData() = 0;
  // A new free group; the caller releases it.
  virtual IGroup* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IGroup** out) const = 0;
  virtual IGroup* GetAt(uint32_t index) const = 0;
  virtual IGroup* FindById(int32_t id) const = 0;
  // Null when there is no root (every group has a parent).
  virtual IGroup* GetRootGroup() const = 0;
  virtual ~IGroups() {}
};

// Valid while no group is added, removed or re-linked. Owned by its creator.
class IGroupIterator {
 public:
  // The start group first; null when the walk has ended.
  virtual IGroup* GetCurrent() const = 0;
  // Advances and returns the new current group, null at the end.
  virtual IGroup* Next() = 0;
  // Back to the start group, which it returns.
  virtual IGroup* Reset() = 0;
  // Levels between the start group and the current one.
  virtual uint32_t GetDepth() const = 0;
  // Destroys the iterator.
  virtual void Release() = 0;
  virtual ~IGroupIterator() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_GROUPS_H_
