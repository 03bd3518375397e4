#include "users/user_profile.h"

#include "data/data.h"

namespace {
constexpr size_t kWrittenCategories = 20;
}

void CUserSpecification::SetCategoryAllowed(int32_t category, bool allowed) {
  if (allowed)
    m_categories.insert(category);
  else
    m_categories.erase(category);
}

bool CUserSpecification::IsReadOnlyUser() const {
  if (m_rights == kFull) return false;
  if (m_rights == kReadOnly) return true;
  // Restricted: read-only unless some access entry, of whatever collaborator, allows writing.
  return !Root()->AnyAccessAllowsWriting();
}

void CUserSpecification::Assign(const velk_data::IUserSpecification* source) {
  if (!source) return;
  SetId(source->GetId());
  SetCollaboratorId(source->GetCollaboratorId());
  SetRights(source->GetRights());
  SetDescription(source->GetDescription());
  SetCreateReports(source->GetCreateReports());
  SetStatisticsRestriction(source->GetStatisticsRestriction());
  SetEmployeeMasterDataVisibilityRestriction(source->GetEmployeeMasterDataVisibilityRestriction());
  SetOpenGroupWindowRestriction(source->GetOpenGroupWindowRestriction());
  SetOpenSettingsWindow(source->GetOpenSettingsWindow());
  SetOpenStaffAdministrationWindow(source->GetOpenStaffAdministrationWindow());
  SetStaffTableMinimized(source->GetStaffTableMinimized());
  SetReadOnlyAbsencesDisplay(source->GetReadOnlyAbsencesDisplay());
  SetShowReadOnlyNotes(source->GetShowReadOnlyNotes());
  SetCreateEmployees(source->GetCreateEmployees());
  SetUpdateEmployeeMasterData(source->GetUpdateEmployeeMasterData());
  SetDeleteEmployees(source->GetDeleteEmployees());
  SetScheduleCustomShifts(source->GetScheduleCustomShifts());
  SetScheduleOvertimes(source->GetScheduleOvertimes());
  // Our own profiles hand over the whole set (a self-assignment keeps it); another
  // implementation can only be asked category by category, for those JSON carries.
  if (auto* own = dynamic_cast<const CUserSpecification*>(source)) {
    m_categories = own->m_categories;
    return;
  }
  m_categories.clear();
  for (int32_t category = 1; category <= static_cast<int32_t>(kWrittenCategories); ++category)
    if (source->IsCategoryAllowed(category)) m_categories.insert(category);
}

std::u16string CUserSpecification::RightsWord(uint32_t rights) {
  switch (rights) {
    case kFull:
      return u"full";
    case kReadOnly:
      return u"read-only";
    case kRestricted:
      return u"restricted";
    default:
      return u"";
  }
}

uint32_t CUserSpecification::RightsOf(const std::u16string& word, uint32_t current) {
  if (word == u"full") return kFull;
  if (word == u"read-only") return kReadOnly;
  if (word == u"restricted") return kRestricted;
  return current;  // missing, empty or unknown words leave the rights alone
}

std::u16string CUserSpecification::CategoryDigits(const std::set<int32_t>& categories) {
  std::u16string digits(kWrittenCategories, u'0');
  for (size_t i = 0; i < kWrittenCategories; ++i)
    if (categories.count(static_cast<int32_t>(i + 1))) digits[i] = u'1';
  return digits;
}

void CUserSpecification::ReadCategories(const std::u16string& digits) {
  if (digits.empty()) return;  // an empty or absent text keeps the categories
  m_categories.clear();
  for (size_t i = 0; i < digits.size(); ++i)
    if (digits[i] != u'0') m_categories.insert(static_cast<int32_t>(i + 1));
}

velk_data::IUserSpecification* CUserSpecifications::FindByCollaboratorId(
    int32_t collaboratorId) const {
  for (CUserSpecification* user : Items())
    if (user->GetCollaboratorId() == collaboratorId) return user;
  return nullptr;
}

void CUserSpecifications::BeforeDestroy(CUserSpecification* user) {
  Root()->ReplaceCurrentUser(user);
}
