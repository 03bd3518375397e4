// Planned shifts: an employee works on one date.
//
// IFixedShift works a shift type as the type defines it for the day. IModifiedShift works a
// shift type with up to three parts and actual hours of its own. ICustomShift is defined on
// the spot: no shift type, its own names, colours (0xBBGGRR), parts and hours. Part indexes
// are 0 to 2; a larger one reads 0 and is not stored; part times are minutes after midnight.
//
// Each employee owns one collection of each kind, ordered by plan type, then date (equal
// ones in insertion order). Setters do not reorder the collection. The plan type is chosen
// by the host; every query filters by it. Ranges: start 0 from the beginning, end 0 without
// end, both inclusive. Counted queries: CountX equals GetX with a null array.
#ifndef VELK_DATA_PLANNED_SHIFTS_H_
#define VELK_DATA_PLANNED_SHIFTS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IFixedShift : public IItem {
 public:
  virtual IFixedShifts* GetCollection() const = 0;
  // The owner of the holding collection.
  virtual IEmployee* GetEmployee() const = 0;
  virtual IShiftType* GetShiftType() const = 0;
  virtual void SetShiftType(IShiftType* shiftType) = 0;
  // Null for none.
  virtual IWorkplace* GetWorkplace() const = 0;
  virtual void SetWorkplace(IWorkplace* workplace) = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual int32_t GetPlanType() const = 0;
  virtual void SetPlanType(int32_t planType) = 0;
  virtual void Assign(const IFixedShift* other) = 0;
};

class IModifiedShift : public IItem {
 public:
  virtual IModifiedShifts* GetCollection() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual IShiftType* GetShiftType() const = 0;
  virtual void SetShiftType(IShiftType* shiftType) = 0;
  virtual IWorkplace* GetWorkplace() const = 0;
  virtual void SetWorkplace(IWorkplace* workplace) = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  // 1 to 3; other values are ignored.
  virtual int32_t GetPartCount() const = 0;
  virtual void SetPartCount(int32_t count) = 0;
  virtual uint32_t GetStartAt(uint32_t part) const = 0;
  virtual void SetStartAt(uint32_t part, uint32_t minutes) = 0;
  virtual uint32_t GetEndAt(uint32_t part) const = 0;
  virtual void SetEndAt(uint32_t part, uint32_t minutes) = 0;
  virtual double GetActualHours() const = 0;
  virtual void SetActualHours(double hours) = 0;
  virtual int32_t GetPlanType() const = 0;
  virtual void SetPlanType(int32_t planType) = 0;
  // Actual hours minus the shift type's hours for the day of the date.
  virtual double GetHoursDifference() const = 0;
  // Whether the shift type is worked on the date (holidays use day index 7).
  virtual bool IsShiftTypeActive() const = 0;
  virtual void Assign(const IModifiedShift* other) = 0;
};

class ICustomShift : public IItem {
 public:
  virtual ICustomShifts* GetCollection() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual IWorkplace* GetWorkplace() const = 0;
  virtual void SetWorkplace(IWorkplace* workplace) = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  virtual const char16_t* GetShortName() const = 0;
  virtual void SetShortName(const char16_t* text) = 0;
  virtual uint32_t GetTextColor() const = 0;
  virtual void SetTextColor(uint32_t color) = 0;
  virtual uint32_t GetBarColor() const = 0;
  virtual void SetBarColor(uint32_t color) = 0;
  virtual uint32_t GetBackgroundColor() const = 0;
  virtual void SetBackgroundColor(uint32_t color) = 0;
  virtual bool IsBoldText() const = 0;
  virtual void SetBoldText(bool bold) = 0;
  // 1 to 3; other values are ignored.
  virtual int32_t GetPartCount() const = 0;
  virtual void SetPartCount(int32_t count) = 0;
  virtual uint32_t GetStartAt(uint32_t part) const = 0;
  virtual void SetStartAt(uint32_t part, uint32_t minutes) = 0;
  virtual uint32_t GetEndAt(uint32_t part) const = 0;
  virtual void SetEndAt(uint32_t part, uint32_t minutes) = 0;
  virtual double GetActualHours() const = 0;
  virtual void SetActualHours(double hours) = 0;
  // The shift earns no surcharge.
  virtual bool IsNoSurcharge() const = 0;
  virtual void SetNoSurcharge(bool noSurcharge) = 0;
  virtual int32_t GetPlanType() const = 0;
  virtual void SetPlanType(int32_t planType) = 0;
  virtual void Assign(const ICustomShift* other) = 0;
};

class IFixedShifts {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free fixed shift of this employee; the caller releases it.
  virtual IFixedShift* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end, int32_t planType) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The shifts of planType dated from start to end, in order.
  virtual uint32_t GetInRange(IFixedShift** out, uint32_t start, uint32_t end,
                              int32_t planType) const = 0;
  virtual uint32_t GetAll(IFixedShift** out) const = 0;
  virtual IFixedShift* GetAt(uint32_t index) const = 0;
  virtual IFixedShift* FindById(int32_t id) const = 0;
  virtual uint32_t CountInEmployment(uint32_t start, uint32_t end, int32_t planType) const = 0;
  // As GetInRange, restricted to the days on which the employee is employed.
  virtual uint32_t GetInEmployment(IFixedShift** out, uint32_t start, uint32_t end,
                                   int32_t planType) const = 0;
  virtual ~IFixedShifts() {}
};

class IModifiedShifts {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free modified shift of this employee; the caller releases it.
  virtual IModifiedShift* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end, int32_t planType) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The shifts of planType dated from start to end, in order.
  virtual uint32_t GetInRange(IModifiedShift** out, uint32_t start, uint32_t end,
                              int32_t planType) const = 0;
  virtual uint32_t GetAll(IModifiedShift** out) const = 0;
  virtual IModifiedShift* GetAt(uint32_t index) const = 0;
  virtual IModifiedShift* FindById(int32_t id) const = 0;
  virtual uint32_t CountInEmployment(uint32_t start, uint32_t end, int32_t planType) const = 0;
  // As GetInRange, restricted to the days on which the employee is employed.
  virtual uint32_t GetInEmployment(IModifiedShift** out, uint32_t start, uint32_t end,
                                   int32_t planType) const = 0;
  virtual ~IModifiedShifts() {}
};

class ICustomShifts {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free custom shift of this employee; the caller releases it.
  virtual ICustomShift* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end, int32_t planType) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The shifts of planType dated from start to end, in order.
  virtual uint32_t GetInRange(ICustomShift** out, uint32_t start, uint32_t end,
                              int32_t planType) const = 0;
  virtual uint32_t GetAll(ICustomShift** out) const = 0;
  virtual ICustomShift* GetAt(uint32_t index) const = 0;
  virtual ICustomShift* FindById(int32_t id) const = 0;
  virtual uint32_t CountInEmployment(uint32_t start, uint32_t end, int32_t planType) const = 0;
  // As GetInRange, restricted to the days on which the employee is employed.
  virtual uint32_t GetInEmployment(ICustomShift** out, uint32_t start, uint32_t end,
                                   int32_t planType) const = 0;
  virtual ~ICustomShifts() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_PLANNED_SHIFTS_H_
