// The shape of a record a group holds: the item names its group by "group_id" and answers
// GetGroup from the collection that holds it; the collection answers GetGroup with its owner.
#pragma once

#include "data/type_codes.h"
#include "items/item.h"
#include "items/ordered_items.h"
#include "master/group.h"

template <class Derived, class Interface, class CollectionInterface>
class CGroupRecord : public CItem<Derived, Interface, CollectionInterface> {
 public:
  static constexpr const char16_t* kOwnerKey = u"group_id";

  using CItem<Derived, Interface, CollectionInterface>::CItem;

  velk_data::IGroup* GetGroup() const override { return this->Holder(); }
};

template <class Derived, class Interface, class Item>
class CGroupRecords : public COrderedItems<Derived, Interface, Item, CGroup> {
 public:
  using COrderedItems<Derived, Interface, Item, CGroup>::COrderedItems;

  velk_data::IGroup* GetGroup() const override { return this->OwnerItem(); }
};
