// Simple dated records of an employee: IBooking, an amount booked to a numbered account on a
// date; IOvertime, an amount of overtime on a date; INote, a text attached to a date.
//
// Each employee owns one collection of each. Bookings are ordered by account, then date;
// overtimes and notes by date; equal ones keep insertion order. Setters do not reorder the
// collection. Ranges: start 0 from the beginning, end 0 without end, both inclusive. Counted
// queries: CountX equals GetX with a null array.
#ifndef VELK_DATA_BOOKINGS_H_
#define VELK_DATA_BOOKINGS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IBooking : public IItem {
 public:
  virtual IBookings* GetCollection() const = 0;
  // The owner of the holding collection.
  virtual IEmployee* GetEmployee() const = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual double GetValue() const = 0;
  virtual void SetValue(double value) = 0;
  // Chosen by the host; the statistics read 0 as worked, 1 as target and 2 as overtime hours.
  virtual int32_t GetAccount() const = 0;
  virtual void SetAccount(int32_t account) = 0;
  virtual const char16_t* GetDescription() const = 0;
  virtual void SetDescription(const char16_t* text) = 0;
  virtual void Assign(const IBooking* other) = 0;
};

class IOvertime : public IItem {
 public:
  virtual IOvertimes* GetCollection() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual double GetValue() const = 0;
  virtual void SetValue(double value) = 0;
  virtual void Assign(const IOvertime* other) = 0;
};

class INote : public IItem {
 public:
  virtual INotes* GetCollection() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual const char16_t* GetText() const = 0;
  virtual void SetText(const char16_t* text) = 0;
  virtual void Assign(const INote* other) = 0;
};

class IBookings {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free booking of this employee; the caller releases it.
  virtual IBooking* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end, int32_t account) const = 0;
  virtual uint32_t CountForAccount(int32_t account) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The bookings of account dated from start to end.
  virtual uint32_t GetInRange(IBooking** out, uint32_t start, uint32_t end,
                              int32_t account) const = 0;
  // Every booking of account.
  virtual uint32_t GetForAccount(IBooking** out, int32_t account) const = 0;
  virtual uint32_t GetAll(IBooking** out) const = 0;
  virtual IBooking* GetAt(uint32_t index) const = 0;
  virtual IBooking* FindById(int32_t id) const = 0;
  // Sum of the values that GetInRange selects.
  virtual double SumValues(uint32_t start, uint32_t end, int32_t account) const = 0;
  virtual ~IBookings() {}
};

class IOvertimes {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free overtime of this employee; the caller releases it.
  virtual IOvertime* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetInRange(IOvertime** out, uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetAll(IOvertime** out) const = 0;
  virtual IOvertime* GetAt(uint32_t index) const = 0;
  virtual IOvertime* FindById(int32_t id) const = 0;
  // The first overtime on day, or null.
  virtual IOvertime* FindOnDate(uint32_t day) const = 0;
  virtual uint32_t CountInEmployment(uint32_t start, uint32_t end) const = 0;
  // As GetInRange, restricted to the days on which the employee is employed.
  virtual uint32_t GetInEmployment(IOvertime** out, uint32_t start, uint32_t end) const = 0;
  virtual ~IOvertimes() {}
};

class INotes {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free note of this employee; the caller releases it.
  virtual INote* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetInRange(INote** out, uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetAll(INote** out) const = 0;
  virtual INote* GetAt(uint32_t index) const = 0;
  virtual INote* FindById(int32_t id) const = 0;
  // The first note on day, or null.
  virtual INote* FindOnDate(uint32_t day) const = 0;
  virtual uint32_t CountInEmployment(uint32_t start, uint32_t end) const = 0;
  // As GetInRange, restricted to the days on which the employee is employed.
  virtual uint32_t GetInEmployment(INote** out, uint32_t start, uint32_t end) const = 0;
  virtual ~INotes() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_BOOKINGS_H_
