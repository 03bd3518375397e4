// Staffing requirements and restrictions, held by a group (or, for restrictions, an employee).
//
// IShiftRequirement: how many employees a shift type needs on a day index (0 Monday .. 6
// Sunday, 7 holiday); ISpecialShiftRequirement: the same for one date, overriding the former.
// ISpecialWeekdayRequirement: for a period, a staff number per day index replacing the
// group's own. IShiftTypeRestriction: a restriction of one shift type on a day index for an
// employee (kind 2 excludes it from shift cycles). ILeaveBan: a period in which leave is
// barred, with a filter (0 matches every filter). ISpecialPeriod: a named, coloured period.
//
// Days are day numbers; end 0 means open; ends are inclusive. Setters do not reorder the
// collection. Counted queries: CountX equals GetX with a null array.
#ifndef VELK_DATA_REQUIREMENTS_H_
#define VELK_DATA_REQUIREMENTS_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IShiftRequirement : public IItem {
 public:
  virtual IShiftRequirements* GetCollection() const = 0;
  // The owner of the holding collection.
  virtual IGroup* GetGroup() const = 0;
  virtual IShiftType* GetShiftType() const = 0;
  virtual void SetShiftType(IShiftType* shiftType) = 0;
  virtual int32_t GetWeekday() const = 0;
  virtual void SetWeekday(int32_t weekday) = 0;
  virtual int32_t GetMinimum() const = 0;
  virtual void SetMinimum(int32_t minimum) = 0;
  // Negative: no maximum.
  virtual int32_t GetMaximum() const = 0;
  virtual void SetMaximum(int32_t maximum) = 0;
  virtual bool HasMaximum() const = 0;
  virtual void Assign(const IShiftRequirement* other) = 0;
};

class ISpecialShiftRequirement : public IItem {
 public:
  virtual ISpecialShiftRequirements* GetCollection() const = 0;
  virtual IGroup* GetGroup() const = 0;
  virtual IShiftType* GetShiftType() const = 0;
  virtual void SetShiftType(IShiftType* shiftType) = 0;
  virtual uint32_t GetDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual int32_t GetMinimum() const = 0;
  virtual void SetMinimum(int32_t minimum) = 0;
  // Negative: no maximum.
  virtual int32_t GetMaximum() const = 0;
  virtual void SetMaximum(int32_t maximum) = 0;
  virtual bool HasMaximum() const = 0;
  virtual void Assign(const ISpecialShiftRequirement* other) = 0;
};

class IShiftTypeRestriction : public IItem {
 public:
  virtual IShiftTypeRestrictions* GetCollection() const = 0;
  // The owner of the holding collection.
  virtual IEmployee* GetEmployee() const = 0;
  virtual IShiftType* GetShiftType() const = 0;
  virtual void SetShiftType(IShiftType* shiftType) = 0;
  virtual int32_t GetWeekday() const = 0;
  virtual void SetWeekday(int32_t weekday) = 0;
  virtual int32_t GetRestriction() const = 0;
  virtual void SetRestriction(int32_t restriction) = 0;
  virtual void Assign(const IShiftTypeRestriction* other) = 0;
};

class ILeaveBan : public IItem {
 public:
  virtual ILeaveBans* GetCollection() const = 0;
  virtual IGroup* GetGroup() const = 0;
  virtual int32_t GetFilter() const = 0;
  virtual void SetFilter(int32_t filter) = 0;
  virtual const char16_t* GetDescription() const = 0;
  virtual void SetDescription(const char16_t* text) = 0;
  virtual uint32_t GetStart() const = 0;
  virtual void SetStart(uint32_t date) = 0;
  virtual uint32_t GetEnd() const = 0;
  virtual void SetEnd(uint32_t date) = 0;
  virtual void Assign(const ILeaveBan* other) = 0;
};

class ISpecialPeriod : public IItem {
 public:
  virtual ISpecialPeriods* GetCollection() const = 0;
  virtual IGroup* GetGroup() const = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  virtual uint32_t GetStart() const = 0;
  virtual void SetStart(uint32_t date) = 0;
  virtual uint32_t GetEnd() const = 0;
  virtual void SetEnd(uint32_t date) = 0;
  // 0xBBGGRR.
  virtual uint32_t GetColor() const = 0;
  virtual void SetColor(uint32_t color) = 0;
  virtual void Assign(const ISpecialPeriod* other) = 0;
};

class ISpecialWeekdayRequirement : public IItem {
 public:
  virtual ISpecialWeekdayRequirements* GetCollection() const = 0;
  virtual IGroup* GetGroup() const = 0;
  virtual const char16_t* GetDescription() const = 0;
  virtual void SetDescription(const char16_t* text) = 0;
  virtual uint32_t GetStart() const = 0;
  virtual void SetStart(uint32_t date) = 0;
  virtual uint32_t GetEnd() const = 0;
  virtual void SetEnd(uint32_t date) = 0;
  // Staff needed on day index 0 to 7; a larger index reads 0 and is not stored.
  virtual int32_t GetRequirement(uint32_t day) const = 0;
  virtual void SetRequirement(uint32_t day, int32_t value) = 0;
  virtual void Assign(const ISpecialWeekdayRequirement* other) = 0;
};

