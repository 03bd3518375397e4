// Employment periods: the employee is employed from a start day to an end day (0 on either
// side: open). Merged where they overlap or touch, they give the employment intervals that
// restrict every statistic and every employment-restricted record query.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>

#include "items/item.h"
#include "items/ordered_items.h"
#include "master/employee.h"
#include "records/date_period.h"
#include "velk_data/periods.h"

// Employment periods answer to their employee themselves rather than through the employee
// record shape (employee_record.h), which stands on their employment intervals.
class CEmploymentPeriods;

class CEmploymentPeriod
    : public CItem<CEmploymentPeriod, velk_data::IEmploymentPeriod, velk_data::IEmploymentPeriods> {
 public:
  static constexpr const char16_t* kTypeName = u"employment_period";
  static constexpr const char16_t* kOwnerKey = u"employee_id";
  using Collection = CEmploymentPeriods;

  using CItem::CItem;

  velk_data::IEmployee* GetEmployee() const override;
  uint32_t GetStart() const override { return m_start; }
  void SetStart(uint32_t date) override { m_start = date; }
  uint32_t GetEnd() const override { return m_end; }
  void SetEnd(uint32_t date) override { m_end = date; }
  const char16_t* GetDescription() const override { return m_description.c_str(); }
  void SetDescription(const char16_t* text) override { m_description = text ? text : u""; }
  void Assign(const velk_data::IEmploymentPeriod* other) override;

  std::tuple<uint32_t, uint64_t> SortKey() const { return {m_start, EndKey(m_end)}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.OpenDate(u"start", s.m_start);
    ar.OpenDate(u"end", s.m_end);
    ar.Text(u"description", s.m_description);
  }

 private:
  uint32_t m_start = 0;
  uint32_t m_end = 0;
  std::u16string m_description;
};

class CEmploymentPeriods : public COrderedItems<CEmploymentPeriods, velk_data::IEmploymentPeriods,
                                                CEmploymentPeriod, CEmployee> {
 public:
  using COrderedItems::COrderedItems;

  velk_data::IEmployee* GetEmployee() const override;
  uint32_t CountInRange(uint32_t start, uint32_t end) const override {
    return GetInRange(nullptr, start, end);
  }
  uint32_t GetInRange(velk_data::IEmploymentPeriod** out, uint32_t start,
                      uint32_t end) const override;
  uint32_t GetFirstStart() const override;
  uint32_t GetLastEnd() const override;
  uint32_t CountEmploymentIntervals(uint32_t start, uint32_t end) const override {
    return GetEmploymentIntervals(nullptr, nullptr, start, end);
  }
  uint32_t GetEmploymentIntervals(uint32_t* starts, uint32_t* ends, uint32_t start,
                                  uint32_t end) const override;
  bool FindEmploymentInterval(uint32_t* start, uint32_t* end, uint32_t day) const override;

  // Adds to set the employment intervals (the periods merged where they overlap or touch)
  // clipped to [start, end], 0 open on either side; nothing without periods. Returns the
  // set's size. The engine of every employment-restricted query.
  size_t CollectEmploymentIntervals(DatePeriods& set, uint32_t start, uint32_t end) const;
};

// The employment intervals of employee clipped to [start, end], added to set; nothing when he
// has no employment periods (their collection is not made for the asking). Returns the set's
// size.
inline size_t CollectEmploymentOf(const CEmployee* employee, DatePeriods& set, uint32_t start,
                                  uint32_t end) {
  auto* periods = static_cast<const CEmploymentPeriods*>(employee->Existing(kEmploymentPeriod));
  return periods ? periods->CollectEmploymentIntervals(set, start, end) : set.size();
}
