// CData: the root object. It owns the root collections, the intake, the current user and the
// last error, keeps the host's callbacks and listeners, and remembers which data types the last
// message changed. Every item and collection reaches it through m_data.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "velk_data.h"

class CItemBase;
class CItemsBase;
class CDataIntake;
class CUserSpecifications;
class CUserSettings;
class CGroupAccesses;
class CEmployeeAccesses;
class CHolidays;
class CWorkingTimeModels;
class CGroups;
class CEmployees;
class CLeaveTypes;
class CShiftTypes;
class CShiftCycles;
class CWorkplaces;
class CSurchargeTypes;
class CUserSpecification;
class CShiftCycleAssignment;

class CData final : public velk_data::IData {
 public:
  CData();
  ~CData() override;

  void Clear() override;
  bool Load(const char16_t* json, bool inOrder, velk_data::ProgressCallback progress,
            void* progressContext) override;
  velk_data::ITransactionLog* Update(const char16_t* json, bool inOrder,
                                     velk_data::ProgressCallback progress,
                                     void* progressContext) override;
  void SetMetaDataCallback(velk_data::MetaDataCallback fn, void* context) override;
  void SetLoadedCallback(velk_data::LoadedCallback fn, void* context) override;
  velk_data::IUserSpecifications* GetUserSpecifications() const override;
  velk_data::IUserSettings* GetUserSettings() const override;
  velk_data::IGroupAccesses* GetGroupAccesses() const override;
  velk_data::IEmployeeAccesses* GetEmployeeAccesses() const override;
  velk_data::IHolidays* GetHolidays() const override;
  velk_data::IWorkingTimeModels* GetWorkingTimeModels() const override;
  velk_data::IGroups* GetGroups() const override;
  velk_data::IEmployees* GetEmployees() const override;
  velk_data::ILeaveTypes* GetLeaveTypes() const override;
  velk_data::IShiftTypes* GetShiftTypes() const override;
  velk_data::IShiftCycles* GetShiftCycles() const override;
  velk_data::IWorkplaces* GetWorkplaces() const override;
  velk_data::ISurchargeTypes* GetSurchargeTypes() const override;
  int32_t GetCurrentCollaboratorId() const override;
  velk_data::IUserSpecification* GetCurrentUserSpecification() const override;
  void SetCurrentUser(int32_t collaboratorId, bool fullRights, int32_t rights) override;
  int32_t GetEmployeePermission(const velk_data::IEmployee* employee) const override;
  int32_t GetGroupPermission(const velk_data::IGroup* group) const override;
  bool IsReadOnlyUser() const override;
  bool HasFullRights() const override;
  bool HasReadOnlyRights() const override;
  bool HasRestrictedRights() const override;
  bool IsLoaded() const override { return m_loaded; }
  bool IsBusy() const override { return m_busy; }
  int32_t GetErrorCode() const override { return m_errorCode; }
  const char16_t* GetErrorText() const override { return m_errorText.c_str(); }
  void AddChangeListener(velk_data::ChangeListener fn, void* context) override;
  bool WasTypeChanged(const char16_t* key) const override;
  bool IsHoliday(uint32_t date) const override;
  const char16_t* GetPermissionName(int32_t permission) const override;

  // The model's side, for the intake, items and collections.
  CGroupAccesses* GroupAccesses() const { return m_groupAccesses; }
  CEmployeeAccesses* EmployeeAccesses() const { return m_employeeAccesses; }
  CHolidays* Holidays() const { return m_holidays; }
  CWorkingTimeModels* WorkingTimeModels() const { return m_workingTimeModels; }
  CGroups* Groups() const { return m_groups; }
  CEmployees* Employees() const { return m_employees; }
  CLeaveTypes* LeaveTypes() const { return m_leaveTypes; }
  CShiftTypes* ShiftTypes() const { return m_shiftTypes; }
  CShiftCycles* ShiftCycles() const { return m_shiftCycles; }
  CWorkplaces* Workplaces() const { return m_workplaces; }
  CSurchargeTypes* SurchargeTypes() const { return m_surchargeTypes; }
  const std::vector<CItemsBase*>& Collections() const { return m_collections; }
  // The root collection of a type code of 1 to 13, else null.
  CItemsBase* MasterCollection(int32_t typeCode) const;

