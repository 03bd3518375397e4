// The internal side of every item: what collections and the intake use, beside the interface the
// host sees. An item class derives from its interface first and from CItemBase second.
#pragma once

#include <cstddef>
#include <cstdint>

#include "json/node_pool.h"

namespace velk_data {
class IData;
}
namespace velk_json {
class CJSONObject;
}
class CItemsBase;
class CData;

class CItemBase {
 public:
  CItemBase(velk_data::IData* data, CItemsBase* collection)
      : m_data(data), m_collection(collection) {}
  CItemBase(const CItemBase&) = delete;
  CItemBase& operator=(const CItemBase&) = delete;

  virtual ~CItemBase() {}
  // A full load makes millions of small items: they come from the JSON values' pool of small
  // blocks (the heap under the sanitizers), without the heap's per-block overhead.
  static void* operator new(size_t size) { return velk_json::AllocateNode(size); }
  static void operator delete(void* item, size_t size) { velk_json::FreeNode(item, size); }
  // Empties derived link sets (employees and groups keep some).
  virtual void ClearLinks() {}
  virtual void SetId(int32_t id) = 0;
  virtual int32_t GetId() const = 0;
  // Reads the item from one JSON object; keys that are absent keep their field. With
  // reposition, an item whose sort keys changed moves to its new place in its collection.
  virtual void FromJSON(const velk_json::CJSONObject& json, bool reposition) = 0;
  virtual const char16_t* ToJSON() const = 0;

  CData* Root() const;

  velk_data::IData* m_data;
  // The collection that created the item; stays set while the item is free.
  CItemsBase* m_collection;
  int32_t m_id = -1;
  // Set by the collection on insertion: from then on only the collection destroys the item.
  bool m_owned = false;
};
