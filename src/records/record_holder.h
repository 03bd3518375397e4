// CRecordHolder: the record collections of an owner item, one per type code First..Last.
// A collection is made on first use and destroyed with the owner, so an owner without records
// of a type costs one null pointer for it.
#pragma once

#include <cstdint>

#include "items/items_base.h"
#include "records/record_types.h"

template <class Owner, int32_t First, int32_t Last>
class CRecordHolder {
 public:
  CRecordHolder() = default;
  CRecordHolder(const CRecordHolder&) = delete;
  CRecordHolder& operator=(const CRecordHolder&) = delete;
  ~CRecordHolder() {
    for (CItemsBase* records : m_records) delete records;
  }

  static constexpr bool Holds(int32_t code) { return code >= First && code <= Last; }

  // The collection of code when it has been made, else null.
  CItemsBase* Existing(int32_t code) const {
    return Holds(code) ? m_records[code - First] : nullptr;
  }

  // The collection of code, made when first asked for; null when this owner holds no such
  // type or the model does not hold it.
  CItemsBase* Records(int32_t code) const {
    if (!Holds(code)) return nullptr;
    CItemsBase*& records = m_records[code - First];
    if (!records) {
      const RecordType* type = RecordTypeOf(code);
      if (!type) return nullptr;
      auto* owner = const_cast<Owner*>(static_cast<const Owner*>(this));
      records = type->make(owner->m_data, owner);
    }
    return records;
  }

  // The collection of code as its concrete class; the caller names the class of the code.
  template <class C>
  C* Typed(int32_t code) const {
    return static_cast<C*>(Records(code));
  }

  // The collection as its host interface (IAbsences, ...); null while the type is not held.
  template <class I>
  I* Interface(int32_t code) const {
    CItemsBase* records = Records(code);
    return records ? static_cast<I*>(RecordTypeOf(code)->asInterface(records)) : nullptr;
  }

 private:
  mutable CItemsBase* m_records[Last - First + 1] = {};
};
