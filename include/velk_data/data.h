// IData, the root object, and ITransactionLog, the record of one Update.
//
// The host gets the single root object from DllGetData and ends it with DllFreeData. The
// root owns the thirteen master collections (and through them every item), the host's
// callbacks and listeners, the signed-in user's rights and the last error. It is used by one
// thread at a time. A transaction log returned by Update belongs to the caller.
#ifndef VELK_DATA_DATA_H_
#define VELK_DATA_DATA_H_

#include <cstdint>

#include "velk_data/callbacks.h"
#include "velk_data/fwd.h"

namespace velk_data {

class IData {
 public:
  // Empties every collection and forgets the current user. When data was loaded, the
  // listeners are told with flags 2.
  virtual void Clear() = 0;
  // Replaces the model with the JSON message json. inOrder: read the sections in text order
  // rather than sorted by type. Returns false on failure (see GetErrorCode); the model is then
  // empty. Set both the meta-data and the loaded callback before the first Load or Update.
  virtual bool Load(const char16_t* json, bool inOrder, ProgressCallback progress,
                    void* progressContext) = 0;
  // Applies a change message. Returns the log of the changes the user asked for (the caller
  // releases it), or null on failure; changes applied before the failing item stay.
  virtual ITransactionLog* Update(const char16_t* json, bool inOrder, ProgressCallback progress,
                                  void* progressContext) = 0;
  // Each replaces the previous pair.
  virtual void SetMetaDataCallback(MetaDataCallback fn, void* context) = 0;
  virtual void SetLoadedCallback(LoadedCallback fn, void* context) = 0;

  // The master collections; never null.
  virtual IUserSpecifications* GetUserSpecifications() const = 0;
  virtual IUserSettings* GetUserSettings() const = 0;
  virtual IGroupAccesses* GetGroupAccesses() const = 0;
  virtual IEmployeeAccesses* GetEmployeeAccesses() const = 0;
  virtual IHolidays* GetHolidays() const = 0;
  virtual IWorkingTimeModels* GetWorkingTimeModels() const = 0;
  virtual IGroups* GetGroups() const = 0;
  virtual IEmployees* GetEmployees() const = 0;
  virtual ILeaveTypes* GetLeaveTypes() const = 0;
  virtual IShiftTypes* GetShiftTypes() const = 0;
  virtual IShiftCycles* GetShiftCycles() const = 0;
  virtual IWorkplaces* GetWorkplaces() const = 0;
  virtual ISurchargeTypes* GetSurchargeTypes() const = 0;

  // -1 while nothing is loaded, else the current user's collaborator id.
  virtual int32_t GetCurrentCollaboratorId() const = 0;
  // Null until SetCurrentUser, and again after every Clear or Load.
  virtual IUserSpecification* GetCurrentUserSpecification() const = 0;
  // Selects the signed-in user. fullRights grants "full" whatever is stored; otherwise the
  // user's own profile is used, or a default one with rights (0 full, 1 read-only,
  // 2 restricted). Call after each Load: the rights queries below need it.
  virtual void SetCurrentUser(int32_t collaboratorId, bool fullRights, int32_t rights) = 0;
  // Permissions: 0 none, 1 read-only, 2 read-and-write; a group outside the tree, or one
  // without access for a restricted user, gives -1.
  virtual int32_t GetEmployeePermission(const IEmployee* employee) const = 0;
  virtual int32_t GetGroupPermission(const IGroup* group) const = 0;
  // Whether the current user may change nothing at all.
  virtual bool IsReadOnlyUser() const = 0;
  // The current user's rights level; false when there is no current user.
  virtual bool HasFullRights() const = 0;
  virtual bool HasReadOnlyRights() const = 0;
  virtual bool HasRestrictedRights() const = 0;

  // A Load or Update has succeeded and no Clear or failed Load came since.
  virtual bool IsLoaded() const = 0;
  // A Load or Update is running.
  virtual bool IsBusy() const = 0;
  // Code (3000 to 3003) and text of the last failure; a success keeps them.
  virtual int32_t GetErrorCode() const = 0;
  virtual const char16_t* GetErrorText() const = 0;
  // Listeners are called in the order added and cannot be removed.
  virtual void AddChangeListener(ChangeListener fn, void* context) = 0;
  // Whether the last notified intake touched the data-type key (exact match); after a full
  // load or a Clear every key counts as changed.
  virtual bool WasTypeChanged(const char16_t* key) const = 0;
  // Whether a public holiday lies on the day number date.
  virtual bool IsHoliday(uint32_t date) const = 0;
  // "none", "read-only" or "read-and-write", in a buffer the next call overwrites.
  virtual const char16_t* GetPermissionName(int32_t permission) const = 0;
  virtual ~IData() {}
};

// The changes of one Update that the user asked for, per data-type key (keys in code-unit
// order). It holds ids and texts only, so it stays valid after later updates.
//
// Text results: with a null buffer the length n of the text; with room for n + 1 characters
// the text is copied with its terminating zero and n is returned; with less room nothing is
// copied and -1 is returned. An index out of range, or an absent key, gives 0.
class ITransactionLog {
 public:
  // excludeDependent leaves out items that merely reference another item created by the same
  // message (e.g. the memberships of a new employee).
  virtual uint32_t GetCreatedTypeCount(bool excludeDependent) const = 0;
  virtual uint32_t GetUpdatedTypeCount() const = 0;
  virtual uint32_t GetDeletedTypeCount() const = 0;
  virtual int32_t GetCreatedTypeName(int32_t index, char16_t* buffer, int32_t bufferSize,
                                     bool excludeDependent) const = 0;
  virtual int32_t GetUpdatedTypeName(int32_t index, char16_t* buffer, int32_t bufferSize) const = 0;
  virtual int32_t GetDeletedTypeName(int32_t index, char16_t* buffer, int32_t bufferSize) const = 0;
  virtual uint32_t GetCreatedCount(const char16_t* key, bool excludeDependent) const = 0;
  virtual uint32_t GetUpdatedCount(const char16_t* key) const = 0;
  virtual uint32_t GetDeletedCount(const char16_t* key) const = 0;
  // Copies the created ids of key in creation order to out (when not null); returns their
  // number.
  virtual uint32_t GetCreatedIds(const char16_t* key, int32_t* out,
                                 bool excludeDependent) const = 0;
  // The JSON text of the index-th updated item of key as it was before the update.
  virtual int32_t GetPreviousText(const char16_t* key, int32_t index, char16_t* buffer,
                                  int32_t bufferSize) const = 0;
  virtual uint32_t GetDeletedIds(const char16_t* key, int32_t* out) const = 0;
  // The first created id of key; with a null key, of the first key that has one; -1 if none.
  virtual int32_t GetFirstCreatedId(const char16_t* key) const = 0;
  // Destroys the log.
  virtual void Release() = 0;
  virtual ~ITransactionLog() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_DATA_H_
