// Lookup by id for a collection: the first item in collection order with a given id, in O(1).
// The index is built lazily on the first lookup and dropped on any change it cannot follow
// (removal, a changed id, a moved item), so a full load pays for it only when someone asks,
// and small collections never build one.
#pragma once

#include <cstdint>
#include <unordered_map>

template <class Item>
class CIdIndex {
 public:
  // Collections up to this size answer by a walk: cheaper than a hash table, and record
  // collections are many and mostly small.
  static constexpr size_t kWalkBelow = 16;

  template <class Container>
  Item* Find(const Container& items, int32_t id) {
    if (items.size() < kWalkBelow) {
      for (Item* item : items)
        if (item->GetId() == id) return item;
      return nullptr;
    }
    if (!m_valid) {
      m_byId.clear();
      m_byId.reserve(items.size());
      for (Item* item : items) m_byId.emplace(item->GetId(), item);  // keeps the first
      m_valid = true;
    }
    auto it = m_byId.find(id);
    return it == m_byId.end() ? nullptr : it->second;
  }

  // A new item was inserted; before(a, b) tells whether a comes first in collection order.
  template <class Before>
  void Inserted(Item* item, Before before) {
    if (!m_valid) return;
    auto [it, added] = m_byId.emplace(item->GetId(), item);
    if (!added && before(item, it->second)) it->second = item;
  }

  void Invalidate() {
    m_valid = false;
    m_byId.clear();
  }

 private:
  std::unordered_map<int32_t, Item*> m_byId;
  bool m_valid = false;
};
