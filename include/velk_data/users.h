// IUserSpecification, what one collaborator (a user of the planning application) may do,
// and IUserSpecifications, their master collection.
//
// Rights: 0 "full", 1 "read-only", 2 "restricted". The restriction levels are host-defined
// values stored as they are. Categories are allowed one by one; JSON carries 1 to 20.
#ifndef VELK_DATA_USERS_H_
#define VELK_DATA_USERS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IUserSpecification : public IItem {
 public:
  virtual IUserSpecifications* GetCollection() const = 0;
  virtual int32_t GetCollaboratorId() const = 0;
  virtual void SetCollaboratorId(int32_t collaboratorId) = 0;
  virtual const char16_t* GetDescription() const = 0;
  virtual void SetDescription(const char16_t* text) = 0;
  virtual uint32_t GetRights() const = 0;
  virtual void SetRights(uint32_t rights) = 0;
  virtual bool GetCreateReports() const = 0;
  virtual void SetCreateReports(bool value) = 0;
  virtual int32_t GetStatisticsRestriction() const = 0;
  virtual void SetStatisticsRestriction(int32_t value) = 0;
  virtual int32_t GetEmployeeMasterDataVisibilityRestriction() const = 0;
  virtual void SetEmployeeMasterDataVisibilityRestriction(int32_t value) = 0;
  virtual int32_t GetOpenGroupWindowRestriction() const = 0;
  virtual void SetOpenGroupWindowRestriction(int32_t value) = 0;
  virtual bool GetOpenSettingsWindow() const = 0;
  virtual void SetOpenSettingsWindow(bool value) = 0;
  virtual bool GetOpenStaffAdministrationWindow() const = 0;
  virtual void SetOpenStaffAdministrationWindow(bool value) = 0;
  virtual bool GetStaffTableMinimized() const = 0;
  virtual void SetStaffTableMinimized(bool value) = 0;
  virtual int32_t GetReadOnlyAbsencesDisplay() const = 0;
  virtual void SetReadOnlyAbsencesDisplay(int32_t value) = 0;
  virtual bool GetShowReadOnlyNotes() const = 0;
  virtual void SetShowReadOnlyNotes(bool value) = 0;
  virtual bool GetCreateEmployees() const = 0;
  virtual void SetCreateEmployees(bool value) = 0;
  virtual bool GetUpdateEmployeeMasterData() const = 0;
  virtual void SetUpdateEmployeeMasterData(bool value) = 0;
  virtual bool GetDeleteEmployees() const = 0;
  virtual void SetDeleteEmployees(bool value) = 0;
  virtual bool GetScheduleCustomShifts() const = 0;
  virtual void SetScheduleCustomShifts(bool value) = 0;
  virtual bool GetScheduleOvertimes() const = 0;
  virtual void SetScheduleOvertimes(bool value) = 0;
  virtual bool IsCategoryAllowed(int32_t category) const = 0;
  virtual void SetCategoryAllowed(int32_t category, bool allowed) = 0;
  virtual bool HasFullRights() const = 0;
  virtual bool HasReadOnlyRights() const = 0;
  virtual bool HasRestrictedRights() const = 0;
  // Whether the user may change nothing: read-only rights, or restricted rights while no
  // access entry of the model (of any collaborator) grants read-and-write.
  virtual bool IsReadOnlyUser() const = 0;
  // Copies every field, the id included.
  virtual void Assign(const IUserSpecification* source) = 0;
};

// The user profiles (rights entries) in load order.
class IUserSpecifications {
 public:
  virtual IData* GetData() = 0;
  // A new free user profile (collaborator -1, rights full); the caller releases it.
  virtual IUserSpecification* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IUserSpecification** out) const = 0;
  virtual IUserSpecification* GetAt(uint32_t index) const = 0;
  virtual IUserSpecification* FindById(int32_t id) const = 0;
  // The first profile of the collaborator, or null.
  virtual IUserSpecification* FindByCollaboratorId(int32_t collaboratorId) const = 0;
  virtual ~IUserSpecifications() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_USERS_H_
