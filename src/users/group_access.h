// Group access: grants a collaborator a permission on one group and, through the parent chain,
// on the groups below it. The entries go with the group they name.
#pragma once

#include "master/group.h"
#include "users/access_entry.h"
#include "velk_data/access.h"

class CGroupAccesses;

class CGroupAccess : public CAccessEntry<CGroupAccess, velk_data::IGroupAccess,
                                         velk_data::IGroupAccesses, CGroup> {
 public:
  static constexpr const char16_t* kTypeName = u"group_access";
  static constexpr const char16_t* kTargetKey = u"group_id";
  static constexpr auto kTargets = &CData::Groups;
  static constexpr const char16_t* kUnknownTarget = u"Unknown group id for group access item.\t";
  using Collection = CGroupAccesses;
  using TargetInterface = velk_data::IGroup;

  using CAccessEntry::CAccessEntry;

  velk_data::IGroup* GetGroup() const override { return m_target; }
  void SetGroup(velk_data::IGroup* group) override { m_target = static_cast<CGroup*>(group); }
  void Assign(const velk_data::IGroupAccess* source) override {
    if (!source) return;
    AssignFields(source);
    SetGroup(source->GetGroup());
  }
};

class CGroupAccesses
    : public CAccessEntries<CGroupAccesses, velk_data::IGroupAccesses, CGroupAccess> {
 public:
  using CAccessEntries::CAccessEntries;
};
