// Leave entitlements: the leave of one leave type an employee is entitled to in one year, and
// what he carried over from the year before.
#pragma once

#include <cstdint>
#include <tuple>

#include "data/data.h"
#include "master/employee.h"
#include "master/leave_type.h"
#include "records/employee_record.h"
#include "velk_data/periods.h"

class CLeaveEntitlements;

class CLeaveEntitlement : public CEmployeeRecord<CLeaveEntitlement, velk_data::ILeaveEntitlement,
                                                 velk_data::ILeaveEntitlements> {
 public:
  static constexpr const char16_t* kTypeName = u"leave_entitlement";
  using Collection = CLeaveEntitlements;

  using CEmployeeRecord::CEmployeeRecord;

  velk_data::ILeaveType* GetLeaveType() const override { return m_leaveType; }
  void SetLeaveType(velk_data::ILeaveType* type) override {
    m_leaveType = static_cast<CLeaveType*>(type);
  }
  int32_t GetYear() const override { return m_year; }
  void SetYear(int32_t year) override { m_year = year; }
  double GetEntitlement() const override { return m_entitlement; }
  void SetEntitlement(double value) override { m_entitlement = value; }
  double GetRemainingFromPreviousYear() const override { return m_carried; }
  void SetRemainingFromPreviousYear(double value) override { m_carried = value; }
  bool IsInDays() const override { return m_inDays; }
  void SetInDays(bool inDays) override { m_inDays = inDays; }
  void Assign(const velk_data::ILeaveEntitlement* other) override;

  // The leave types follow their objects' addresses, an order that means nothing.
  std::tuple<uintptr_t, int32_t> SortKey() const {
    return {reinterpret_cast<uintptr_t>(GetLeaveType()), m_year};
  }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Ref(u"leave_type_id", s.m_leaveType, &CData::LeaveTypes, RefRead::kPositive,
           RefWrite::kOmitWhenNone, u"Unknown leave type id for leave entitlement.\t");
    ar.Int(u"year", s.m_year);
    ar.Double(u"entitlement", s.m_entitlement);
    ar.Double(u"remaining_from_previous_year", s.m_carried);
    ar.Bool(u"in_days", s.m_inDays);
  }

 private:
  CLeaveType* m_leaveType = nullptr;
  int32_t m_year = 0;
  double m_entitlement = 0.0;
  double m_carried = 0.0;
  bool m_inDays = true;
};

class CLeaveEntitlements
    : public CEmployeeRecords<CLeaveEntitlements, velk_data::ILeaveEntitlements,
                              CLeaveEntitlement> {
 public:
  using CEmployeeRecords::CEmployeeRecords;

  // The first of the entitlements of leaveType in year (the one loaded first), or null.
  velk_data::ILeaveEntitlement* FindEntitlement(velk_data::ILeaveType* leaveType,
                                                int32_t year) const override;
};
