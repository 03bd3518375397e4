// IHoliday, a public holiday, and IHolidays, the holiday calendar ordered by date.
// A holiday makes its date use day index 7 in shift types, leave types and cycles. Its time
// of day says which part it covers: 0 the whole day, 1 the morning, 2 the afternoon.
#ifndef VELK_DATA_HOLIDAYS_H_
#define VELK_DATA_HOLIDAYS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IHoliday : public IItem {
 public:
  virtual IHolidays* GetCollection() const = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  virtual uint32_t GetTimeOfDay() const = 0;
  virtual void SetTimeOfDay(uint32_t timeOfDay) = 0;
  // Copies id, name, date and time of day.
  virtual void Assign(const IHoliday* other) = 0;
};

class IHolidays {
 public:
  virtual IData* GetData() = 0;
  // A new free holiday; the caller releases it.
  virtual IHoliday* CreateItem() = 0;
  virtual uint32_t CountInPeriod(uint32_t from, uint32_t to) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The holidays dated from from to to (0 on either side: unbounded), in date order.
  virtual uint32_t GetInPeriod(IHoliday** out, uint32_t from, uint32_t to) const = 0;
  virtual uint32_t GetAll(IHoliday** out) const = 0;
  virtual IHoliday* GetAt(uint32_t index) const = 0;
  virtual IHoliday* FindById(int32_t id) const = 0;
  // The first holiday on date, or null.
  virtual IHoliday* FindByDate(uint32_t date) const = 0;
  virtual ~IHolidays() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_HOLIDAYS_H_
