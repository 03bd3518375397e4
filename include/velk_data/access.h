// Access entries: IEmployeeAccess grants a collaborator a permission on one employee,
// IGroupAccess on one group (and, through the parent chain, on its subgroups). Their master
// collections IEmployeeAccesses and IGroupAccesses keep load order. The target is a
// non-owning reference; removing an employee or group removes its entries.
// Permissions: 0 none, 1 read-only, 2 read-and-write.
#ifndef VELK_DATA_ACCESS_H_
#define VELK_DATA_ACCESS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IEmployeeAccess : public IItem {
 public:
  virtual IEmployeeAccesses* GetCollection() const = 0;
  virtual int32_t GetCollaboratorId() const = 0;
  virtual void SetCollaboratorId(int32_t collaboratorId) = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual void SetEmployee(IEmployee* employee) = 0;
  virtual uint32_t GetPermission() const = 0;
  virtual void SetPermission(uint32_t permission) = 0;
  // Copies id, collaborator id, employee and permission.
  virtual void Assign(const IEmployeeAccess* source) = 0;
};

class IGroupAccess : public IItem {
 public:
  virtual IGroupAccesses* GetCollection() const = 0;
  virtual int32_t GetCollaboratorId() const = 0;
  virtual void SetCollaboratorId(int32_t collaboratorId) = 0;
  virtual IGroup* GetGroup() const = 0;
  virtual void SetGroup(IGroup* group) = 0;
  virtual uint32_t GetPermission() const = 0;
  virtual void SetPermission(uint32_t permission) = 0;
  // Copies id, collaborator id, group and permission.
  virtual void Assign(const IGroupAccess* source) = 0;
};

class IEmployeeAccesses {
 public:
  virtual IData* GetData() = 0;
  // A new free entry (collaborator -1, read-and-write); the caller releases it.
  virtual IEmployeeAccess* CreateItem() = 0;
  virtual uint32_t CountForCollaborator(int32_t collaboratorId) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The collaborator's entries in load order.
  virtual uint32_t GetAllForCollaborator(IEmployeeAccess** out, int32_t collaboratorId) const = 0;
  virtual uint32_t GetAll(IEmployeeAccess** out) const = 0;
  // The index-th entry of the collaborator, or null.
  virtual IEmployeeAccess* GetAtForCollaborator(uint32_t index, int32_t collaboratorId) const = 0;
  virtual IEmployeeAccess* GetAt(uint32_t index) const = 0;
  virtual IEmployeeAccess* FindById(int32_t id) const = 0;
  // The first entry of the collaborator for exactly this employee, or null.
  virtual IEmployeeAccess* FindForTarget(const IEmployee* employee,
                                         int32_t collaboratorId) const = 0;
  virtual ~IEmployeeAccesses() {}
};

class IGroupAccesses {
 public:
  virtual IData* GetData() = 0;
  // A new free entry (collaborator -1, read-and-write); the caller releases it.
  virtual IGroupAccess* CreateItem() = 0;
  virtual uint32_t CountForCollaborator(int32_t collaboratorId) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The collaborator's entries in load order.
  virtual uint32_t GetAllForCollaborator(IGroupAccess** out, int32_t collaboratorId) const = 0;
  virtual uint32_t GetAll(IGroupAccess** out) const = 0;
  // The index-th entry of the collaborator, or null.
  virtual IGroupAccess* GetAtForCollaborator(uint32_t index, int32_t collaboratorId) const = 0;
  virtual IGroupAccess* GetAt(uint32_t index) const = 0;
  virtual IGroupAccess* FindById(int32_t id) const = 0;
  // The first entry of the collaborator for exactly this group, or null.
  virtual IGroupAccess* FindForTarget(const IGroup* group, int32_t collaboratorId) const = 0;
  virtual ~IGroupAccesses() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_ACCESS_H_
