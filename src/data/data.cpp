#include "data/data.h"

#include <map>

#include "data/intake.h"
#include "data/transaction_log.h"
#include "data/type_codes.h"
#include "items/item_base.h"
#include "items/items_base.h"
#include "items/model_error.h"
#include "items/root.h"
#include "master/employee.h"
#include "master/group.h"
#include "master/holiday.h"
#include "master/leave_type.h"
#include "master/shift_cycle.h"
#include "master/shift_type.h"
#include "master/surcharge_type.h"
#include "master/working_time_model.h"
#include "master/workplace.h"
#include "records/record_types.h"
#include "records/shift_cycle_assignment.h"
#include "users/employee_access.h"
#include "users/group_access.h"
#include "users/user_profile.h"
#include "users/user_setting.h"

CData* RootOf(velk_data::IData* data) { return static_cast<CData*>(data); }
CData* CItemBase::Root() const { return RootOf(m_data); }
CData* CItemsBase::Root() const { return RootOf(m_data); }

CData::CData() : m_intake(new CDataIntake(this)) {
  // One line per collection, in registration order.
  m_userSpecifications = Register(new CUserSpecifications(this));
  m_userSettings = Register(new CUserSettings(this));
  m_groupAccesses = Register(new CGroupAccesses(this));
  m_employeeAccesses = Register(new CEmployeeAccesses(this));
  m_holidays = Register(new CHolidays(this));
  m_workingTimeModels = Register(new CWorkingTimeModels(this));
  m_groups = Register(new CGroups(this));
  m_employees = Register(new CEmployees(this));
  m_leaveTypes = Register(new CLeaveTypes(this));
  m_shiftTypes = Register(new CShiftTypes(this));
  m_shiftCycles = Register(new CShiftCycles(this));
  m_workplaces = Register(new CWorkplaces(this));
  m_surchargeTypes = Register(new CSurchargeTypes(this));
  // The tree first: the employees' derived state reads it.
  m_derived = {m_groups, m_employees};
  m_defaultUser = m_userSpecifications->NewFree();
}

CData::~CData() {
  m_intake.reset();
  for (CItemsBase* collection : m_collections) delete collection;
  m_defaultUser->Release();
}

template <class C>
C* CData::Register(C* collection) {
  m_collections.push_back(collection);
  return collection;
}

void CData::Clear() {
  m_currentUser = nullptr;
  for (CItemsBase* collection : m_collections) collection->Clear();
  for (CItemsBase* collection : m_collections) collection->ClearLinks();
  if (m_loaded) {
    m_loaded = false;
    Notify(2, {});
  }
}

bool CData::Load(const char16_t* json, bool inOrder, velk_data::ProgressCallback progress,
                 void* progressContext) {
  m_busy = true;
  Clear();
  if (m_intake->Run(json, true, inOrder, nullptr, progress, progressContext)) return true;
  Clear();
  return false;
}

velk_data::ITransactionLog* CData::Update(const char16_t* json, bool inOrder,
                                          velk_data::ProgressCallback progress,
                                          void* progressContext) {
  m_busy = true;
  auto log = std::make_unique<CTransactionLog>();
  if (!m_intake->Run(json, false, inOrder, log.get(), progress, progressContext)) return nullptr;
  return log.release();
}

void CData::SetMetaDataCallback(velk_data::MetaDataCallback fn, void* context) {
  m_metaDataCallback = fn;
  m_metaDataContext = context;
}

void CData::SetLoadedCallback(velk_data::LoadedCallback fn, void* context) {
  m_loadedCallback = fn;
  m_loadedContext = context;
}

velk_data::IUserSpecifications* CData::GetUserSpecifications() const {
  return m_userSpecifications;
}
velk_data::IUserSettings* CData::GetUserSettings() const { return m_userSettings; }
velk_data::IGroupAccesses* CData::GetGroupAccesses() const { return m_groupAccesses; }
velk_data::IEmployeeAccesses* CData::GetEmployeeAccesses() const { return m_employeeAccesses; }
velk_data::IHolidays* CData::GetHolidays() const { return m_holidays; }
velk_data::IWorkingTimeModels* CData::GetWorkingTimeModels() const { return m_workingTimeModels; }
velk_data::IGroups* CData::GetGroups() const { return m_groups; }
velk_data::IEmployees* CData::GetEmployees() const { return m_employees; }
velk_data::ILeaveTypes* CData::GetLeaveTypes() const { return m_leaveTypes; }
velk_data::IShiftTypes* CData::GetShiftTypes() const { return m_shiftTypes; }
velk_data::IShiftCycles* CData::GetShiftCycles() const { return m_shiftCycles; }
velk_data::IWorkplaces* CData::GetWorkplaces() const { return m_workplaces; }
velk_data::ISurchargeTypes* CData::GetSurchargeTypes() const { return m_surchargeTypes; }

