// The shape of a record an employee holds: the item names its employee by "employee_id" and
// answers GetEmployee from the collection that holds it; the collection answers GetEmployee
// with its owner. Dated records with a date as their only sort key (overtimes, notes) also
// share their range queries here.
#pragma once

#include <cstdint>
#include <tuple>

#include "data/type_codes.h"
#include "items/item.h"
#include "items/ordered_items.h"
#include "master/employee.h"
#include "records/date_period.h"
#include "records/employment_period.h"
#include "velk_data/periods.h"

template <class Derived, class Interface, class CollectionInterface>
class CEmployeeRecord : public CItem<Derived, Interface, CollectionInterface> {
 public:
  static constexpr const char16_t* kOwnerKey = u"employee_id";

  using CItem<Derived, Interface, CollectionInterface>::CItem;

  velk_data::IEmployee* GetEmployee() const override { return this->Holder(); }
};

template <class Derived, class Interface, class Item>
class CEmployeeRecords : public COrderedItems<Derived, Interface, Item, CEmployee> {
 public:
  using COrderedItems<Derived, Interface, Item, CEmployee>::COrderedItems;

  velk_data::IEmployee* GetEmployee() const override { return this->OwnerItem(); }

  // Calls visit(start, end) for each of the owner's employment intervals clipped to
  // [start, end], in date order (end 0: open); none without employment periods.
  template <class Visit>
  void ForEachEmploymentInterval(uint32_t start, uint32_t end, Visit&& visit) const {
    DatePeriods intervals;  // a handful: inside the set, no allocation
    CollectEmploymentOf(this->OwnerItem(), intervals, start, end);
    for (const DatePeriod& interval : intervals) visit(interval.start, interval.end);
  }
};

// Records ordered by date alone. start 0 reads from the first record, end 0 to the last.
template <class Derived, class Interface, class Item>
class CDatedRecords : public CEmployeeRecords<Derived, Interface, Item> {
 public:
  using ItemInterface = typename Item::InterfaceType;
  using CEmployeeRecords<Derived, Interface, Item>::CEmployeeRecords;

  uint32_t CountInRange(uint32_t start, uint32_t end) const override {
    return GetInRange(nullptr, start, end);
  }
  uint32_t GetInRange(ItemInterface** out, uint32_t start, uint32_t end) const override {
    // The last day number has no day after it: like 0, it leaves the range open.
    if (end == 0 || end == UINT32_MAX) return this->CopyFrom({start}, out);
    return this->CopyRange({start}, {end + 1}, out);
  }
  ItemInterface* FindOnDate(uint32_t day) const override {
    auto it = this->Items().lower_bound(std::make_tuple(day));
    return it != this->Items().end() && (*it)->GetDate() == day ? *it : nullptr;
  }
  uint32_t CountInEmployment(uint32_t start, uint32_t end) const override {
    return GetInEmployment(nullptr, start, end);
  }
  // The records of each employment interval clipped to [start, end], interval after interval.
  uint32_t GetInEmployment(ItemInterface** out, uint32_t start, uint32_t end) const override {
    uint32_t n = 0;
    if (this->Items().empty()) return 0;
    this->ForEachEmploymentInterval(start, end, [&](uint32_t from, uint32_t to) {
      n += GetInRange(out ? out + n : nullptr, from, to);
    });
    return n;
  }
};