// Ordered by shift type, then weekday.
class IShiftRequirements {
 public:
  virtual IData* GetData() = 0;
  virtual IGroup* GetGroup() const = 0;
  // A new free requirement of this group; the caller releases it.
  virtual IShiftRequirement* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IShiftRequirement** out) const = 0;
  // The first requirement of exactly weekday and shiftType, or null (note: weekday first).
  virtual IShiftRequirement* FindRequirement(int32_t weekday, IShiftType* shiftType) const = 0;
  virtual IShiftRequirement* GetAt(uint32_t index) const = 0;
  virtual IShiftRequirement* FindById(int32_t id) const = 0;
  virtual ~IShiftRequirements() {}
};

// Ordered by date, then shift type.
class ISpecialShiftRequirements {
 public:
  virtual IData* GetData() = 0;
  virtual IGroup* GetGroup() const = 0;
  // A new free requirement of this group; the caller releases it.
  virtual ISpecialShiftRequirement* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t CountForShiftType(IShiftType* shiftType, uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The requirements dated from start to end.
  virtual uint32_t GetInRange(ISpecialShiftRequirement** out, uint32_t start,
                              uint32_t end) const = 0;
  // Those of GetInRange that are for shiftType.
  virtual uint32_t GetForShiftType(ISpecialShiftRequirement** out, IShiftType* shiftType,
                                   uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetAll(ISpecialShiftRequirement** out) const = 0;
  // The first requirement of exactly date and shiftType, or null.
  virtual ISpecialShiftRequirement* FindRequirement(uint32_t date, IShiftType* shiftType) const = 0;
  virtual ISpecialShiftRequirement* GetAt(uint32_t index) const = 0;
  virtual ISpecialShiftRequirement* FindById(int32_t id) const = 0;
  virtual ~ISpecialShiftRequirements() {}
};

// Ordered by shift type, then weekday.
class IShiftTypeRestrictions {
 public:
  virtual IData* GetData() = 0;
  virtual IEmployee* GetEmployee() const = 0;
  // A new free restriction of this employee; the caller releases it.
  virtual IShiftTypeRestriction* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IShiftTypeRestriction** out) const = 0;
  virtual IShiftTypeRestriction* GetAt(uint32_t index) const = 0;
  virtual IShiftTypeRestriction* FindById(int32_t id) const = 0;
  // The first restriction of exactly shiftType and weekday, or null (note: shift type first).
  virtual IShiftTypeRestriction* FindRestriction(IShiftType* shiftType, int32_t weekday) const = 0;
  virtual ~IShiftTypeRestrictions() {}
};

// Ordered by start, then end.
class ILeaveBans {
 public:
  virtual IData* GetData() = 0;
  virtual IGroup* GetGroup() const = 0;
  // A new free leave ban of this group; the caller releases it.
  virtual ILeaveBan* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The leave bans that overlap [start, end].
  virtual uint32_t GetInRange(ILeaveBan** out, uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetAll(ILeaveBan** out) const = 0;
  virtual ILeaveBan* GetAt(uint32_t index) const = 0;
  virtual ILeaveBan* FindById(int32_t id) const = 0;
  virtual ~ILeaveBans() {}
};

// Ordered by start, then end.
class ISpecialPeriods {
 public:
  virtual IData* GetData() = 0;
  virtual IGroup* GetGroup() const = 0;
  // A new free special period of this group; the caller releases it.
  virtual ISpecialPeriod* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The special periods that overlap [start, end].
  virtual uint32_t GetInRange(ISpecialPeriod** out, uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetAll(ISpecialPeriod** out) const = 0;
  virtual ISpecialPeriod* GetAt(uint32_t index) const = 0;
  virtual ISpecialPeriod* FindById(int32_t id) const = 0;
  virtual ~ISpecialPeriods() {}
};

// Ordered by start, then end.
class ISpecialWeekdayRequirements {
 public:
  virtual IData* GetData() = 0;
  virtual IGroup* GetGroup() const = 0;
  // A new free requirement of this group; the caller releases it.
  virtual ISpecialWeekdayRequirement* CreateItem() = 0;
  virtual uint32_t CountInRange(uint32_t start, uint32_t end) const = 0;
  virtual uint32_t GetCount() const = 0;
  // The requirements whose period overlaps [start, end].
  virtual uint32_t GetInRange(ISpecialWeekdayRequirement** out, uint32_t start,
                              uint32_t end) const = 0;
  virtual uint32_t GetAll(ISpecialWeekdayRequirement** out) const = 0;
  virtual ISpecialWeekdayRequirement* GetAt(uint32_t index) const = 0;
  virtual ISpecialWeekdayRequirement* FindById(int32_t id) const = 0;
  virtual ~ISpecialWeekdayRequirements() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_REQUIREMENTS_H_
