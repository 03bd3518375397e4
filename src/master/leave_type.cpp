#include "master/leave_type.h"

#include <algorithm>

#include "data/data.h"
#include "data/type_codes.h"
#include "datetime/date.h"

void CLeaveType::ReadValidDays(const velk_json::CJSONObject& json) {
  const velk_json::CJSONString* member = json.FindString(u"valid_days");
  if (!member) return;  // another kind of member changes nothing
  const std::u16string& text = member->GetValue();
  const size_t count = std::min<size_t>(text.size(), kDays);
  for (size_t day = 0; day < count; ++day) m_validDays[day] = text[day] != u'0';
}

std::u16string CLeaveType::ValidDaysText() const {
  std::u16string text(kDays, u'0');
  for (uint32_t day = 0; day < kDays; ++day)
    if (m_validDays[day]) text[day] = u'1';
  return text;
}

void CLeaveType::Assign(const velk_data::ILeaveType* other) {
  if (!other) return;  // nothing to copy
  SetId(other->GetId());
  AssignDisplay(other);
  SetChargeType(other->GetChargeType());
  SetChargeHours(other->GetChargeHours());
  SetEntitled(other->IsEntitled());
  SetDefaultEntitlementInDays(other->GetDefaultEntitlementInDays());
  SetEntitlementCarryOver(other->IsEntitlementCarryOver());
  SetCountAll(other->IsCountAll());
  SetNoAbsence(other->IsNoAbsence());
  SetDeductOvertimeHours(other->IsDeductOvertimeHours());
  SetCategory(other->GetCategory());
  for (uint32_t day = 0; day < kDays; ++day) SetValidDay(day, other->IsValidDay(day));
  SetHidden(other->IsHidden());
}

bool CLeaveType::IsValidOnDate(uint32_t date) const {
  // A public holiday follows its own flag, whatever weekday it falls on.
  if (Root()->IsHoliday(date)) return IsValidDay(7);
  return IsValidDay(velk_date_time::TDate{date}.GetWeekday());
}

void CLeaveTypes::BeforeDestroy(CLeaveType* leaveType) {
  Root()->RemoveReferrers(leaveType, {kAbsence, kLeaveEntitlement});
}
