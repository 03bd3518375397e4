// The shape of the group records that cover a range of days (leave bans, special periods,
// special weekday requirements): a start and an inclusive end (0: open), ordered by start and
// then end, both plain unsigned, so an open end goes before every other end of its start.
//
// Their collections answer which records overlap a range of days by a walk of the whole
// collection: a group holds a handful of them, and an open end defeats a search by start.
#pragma once

#include <cstdint>
#include <tuple>
#include <vector>

#include "records/group_record.h"

template <class Derived, class Interface, class CollectionInterface>
class CGroupPeriod : public CGroupRecord<Derived, Interface, CollectionInterface> {
 public:
  using CGroupRecord<Derived, Interface, CollectionInterface>::CGroupRecord;

  uint32_t GetStart() const override { return m_start; }
  void SetStart(uint32_t date) override { m_start = date; }
  uint32_t GetEnd() const override { return m_end; }
  void SetEnd(uint32_t date) override { m_end = date; }

  std::tuple<uint32_t, uint32_t> SortKey() const { return {m_start, m_end}; }

  // The record reaches into [start, end]; 0 leaves a side open, on the record and in the query.
  bool Overlaps(uint32_t start, uint32_t end) const {
    return !(m_end != 0 && start > m_end) && !(end != 0 && end < m_start);
  }

 protected:
  // The day members keep the current day when null or empty: a record is never reopened by
  // a message that leaves a day out.
  template <class A, class S>
  static void RangeFields(A& ar, S& s) {
    ar.Date(u"start", s.m_start);
    ar.Date(u"end", s.m_end);
  }

  uint32_t m_start = 0;
  uint32_t m_end = 0;
};

template <class Derived, class Interface, class Item>
class CGroupPeriods : public CGroupRecords<Derived, Interface, Item> {
 public:
  using ItemInterface = typename Item::InterfaceType;
  using CGroupRecords<Derived, Interface, Item>::CGroupRecords;

  uint32_t CountInRange(uint32_t start, uint32_t end) const override {
    return GetInRange(nullptr, start, end);
  }
  uint32_t GetInRange(ItemInterface** out, uint32_t start, uint32_t end) const override {
    uint32_t n = 0;
    for (Item* item : this->Items()) {
      if (!item->Overlaps(start, end)) continue;
      if (out) out[n] = item;
      ++n;
    }
    return n;
  }
  // Appends the records that overlap [start, end] to out, in collection order; returns the size
  // of out. The group and the employee gather these over several groups.
  size_t CollectInRange(std::vector<Item*>& out, uint32_t start, uint32_t end) const {
    for (Item* item : this->Items())
      if (item->Overlaps(start, end)) out.push_back(item);
    return out.size();
  }
};

// Copies gathered records to a host's array when there is one; returns their number.
template <class ItemInterface, class Item>
uint32_t CopyGathered(const std::vector<Item*>& items, ItemInterface** out) {
  if (out)
    for (size_t i = 0; i < items.size(); ++i) out[i] = items[i];
  return static_cast<uint32_t>(items.size());
}
