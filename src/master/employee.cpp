#include "master/employee.h"

#include <algorithm>
#include <vector>

#include "data/data.h"
#include "master/group.h"
#include "records/date_period.h"
#include "records/employment_period.h"
#include "records/individual_working_time.h"
#include "records/membership.h"

#include "data/data.h"
#include "master/availability.h"
#include "master/employee_schedule.h"
#include "master/group.h"
#include "records/leave_ban.h"
#include "records/marked_period.h"
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

namespace {

const CMemberships* MembershipsOf(const CEmployee* employee) {
  return static_cast<const CMemberships*>(employee->Existing(kMembership));
}

}  // namespace

uint32_t CEmployee::GetGroups(velk_data::IGroup** out) const {
  // The root, and every group a membership names with its ancestors, as long as they are in
  // the tree; the dates of the memberships do not matter.
  if (m_groupCache.empty()) {
    if (CGroups* groups = Root()->Groups())
      if (velk_data::IGroup* root = groups->GetRootGroup()) m_groupCache.insert(root);
    if (const CMemberships* memberships = MembershipsOf(this))
      for (const CMembership* membership : memberships->Items())
        WalkUp(membership->GetGroup(), [this](velk_data::IGroup* g) {
          if (!g->IsInTree()) return true;
          m_groupCache.insert(g);
          return false;
        });
    if (!m_groupCache.empty()) Linked();
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

uint32_t CEmployee::GetMemberGroups(velk_data::IGroup** out) const {
  std::vector<velk_data::IGroup*> groups;
  if (const CMemberships* memberships = MembershipsOf(this))
    for (const CMembership* membership : memberships->Items()) {
      // A membership read without "group_id" names no group: the host gets no null entry.
      velk_data::IGroup* group = membership->GetGroup();
      if (group && std::find(groups.begin(), groups.end(), group) == groups.end())
        groups.push_back(group);
    }
  if (out) std::copy(groups.begin(), groups.end(), out);
  return static_cast<uint32_t>(groups.size());
}

bool CEmployee::IsEmployedIn(uint32_t from, uint32_t to, bool whole) const {
  DatePeriods employed;
  CollectEmploymentOf(this, employed, from, to);
  if (!whole) return !employed.empty();
  return employed.size() == 1 && employed[0].start == from && employed[0].end == to;
}

bool CEmployee::IsOutsideEmployment(uint32_t day) const {
  auto* periods = static_cast<const CEmploymentPeriods*>(Existing(kEmploymentPeriod));
  if (!periods || periods->GetCount() == 0) return true;
  const uint32_t end = periods->GetLastEnd();
  return end != 0 && day > end;
}

double CEmployee::ModelTargetHours(uint32_t from, uint32_t to) const {
  auto* times = static_cast<const CIndividualWorkingTimes*>(Existing(kIndividualWorkingTime));
  if (!times) return 0;
  DatePeriods employed, validities, pieces;
  if (CollectEmploymentOf(this, employed, from, to) == 0) return 0;
  times->CollectModelPeriods(validities);
  // Each employed range is cut by the validities of the records in force in it.
  DatePeriod piece;
  for (const DatePeriod& range : employed) {
    for (const DatePeriod& validity : validities) {
      // A piece that ends before it starts (a range asked backwards, or a record overtaken by
      // one of the same date) still goes to its model, which answers for such a range itself.
      if (!Clip(validity, range.start, range.end, &piece)) continue;
      pieces.Add(piece);
      if (piece.end == range.end) break;
    }
  }
  double sum = 0;
  for (const DatePeriod& p : pieces)
    if (auto* model = PeriodItem<velk_data::IWorkingTimeModel>(p))
      sum += model->GetTargetHours(p.start, p.end, const_cast<CEmployee*>(this));
  return sum;
}

void CEmployee::Assign(const velk_data::IEmployee* other) {
  if (!other) return;  // nothing to copy
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

CEmployee::~CEmployee() {
  if (m_linkIndex >= 0) static_cast<CEmployees*>(m_collection)->Unlink(this);
}

// Only the collection's own employees: a free one keeps his caches, as he always did.
void CEmployee::Linked() const {
  if (m_linkIndex < 0 && m_owned)
    static_cast<CEmployees*>(m_collection)->Link(const_cast<CEmployee*>(this));
}

void CEmployees::Link(CEmployee* employee) {
  employee->m_linkIndex = static_cast<int32_t>(m_linked.size());
  m_linked.push_back(employee);
}

void CEmployees::Unlink(CEmployee* employee) {
  // The last one takes his place.
  CEmployee* last = m_linked.back();
  m_linked[static_cast<size_t>(employee->m_linkIndex)] = last;
  last->m_linkIndex = employee->m_linkIndex;
  m_linked.pop_back();
  employee->m_linkIndex = -1;
}

void CEmployees::ClearLinks() {
  for (CEmployee* employee : m_linked) {
    employee->ClearLinks();
    employee->m_linkIndex = -1;
  }
  m_linked.clear();
}

void CEmployees::BeforeDestroy(CEmployee* employee) {
  // His own records go with him; the access entries that name him are held by the root.
  Root()->EmployeeAccesses()->RemoveFor(employee);
}

uint32_t CEmployees::CountAvailable(velk_data::IEmployee* const* employees, uint32_t count,
                                    uint32_t day, int32_t planType) const {
  return ::CountAvailable(employees, count, day, planType);
}
