// ILeaveType, a reason for absence (leave, illness, training, ...), and ILeaveTypes, their
// master collection. A leave type says how an absence is charged and counted, on which day
// indexes (0 Monday .. 6 Sunday, 7 public holiday) it may be taken, and the default yearly
// entitlement. Colours are 0xBBGGRR.
#ifndef VELK_DATA_LEAVE_TYPES_H_
#define VELK_DATA_LEAVE_TYPES_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class ILeaveType : public IItem {
 public:
  virtual ILeaveTypes* GetCollection() const = 0;
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
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
  // Charging of an absence: 0 none, 1 its hours, other types the charge hours times the
  // share of the day's target hours the absence takes.
  virtual int32_t GetChargeType() const = 0;
  virtual void SetChargeType(int32_t chargeType) = 0;
  virtual double GetChargeHours() const = 0;
  virtual void SetChargeHours(double hours) = 0;
  // Employees have a yearly entitlement of this type.
  virtual bool IsEntitled() const = 0;
  virtual void SetEntitled(bool entitled) = 0;
  virtual double GetDefaultEntitlementInDays() const = 0;
  virtual void SetDefaultEntitlementInDays(double days) = 0;
  // Unused entitlement is carried over into the next year.
  virtual bool IsEntitlementCarryOver() const = 0;
  virtual void SetEntitlementCarryOver(bool carryOver) = 0;
  // Absences count on every day, holidays and non-workdays included.
  virtual bool IsCountAll() const = 0;
  virtual void SetCountAll(bool countAll) = 0;
  // Absences of this type do not make the employee unavailable.
  virtual bool IsNoAbsence() const = 0;
  virtual void SetNoAbsence(bool noAbsence) = 0;
  // Absence hours are deducted from the overtime balance.
  virtual bool IsDeductOvertimeHours() const = 0;
  virtual void SetDeductOvertimeHours(bool deduct) = 0;
  virtual int32_t GetCategory() const = 0;
  virtual void SetCategory(int32_t category) = 0;
  // Day indexes 0 to 7; a larger index throws std::out_of_range.
  virtual bool IsValidDay(uint32_t day) const = 0;
  virtual void SetValidDay(uint32_t day, bool valid) = 0;
  virtual bool IsHidden() const = 0;
  virtual void SetHidden(bool hidden) = 0;
  // Copies id and every field, the eight valid days included.
  virtual void Assign(const ILeaveType* other) = 0;
  // IsValidDay of 7 on a public holiday, else of the weekday of date.
  virtual bool IsValidOnDate(uint32_t date) const = 0;
};

// The leave types in load order.
class ILeaveTypes {
 public:
  virtual IData* GetData() = 0;
  // A new free leave type; the caller releases it.
  virtual ILeaveType* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(ILeaveType** out) const = 0;
  virtual ILeaveType* GetAt(uint32_t index) const = 0;
  virtual ILeaveType* FindById(int32_t id) const = 0;
  virtual ~ILeaveTypes() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_LEAVE_TYPES_H_
