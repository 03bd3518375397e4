// IAbsence, a day or part of a day on which an employee is away for a leave type, and
// IAbsences, the absences of one employee ordered by plan type, then date (equal ones in
// insertion order). The employee owns the collection; setters do not reorder it.
#ifndef VELK_DATA_ABSENCES_H_
#define VELK_DATA_ABSENCES_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IAbsence : public IItem {
 public:
  virtual IAbsences* GetCollection() const = 0;
  // The owner of the holding collection.
  virtual IEmployee* GetEmployee() const = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  // The reason; may be null.
  virtual ILeaveType* GetLeaveType() const = 0;
  virtual void SetLeaveType(ILeaveType* leaveType) = 0;
  // 0 whole day, 1 morning (until noon), 2 afternoon (from noon), 3 from start to end.
  virtual uint32_t GetTimeOfDay() const = 0;
  virtual void SetTimeOfDay(uint32_t timeOfDay) = 0;
  // Minutes after midnight, used with time of day 3; an end not after the start runs past
  // midnight.
  virtual uint32_t GetStartAt() const = 0;
  virtual void SetStartAt(uint32_t minutes) = 0;
  virtual uint32_t GetEndAt() const = 0;
  virtual void SetEndAt(uint32_t minutes) = 0;
  // Compared as a signed value when ordering.
  virtual uint32_t GetPlanType() const = 0;
  virtual void SetPlanType(uint32_t planType) = 0;
  // Duration in hours and in days (1 whole, 0.5 half). Unless the leave type counts every
  // day, a day off by the employee's working time model or a holiday counts 0 (a half holiday
  // halves it).
  virtual double GetHours() const = 0;
  virtual double GetDays() const = 0;
  // The amount the leave type charges for the absence.
  virtual double GetChargedValue() const = 0;
  // Copies id, leave type, date, time of day, start, end and plan type (not the employee).
  virtual void Assign(const IAbsence* source) = 0;
};

class IAbsences {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free absence of this employee; the caller releases it.
  virtual IAbsence* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t from, uint32_t to, int32_t planType) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The absences of planType dated from from to to (to 0: no upper bound), in order.
  virtual uint32_t GetInRange(IAbsence** out, uint32_t from, uint32_t to,
                              int32_t planType) const = 0;
  virtual uint32_t GetAll(IAbsence** out) const = 0;
  virtual IAbsence* GetAt(uint32_t index) const = 0;
  virtual IAbsence* FindById(int32_t id) const = 0;
  virtual uint32_t CountInEmployment(uint32_t from, uint32_t to, int32_t planType) const = 0;
  // As GetInRange, restricted to the days on which the employee is employed.
  virtual uint32_t GetInEmployment(IAbsence** out, uint32_t from, uint32_t to,
                                   int32_t planType) const = 0;
  // Hours of the absences in employment whose leave type deducts overtime.
  virtual double GetOvertimeDeductionHours(uint32_t from, uint32_t to, int32_t planType) const = 0;
  virtual ~IAbsences() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_ABSENCES_H_
