// IItem: what every record of the model has in common. Every item interface derives from it.
//
// An item belongs to the collection that holds it and is destroyed only by it. A free item
// (from a collection's CreateItem, or a record a query hands out as new) belongs to whoever
// received it, who ends it with Release. References between items are non-owning pointers.
// Text results point into storage of the model: a member string (valid until it changes) or a
// buffer shared by the item class (valid until the next call of the same kind).
//
// The order of the virtual functions is the binary contract with the host: never reorder.
#ifndef VELK_DATA_ITEMS_H_
#define VELK_DATA_ITEMS_H_

#include <cstdint>

#include "velk_data/fwd.h"

namespace velk_data {

class IItem {
 public:
  // The root object the item belongs to.
  virtual IData* GetData() const = 0;
  // Ids greater than 0 identify the item within its type; -1 means "no id yet".
  virtual void SetId(int32_t id) = 0;
  virtual int32_t GetId() const = 0;
  // True when one of this item's references, or its owner for held records, is other
  // (compared by pointer).
  virtual bool References(const IItem* other) const = 0;
  // The type word, equal to the data-type key of messages ("absence", "employee", ...).
  virtual const char16_t* GetTypeName() const = 0;
  // The item as compact JSON object text, in a buffer that the next ToJSON of any item of the
  // same class overwrites.
  virtual const char16_t* ToJSON() const = 0;
  // kind 1 gives the short form {"id":..,"position":..} for master items the host lists by
  // position; any other kind, and every other item, gives ToJSON.
  virtual const char16_t* GetJSON(uint32_t /*kind*/) const { return ToJSON(); }
  // Destroys a free item; does nothing for an item held by a collection.
  virtual void Release() = 0;
  virtual ~IItem() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_ITEMS_H_
