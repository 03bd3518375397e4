// Records an employee plans per plan type: absences and the three kinds of planned shift. Their
// collections are ordered by plan type (signed), then date, so the records of one plan type in
// a date range lie next to each other: a range query is two searches of the set and a walk over
// the matches, and makes nothing. CPlanOrderedItems writes those queries once, together with
// the employment-restricted ones, which run one range query per employment interval.
#pragma once

#include <climits>
#include <cstdint>
#include <tuple>
#include <utility>

#include "records/employee_record.h"

// The sort key of a planned record: plan type, compared signed, then date.
using PlanDateKey = std::tuple<int32_t, uint32_t>;

// The weekday of a day number, 0 Monday .. 6 Sunday, computed from the next day's weekday
// (Sunday 0) in unsigned arithmetic: the last day number there is wraps to a Sunday.
inline uint32_t WeekdayOf(uint32_t date) { return ((date + 1) % 7 + 6) % 7; }

template <class Derived, class Interface, class Item>
class CPlanOrderedItems : public CEmployeeRecords<Derived, Interface, Item> {
  using Base = CEmployeeRecords<Derived, Interface, Item>;
  using Iterator = typename Base::Set::const_iterator;

 public:
  using Base::Base;
  using typename Base::ItemInterface;

  uint32_t CountInRange(uint32_t from, uint32_t to, int32_t planType) const override {
    return GetInRange(nullptr, from, to, planType);
  }
  uint32_t GetInRange(ItemInterface** out, uint32_t from, uint32_t to,
                      int32_t planType) const override {
    const auto [first, last] = Span(from, to, planType);
    return Base::Copy(first, last, out);
  }
  uint32_t CountInEmployment(uint32_t from, uint32_t to, int32_t planType) const override {
    return GetInEmployment(nullptr, from, to, planType);
  }
  uint32_t GetInEmployment(ItemInterface** out, uint32_t from, uint32_t to,
                           int32_t planType) const override {
    uint32_t n = 0;
    ForEachInEmployment(from, to, planType, [&](Item* item) {
      if (out) out[n] = item;
      ++n;
    });
    return n;
  }

  // The records of planType dated from..to (to 0: no end), in order.
  template <class Visit>
  void ForEachInRange(uint32_t from, uint32_t to, int32_t planType, Visit&& visit) const {
    for (auto [it, last] = Span(from, to, planType); it != last; ++it) visit(*it);
  }
  // The same, restricted to the days on which the owner is employed: one range per employment
  // interval clipped to from..to, in date order. Nothing without employment periods.
  template <class Visit>
  void ForEachInEmployment(uint32_t from, uint32_t to, int32_t planType, Visit&& visit) const {
    if (this->Items().empty()) return;
    this->ForEachEmploymentInterval(from, to, [&](uint32_t start, uint32_t end) {
      ForEachInRange(start, end, planType, visit);
    });
  }
  // Appends the records of the range to items; returns its size.
  template <class Vector>
  size_t CollectInRange(Vector& items, uint32_t from, uint32_t to, int32_t planType) const {
    ForEachInRange(from, to, planType, [&](Item* item) { items.push_back(item); });
    return items.size();
  }

 private:
  // [first, last) of the set holding the range.
  std::pair<Iterator, Iterator> Span(uint32_t from, uint32_t to, int32_t planType) const {
    const auto& items = this->Items();
    const Iterator first = items.lower_bound(PlanDateKey{planType, from});
    // An open end (and the last day there is, whose next day does not exist) runs to the end
    // of the plan type.
    if (to == 0 || to == UINT32_MAX) {
      if (planType == INT32_MAX) return {first, items.end()};
      return {first, items.lower_bound(PlanDateKey{planType + 1, 0})};
    }
    if (from > to) return {first, first};
    return {first, items.lower_bound(PlanDateKey{planType, to + 1})};
  }
};
