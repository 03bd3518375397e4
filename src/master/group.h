// Groups: the organisation tree (departments, teams, wards). Each group names its parent by id;
// after every message that holds groups the collection links the parents, picks the root (the
// parentless group with the lowest id) and marks what the root reaches. A missing parent or a
// cycle leaves a group outside the tree.
//
// A group owns the records that say what it needs (shift requirements, special shift and
// weekday requirements) and when leave is barred or a period is special; the leave bans and
// special periods of its parents count for it too.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "data/type_codes.h"
#include "items/item.h"
#include "items/master_items.h"
#include "master/group_staffing.h"
#include "records/record_holder.h"
#include "velk_data/groups.h"

class CGroups;
class CSpecialWeekdayRequirement;

// Calls fn with the group and then each of its parents, nearest first, until fn returns true
// (then the result is true) or the chain ends. The tree is derived after each message, but a
// host's setters can link groups into a cycle in between, so the walk takes no more steps than
// there are groups.
template <class Group, class Fn>
bool WalkUp(Group* group, Fn fn) {
  if (!group) return false;
  const velk_data::IGroups* groups = group->GetData()->GetGroups();
  for (uint32_t steps = groups ? groups->GetCount() + 1 : 1; group && steps; --steps) {
    if (fn(group)) return true;
    group = group->GetParentGroup();
  }
  return false;
}

