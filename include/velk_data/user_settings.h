// IUserSetting, a free key-value pair the host stores per collaborator, and IUserSettings,
// the settings ordered by collaborator, then key without regard to letter case.
// Keys are narrow US-ASCII text and are matched in upper case; values are UTF-16 text.
#ifndef VELK_DATA_USER_SETTINGS_H_
#define VELK_DATA_USER_SETTINGS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IUserSetting : public IItem {
 public:
  virtual IUserSettings* GetCollection() const = 0;
  virtual int32_t GetCollaboratorId() const = 0;
  virtual void SetCollaboratorId(int32_t collaboratorId) = 0;
  virtual const char* GetKey() const = 0;
  virtual void SetKey(const char* key) = 0;
  virtual const char16_t* GetValue() const = 0;
  virtual void SetValue(const char16_t* value) = 0;
  // Copies id, collaborator id, key and value.
  virtual void Assign(const IUserSetting* other) = 0;
};

class IUserSettings {
 public:
  virtual IData* GetData() = 0;
  // A new free setting (collaborator -1); the caller releases it.
  virtual IUserSetting* CreateItem() = 0;
  virtual uint32_t CountByKey(const char* key, int32_t collaboratorId) const = 0;
  virtual uint32_t CountByCollaborator(int32_t collaboratorId) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The collaborator's settings whose key starts with key, in order; an empty key gives
  // every setting of every collaborator.
  virtual uint32_t GetByKey(IUserSetting** out, const char* key, int32_t collaboratorId) const = 0;
  // Every setting of the collaborator, in key order.
  virtual uint32_t GetByCollaborator(IUserSetting** out, int32_t collaboratorId) const = 0;
  virtual uint32_t GetAll(IUserSetting** out) const = 0;
  // The first setting of the collaborator with exactly key, or null.
  virtual IUserSetting* Find(const char* key, int32_t collaboratorId) const = 0;
  // The index-th setting of the collaborator, or null.
  virtual IUserSetting* GetAtOfCollaborator(uint32_t index, int32_t collaboratorId) const = 0;
  virtual IUserSetting* GetAt(uint32_t index) const = 0;
  virtual IUserSetting* FindById(int32_t id) const = 0;
  // The value of Find, or null when there is no such setting.
  virtual const char16_t* GetValue(const char* key, int32_t collaboratorId) const = 0;
  virtual ~IUserSettings() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_USER_SETTINGS_H_
