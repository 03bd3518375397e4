// Surcharge types: time windows (night hours, Sunday work, ...) on chosen weekdays, on or off
// public holidays, or on one single date. GetIntervals cuts the part of a worked interval that
// falls into the window; the employee statistics count surcharge hours with it.
#pragma once

#include <string>

#include "items/item.h"
#include "items/master_items.h"
#include "velk_data/workplaces.h"

class CSurchargeTypes;

class CSurchargeType
    : public CItem<CSurchargeType, velk_data::ISurchargeType, velk_data::ISurchargeTypes> {
 public:
  static constexpr const char16_t* kTypeName = u"surcharge_type";
  static constexpr bool kListedByPosition = true;
  using Collection = CSurchargeTypes;
  // How public holidays restrict the type.
  enum HolidayRule : int32_t { kIgnoreHolidays = 0, kOnlyHolidays = 1, kNotOnHolidays = 2 };

  using CItem::CItem;

  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }
  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  uint32_t GetStartAt() const override { return m_startAt; }
  void SetStartAt(uint32_t minutes) override { m_startAt = minutes; }
  uint32_t GetEndAt() const override { return m_endAt; }
  void SetEndAt(uint32_t minutes) override { m_endAt = minutes; }
  bool IsOnWeekday(uint32_t weekday) const override { return weekday < 7 && m_onWeekday[weekday]; }
  void SetOnWeekday(uint32_t weekday, bool on) override {
    if (weekday < 7) m_onWeekday[weekday] = on;
  }
  int32_t GetHolidayRule() const override { return m_holidayRule; }
  void SetHolidayRule(int32_t rule) override { m_holidayRule = rule; }
  uint32_t ReadDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  bool IsHidden() const override { return m_hidden; }
  void SetHidden(bool hidden) override { m_hidden = hidden; }
  uint32_t GetIntervals(uint32_t* starts, uint32_t* ends, uint32_t date, uint32_t from, uint32_t to,
                        bool halfHolidayAsWhole) const override;
  void Assign(const velk_data::ISurchargeType* other) override;
  bool HasDate() const override { return m_date >= 2; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    static const char16_t* const kWeekdayKeys[7] = {u"on_monday",   u"on_tuesday", u"on_wednesday",
                                                    u"on_thursday", u"on_friday",  u"on_saturday",
                                                    u"on_sunday"};
    ar.Int(u"position", s.m_position);
    ar.Text(u"name", s.m_name);
    ar.Time(u"start_at", s.m_startAt);
    ar.Time(u"end_at", s.m_endAt);
    for (int day = 0; day < 7; ++day) ar.Bool(kWeekdayKeys[day], s.m_onWeekday[day]);
    ar.Int(u"holiday_rule", s.m_holidayRule);
    ar.NullableDate(u"date", s.m_date);
    ar.Bool(u"hidden", s.m_hidden);
  }

 private:
  int32_t m_position = 0;
  std::u16string m_name;
  uint32_t m_startAt = 0;
  uint32_t m_endAt = 0;  // 0 stands for 24:00
  bool m_onWeekday[7] = {true, true, true, true, true, true, true};
  int32_t m_holidayRule = kIgnoreHolidays;
  uint32_t m_date = 1;  // a real date binds the type to that day alone
  bool m_hidden = false;
};

class CSurchargeTypes
    : public CMasterItems<CSurchargeTypes, velk_data::ISurchargeTypes, CSurchargeType> {
 public:
  using CMasterItems::CMasterItems;
};
