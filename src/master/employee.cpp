#include "master/employee.h"

#include <algorithm>
#include <vector>

#include "data/data.h"
#include "master/availability.h"
#include "master/employee_schedule.h"
#include "master/group.h"
#include "records/leave_ban.h"
#include "records/special_period.h"
#include "users/employee_access.h"

namespace {

// The records of Records of every group of the employee that overlap [from, to], each once.
// Two groups never share a record, and the set of groups holds each group once, so nothing
// repeats; their order carries no meaning.
template <class Records, class Item>
std::vector<Item*> OfGroups(const CEmployee& employee, uint32_t from, uint32_t to) {
  std::vector<velk_data::IGroup*> groups(employee.CountGroups());
  groups.resize(employee.GetGroups(groups.data()));
  std::vector<Item*> found;
  for (velk_data::IGroup* group : groups)
    static_cast<const CGroup*>(group)->CollectOwn<Records>(found, from, to);
  return found;
}

}  // namespace

uint32_t CEmployee::GetWorkDates(uint32_t* out, uint32_t from, uint32_t to, int32_t planType,
                                 bool skipNoSurcharge) const {
  std::vector<uint32_t> dates;
  employee_schedule::WorkDates(this, from, to, planType, skipNoSurcharge, dates);
  if (out) std::copy(dates.begin(), dates.end(), out);
  return static_cast<uint32_t>(dates.size());
}

uint32_t CEmployee::GetWorkingIntervals(uint32_t* starts, uint32_t* ends, uint32_t day,
                                        int32_t planType, bool skipNoSurcharge) const {
  std::vector<employee_schedule::MinuteRange> intervals;
  employee_schedule::WorkingIntervals(this, day, planType, skipNoSurcharge, intervals);
  for (size_t i = 0; i < intervals.size(); ++i) {
    if (starts) starts[i] = intervals[i].start;
    if (ends) ends[i] = intervals[i].end;
  }
  return static_cast<uint32_t>(intervals.size());
}

uint32_t CEmployee::GetScheduleItems(velk_data::IScheduleItem** out, uint32_t from, uint32_t to,
                                     int32_t planType, uint32_t kinds) const {
  std::vector<velk_data::IScheduleItem*> items;
  employee_schedule::ScheduleItems(this, from, to, planType, kinds, items);
  // Counting makes the items only to count them.
  for (size_t i = 0; i < items.size(); ++i) {
    if (out)
      out[i] = items[i];
    else
      items[i]->Release();
  }
  return static_cast<uint32_t>(items.size());
}

double CEmployee::GetLeaveEntitlement(velk_data::ILeaveType* type, int32_t year,
                                      double* entitlement, double* carried, bool* inDays) const {
  return employee_schedule::LeaveEntitlement(this, type, year, entitlement, carried, inDays);
}

double CEmployee::ConvertLeave(double value, int32_t year, bool toDays) const {
  return employee_schedule::ConvertLeave(this, value, year, toDays);
}

velk_data::ILeaveEntitlement* CEmployee::CarryOverLeave(velk_data::ILeaveType* type, int32_t year,
                                                        bool keepUnit, int32_t planType) const {
  return employee_schedule::CarryOverLeave(this, type, year, keepUnit, planType);
}

velk_data::ILeaveEntitlement* CEmployee::ExpireCarriedLeave(velk_data::ILeaveType* type,
                                                            uint32_t day, int32_t planType) const {
  return employee_schedule::ExpireCarriedLeave(this, type, day, planType);
}

int32_t CEmployee::GetWorkdayKind(uint32_t day) const {
  return employee_schedule::WorkdayKind(this, day);
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

uint32_t CEmployee::GetSpecialPeriods(velk_data::ISpecialPeriod** out, uint32_t from,
                                      uint32_t to) const {
  return CopyGathered(OfGroups<CSpecialPeriods, CSpecialPeriod>(*this, from, to), out);
}

uint32_t CEmployee::GetLeaveBans(velk_data::ILeaveBan** out, uint32_t from, uint32_t to) const {
  return CopyGathered(OfGroups<CLeaveBans, CLeaveBan>(*this, from, to), out);
}

bool CEmployee::IsLeaveBanned(uint32_t day, int32_t filter) const {
  const std::vector<CLeaveBan*> bans = OfGroups<CLeaveBans, CLeaveBan>(*this, day, day);
  return std::any_of(bans.begin(), bans.end(),
                     [filter](const CLeaveBan* ban) { return ban->Bars(filter); });
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

uint32_t CEmployees::CountAvailable(velk_data::IEmployee* const* employees, uint32_t count,
                                    uint32_t day, int32_t planType) const {
  return ::CountAvailable(employees, count, day, planType);
}
