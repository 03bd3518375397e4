#include "master/employee.h"

#include "data/data.h"
#include "master/group.h"
#include "users/employee_access.h"

double CEmployee::GetActualHours(uint32_t, uint32_t, int32_t, double* worked,
                                 double* absent) const {
  if (worked) *worked = 0;
  if (absent) *absent = 0;
  return 0;
}

double CEmployee::GetLeaveEntitlement(velk_data::ILeaveType*, int32_t, double* entitlement,
                                      double* carried, bool* inDays) const {
  if (entitlement) *entitlement = 0;
  if (carried) *carried = 0;
  if (inDays) *inDays = false;
  return 0;
}

uint32_t CEmployee::GetGroups(velk_data::IGroup** out) const {
  // Every employee belongs to the root; memberships add their groups and the ancestors of
  // those inside the tree once the model holds memberships.
  if (m_groupCache.empty()) {
    if (CGroups* groups = Root()->Groups())
      if (velk_data::IGroup* root = groups->GetRootGroup()) m_groupCache.insert(root);
  }
  if (out) std::copy(m_groupCache.begin(), m_groupCache.end(), out);
  return static_cast<uint32_t>(m_groupCache.size());
}

void CEmployee::Assign(const velk_data::IEmployee* other) {
  SetId(other->GetId());
  SetPosition(other->GetPosition());
  SetSex(other->GetSex());
  SetBirthday(other->GetBirthday());
  SetFirstname(other->GetFirstname());
  SetLastname(other->GetLastname());
  SetAlias(other->GetAlias());
  SetPersonnelNumber(other->GetPersonnelNumber());
  SetStreet(other->GetStreet());
  SetZip(other->GetZip());
  SetTown(other->GetTown());
  SetPhone0(other->GetPhone0());
  SetPhone1(other->GetPhone1());
  SetSalutation(other->GetSalutation());
  SetFunction(other->GetFunction());
  SetEmail(other->GetEmail());
  for (uint32_t i = 0; i < kCustomFields; ++i) {
    SetCustomFieldName(i, other->GetCustomFieldName(i));
    SetCustomFieldValue(i, other->GetCustomFieldValue(i));
  }
  SetNote(other->GetNote());
  SetNameTextColor(other->GetNameTextColor());
  SetNameBackColor(other->GetNameBackColor());
  SetScheduleTextColor(other->GetScheduleTextColor());
  SetScheduleBackColor(other->GetScheduleBackColor());
  SetBoldText(other->IsBoldText());
}

void CEmployees::UpdateDerived(const std::set<std::u16string>& /*changedTypes*/) {
  CData* root = Root();
  if (root->HasRestrictedRights()) return;
  const int32_t permission = root->HasReadOnlyRights() ? 1 : 2;
  for (CEmployee* employee : Items()) employee->SetPermission(permission);
}

void CEmployees::BeforeDestroy(CEmployee* employee) {
  // His own records go with him; the access entries that name him are held by the root.
  Root()->EmployeeAccesses()->RemoveFor(employee);
}
