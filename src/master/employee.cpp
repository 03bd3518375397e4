#include "master/employee.h"

#include <algorithm>
#include <vector>

#include "data/data.h"
#include "master/group.h"
#include "records/date_period.h"
#include "records/employment_period.h"
#include "records/individual_working_time.h"
#include "records/membership.h"

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
        for (velk_data::IGroup* g = membership->GetGroup(); g && g->IsInTree();
             g = g->GetParentGroup())
          m_groupCache.insert(g);
  }
  if (out) std::copy(m_groupCache.begin(), m_groupCache.end(), out);
  return static_cast<uint32_t>(m_groupCache.size());
}

uint32_t CEmployee::GetMemberGroups(velk_data::IGroup** out) const {
  std::vector<velk_data::IGroup*> groups;
  if (const CMemberships* memberships = MembershipsOf(this))
    for (const CMembership* membership : memberships->Items())
      if (std::find(groups.begin(), groups.end(), membership->GetGroup()) == groups.end())
        groups.push_back(membership->GetGroup());
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

double CEmployee::GetTargetHours(uint32_t from, uint32_t to) const {
  auto* times = static_cast<const CIndividualWorkingTimes*>(Existing(kIndividualWorkingTime));
  if (!times) return 0;
  DatePeriods employed, validities, pieces;
  if (CollectEmploymentOf(this, employed, from, to) == 0) return 0;
  times->CollectModelPeriods(validities);
  // Each employed range is cut by the validities of the records in force in it.
  DatePeriod piece;
  for (const DatePeriod& range : employed) {
    for (const DatePeriod& validity : validities) {
      if (!Clip(validity, range.start, range.end, &piece)) continue;
      // A record overtaken by one of the same date ends before it starts: valid on no day.
      if (piece.end != 0 && piece.end < piece.start) continue;
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

void CEmployees::BeforeDestroy(CEmployee* /*employee*/) {
  // The employee's records go with him; access items that name him are not held yet.
}