  // Collections whose UpdateDerived runs after each intake, in order (groups, employees).
  const std::vector<CItemsBase*>& DerivedCollections() const { return m_derived; }
  // Whether the model holds items of a type code yet.
  bool AcceptsType(int32_t typeCode) const;
  // The collection of records of typeCode held by the owner with ownerId (the group, employee,
  // shift cycle or, for exceptions, the shift cycle assignment), or null when there is none.
  CItemsBase* RecordsOfOwner(int32_t typeCode, int32_t ownerId) const;
  // Drops the lookup of shift cycle assignments by id: an assignment came, went, moved or
  // changed its id.
  void ForgetAssignmentIds() {
    if (!m_assignmentsIndexed) return;
    m_assignmentsById.clear();
    m_assignmentsIndexed = false;
  }
  // The first item of typeCode with id: in the root collection, or over all owners in order.
  CItemBase* FindForDeletion(int32_t typeCode, int32_t id) const;
  // Sets the employees' permissions from (employee id, permission) pairs, a later pair of the
  // same id winning; an update first removes every employee not listed.
  void ApplyRestrictedAccess(std::vector<std::pair<int32_t, int32_t>> permissions,
                             bool removeUnlisted);

  // Removes, from every owner's collections of the given type codes, each record that
  // references target: the cascade when a master item goes.
  void RemoveReferrers(const velk_data::IItem* target, std::initializer_list<int32_t> typeCodes);

  // When user is the current user's profile, which is about to go, the default profile takes
  // over its values so that the signed-in user keeps his rights.
  void ReplaceCurrentUser(const CUserSpecification* user);

  // Whether any group or employee access entry, of whatever collaborator, allows writing.
  bool AnyAccessAllowsWriting() const;

  // Host callbacks, as the intake calls them; unset ones accept and do nothing.
  bool CallMetaData(const char16_t* key, const char16_t* json) const;
  void CallLoaded() const;

  // Outcome of an intake.
  void SetLoaded(bool loaded) { m_loaded = loaded; }
  void SetBusy(bool busy) { m_busy = busy; }
  void SetError(std::u16string text, int32_t code);
  void Notify(uint32_t flags, const std::set<std::u16string>& types);

 private:
  template <class C>
  C* Register(C* collection);
  bool RecordsAvailable(int32_t typeCode) const;
  // The first shift cycle assignment with id in employee order, or null.
  CShiftCycleAssignment* AssignmentById(int32_t id) const;
  // The permission of the collaborator's access entry for group, -1 when there is none.
  int32_t GroupAccessPermission(const velk_data::IGroup* group, int32_t collaboratorId) const;

  // Registration order: Clear, ClearLinks and destruction walk the collections in this order.
  CUserSpecifications* m_userSpecifications = nullptr;
  CUserSettings* m_userSettings = nullptr;
  CGroupAccesses* m_groupAccesses = nullptr;
  CEmployeeAccesses* m_employeeAccesses = nullptr;
  CHolidays* m_holidays = nullptr;
  CWorkingTimeModels* m_workingTimeModels = nullptr;
  CGroups* m_groups = nullptr;
  CEmployees* m_employees = nullptr;
  CLeaveTypes* m_leaveTypes = nullptr;
  CShiftTypes* m_shiftTypes = nullptr;
  CShiftCycles* m_shiftCycles = nullptr;
  CWorkplaces* m_workplaces = nullptr;
  CSurchargeTypes* m_surchargeTypes = nullptr;
  std::vector<CItemsBase*> m_collections;
  std::vector<CItemsBase*> m_derived;

  std::u16string m_errorText;
  int32_t m_errorCode = 0;
  std::unique_ptr<CDataIntake> m_intake;
  velk_data::MetaDataCallback m_metaDataCallback = nullptr;
  void* m_metaDataContext = nullptr;
  velk_data::LoadedCallback m_loadedCallback = nullptr;
  void* m_loadedContext = nullptr;
  bool m_loaded = false;
  bool m_busy = false;
  std::vector<std::pair<velk_data::ChangeListener, void*>> m_listeners;
  bool m_allTypesChanged = false;
  std::set<std::u16string> m_changedTypes;
  // The user profile in force: null until SetCurrentUser and after every Clear.
  CUserSpecification* m_currentUser = nullptr;
  // A free profile for users without one of their own; lives as long as the root.
  CUserSpecification* m_defaultUser = nullptr;
  // The exceptions of a message name their assignment by id alone: searching every employee
  // for each one grows with the square of the staff. Built on first use after a change.
  mutable std::unordered_map<int32_t, CShiftCycleAssignment*> m_assignmentsById;
  mutable bool m_assignmentsIndexed = false;
};
