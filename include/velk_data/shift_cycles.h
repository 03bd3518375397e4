// Shift cycles: repeating patterns of shifts, and their assignment to employees.
//
// IShiftCycle is a pattern of length units (weeks or days) whose elements put a shift type,
// and optionally a workplace, on one day of the pattern; the cycle owns its elements. An
// IShiftCycleAssignment puts an employee on a cycle for [start, end] (the employee owns his
// assignments); its start offset names the unit of the pattern in which the start lies. Weekly
// cycles are anchored on Mondays. IShiftCycleException takes one day of an assignment out of
// the pattern for one plan type; the assignment owns its exceptions.
//
// Dates are day numbers; in ranges 0 means unbounded. Counted queries come in pairs: CountX
// equals GetX with null arrays.
#ifndef VELK_DATA_SHIFT_CYCLES_H_
#define VELK_DATA_SHIFT_CYCLES_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IShiftCycle : public IItem {
 public:
  virtual IShiftCycles* GetCollection() const = 0;
  virtual IShiftCycleElements* GetElements() const = 0;
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  // Units in one turn of the cycle.
  virtual uint32_t GetLength() const = 0;
  virtual void SetLength(uint32_t length) = 0;
  // 1 weeks, 0 days.
  virtual uint32_t GetUnit() const = 0;
  virtual void SetUnit(uint32_t unit) = 0;
  virtual bool IsHidden() const = 0;
  virtual void SetHidden(bool hidden) = 0;
  // Copies id and fields; the elements are not copied.
  virtual void Assign(const IShiftCycle* other) = 0;
};

// The shift cycles in load order.
class IShiftCycles {
 public:
  virtual IData* GetData() = 0;
  // A new free shift cycle; the caller releases it.
  virtual IShiftCycle* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IShiftCycle** out) const = 0;
  virtual IShiftCycle* GetAt(uint32_t index) const = 0;
  virtual IShiftCycle* FindById(int32_t id) const = 0;
  virtual ~IShiftCycles() {}
};

class IShiftCycleElement : public IItem {
 public:
  virtual IShiftCycleElements* GetCollection() const = 0;
  // The owning cycle.
  virtual IShiftCycle* GetShiftCycle() const = 0;
  // The day of the pattern the element fills, counted from 0.
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
  virtual IShiftType* GetShiftType() const = 0;
  virtual void SetShiftType(IShiftType* shiftType) = 0;
  // Null for none.
  virtual IWorkplace* GetWorkplace() const = 0;
  virtual void SetWorkplace(IWorkplace* workplace) = 0;
  virtual void Assign(const IShiftCycleElement* other) = 0;
};

// The elements of one cycle, ordered by position.
class IShiftCycleElements {
 public:
  virtual IData* GetData() = 0;
  virtual IShiftCycle* GetShiftCycle() const = 0;
  // A new free element of this cycle; the caller releases it.
  virtual IShiftCycleElement* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IShiftCycleElement** out) const = 0;
  virtual IShiftCycleElement* GetAt(uint32_t index) const = 0;
  virtual IShiftCycleElement* FindById(int32_t id) const = 0;
  // The first element at position, or null.
  virtual IShiftCycleElement* GetByPosition(int32_t position) const = 0;
  virtual ~IShiftCycleElements() {}
};

