// Working time models: how many hours an employee has to work. Employees follow a model from a
// date on through their individual working times. The model knows its workdays and computes
// the target hours of any date range, holidays taken into account:
//   0 no target, 1 daily hours per workday, 2 weekly hours per whole week (daily hours for the
//   days of broken weeks), 3 the day hours of each weekday, 4 monthly hours per whole calendar
//   month (daily hours for the days of broken months), 5 total hours spread over the validity
//   of the employee's individual working time.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "items/item.h"
#include "items/master_items.h"
#include "velk_data/working_time_models.h"

class CWorkingTimeModels;

class CWorkingTimeModel
    : public CItem<CWorkingTimeModel, velk_data::IWorkingTimeModel, velk_data::IWorkingTimeModels> {
 public:
  static constexpr const char16_t* kTypeName = u"working_time_model";
  static constexpr bool kListedByPosition = true;
  using Collection = CWorkingTimeModels;
  enum BasicType : int32_t { kNone, kDaily, kWeekly, kByWeekday, kMonthly, kTotal };

  using CItem::CItem;

  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }
  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  int32_t GetBasicType() const override { return m_basicType; }
  void SetBasicType(int32_t basicType) override { m_basicType = basicType; }
  double GetDailyHours() const override { return m_dailyHours; }
  void SetDailyHours(double hours) override { m_dailyHours = hours; }
  double GetWeeklyHours() const override { return m_weeklyHours; }
  void SetWeeklyHours(double hours) override { m_weeklyHours = hours; }
  double GetMonthlyHours() const override { return m_monthlyHours; }
  void SetMonthlyHours(double hours) override { m_monthlyHours = hours; }
  double GetTotalHours() const override { return m_totalHours; }
  void SetTotalHours(double hours) override { m_totalHours = hours; }
  bool IsWorkday(uint32_t index) const override;
  void SetWorkday(uint32_t index, bool workday) override { At(m_workdays, index) = workday; }
  bool GetSubtractHolidays() const override { return m_subtractHolidays; }
  void SetSubtractHolidays(bool subtract) override { m_subtractHolidays = subtract; }
  double GetDayHours(uint32_t weekday) const override { return At(m_dayHours, weekday); }
  void SetDayHours(uint32_t weekday, double hours) override { At(m_dayHours, weekday) = hours; }
  bool IsHidden() const override { return m_hidden; }
  void SetHidden(bool hidden) override { m_hidden = hidden; }
  double GetHoursOnDate(uint32_t day) const override;
  double GetBasicHours() const override;
  double GetAverageDailyHours() const override;
  double GetTargetHours(uint32_t from, uint32_t to, velk_data::IEmployee* employee) const override;
  void Assign(const velk_data::IWorkingTimeModel* other) override;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    static const char16_t* const kDayKeys[7] = {
        u"monday_hours", u"tuesday_hours",  u"wednesday_hours", u"thursday_hours",
        u"friday_hours", u"saturday_hours", u"sunday_hours"};
    ar.Int(u"position", s.m_position);
    ar.Text(u"name", s.m_name);
    ar.Int(u"basic_type", s.m_basicType);
    ar.Double(u"daily_hours", s.m_dailyHours);
    ar.Double(u"weekly_hours", s.m_weeklyHours);
    ar.Double(u"monthly_hours", s.m_monthlyHours);
    ar.Double(u"total_hours", s.m_totalHours);
    // Read as flags (a shorter text leaves the rest); written as the computed answer.
    if constexpr (A::kReads)
      s.ReadWorkdays(ar.Json());
    else
      ar.Text(u"workdays", s.WorkdaysText());
    ar.Bool(u"subtract_holidays", s.m_subtractHolidays);
    for (uint32_t i = 0; i < 7; ++i) ar.Double(kDayKeys[i], s.m_dayHours[i]);
    ar.Bool(u"hidden", s.m_hidden);
  }

 private:
  // Indexes outside the table fail as the host's own array would.
  template <class T, size_t N>
  static T& At(std::array<T, N>& table, uint32_t index) {
    if (index >= N) OutOfRange();
    return table[index];
  }
  template <class T, size_t N>
  static const T& At(const std::array<T, N>& table, uint32_t index) {
    if (index >= N) OutOfRange();
    return table[index];
  }
  [[noreturn]] static void OutOfRange();
  // Types 1, 2, 4 and 5 count a day by the daily hours.
  bool CountsDailyHours() const;
  void ReadWorkdays(const velk_json::CJSONObject& json);
  std::u16string WorkdaysText() const;

  // W: the workdays of [from, to], holidays off unless they are workdays (half ones by half).
  double Workdays(uint32_t from, uint32_t to) const;
  // H: the holidays of [from, to] on workdays, half holidays by half.
  double HolidayWorkdays(uint32_t from, uint32_t to) const;
  double WeeklyTarget(uint32_t from, uint32_t to) const;
  double ByWeekdayTarget(uint32_t from, uint32_t to) const;
  double MonthlyTarget(uint32_t from, uint32_t to) const;
  double TotalTarget(uint32_t from, uint32_t to, velk_data::IEmployee* employee) const;

  int32_t m_position = 0;
  std::u16string m_name;
  int32_t m_basicType = kByWeekday;
  double m_dailyHours = 8.0;
  double m_weeklyHours = 40.0;
  double m_monthlyHours = 154.0;
  double m_totalHours = 0.0;
  std::array<bool, 8> m_workdays = {true, true, true, true, true, true, true, true};
  bool m_subtractHolidays = true;
  std::array<double, 7> m_dayHours = {8.0, 8.0, 8.0, 8.0, 8.0, 0.0, 0.0};
  bool m_hidden = false;
};

class CWorkingTimeModels
    : public CMasterItems<CWorkingTimeModels, velk_data::IWorkingTimeModels, CWorkingTimeModel> {
 public:
  using CMasterItems::CMasterItems;
  // The individual working times that follow the model go with it.
  void BeforeDestroy(CWorkingTimeModel* model);
};
