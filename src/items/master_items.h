// CMasterItems: the collection of a master item type, written once. Items stay in the order in
// which they were loaded. A concrete collection derives from
// CMasterItems<itself, its interface, its item> and adds its own queries; removal cascades go in
// its BeforeDestroy(item).
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "items/id_index.h"
#include "items/items_base.h"
#include "json/json_value.h"

template <class Derived, class Interface, class Item>
class CMasterItems : public Interface, public CItemsBase {
 public:
  using ItemInterface = typename Item::InterfaceType;
  // Lookups of ids above every loaded id fail at once; the access collections search anyway.
  static constexpr bool kFindChecksMaxId = true;

  explicit CMasterItems(velk_data::IData* data) : CItemsBase(data) {}
  ~CMasterItems() override { DestroyAll(); }

  velk_data::IData* GetData() override { return m_data; }
  ItemInterface* CreateItem() override { return NewItem(); }
  uint32_t GetCount() const override { return static_cast<uint32_t>(m_items.size()); }
  uint32_t GetAll(ItemInterface** out) const override {
    if (out) std::copy(m_items.begin(), m_items.end(), out);
    return GetCount();
  }
  ItemInterface* GetAt(uint32_t index) const override {
    return index < m_items.size() ? m_items[index] : nullptr;
  }
  ItemInterface* FindById(int32_t id) const override { return Find(id); }

  void Clear() override {
    DestroyAll();
    m_items.clear();
    m_index.Invalidate();
    m_maxId = 0;
  }
  CItemBase* LoadItem(const velk_json::CJSONObject& json) override {
    Item* item = static_cast<Item*>(ReadNew(NewItem(), json));
    item->m_owned = true;
    m_items.push_back(item);
    m_index.Inserted(item, [](Item*, Item*) { return false; });
    NoteLoaded(item->GetId());
    return item;
  }
  void RemoveItem(CItemBase* base) override {
    if (!base) return;
    Item* item = static_cast<Item*>(base);
    auto it = std::find(m_items.begin(), m_items.end(), item);
    if (it == m_items.end()) return;
    m_items.erase(it);
    m_index.Invalidate();
    static_cast<Derived*>(this)->BeforeDestroy(item);
    delete item;
  }
  CItemBase* FindItem(int32_t id) override { return Find(id); }

  // Hooks of the item side.
  void OnIdChanged() { m_index.Invalidate(); }

  const std::vector<Item*>& Items() const { return m_items; }
  Item* Find(int32_t id) const {
    if (Derived::kFindChecksMaxId && id > m_maxId) return nullptr;
    return m_index.Find(m_items, id);
  }

 protected:
  Item* NewItem() { return new Item(m_data, this); }
  // What other items lose when item goes; the item is already out of the collection.
  void BeforeDestroy(Item* /*item*/) {}

 private:
  void DestroyAll() {
    for (Item* item : m_items) delete item;
  }

  std::vector<Item*> m_items;
  mutable CIdIndex<Item> m_index;
};
