// Access entries, written once for both kinds: an entry grants one collaborator a permission on
// one target, an employee (employee access) or a group (group access). The kinds differ only in
// the target, so a concrete class (employee_access.h, group_access.h) names its target's key
// (kTargetKey), the root's collection of targets (kTargets), the message for a key that names
// no target (kUnknownTarget) and its getter and setter pair; everything else is here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "data/data.h"
#include "items/item.h"
#include "items/master_items.h"

// The permission words of entries and of the root object: 1 "read-only", 2 "read-and-write",
// every other value "none".
const char16_t* PermissionWord(int64_t permission);

template <class Derived, class Interface, class CollectionInterface, class Target>
class CAccessEntry : public CItem<Derived, Interface, CollectionInterface> {
 public:
  enum Permission : uint32_t { kNone = 0, kReadOnly = 1, kReadAndWrite = 2 };

  using CItem<Derived, Interface, CollectionInterface>::CItem;

  bool References(const velk_data::IItem* other) const override {
    return other && other == static_cast<const velk_data::IItem*>(m_target);
  }
  int32_t GetCollaboratorId() const override { return m_collaboratorId; }
  void SetCollaboratorId(int32_t collaboratorId) override { m_collaboratorId = collaboratorId; }
  uint32_t GetPermission() const override { return m_permission; }
  void SetPermission(uint32_t permission) override { m_permission = permission; }

  const velk_data::IItem* TargetItem() const { return m_target; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"collaborator_id", s.m_collaboratorId);
    // Unlike most references, a present key is always looked up: 0 and negative ids fail too.
    ar.Ref(Derived::kTargetKey, s.m_target, Derived::kTargets, RefRead::kPresent,
           RefWrite::kOmitWhenNone, Derived::kUnknownTarget);
    std::u16string word = A::kReads ? std::u16string() : PermissionWord(s.m_permission);
    ar.Text(u"permissions", word);
    if constexpr (A::kReads) s.m_permission = ReadPermission(word, s.m_permission);
  }

 protected:
  // Assign of all but the target, through the setters.
  void AssignFields(const Interface* source) {
    this->SetId(source->GetId());
    SetCollaboratorId(source->GetCollaboratorId());
    SetPermission(source->GetPermission());
  }

  // The model's own employees and groups are the only targets there are.
  Target* m_target = nullptr;

 private:
  // An empty or absent word keeps the permission; an unknown one gives none.
  static uint32_t ReadPermission(const std::u16string& word, uint32_t current) {
    if (word.empty()) return current;
    if (word == u"read-only") return kReadOnly;
    if (word == u"read-and-write") return kReadAndWrite;
    return kNone;
  }

  int32_t m_collaboratorId = -1;
  uint32_t m_permission = kReadAndWrite;
};

// The entries keep load order. Lookups by id search every entry: ids are not checked against
// the highest one loaded.
template <class Derived, class Interface, class Item>
class CAccessEntries : public CMasterItems<Derived, Interface, Item> {
  using Base = CMasterItems<Derived, Interface, Item>;

 public:
  using ItemInterface = typename Base::ItemInterface;
  using TargetInterface = typename Item::TargetInterface;
  static constexpr bool kFindChecksMaxId = false;

  using Base::Base;

  uint32_t CountForCollaborator(int32_t collaboratorId) const override {
    return GetAllForCollaborator(nullptr, collaboratorId);
  }
  uint32_t GetAllForCollaborator(ItemInterface** out, int32_t collaboratorId) const override {
    uint32_t count = 0;
    for (Item* entry : this->Items()) {
      if (entry->GetCollaboratorId() != collaboratorId) continue;
      if (out) out[count] = entry;
      ++count;
    }
    return count;
  }
  ItemInterface* GetAtForCollaborator(uint32_t index, int32_t collaboratorId) const override {
    for (Item* entry : this->Items())
      if (entry->GetCollaboratorId() == collaboratorId && index-- == 0) return entry;
    return nullptr;
  }
  ItemInterface* FindForTarget(const TargetInterface* target,
                               int32_t collaboratorId) const override {
    for (Item* entry : this->Items())
      if (entry->TargetItem() == target && entry->GetCollaboratorId() == collaboratorId)
        return entry;
    return nullptr;
  }

  // Whether an entry of any collaborator allows writing.
  bool AnyAllowsWriting() const {
    for (Item* entry : this->Items())
      if (entry->GetPermission() == Item::kReadAndWrite) return true;
    return false;
  }
  // Removes every entry on target: the employee or group it names is going.
  void RemoveFor(const velk_data::IItem* target) {
    std::vector<Item*> gone;  // collected first: removal changes the vector being walked
    for (Item* entry : this->Items())
      if (entry->References(target)) gone.push_back(entry);
    for (Item* entry : gone) this->RemoveItem(entry);
  }
};