class IShiftCycleAssignment : public IItem {
 public:
  virtual IShiftCycleAssignments* GetCollection() const = 0;
  virtual IShiftCycleExceptions* GetExceptions() const = 0;
  // The owning employee.
  virtual IEmployee* GetEmployee() const = 0;
  virtual IShiftCycle* GetShiftCycle() const = 0;
  virtual void SetShiftCycle(IShiftCycle* shiftCycle) = 0;
  // Covers start to end inclusive; an end before the start covers no day.
  virtual uint32_t GetStart() const = 0;
  virtual void SetStart(uint32_t date) = 0;
  virtual uint32_t GetEnd() const = 0;
  virtual void SetEnd(uint32_t date) = 0;
  virtual int32_t GetStartOffset() const = 0;
  virtual void SetStartOffset(int32_t offset) = 0;
  virtual uint32_t CountShifts(uint32_t from, uint32_t to, int32_t planType,
                               bool ignoreExceptions) const = 0;
  // The days of [from, to] on which the cycle puts a shift, ascending, with the element that
  // applies; either array may be null. Holidays, the exceptions of planType (unless
  // ignoreExceptions) and the employee's shift type restrictions are applied.
  virtual uint32_t GetShifts(uint32_t* dates, IShiftCycleElement** elements, uint32_t from,
                             uint32_t to, int32_t planType, bool ignoreExceptions) const = 0;
  // Moves the start to newStart and adjusts the start offset so that every later day keeps
  // its element; false, changing nothing, when newStart is after the end.
  virtual bool MoveStart(uint32_t newStart) = 0;
  // A new free exception of this assignment for date and planType; the caller inserts or
  // releases it.
  virtual IShiftCycleException* CreateException(uint32_t date, int32_t planType) = 0;
  // Copies id, cycle, start, end and start offset.
  virtual void Assign(const IShiftCycleAssignment* other) = 0;
};

// The assignments of one employee, ordered by start, end, cycle and start offset.
class IShiftCycleAssignments {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free assignment of this employee; the caller releases it.
  virtual IShiftCycleAssignment* CreateItem() = 0;
  virtual uint32_t CountInPeriod(uint32_t from, uint32_t to) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The assignments that overlap [from, to].
  virtual uint32_t GetInPeriod(IShiftCycleAssignment** out, uint32_t from, uint32_t to) const = 0;
  virtual uint32_t GetAll(IShiftCycleAssignment** out) const = 0;
  virtual IShiftCycleAssignment* GetAt(uint32_t index) const = 0;
  virtual IShiftCycleAssignment* FindById(int32_t id) const = 0;
  virtual uint32_t CountShifts(uint32_t from, uint32_t to, int32_t planType) const = 0;
  // GetShifts of every assignment in turn (exceptions applied); not merged across them.
  virtual uint32_t GetShifts(uint32_t* dates, IShiftCycleElement** elements, uint32_t from,
                             uint32_t to, int32_t planType) const = 0;
  virtual ~IShiftCycleAssignments() {}
};

class IShiftCycleException : public IItem {
 public:
  virtual IShiftCycleExceptions* GetCollection() const = 0;
  // The owning assignment, its cycle and its employee.
  virtual IShiftCycleAssignment* GetAssignment() const = 0;
  virtual IShiftCycle* GetShiftCycle() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual int32_t GetPlanType() const = 0;
  virtual void SetPlanType(int32_t planType) = 0;
  // Copies id, date and plan type.
  virtual void Assign(const IShiftCycleException* other) = 0;
};

// The exceptions of one assignment, ordered by plan type, then date.
class IShiftCycleExceptions {
 public:
  virtual IData* GetData() = 0;
  virtual IShiftCycleAssignment* GetAssignment() const = 0;
  // A new free exception of this assignment; the caller releases it.
  virtual IShiftCycleException* CreateItem() = 0;
  virtual uint32_t CountInPeriod(uint32_t from, uint32_t to, int32_t planType) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The exceptions of planType dated from from to to.
  virtual uint32_t GetInPeriod(IShiftCycleException** out, uint32_t from, uint32_t to,
                               int32_t planType) const = 0;
  virtual uint32_t GetAll(IShiftCycleException** out) const = 0;
  virtual IShiftCycleException* GetAt(uint32_t index) const = 0;
  virtual IShiftCycleException* FindById(int32_t id) const = 0;
  // The exception of exactly this date and plan type, or null.
  virtual IShiftCycleException* Find(uint32_t date, int32_t planType) const = 0;
  virtual ~IShiftCycleExceptions() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_SHIFT_CYCLES_H_
