// COrderedItems: the collection of a dated record type (and of holidays and user settings),
// written once. Items are kept ordered by their SortKey() (a tuple of the sort fields, compared
// left to right); items with equal keys keep their insertion order. Range queries search by key
// directly, so no item is made up to serve as a search key.
//
// A concrete collection derives from COrderedItems<itself, its interface, its item, its owner's
// interface> (Owner void for collections the root object holds) and adds its queries.
#pragma once

#include <cstdint>
#include <set>
#include <type_traits>

#include "items/id_index.h"
#include "items/items_base.h"
#include "json/json_value.h"
#include "json/node_pool.h"

// Orders items by SortKey(); also compares items with bare keys for lookups.
template <class Item>
struct SortKeyLess {
  using is_transparent = void;
  using Key = decltype(std::declval<const Item&>().SortKey());
  bool operator()(const Item* a, const Item* b) const { return a->SortKey() < b->SortKey(); }
  bool operator()(const Item* a, const Key& b) const { return a->SortKey() < b; }
  bool operator()(const Key& a, const Item* b) const { return a < b->SortKey(); }
};

// The set's nodes come from the JSON values' pool of small blocks, as the items do (see
// CItemBase).
template <class T>
struct PoolAllocator {
  using value_type = T;
  PoolAllocator() = default;
  template <class U>
  PoolAllocator(const PoolAllocator<U>&) {}
  T* allocate(size_t n) { return static_cast<T*>(velk_json::AllocateNode(n * sizeof(T))); }
  void deallocate(T* p, size_t n) { velk_json::FreeNode(p, n * sizeof(T)); }
  template <class U>
  bool operator==(const PoolAllocator<U>&) const {
    return true;
  }
  template <class U>
  bool operator!=(const PoolAllocator<U>&) const {
    return false;
  }
};

template <class Derived, class Interface, class Item, class Owner = void>
class COrderedItems : public Interface, public CItemsBase {
 public:
  using InterfaceType = Interface;
  using ItemInterface = typename Item::InterfaceType;
  using OwnerType = Owner;
  using Less = SortKeyLess<Item>;
  using Key = typename Less::Key;
  using Set = std::multiset<Item*, Less, PoolAllocator<Item*>>;
  // Only the holiday collection rejects ids above every loaded id without a search.
  static constexpr bool kFindChecksMaxId = false;

  COrderedItems(velk_data::IData* data, Owner* owner) : CItemsBase(data), m_owner(owner) {}
  explicit COrderedItems(velk_data::IData* data) : CItemsBase(data), m_owner(nullptr) {}
  ~COrderedItems() override { DestroyAll(); }

  velk_data::IData* GetData() override { return m_data; }
  ItemInterface* CreateItem() override { return NewItem(); }
  uint32_t GetCount() const override { return static_cast<uint32_t>(m_items.size()); }
  uint32_t GetAll(ItemInterface** out) const override {
    return Copy(m_items.begin(), m_items.end(), out);
  }
  ItemInterface* GetAt(uint32_t index) const override {
    if (index >= m_items.size()) return nullptr;
    return *std::next(m_items.begin(), index);
  }
  ItemInterface* FindById(int32_t id) const override { return FindId(id); }
  Owner* OwnerItem() const { return m_owner; }

  void Clear() override {
    DestroyAll();
    m_items.clear();
    m_index.Invalidate();
    m_maxId = 0;
    Changed();
  }
  CItemBase* LoadItem(const velk_json::CJSONObject& json) override {
    Item* item = static_cast<Item*>(ReadNew(NewItem(), json));
    Insert(item);
    NoteLoaded(item->GetId());
    return item;
  }
  void RemoveItem(CItemBase* base) override {
    if (!base) return;
    Item* item = static_cast<Item*>(base);
    auto it = Locate(item, item->SortKey());
    if (it == m_items.end()) it = Walk(item);  // a setter may have changed its key
    if (it == m_items.end()) return;
    m_items.erase(it);
    m_index.Invalidate();
    delete item;
    Changed();
  }
  CItemBase* FindItem(int32_t id) override { return FindId(id); }

  // Removes and destroys every item that references target: the cascade when a master item
  // that records refer to goes.
  void RemoveReferring(const velk_data::IItem* target) {
    bool removed = false;
    for (auto it = m_items.begin(); it != m_items.end();) {
      if (!(*it)->References(target)) {
        ++it;
        continue;
      }
      Item* item = *it;
      it = m_items.erase(it);
      delete item;
      removed = true;
    }
    if (!removed) return;
    m_index.Invalidate();
    Changed();
  }

  // Hooks of the item side.
  void OnIdChanged() {
    m_index.Invalidate();
    Changed();
  }
  // The item's sort key changed from before: it moves behind the items now equal to it.
  void Reposition(Item* item, const Key& before) {
    auto it = Locate(item, before);
    if (it == m_items.end()) it = Walk(item);
    if (it == m_items.end()) return;
    m_items.erase(it);
    m_items.insert(item);
    m_index.Invalidate();
    Changed();
  }

  const Set& Items() const { return m_items; }
  // Not named Find: the user settings' interface has a Find by key, which this would hide.
  Item* FindId(int32_t id) const {
    if (Derived::kFindChecksMaxId && id > m_maxId) return nullptr;
    return m_index.Find(m_items, id);
  }
  // Items whose key lies in [lo, hi), copied to out when not null; returns their number.
  uint32_t CopyRange(const Key& lo, const Key& hi, ItemInterface** out) const {
    if (!(lo < hi)) return 0;
    return Copy(m_items.lower_bound(lo), m_items.lower_bound(hi), out);
  }
  // Items from the key lo on.
  uint32_t CopyFrom(const Key& lo, ItemInterface** out) const {
    return Copy(m_items.lower_bound(lo), m_items.end(), out);
  }

 protected:
  Item* NewItem() { return new Item(m_data, this); }
  void Insert(Item* item) {
    item->m_owned = true;
    m_items.insert(item);
    m_index.Inserted(item, [](const Item* a, const Item* b) { return Less()(a, b); });
    Changed();
  }
  // Called after every change of the items, their order or their ids, for a derived
  // collection that keeps something over them (it hides this one).
  void OnItemsChanged() {}
  template <class It>
  static uint32_t Copy(It first, It last, ItemInterface** out) {
    uint32_t n = 0;
    for (; first != last; ++first, ++n)
      if (out) out[n] = *first;
    return n;
  }

 private:
  void Changed() { static_cast<Derived*>(this)->OnItemsChanged(); }
  typename Set::iterator Locate(const Item* item, const Key& key) {
    auto range = m_items.equal_range(key);
    for (auto it = range.first; it != range.second; ++it)
      if (*it == item) return it;
    return m_items.end();
  }
  typename Set::iterator Walk(const Item* item) {
    for (auto it = m_items.begin(); it != m_items.end(); ++it)
      if (*it == item) return it;
    return m_items.end();
  }
  void DestroyAll() {
    for (Item* item : m_items) delete item;
  }

  Set m_items;
  Owner* m_owner;
  mutable CIdIndex<Item> m_index;
};
