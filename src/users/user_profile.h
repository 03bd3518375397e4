// User profiles (CUserSpecification): what one collaborator may do. The root object keeps one
// as the current user and answers the host's rights questions through it.
#pragma once

#include <set>
#include <string>

#include "items/item.h"
#include "items/master_items.h"
#include "velk_data/users.h"

class CUserSpecifications;

class CUserSpecification : public CItem<CUserSpecification, velk_data::IUserSpecification,
                                        velk_data::IUserSpecifications> {
 public:
  static constexpr const char16_t* kTypeName = u"user_specification";
  using Collection = CUserSpecifications;
  enum Rights : uint32_t { kFull = 0, kReadOnly = 1, kRestricted = 2 };

  using CItem::CItem;

  int32_t GetCollaboratorId() const override { return m_collaboratorId; }
  void SetCollaboratorId(int32_t id) override { m_collaboratorId = id; }
  const char16_t* GetDescription() const override { return m_description.c_str(); }
  void SetDescription(const char16_t* text) override { m_description = text ? text : u""; }
  uint32_t GetRights() const override { return m_rights; }
  void SetRights(uint32_t rights) override { m_rights = rights; }
  bool GetCreateReports() const override { return m_createReports; }
  void SetCreateReports(bool value) override { m_createReports = value; }
  int32_t GetStatisticsRestriction() const override { return m_statisticsRestriction; }
  void SetStatisticsRestriction(int32_t value) override { m_statisticsRestriction = value; }
  int32_t GetEmployeeMasterDataVisibilityRestriction() const override {
    return m_employeeMasterDataVisibilityRestriction;
  }
  void SetEmployeeMasterDataVisibilityRestriction(int32_t value) override {
    m_employeeMasterDataVisibilityRestriction = value;
  }
  int32_t GetOpenGroupWindowRestriction() const override { return m_openGroupWindowRestriction; }
  void SetOpenGroupWindowRestriction(int32_t value) override {
    m_openGroupWindowRestriction = value;
  }
  bool GetOpenSettingsWindow() const override { return m_openSettingsWindow; }
  void SetOpenSettingsWindow(bool value) override { m_openSettingsWindow = value; }
  bool GetOpenStaffAdministrationWindow() const override { return m_openStaffAdministrationWindow; }
  void SetOpenStaffAdministrationWindow(bool value) override {
    m_openStaffAdministrationWindow = value;
  }
  bool GetStaffTableMinimized() const override { return m_staffTableMinimized; }
  void SetStaffTableMinimized(bool value) override { m_staffTableMinimized = value; }
  int32_t GetReadOnlyAbsencesDisplay() const override { return m_readOnlyAbsencesDisplay; }
  void SetReadOnlyAbsencesDisplay(int32_t value) override { m_readOnlyAbsencesDisplay = value; }
  bool GetShowReadOnlyNotes() const override { return m_showReadOnlyNotes; }
  void SetShowReadOnlyNotes(bool value) override { m_showReadOnlyNotes = value; }
  bool GetCreateEmployees() const override { return m_createEmployees; }
  void SetCreateEmployees(bool value) override { m_createEmployees = value; }
  bool GetUpdateEmployeeMasterData() const override { return m_updateEmployeeMasterData; }
  void SetUpdateEmployeeMasterData(bool value) override { m_updateEmployeeMasterData = value; }
  bool GetDeleteEmployees() const override { return m_deleteEmployees; }
  void SetDeleteEmployees(bool value) override { m_deleteEmployees = value; }
  bool GetScheduleCustomShifts() const override { return m_scheduleCustomShifts; }
  void SetScheduleCustomShifts(bool value) override { m_scheduleCustomShifts = value; }
  bool GetScheduleOvertimes() const override { return m_scheduleOvertimes; }
  void SetScheduleOvertimes(bool value) override { m_scheduleOvertimes = value; }
  bool IsCategoryAllowed(int32_t category) const override { return m_categories.count(category); }
  void SetCategoryAllowed(int32_t category, bool allowed) override;
  bool HasFullRights() const override { return m_rights == kFull; }
  bool HasReadOnlyRights() const override { return m_rights == kReadOnly; }
  bool HasRestrictedRights() const override { return m_rights == kRestricted; }
  bool IsReadOnlyUser() const override;
  void Assign(const velk_data::IUserSpecification* source) override;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"collaborator_id", s.m_collaboratorId);
    RightsField(ar, s);
    ar.Text(u"description", s.m_description);
    ar.Bool(u"create_reports", s.m_createReports);
    ar.Int(u"statistics_restriction", s.m_statisticsRestriction);
    ar.Int(u"employee_master_data_visibility_restriction",
           s.m_employeeMasterDataVisibilityRestriction);
    ar.Int(u"open_group_window_restriction", s.m_openGroupWindowRestriction);
    ar.Bool(u"open_settings_window", s.m_openSettingsWindow);
    ar.Bool(u"open_staff_administration_window", s.m_openStaffAdministrationWindow);
    ar.Bool(u"staff_table_minimized", s.m_staffTableMinimized);
    ar.Int(u"read_only_absences_display", s.m_readOnlyAbsencesDisplay);
    ar.Bool(u"show_read_only_notes", s.m_showReadOnlyNotes);
    ar.Bool(u"create_employees", s.m_createEmployees);
    ar.Bool(u"update_employee_master_data", s.m_updateEmployeeMasterData);
    ar.Bool(u"delete_employees", s.m_deleteEmployees);
    ar.Bool(u"schedule_custom_shifts", s.m_scheduleCustomShifts);
    ar.Bool(u"schedule_overtimes", s.m_scheduleOvertimes);
    CategoriesField(ar, s);
  }

 private:
  // "rights" and "categories" are a word and a digit string, not plain fields; reading starts
  // from an empty text so that an absent member changes nothing.
  template <class A, class S>
  static void RightsField(A& ar, S& s) {
    std::u16string word = A::kReads ? std::u16string() : RightsWord(s.m_rights);
    ar.Text(u"rights", word);
    if constexpr (A::kReads) s.m_rights = RightsOf(word, s.m_rights);
  }
  template <class A, class S>
  static void CategoriesField(A& ar, S& s) {
    std::u16string digits = A::kReads ? std::u16string() : CategoryDigits(s.m_categories);
    ar.Text(u"categories", digits);
    if constexpr (A::kReads) s.ReadCategories(digits);
  }
  static std::u16string RightsWord(uint32_t rights);
  static uint32_t RightsOf(const std::u16string& word, uint32_t current);
  static std::u16string CategoryDigits(const std::set<int32_t>& categories);
  void ReadCategories(const std::u16string& digits);

  int32_t m_collaboratorId = -1;
  uint32_t m_rights = kFull;
  std::u16string m_description;
  bool m_createReports = true;
  int32_t m_statisticsRestriction = 0;
  int32_t m_employeeMasterDataVisibilityRestriction = 0;
  int32_t m_openGroupWindowRestriction = 0;
  bool m_openSettingsWindow = true;
  bool m_openStaffAdministrationWindow = true;
  bool m_staffTableMinimized = false;
  int32_t m_readOnlyAbsencesDisplay = 0;
  bool m_showReadOnlyNotes = true;
  bool m_createEmployees = false;
  bool m_updateEmployeeMasterData = true;
  bool m_deleteEmployees = false;
  bool m_scheduleCustomShifts = true;
  bool m_scheduleOvertimes = true;
  std::set<int32_t> m_categories;
};

class CUserSpecifications
    : public CMasterItems<CUserSpecifications, velk_data::IUserSpecifications, CUserSpecification> {
 public:
  using CMasterItems::CMasterItems;

  velk_data::IUserSpecification* FindByCollaboratorId(int32_t collaboratorId) const override;
  // A free profile with the defaults of a new one, for the root object's default user.
  CUserSpecification* NewFree() { return NewItem(); }
  // The signed-in user keeps his rights when an update removes his profile.
  void BeforeDestroy(CUserSpecification* user);
};
