// The internal side of every collection: what the root object and the intake use.
#pragma once

#include <cstdint>
#include <set>
#include <string>

namespace velk_data {
class IData;
}
namespace velk_json {
class CJSONObject;
}
class CItemBase;
class CData;

class CItemsBase {
 public:
  explicit CItemsBase(velk_data::IData* data) : m_data(data) {}
  CItemsBase(const CItemsBase&) = delete;
  CItemsBase& operator=(const CItemsBase&) = delete;

  // Empties the derived link sets of the items (employees and groups keep some).
  virtual void ClearLinks() {}
  // Called at the start of an intake on the collections registered for it.
  virtual void OnIntakeStart() {}
  // Recomputes derived state after an intake; changedTypes holds the message's type keys.
  virtual void UpdateDerived(const std::set<std::u16string>& /*changedTypes*/) {}
  // Destroys every item; the highest id seen starts again at 0.
  virtual void Clear() = 0;
  // Creates an item from json and inserts it; an item whose reading throws is not inserted.
  virtual CItemBase* LoadItem(const velk_json::CJSONObject& json) = 0;
  // Takes the item out and destroys it; null does nothing.
  virtual void RemoveItem(CItemBase* item) = 0;
  // The first item in collection order with this id, or null.
  virtual CItemBase* FindItem(int32_t id) = 0;
  virtual ~CItemsBase() {}

  CData* Root() const;

  velk_data::IData* m_data;
  // The highest id ever loaded since the last Clear; removal does not lower it.
  int32_t m_maxId = 0;

 protected:
  // Fills a new free item from json; an item whose reading fails is destroyed and the failure
  // passes on.
  static CItemBase* ReadNew(CItemBase* item, const velk_json::CJSONObject& json);
  void NoteLoaded(int32_t id) {
    if (id >= m_maxId) m_maxId = id;
  }
};
