// Employee access: grants a collaborator a permission on one employee. The entries go with the
// employee they name.
#pragma once

#include "master/employee.h"
#include "users/access_entry.h"
#include "velk_data/access.h"

class CEmployeeAccesses;

class CEmployeeAccess : public CAccessEntry<CEmployeeAccess, velk_data::IEmployeeAccess,
                                            velk_data::IEmployeeAccesses, CEmployee> {
 public:
  static constexpr const char16_t* kTypeName = u"employee_access";
  static constexpr const char16_t* kTargetKey = u"employee_id";
  static constexpr auto kTargets = &CData::Employees;
  static constexpr const char16_t* kUnknownTarget =
      u"Unknown employee id for employee access item.\t";
  using Collection = CEmployeeAccesses;
  using TargetInterface = velk_data::IEmployee;

  using CAccessEntry::CAccessEntry;

  velk_data::IEmployee* GetEmployee() const override { return m_target; }
  void SetEmployee(velk_data::IEmployee* employee) override {
    m_target = static_cast<CEmployee*>(employee);
  }
  void Assign(const velk_data::IEmployeeAccess* source) override {
    if (!source) return;
    AssignFields(source);
    SetEmployee(source->GetEmployee());
  }
};

class CEmployeeAccesses
    : public CAccessEntries<CEmployeeAccesses, velk_data::IEmployeeAccesses, CEmployeeAccess> {
 public:
  using CAccessEntries::CAccessEntries;
};
