// The record types the model holds, one row per type code (14 to 33). An owner (employee,
// group, shift cycle, shift cycle assignment) makes its collections from these rows, and the
// root object reaches every type through them: the intake's routing, the deletion lookup and
// the removal cascade are the same few lines for all twenty types. A new record type adds its
// row in record_types.cpp and nothing else outside its own files.
#pragma once

#include <cstdint>

namespace velk_data {
class IData;
class IItem;
}  // namespace velk_data
class CItemsBase;

struct RecordType {
  // A new empty collection held by owner (the owner's concrete type, passed as void*).
  CItemsBase* (*make)(velk_data::IData* data, void* owner);
  // The collection as the interface the host sees (IAbsences*, ...), as void*.
  void* (*asInterface)(CItemsBase* records);
  // Removes and destroys every record of the collection that references target.
  void (*removeReferring)(CItemsBase* records, const velk_data::IItem* target);
};

// The row of a type code; null when the code is not a record type or the model does not hold
// records of that type.
const RecordType* RecordTypeOf(int32_t code);
