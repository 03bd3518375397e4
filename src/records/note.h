// Notes: a text attached to a date, ordered by date alone (the queries of CDatedRecords,
// shared with the overtimes).
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "records/employee_record.h"
#include "velk_data/bookings.h"

class CNotes;

class CNote : public CEmployeeRecord<CNote, velk_data::INote, velk_data::INotes> {
 public:
  static constexpr const char16_t* kTypeName = u"note";
  using Collection = CNotes;

  using CEmployeeRecord::CEmployeeRecord;

  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  const char16_t* GetText() const override { return m_text.c_str(); }
  void SetText(const char16_t* text) override { m_text = text ? text : u""; }
  void Assign(const velk_data::INote* other) override {
    if (!other) return;
    SetId(other->GetId());
    SetDate(other->GetDate());
    SetText(other->GetText());
  }

  std::tuple<uint32_t> SortKey() const { return {m_date}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Date(u"date", s.m_date);
    ar.Text(u"text", s.m_text);
  }

 private:
  uint32_t m_date = 0;
  std::u16string m_text;
};

class CNotes : public CDatedRecords<CNotes, velk_data::INotes, CNote> {
 public:
  using CDatedRecords::CDatedRecords;
};
