// Bookings: an amount booked on a date to an account the host numbers. The statistics read
// account 0 as worked hours and account 2 as overtime.
#pragma once

#include <cstdint>
#include <string>
#include <tuple>

#include "records/employee_record.h"
#include "velk_data/bookings.h"

class CBookings;

class CBooking : public CEmployeeRecord<CBooking, velk_data::IBooking, velk_data::IBookings> {
 public:
  static constexpr const char16_t* kTypeName = u"booking";
  using Collection = CBookings;

  using CEmployeeRecord::CEmployeeRecord;

  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  double GetValue() const override { return m_value; }
  void SetValue(double value) override { m_value = value; }
  int32_t GetAccount() const override { return m_account; }
  void SetAccount(int32_t account) override { m_account = account; }
  const char16_t* GetDescription() const override { return m_description.c_str(); }
  void SetDescription(const char16_t* text) override { m_description = text ? text : u""; }
  void Assign(const velk_data::IBooking* other) override;

  std::tuple<int32_t, uint32_t> SortKey() const { return {m_account, m_date}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Date(u"date", s.m_date);
    ar.Double(u"value", s.m_value);
    ar.Int(u"account", s.m_account);
    ar.Text(u"description", s.m_description);
  }

 private:
  uint32_t m_date = 0;
  double m_value = 0.0;
  int32_t m_account = 0;
  std::u16string m_description;
};

class CBookings : public CEmployeeRecords<CBookings, velk_data::IBookings, CBooking> {
 public:
  using CEmployeeRecords::CEmployeeRecords;

  uint32_t CountInRange(uint32_t start, uint32_t end, int32_t account) const override {
    return GetInRange(nullptr, start, end, account);
  }
  uint32_t CountForAccount(int32_t account) const override {
    return GetForAccount(nullptr, account);
  }
  // The bookings of account from start on (start 0: from the first), to end (0: to the last).
  uint32_t GetInRange(velk_data::IBooking** out, uint32_t start, uint32_t end,
                      int32_t account) const override;
  uint32_t GetForAccount(velk_data::IBooking** out, int32_t account) const override {
    return GetInRange(out, 0, 0, account);
  }
  double SumValues(uint32_t start, uint32_t end, int32_t account) const override;

 private:
  // The bounds of GetInRange in the ordered set.
  std::pair<Set::const_iterator, Set::const_iterator> Bounds(uint32_t start, uint32_t end,
                                                             int32_t account) const;
};
