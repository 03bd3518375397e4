// Employee periods: dated records that describe an employee over time.
//
// IEmploymentPeriod: employed from start to end. IMembership: member of a group from start to
// end, with a rate. IIndividualWorkingTime: from a date on, works by a working time model,
// until the day before the next record's date. ILeaveEntitlement: the leave of one leave type
// the employee is entitled to in one year.
//
// Each employee owns one collection of each. Days are day numbers; start 0 means from the
// beginning and end 0 an open end; ends are inclusive. Employment intervals are the employment
// periods merged where they overlap or touch. Setters and Assign do not reorder the collection.
// Counted queries: CountX equals GetX with null arrays.
#ifndef VELK_DATA_PERIODS_H_
#define VELK_DATA_PERIODS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IEmploymentPeriod : public IItem {
 public:
  virtual IEmploymentPeriods* GetCollection() const = 0;
  // The owner of the holding collection.
  virtual IEmployee* GetEmployee() const = 0;
  virtual uint32_t GetStart() const = 0;
  virtual void SetStart(uint32_t date) = 0;
  virtual uint32_t GetEnd() const = 0;
  virtual void SetEnd(uint32_t date) = 0;
  virtual const char16_t* GetDescription() const = 0;
  virtual void SetDescription(const char16_t* text) = 0;
  virtual void Assign(const IEmploymentPeriod* other) = 0;
};

class IMembership : public IItem {
 public:
  virtual IMemberships* GetCollection() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual IGroup* GetGroup() const = 0;
  virtual void SetGroup(IGroup* group) = 0;
  virtual uint32_t GetStart() const = 0;
  virtual void SetStart(uint32_t date) = 0;
  virtual uint32_t GetEnd() const = 0;
  virtual void SetEnd(uint32_t date) = 0;
  virtual int32_t GetRate() const = 0;
  virtual void SetRate(int32_t rate) = 0;
  virtual void Assign(const IMembership* other) = 0;
};

class IIndividualWorkingTime : public IItem {
 public:
  virtual IIndividualWorkingTimes* GetCollection() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual IWorkingTimeModel* GetWorkingTimeModel() const = 0;
  virtual void SetWorkingTimeModel(IWorkingTimeModel* model) = 0;
  // First day on which the model applies.
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual const char16_t* GetDescription() const = 0;
  virtual void SetDescription(const char16_t* text) = 0;
  virtual void Assign(const IIndividualWorkingTime* other) = 0;
  // The day before the next record's date; 0 (open) for the last record, 1 (valid on no
  // day) when the next record has the same date or the item is in no collection.
  virtual uint32_t GetEnd() const = 0;
};

class ILeaveEntitlement : public IItem {
 public:
  virtual ILeaveEntitlements* GetCollection() const = 0;
  virtual IEmployee* GetEmployee() const = 0;
  virtual ILeaveType* GetLeaveType() const = 0;
  virtual void SetLeaveType(ILeaveType* leaveType) = 0;
  virtual int32_t GetYear() const = 0;
  virtual void SetYear(int32_t year) = 0;
  virtual double GetEntitlement() const = 0;
  virtual void SetEntitlement(double value) = 0;
  virtual double GetRemainingFromPreviousYear() const = 0;
  virtual void SetRemainingFromPreviousYear(double value) = 0;
  // True when both amounts are days, false when hours.
  virtual bool IsInDays() const = 0;
  virtual void SetInDays(bool inDays) = 0;
  virtual void Assign(const ILeaveEntitlement* other) = 0;
};

// Ordered by start, then end (open end last).
class IEmploymentPeriods {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free employment period of this employee; the caller releases it.
  virtual IEmploymentPeriod* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The periods that overlap [start, end].
  virtual uint32_t GetInRange(IEmploymentPeriod** out, uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetAll(IEmploymentPeriod** out) const = 0;
  virtual IEmploymentPeriod* GetAt(uint32_t index) const = 0;
  virtual IEmploymentPeriod* FindById(int32_t id) const = 0;
  // Start of the first period; the day 9999-12-31 when there is none.
  virtual uint32_t GetFirstStart() const = 0;
  // The greatest end; 0 when a period is open; the day 1601-01-01 when there is none.
  virtual uint32_t GetLastEnd() const = 0;
  virtual uint32_t CountEmploymentIntervals(uint32_t start, uint32_t end) const = 0;
  // The employment intervals clipped to [start, end], in order, into the arrays not null.
  virtual uint32_t GetEmploymentIntervals(uint32_t* starts, uint32_t* ends, uint32_t start,
                                          uint32_t end) const = 0;
  // The (unclipped) employment interval that contains day, through the pointers not null;
  // false when the employee is not employed on day.
  virtual bool FindEmploymentInterval(uint32_t* start, uint32_t* end, uint32_t day) const = 0;
  virtual ~IEmploymentPeriods() {}
};

// Ordered by group, then start, then end (open end last).
class IMemberships {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free membership of this employee; the caller releases it.
  virtual IMembership* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end, bool withinEmployment) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The memberships that overlap [start, end]; withinEmployment keeps those whose overlap
  // meets an employment interval.
  virtual uint32_t GetInRange(IMembership** out, uint32_t start, uint32_t end,
                              bool withinEmployment) const = 0;
  virtual uint32_t GetAll(IMembership** out) const = 0;
  virtual IMembership* GetAt(uint32_t index) const = 0;
  virtual IMembership* FindById(int32_t id) const = 0;
  virtual bool IsMemberOn(IGroup* group, uint32_t day) const = 0;
  // A member of group at any time.
  virtual bool IsMember(IGroup* group) const = 0;
  virtual uint32_t CountMembershipIntervals(IGroup* group, uint32_t start, uint32_t end,
                                            bool withinEmployment) const = 0;
  // The merged ranges of the memberships in group's subtree (the root: always). Without
  // withinEmployment they are not clipped; with it, they are cut to the employment intervals
  // of [start, end].
  virtual uint32_t GetMembershipIntervals(uint32_t* starts, uint32_t* ends, IGroup* group,
                                          uint32_t start, uint32_t end,
                                          bool withinEmployment) const = 0;
  virtual ~IMemberships() {}
};

// Ordered by date, then id.
class IIndividualWorkingTimes {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free individual working time of this employee; the caller releases it.
  virtual IIndividualWorkingTime* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The records valid on some day of [start, end].
  virtual uint32_t GetInRange(IIndividualWorkingTime** out, uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetAll(IIndividualWorkingTime** out) const = 0;
  virtual IIndividualWorkingTime* GetAt(uint32_t index) const = 0;
  virtual IIndividualWorkingTime* FindById(int32_t id) const = 0;
  // The model valid on day, or null.
  virtual IWorkingTimeModel* GetModelOn(uint32_t day) const = 0;
  // The model valid in [start, end], or null.
  virtual IWorkingTimeModel* GetModelForPeriod(uint32_t start, uint32_t end) const = 0;
  virtual ~IIndividualWorkingTimes() {}
};

// Ordered by leave type, then year.
class ILeaveEntitlements {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free leave entitlement of this employee; the caller releases it.
  virtual ILeaveEntitlement* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(ILeaveEntitlement** out) const = 0;
  // The entitlement of leaveType in year, or null.
  virtual ILeaveEntitlement* FindEntitlement(ILeaveType* leaveType, int32_t year) const = 0;
  virtual ILeaveEntitlement* GetAt(uint32_t index) const = 0;
  virtual ILeaveEntitlement* FindById(int32_t id) const = 0;
  virtual ~ILeaveEntitlements() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_PERIODS_H_