CItemsBase* CData::MasterCollection(int32_t typeCode) const {
  switch (typeCode) {
    case kUserSpecification:
      return m_userSpecifications;
    case kUserSetting:
      return m_userSettings;
    case kGroupAccess:
      return m_groupAccesses;
    case kEmployeeAccess:
      return m_employeeAccesses;
    case kHoliday:
      return m_holidays;
    case kWorkingTimeModel:
      return m_workingTimeModels;
    case kGroup:
      return m_groups;
    case kEmployee:
      return m_employees;
    case kLeaveType:
      return m_leaveTypes;
    case kShiftType:
      return m_shiftTypes;
    case kShiftCycle:
      return m_shiftCycles;
    case kWorkplace:
      return m_workplaces;
    case kSurchargeType:
      return m_surchargeTypes;
    default:
      return nullptr;
  }
}

bool CData::AcceptsType(int32_t typeCode) const {
  return IsMasterCode(typeCode) ? MasterCollection(typeCode) != nullptr
                                : RecordsAvailable(typeCode);
}

bool CData::RecordsAvailable(int32_t typeCode) const { return RecordTypeOf(typeCode) != nullptr; }

namespace {

// The shift cycle assignments of employee, or null when he has none yet.
const CShiftCycleAssignments* AssignmentsOf(const CEmployee& employee) {
  return static_cast<const CShiftCycleAssignments*>(employee.Existing(kShiftCycleAssignment));
}

// Calls visit(owner) for every item that can hold records of typeCode, in the order in which a
// lookup over all owners meets them: groups, employees, shift cycles, then the shift cycle
// assignments of each employee in turn.
template <class Visit>
void ForEachOwner(const CData& data, int32_t typeCode, Visit&& visit) {
  if (IsGroupRecordCode(typeCode)) {
    for (CGroup* group : data.Groups()->Items()) visit(*group);
  } else if (IsEmployeeRecordCode(typeCode)) {
    for (CEmployee* employee : data.Employees()->Items()) visit(*employee);
  } else if (typeCode == kShiftCycleElement) {
    for (CShiftCycle* cycle : data.ShiftCycles()->Items()) visit(*cycle);
  } else if (typeCode == kShiftCycleException) {
    for (CEmployee* employee : data.Employees()->Items())
      if (const CShiftCycleAssignments* assignments = AssignmentsOf(*employee))
        for (CShiftCycleAssignment* assignment : assignments->Items()) visit(*assignment);
  }
}

}  // namespace

CItemsBase* CData::RecordsOfOwner(int32_t typeCode, int32_t ownerId) const {
  if (IsGroupRecordCode(typeCode)) {
    CGroup* group = m_groups->Find(ownerId);
    return group ? group->Records(typeCode) : nullptr;
  }
  if (IsEmployeeRecordCode(typeCode)) {
    CEmployee* employee = m_employees->Find(ownerId);
    return employee ? employee->Records(typeCode) : nullptr;
  }
  if (typeCode == kShiftCycleElement) {
    CShiftCycle* cycle = m_shiftCycles->Find(ownerId);
    return cycle ? cycle->Records(typeCode) : nullptr;
  }
  if (typeCode == kShiftCycleException) {
    CShiftCycleAssignment* assignment = AssignmentById(ownerId);
    return assignment ? assignment->Records(typeCode) : nullptr;
  }
  return nullptr;
}

CShiftCycleAssignment* CData::AssignmentById(int32_t id) const {
  if (!m_assignmentsIndexed) {
    // In employee order, each one's in collection order; emplace keeps the first of an id.
    for (CEmployee* employee : m_employees->Items())
      if (const CShiftCycleAssignments* assignments = AssignmentsOf(*employee))
        for (CShiftCycleAssignment* assignment : assignments->Items())
          m_assignmentsById.emplace(assignment->GetId(), assignment);
    m_assignmentsIndexed = true;
  }
  auto it = m_assignmentsById.find(id);
  return it == m_assignmentsById.end() ? nullptr : it->second;
}

CItemBase* CData::FindForDeletion(int32_t typeCode, int32_t id) const {
  if (IsMasterCode(typeCode)) {
    CItemsBase* collection = MasterCollection(typeCode);
    return collection ? collection->FindItem(id) : nullptr;
  }
  CItemBase* found = nullptr;
  ForEachOwner(*this, typeCode, [&](const auto& owner) {
    if (found) return;
    if (CItemsBase* records = owner.Existing(typeCode)) found = records->FindItem(id);
  });
  return found;
}

void CData::ApplyRestrictedAccess(std::vector<std::pair<int32_t, int32_t>> permissions,
                                  bool removeUnlisted) {
  std::map<int32_t, int32_t> byId;
  for (const auto& [id, permission] : permissions) byId[id] = permission;
  if (removeUnlisted) {
    // Collected first: removal changes the vector being walked.
    std::vector<CEmployee*> unlisted;
    for (CEmployee* employee : m_employees->Items())
      if (!byId.count(employee->GetId())) unlisted.push_back(employee);
    for (CEmployee* employee : unlisted) m_employees->RemoveItem(employee);
  }
  for (const auto& [id, permission] : byId) {
    auto* employee = static_cast<CEmployee*>(m_employees->FindItem(id));
    if (!employee) {
      const std::string text = std::to_string(id);
      ThrowModelError(
          u"Unknown employee id in user state data: " + std::u16string(text.begin(), text.end()),
          kErrorInvalidId);
    }
    employee->SetPermission(permission);
  }
}

