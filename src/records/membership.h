// Memberships: the employee belongs to a group from a start day to an end day (0 open on
// either side), at a rate. A membership in a group counts for every group above it, and the
// root group counts everyone as a member on every day.
#pragma once

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <vector>

#include "data/data.h"
#include "master/employee.h"
#include "master/group.h"
#include "records/date_period.h"
#include "records/employee_record.h"
#include "velk_data/periods.h"

class CMemberships;

class CMembership
    : public CEmployeeRecord<CMembership, velk_data::IMembership, velk_data::IMemberships> {
 public:
  static constexpr const char16_t* kTypeName = u"membership";
  using Collection = CMemberships;

  using CEmployeeRecord::CEmployeeRecord;

  velk_data::IGroup* GetGroup() const override { return m_group; }
  void SetGroup(velk_data::IGroup* group) override { m_group = static_cast<CGroup*>(group); }
  uint32_t GetStart() const override { return m_start; }
  void SetStart(uint32_t date) override { m_start = date; }
  uint32_t GetEnd() const override { return m_end; }
  void SetEnd(uint32_t date) override { m_end = date; }
  int32_t GetRate() const override { return m_rate; }
  void SetRate(int32_t rate) override { m_rate = rate; }
  void Assign(const velk_data::IMembership* other) override;

  // The memberships of one group stand together; the groups follow their objects' addresses,
  // an order that means nothing but keeps the lookups one search.
  std::tuple<uintptr_t, uint32_t, uint64_t> SortKey() const {
    return {reinterpret_cast<uintptr_t>(GetGroup()), m_start, EndKey(m_end)};
  }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Ref(u"group_id", s.m_group, &CData::Groups, RefRead::kPresent, RefWrite::kOmitWhenNone,
           u"Unknown group id for Membership.\t");
    ar.OpenDate(u"start", s.m_start);
    ar.OpenDate(u"end", s.m_end);
    ar.Int(u"rate", s.m_rate);
  }

 private:
  CGroup* m_group = nullptr;
  uint32_t m_start = 0;
  uint32_t m_end = 0;
  int32_t m_rate = 100;
};

class CMemberships : public CEmployeeRecords<CMemberships, velk_data::IMemberships, CMembership> {
 public:
  using CEmployeeRecords::CEmployeeRecords;

  uint32_t CountInRange(uint32_t start, uint32_t end, bool withinEmployment) const override {
    return GetInRange(nullptr, start, end, withinEmployment);
  }
  uint32_t GetInRange(velk_data::IMembership** out, uint32_t start, uint32_t end,
                      bool withinEmployment) const override;
  bool IsMemberOn(velk_data::IGroup* group, uint32_t day) const override;
  bool IsMember(velk_data::IGroup* group) const override;
  uint32_t CountMembershipIntervals(velk_data::IGroup* group, uint32_t start, uint32_t end,
                                    bool withinEmployment) const override {
    return GetMembershipIntervals(nullptr, nullptr, group, start, end, withinEmployment);
  }
  uint32_t GetMembershipIntervals(uint32_t* starts, uint32_t* ends, velk_data::IGroup* group,
                                  uint32_t start, uint32_t end,
                                  bool withinEmployment) const override;

  // Appends every membership in collection order; returns the vector's size.
  size_t CollectAll(std::vector<CMembership*>& out) const;
  // Appends, in collection order, the memberships in group or a group below it; returns the
  // vector's size.
  size_t CollectForGroup(std::vector<CMembership*>& out, const velk_data::IGroup* group) const;
  // Adds to set the merged ranges in which the employee is a member of group (the root: always);
  // with withinEmployment cut to the employment intervals of [start, end], otherwise not
  // clipped at all. Returns the set's size.
  size_t CollectMembershipIntervals(DatePeriods& set, const velk_data::IGroup* group,
                                    uint32_t start, uint32_t end, bool withinEmployment) const;

  // Whether a membership in member counts for group: member is group or lies below it.
  static bool Counts(const velk_data::IGroup* member, const velk_data::IGroup* group);

 private:
  template <class Visit>
  void ForGroup(const velk_data::IGroup* group, Visit&& visit) const;
};
