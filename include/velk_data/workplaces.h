// IWorkplace, a place where shifts are worked, ISurchargeType, a time window that earns a
// surcharge, and their master collections IWorkplaces and ISurchargeTypes.
//
// A surcharge type covers [start, end] minutes of a day (end 0 means 24:00) on chosen
// weekdays, optionally only on or only off public holidays, or on one single date.
#ifndef VELK_DATA_WORKPLACES_H_
#define VELK_DATA_WORKPLACES_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IWorkplace : public IItem {
 public:
  virtual IWorkplaces* GetCollection() const = 0;
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  virtual const char16_t* GetShortName() const = 0;
  virtual void SetShortName(const char16_t* text) = 0;
  virtual bool IsHidden() const = 0;
  virtual void SetHidden(bool hidden) = 0;
  virtual void Assign(const IWorkplace* other) = 0;
};

class ISurchargeType : public IItem {
 public:
  virtual ISurchargeTypes* GetCollection() const = 0;
  virtual int32_t GetPosition() const = 0;
  virtual void SetPosition(int32_t position) = 0;
  virtual const char16_t* GetName() const = 0;
  virtual void SetName(const char16_t* text) = 0;
  // Minutes after midnight; an end of 0 means 24:00.
  virtual uint32_t GetStartAt() const = 0;
  virtual void SetStartAt(uint32_t minutes) = 0;
  virtual uint32_t GetEndAt() const = 0;
  virtual void SetEndAt(uint32_t minutes) = 0;
  // Weekday 0 (Monday) to 6; a larger index reads false and is not stored.
  virtual bool IsOnWeekday(uint32_t weekday) const = 0;
  virtual void SetOnWeekday(uint32_t weekday, bool on) = 0;
  // 0 holidays do not matter, 1 only on public holidays, 2 only outside them.
  virtual int32_t GetHolidayRule() const = 0;
  virtual void SetHolidayRule(int32_t rule) = 0;
  // The single date the type is bound to; 1 means none (see HasDate).
  virtual uint32_t ReadDate() const = 0;
  virtual void SetDate(uint32_t date) = 0;
  virtual bool IsHidden() const = 0;
  virtual void SetHidden(bool hidden) = 0;
  // The pieces (0, 1 or 2) of the worked interval [from, to] on date (minutes, to 0 meaning
  // 24:00) that the type covers, written to starts[0..1] and ends[0..1]; returns their number.
  // halfHolidayAsWhole treats a half public holiday as a whole one.
  virtual uint32_t GetIntervals(uint32_t* starts, uint32_t* ends, uint32_t date, uint32_t from,
                                uint32_t to, bool halfHolidayAsWhole) const = 0;
  virtual void Assign(const ISurchargeType* other) = 0;
  // Bound to a single date (2 or more); weekdays and the holiday rule then do not apply.
  virtual bool HasDate() const = 0;
};

// The workplaces in load order.
class IWorkplaces {
 public:
  virtual IData* GetData() = 0;
  // A new free workplace; the caller releases it.
  virtual IWorkplace* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IWorkplace** out) const = 0;
  virtual IWorkplace* GetAt(uint32_t index) const = 0;
  virtual IWorkplace* FindById(int32_t id) const = 0;
  virtual ~IWorkplaces() {}
};

// The surcharge types in load order.
class ISurchargeTypes {
 public:
  virtual IData* GetData() = 0;
  // A new free surcharge type; the caller releases it.
  virtual ISurchargeType* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(ISurchargeType** out) const = 0;
  virtual ISurchargeType* GetAt(uint32_t index) const = 0;
  virtual ISurchargeType* FindById(int32_t id) const = 0;
  virtual ~ISurchargeTypes() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_WORKPLACES_H_
