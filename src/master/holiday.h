// Public holidays: the calendar that decides the holiday day index (7) and restricts surcharge
// windows to half days.
#pragma once

#include <string>
#include <tuple>

#include "items/item.h"
#include "items/ordered_items.h"
#include "velk_data/holidays.h"

class CHolidays;

class CHoliday : public CItem<CHoliday, velk_data::IHoliday, velk_data::IHolidays> {
 public:
  static constexpr const char16_t* kTypeName = u"holiday";
  using Collection = CHolidays;
  // Part of the day a holiday covers.
  enum TimeOfDay : uint32_t { kWholeDay = 0, kMorning = 1, kAfternoon = 2 };

  using CItem::CItem;

  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  uint32_t GetTimeOfDay() const override { return m_timeOfDay; }
  void SetTimeOfDay(uint32_t timeOfDay) override { m_timeOfDay = timeOfDay; }
  void Assign(const velk_data::IHoliday* other) override;

  std::tuple<uint32_t> SortKey() const { return {m_date}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Text(u"name", s.m_name);
    ar.Date(u"date", s.m_date);
    ar.UInt(u"time_of_day", s.m_timeOfDay);
  }

 private:
  uint32_t m_date = 0;
  std::u16string m_name;
  uint32_t m_timeOfDay = kWholeDay;
};

class CHolidays : public COrderedItems<CHolidays, velk_data::IHolidays, CHoliday> {
 public:
  static constexpr bool kFindChecksMaxId = true;

  using COrderedItems::COrderedItems;

  uint32_t CountInPeriod(uint32_t from, uint32_t to) const override {
    return GetInPeriod(nullptr, from, to);
  }
  // from 0 starts at the first holiday, to 0 runs to the last.
  uint32_t GetInPeriod(velk_data::IHoliday** out, uint32_t from, uint32_t to) const override;
  velk_data::IHoliday* FindByDate(uint32_t date) const override { return On(date); }

  // The first holiday on date, or null.
  CHoliday* On(uint32_t date) const;
};