class CGroup : public CItem<CGroup, velk_data::IGroup, velk_data::IGroups>,
               public CRecordHolder<CGroup, kSpecialPeriod, kLeaveBan> {
 public:
  static constexpr const char16_t* kTypeName = u"group";
  static constexpr bool kListedByPosition = true;
  using Collection = CGroups;
  static constexpr uint32_t kDayIndexes = 8;  // Monday .. Sunday, holidays
  static constexpr const char16_t* kRequirementKeys[kDayIndexes] = {
      u"monday_requirement",   u"tuesday_requirement", u"wednesday_requirement",
      u"thursday_requirement", u"friday_requirement",  u"saturday_requirement",
      u"sunday_requirement",   u"holiday_requirement"};

  using CItem::CItem;

  void ClearLinks() override {
    m_subtree.clear();
    m_staffing.reset();
  }

  // The special periods (leave bans) of this group and then of each parent up to the root
  // that overlap [from, to]; nothing for a group outside the tree.
  uint32_t GetSpecialPeriodsUp(velk_data::ISpecialPeriod** out, uint32_t from,
                               uint32_t to) const override;
  velk_data::ISpecialPeriods* GetSpecialPeriods() const override {
    return Interface<velk_data::ISpecialPeriods>(kSpecialPeriod);
  }
  uint32_t GetLeaveBansUp(velk_data::ILeaveBan** out, uint32_t from, uint32_t to) const override;
  velk_data::ILeaveBans* GetLeaveBans() const override {
    return Interface<velk_data::ILeaveBans>(kLeaveBan);
  }
  velk_data::ISpecialWeekdayRequirements* GetSpecialWeekdayRequirements() const override {
    return Interface<velk_data::ISpecialWeekdayRequirements>(kSpecialWeekdayRequirement);
  }
  velk_data::IShiftRequirements* GetShiftRequirements() const override {
    return Interface<velk_data::IShiftRequirements>(kShiftRequirement);
  }
  velk_data::ISpecialShiftRequirements* GetSpecialShiftRequirements() const override {
    return Interface<velk_data::ISpecialShiftRequirements>(kSpecialShiftRequirement);
  }

  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }
  velk_data::IGroup* GetParentGroup() const override { return m_parent; }
  void SetParentGroup(velk_data::IGroup* parent) override { m_parent = parent; }
  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  const char16_t* GetShortName() const override { return m_shortName.c_str(); }
  void SetShortName(const char16_t* text) override { m_shortName = text ? text : u""; }
  const char16_t* GetDescription() const override { return m_description.c_str(); }
  void SetDescription(const char16_t* text) override { m_description = text ? text : u""; }
  uint32_t GetNameTextColor() const override { return m_nameFg; }
  void SetNameTextColor(uint32_t color) override { m_nameFg = color; }
  uint32_t GetNameBackColor() const override { return m_nameBk; }
  void SetNameBackColor(uint32_t color) override { m_nameBk = color; }
  uint32_t GetScheduleTextColor() const override { return m_scheduleFg; }
  void SetScheduleTextColor(uint32_t color) override { m_scheduleFg = color; }
  uint32_t GetScheduleBackColor() const override { return m_scheduleBk; }
  void SetScheduleBackColor(uint32_t color) override { m_scheduleBk = color; }
  bool IsBoldText() const override { return m_boldText; }
  void SetBoldText(bool bold) override { m_boldText = bold; }
  int32_t GetRequirement(uint32_t index) const override {
    return index < kDayIndexes ? m_requirements[index] : 0;
  }
  void SetRequirement(uint32_t index, int32_t value) override {
    if (index < kDayIndexes) m_requirements[index] = value;
  }

  bool IsRoot() const override { return m_isRoot; }
  bool IsInTree() const override { return m_isInTree; }
  bool IsWithin(const velk_data::IGroup* other) const override;
  uint32_t CountChildGroups() const override { return GetChildGroups(nullptr); }
  uint32_t GetChildGroups(velk_data::IGroup** out) const override;
  uint32_t CountDirectMemberships() const override { return GetDirectMemberships(nullptr); }
  // The memberships that name this very group, employee by employee.
  uint32_t GetDirectMemberships(velk_data::IMembership** out) const override;
  uint32_t CountEmployees(uint32_t from, uint32_t to, bool employedOnly) const override {
    return GetEmployees(nullptr, from, to, employedOnly);
  }
  uint32_t CountAllEmployees() const override { return GetAllEmployees(nullptr); }
  // The root: every employee (with employedOnly those employed in [from, to]). Another group:
  // each employee, once, with a membership in its subtree that overlaps [from, to] (with
  // employedOnly, one he is employed in somewhere).
  uint32_t GetEmployees(velk_data::IEmployee** out, uint32_t from, uint32_t to,
                        bool employedOnly) const override;
  uint32_t GetAllEmployees(velk_data::IEmployee** out) const override {
    return GetEmployees(out, 0, 0, false);
  }
  velk_data::IGroupIterator* CreateIterator(const char16_t* localeName) override;
  uint32_t CountSpecialPeriodsUp(uint32_t from, uint32_t to) const override {
    return GetSpecialPeriodsUp(nullptr, from, to);
  }
  bool IsLeaveBanned(uint32_t day, int32_t filter) const override;
  uint32_t CountLeaveBansUp(uint32_t from, uint32_t to) const override {
    return GetLeaveBansUp(nullptr, from, to);
  }

  // Staffing counts: group_staffing.cpp, with their caches.
  void FillAvailableCounts(int32_t* out, uint32_t from, uint32_t to, int32_t planType,
                           velk_data::IAbsence* const* ignored, uint32_t ignoredCount,
                           velk_data::IAbsence* const* extra, uint32_t extraCount) const override {
    Staffing().FillAvailableCounts(out, from, to, planType,
                                   {ignored, ignoredCount, extra, extraCount});
  }
  int32_t GetAvailableCount(uint32_t day, int32_t planType, uint32_t prefetch) const override {
    return Staffing().GetAvailableCount(day, planType, prefetch);
  }
  int32_t GetRequirementsInRange(int32_t* out, uint32_t from, uint32_t to) const override;
  int32_t GetRequirementOnDate(uint32_t day) const override;
  void GetPlannedCounts(int32_t* out, velk_data::IShiftType* type, velk_data::IWorkplace* workplace,
                        uint32_t from, uint32_t to, int32_t planType) const override {
    Staffing().GetPlannedCounts(out, type, workplace, from, to, planType);
  }
  void FillPlannedCounts(uint32_t from, uint32_t to, int32_t planType) const override {
    Staffing().FillPlannedCounts(from, to, planType);
  }
  int32_t GetPlannedCount(uint32_t day, velk_data::IShiftType* type,
                          velk_data::IWorkplace* workplace, int32_t planType) const override {
    int32_t count = 0;
    Staffing().GetPlannedCounts(&count, type, workplace, day, day, planType);
    return count;
  }
  int32_t GetPlannedCountCached(uint32_t day, velk_data::IShiftType* type, int32_t planType,
                                uint32_t prefetch) const override {
    return Staffing().GetPlannedCountCached(day, type, planType, prefetch);
  }
  // The minimum; the maximum goes to second (-1: none). A special shift requirement of the day
  // goes before the requirement of its day index; with neither, 0 and -1.
  int32_t GetShiftRequirement(uint32_t day, velk_data::IShiftType* type,
                              int32_t* second) const override;
  int32_t CountAbsent(velk_data::ILeaveType* const* types, uint32_t count, uint32_t day,
                      int32_t planType) const override {
    return Staffing().CountAbsent(types, count, day, planType);
  }
  void FillAbsentCounts(uint32_t from, uint32_t to, int32_t planType) const override {
    Staffing().FillAbsentCounts(from, to, planType);
  }
  int32_t GetAbsentCountCached(uint32_t day, velk_data::ILeaveType* type, int32_t planType,
                               uint32_t prefetch) const override {
    return Staffing().GetAbsentCountCached(day, type, planType, prefetch);
  }
  void Assign(const velk_data::IGroup* other) override;

  // The collection the group belongs to (or, while free, was created by).
  CGroups* Groups() const;
  int32_t ParentId() const { return m_parentId; }
  // Tree state, set only by the collection's UpdateDerived.
  void SetTreeFlags(bool isRoot, bool isInTree) {
    m_isRoot = isRoot;
    m_isInTree = isInTree;
  }
  // The day index of day: 7 on a holiday, else 0 Monday .. 6 Sunday.
  uint32_t DayIndex(uint32_t day) const;
  // The staff needed on day, given special weekday requirements that include those of day.
  int32_t RequirementOn(uint32_t day,
                        const std::vector<CSpecialWeekdayRequirement*>& special) const;
  // Appends this group's own records of Records that overlap [from, to].
  template <class Records, class Item>
  void CollectOwn(std::vector<Item*>& out, uint32_t from, uint32_t to) const {
    if (auto* records = static_cast<const Records*>(Existing(Records::kCode)))
      records->CollectInRange(out, from, to);
  }
  // This group and every group below it; only the group itself when it is outside the tree.
  // Cached until ClearLinks.
  const std::vector<velk_data::IGroup*>& Subtree() const;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"position", s.m_position);
    // Read as a bare id (resolved only after the message); written from the derived link, so a
    // parent that names no group goes back as null.
    if constexpr (A::kReads) {
      if (const velk_json::CJSONValue* member = ar.Json().Find(u"parent_group_id"))
        s.m_parentId = member->GetType() == velk_json::JSONType::Null
                           ? 0
                           : ar.Json().GetInt(u"parent_group_id", 0);
    } else {
      if (s.m_parent)
        ar.Int(u"parent_group_id", s.m_parent->GetId());
      else
        ar.Null(u"parent_group_id");
    }
    ar.Text(u"name", s.m_name);
    ar.Text(u"short_name", s.m_shortName);
    ar.Text(u"description", s.m_description);
    ar.Color(u"color_name_fg", s.m_nameFg);
    ar.Color(u"color_name_bk", s.m_nameBk);
    ar.Color(u"color_schedule_fg", s.m_scheduleFg);
    ar.Color(u"color_schedule_bk", s.m_scheduleBk);
    ar.Bool(u"bold_text", s.m_boldText);
    for (uint32_t i = 0; i < kDayIndexes; ++i) ar.Int(kRequirementKeys[i], s.m_requirements[i]);
  }

 private:
  CGroupStaffing& Staffing() const {
    if (!m_staffing) m_staffing = std::make_unique<CGroupStaffing>(this);
    return *m_staffing;
  }

  bool m_isRoot = false;
  bool m_isInTree = false;
  int32_t m_position = 0;
  velk_data::IGroup* m_parent = nullptr;
  std::u16string m_name;
  std::u16string m_shortName;
  std::u16string m_description;
  uint32_t m_nameFg = 0x000000;
  uint32_t m_nameBk = 0xE0E0E0;
  uint32_t m_scheduleFg = 0x000000;
  uint32_t m_scheduleBk = 0xE0E0E0;
  bool m_boldText = false;
  int32_t m_requirements[kDayIndexes] = {};
  int32_t m_parentId = 0;  // as read; 0 means none
  mutable std::vector<velk_data::IGroup*> m_subtree;
  // Derived: the staffing counts' caches, made on the first question after ClearLinks.
  mutable std::unique_ptr<CGroupStaffing> m_staffing;
};

class CGroups : public CMasterItems<CGroups, velk_data::IGroups, CGroup> {
 public:
  using CMasterItems::CMasterItems;

  velk_data::IGroup* GetRootGroup() const override;

  void ClearLinks() override {
    for (CGroup* group : Items()) group->ClearLinks();
  }
  // Rebuilds the tree when the message held groups.
  void UpdateDerived(const std::set<std::u16string>& changedTypes) override;
  void BeforeDestroy(CGroup* group);
};

inline CGroups* CGroup::Groups() const { return Owner(); }