int32_t CData::GetCurrentCollaboratorId() const {
  return m_loaded && m_currentUser ? m_currentUser->GetCollaboratorId() : -1;
}

velk_data::IUserSpecification* CData::GetCurrentUserSpecification() const { return m_currentUser; }

void CData::SetCurrentUser(int32_t collaboratorId, bool fullRights, int32_t rights) {
  if (!fullRights) {
    auto* own = static_cast<CUserSpecification*>(
        m_userSpecifications->FindByCollaboratorId(collaboratorId));
    if (own) {
      m_currentUser = own;
      return;
    }
  }
  // The default user starts again from the values of a new profile.
  CUserSpecification* fresh = m_userSpecifications->NewFree();
  m_defaultUser->Assign(fresh);
  fresh->Release();
  m_currentUser = m_defaultUser;
  m_currentUser->SetCollaboratorId(collaboratorId);
  m_currentUser->SetRights(fullRights ? CUserSpecification::kFull : static_cast<uint32_t>(rights));
}

void CData::ReplaceCurrentUser(const CUserSpecification* user) {
  if (m_currentUser != user || user == m_defaultUser) return;
  m_defaultUser->Assign(user);
  m_defaultUser->SetId(-1);
  m_currentUser = m_defaultUser;
}

int32_t CData::GetEmployeePermission(const velk_data::IEmployee* employee) const {
  return employee ? employee->GetPermission() : 0;
}

int32_t CData::GetGroupPermission(const velk_data::IGroup* group) const {
  // Without a signed-in user everything is open, as for the employees' derived permission.
  if (!m_currentUser || m_currentUser->HasFullRights()) return 2;
  if (m_currentUser->HasReadOnlyRights()) return 1;
  if (!group || !group->IsInTree()) return -1;
  // The nearest group up the tree with an access entry of the current collaborator decides.
  int32_t permission = -1;
  WalkUp(group, [&](const velk_data::IGroup* g) {
    permission = GroupAccessPermission(g, m_currentUser->GetCollaboratorId());
    return permission >= 0;
  });
  return permission;
}

int32_t CData::GroupAccessPermission(const velk_data::IGroup* group, int32_t collaboratorId) const {
  const velk_data::IGroupAccess* entry = m_groupAccesses->FindForTarget(group, collaboratorId);
  return entry ? static_cast<int32_t>(entry->GetPermission()) : -1;
}

bool CData::AnyAccessAllowsWriting() const {
  return m_groupAccesses->AnyAllowsWriting() || m_employeeAccesses->AnyAllowsWriting();
}

bool CData::IsReadOnlyUser() const { return m_currentUser && m_currentUser->IsReadOnlyUser(); }
bool CData::HasFullRights() const { return m_currentUser && m_currentUser->HasFullRights(); }
bool CData::HasReadOnlyRights() const {
  return m_currentUser && m_currentUser->HasReadOnlyRights();
}
bool CData::HasRestrictedRights() const {
  return m_currentUser && m_currentUser->HasRestrictedRights();
}

void CData::AddChangeListener(velk_data::ChangeListener fn, void* context) {
  m_listeners.emplace_back(fn, context);
}

bool CData::WasTypeChanged(const char16_t* key) const {
  if (m_allTypesChanged) return true;
  return key && m_changedTypes.count(key) != 0;
}

bool CData::IsHoliday(uint32_t date) const { return m_holidays->On(date) != nullptr; }

const char16_t* CData::GetPermissionName(int32_t permission) const {
  static std::u16string buffer;  // module-wide: the next call overwrites it
  buffer = PermissionWord(permission);
  return buffer.c_str();
}

void CData::RemoveReferrers(const velk_data::IItem* target,
                            std::initializer_list<int32_t> typeCodes) {
  for (int32_t code : typeCodes) {
    const RecordType* type = RecordTypeOf(code);
    if (!type) continue;
    ForEachOwner(*this, code, [&](const auto& owner) {
      if (CItemsBase* records = owner.Existing(code)) type->removeReferring(records, target);
    });
  }
}

bool CData::CallMetaData(const char16_t* key, const char16_t* json) const {
  return !m_metaDataCallback || m_metaDataCallback(m_metaDataContext, key, json);
}

void CData::CallLoaded() const {
  if (m_loadedCallback) m_loadedCallback(m_loadedContext);
}

void CData::SetError(std::u16string text, int32_t code) {
  m_errorText = std::move(text);
  m_errorCode = code;
}

void CData::Notify(uint32_t flags, const std::set<std::u16string>& types) {
  if (&types != &m_changedTypes) m_changedTypes = types;
  m_allTypesChanged = (flags & ~2u) == 0;
  // By index, over the listeners registered when the notification began: a listener may add
  // another, which moves the list and is first called at the next notification.
  for (size_t i = 0, count = m_listeners.size(); i < count; ++i) {
    auto [listener, context] = m_listeners[i];
    if (listener) listener(context, flags);
  }
}
