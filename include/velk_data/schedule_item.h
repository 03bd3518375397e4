// IScheduleItem: one entry of an employee's schedule for one day, whatever record it comes
// from. Kinds: 0 fixed shift, 1 modified shift, 2 custom shift, 3 shift from a shift cycle,
// 4 absence; only the record getters of its kind return non-null.
//
// A schedule item is not a data item: it has no id and no JSON form, and belongs to whoever
// received it, who ends it with Release. Its record pointers do not own, so it must not
// outlive the model state it was made from (the next Load, Update or Clear).
#ifndef VELK_DATA_SCHEDULE_ITEM_H_
#define VELK_DATA_SCHEDULE_ITEM_H_

#include <cstdint>

#include "velk_data/fwd.h"

namespace velk_data {

class IScheduleItem {
 public:
  virtual uint32_t GetKind() const = 0;
  virtual IFixedShift* GetFixedShift() const = 0;
  virtual IModifiedShift* GetModifiedShift() const = 0;
  virtual ICustomShift* GetCustomShift() const = 0;
  // Kind 3: the element of the cycle that falls on the day, and the assignment.
  virtual IShiftCycleElement* GetShiftCycleElement() const = 0;
  virtual IAbsence* GetAbsence() const = 0;
  virtual IShiftCycleAssignment* GetShiftCycleAssignment() const = 0;
  virtual uint32_t GetDate() const = 0;
  virtual uint32_t GetPlanType() const = 0;
  // The employee of the record (of the assignment for kind 3).
  virtual IEmployee* GetEmployee() const = 0;
  virtual bool IsFixedShift() const = 0;
  virtual bool IsModifiedShift() const = 0;
  virtual bool IsCustomShift() const = 0;
  virtual bool IsShiftCycleShift() const = 0;
  virtual bool IsAbsence() const = 0;
  // Null for custom shifts and absences.
  virtual IShiftType* GetShiftType() const = 0;
  // Null for absences and when the record has none.
  virtual IWorkplace* GetWorkplace() const = 0;
  // The custom shift's own names, the absence's leave type's, otherwise the shift type's.
  virtual const char16_t* GetName() const = 0;
  virtual const char16_t* GetShortName() const = 0;
  // The hours the entry counts on its day.
  virtual double GetHours() const = 0;
  // A new copy, owned by the caller.
  virtual IScheduleItem* Clone() const = 0;
  virtual void Assign(const IScheduleItem* source) = 0;
  // Destroys the item.
  virtual void Release() = 0;
  virtual ~IScheduleItem() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_SCHEDULE_ITEM_H_
