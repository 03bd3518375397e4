// IWorkingTimeModel, how many hours an employee has to work, and IWorkingTimeModels, their
// master collection. Employees follow a model from a date on through their individual working
// times. Basic types: 0 no target, 1 daily, 2 weekly, 3 by weekday, 4 monthly, 5 total.
// Day indexes: 0 Monday .. 6 Sunday, 7 public holidays.
#ifndef VELK_DATA_WORKING_TIME_MODELS_H_
#define VELK_DATA_WORKING_TIME_MODELS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IWorkingTimeModel : public IItem {
 public:
  virtual IWorkingTimeModels* GetCollection() const = 0;
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  virtual int32_t GetBasicType() const = 0;
  virtual void SetBasicType(int32_t basicType) = 0;
  // The stored hour values; which one counts depends on the basic type.
  virtual double GetDailyHours() const = 0;
  virtual void SetDailyHours(double hours) = 0;
  virtual double GetWeeklyHours() const = 0;
  virtual void SetWeeklyHours(double hours) = 0;
  virtual double GetMonthlyHours() const = 0;
  virtual void SetMonthlyHours(double hours) = 0;
  virtual double GetTotalHours() const = 0;
  virtual void SetTotalHours(double hours) = 0;
  // Computed: never for type 0; for type 3 the weekdays with day hours (never holidays);
  // otherwise the stored flag of day index 0 to 7 (a larger index throws std::out_of_range).
  virtual bool IsWorkday(uint32_t index) const = 0;
  virtual void SetWorkday(uint32_t index, bool workday) = 0;
  virtual bool GetSubtractHolidays() const = 0;
  virtual void SetSubtractHolidays(bool subtract) = 0;
  // Hours of weekday 0 to 6, used by basic type 3; a larger index throws std::out_of_range.
  virtual double GetDayHours(uint32_t weekday) const = 0;
  virtual void SetDayHours(uint32_t weekday, double hours) = 0;
  virtual bool IsHidden() const = 0;
  virtual void SetHidden(bool hidden) = 0;
  // Target hours of one day, holidays not considered.
  virtual double GetHoursOnDate(uint32_t day) const = 0;
  // The hours the basic type is defined by (daily, weekly, monthly, total, or per week by
  // weekday).
  virtual double GetBasicHours() const = 0;
  // Hours of an average workday, used to convert leave between days and hours.
  virtual double GetAverageDailyHours() const = 0;
  // Target hours of [from, to] for employee, holidays taken into account.
  virtual double GetTargetHours(uint32_t from, uint32_t to, IEmployee* employee) const = 0;
  virtual void Assign(const IWorkingTimeModel* other) = 0;
};

// The working time models in load order.
class IWorkingTimeModels {
 public:
  virtual IData* GetData() = 0;
  // A new free model; the caller releases it.
  virtual IWorkingTimeModel* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IWorkingTimeModel** out) const = 0;
  virtual IWorkingTimeModel* GetAt(uint32_t index) const = 0;
  virtual IWorkingTimeModel* FindById(int32_t id) const = 0;
  virtual ~IWorkingTimeModels() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_WORKING_TIME_MODELS_H_
