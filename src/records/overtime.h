// Overtimes: an amount of overtime on a date, ordered by date alone (the queries of
// CDatedRecords, shared with the notes).
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "records/employee_record.h"
#include "velk_data/bookings.h"

class COvertimes;

class COvertime : public CEmployeeRecord<COvertime, velk_data::IOvertime, velk_data::IOvertimes> {
 public:
  static constexpr const char16_t* kTypeName = u"overtime";
  using Collection = COvertimes;

  using CEmployeeRecord::CEmployeeRecord;

  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  double GetValue() const override { return m_value; }
  void SetValue(double value) override { m_value = value; }
  void Assign(const velk_data::IOvertime* other) override {
    if (!other) return;
    SetId(other->GetId());
    SetDate(other->GetDate());
    SetValue(other->GetValue());
  }

  std::tuple<uint32_t> SortKey() const { return {m_date}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Date(u"date", s.m_date);
    ar.Double(u"value", s.m_value);
  }

 private:
  uint32_t m_date = 0;
  double m_value = 0.0;
};

class COvertimes : public CDatedRecords<COvertimes, velk_data::IOvertimes, COvertime> {
 public:
  using CDatedRecords::CDatedRecords;
};
