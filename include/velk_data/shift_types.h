// IShiftType, the template of a kind of shift, and IShiftTypes, their master collection.
//
// For each day index (0 Monday .. 6 Sunday, 7 public holiday) a shift type has up to three
// working parts with start and end minutes (0 to 1440) and the hours a shift counts. Day
// indexes above 7 and part indexes above 2 read as 0 and are not stored. Colours are 0xBBGGRR.
#ifndef VELK_DATA_SHIFT_TYPES_H_
#define VELK_DATA_SHIFT_TYPES_H_

#include <cstdint>

#include "velk_data/fwd.h"
#include "velk_data/items.h"

namespace velk_data {

class IShiftType : public IItem {
 public:
  virtual IShiftTypes* GetCollection() const = 0;
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
  // Parts worked on day (0: not worked that day); counts above 3 are ignored.
  virtual uint32_t GetPartCount(int32_t day) const = 0;
  virtual void SetPartCount(int32_t day, uint32_t count) = 0;
  virtual uint32_t GetStartAt(int32_t day, int32_t part) const = 0;
  virtual void SetStartAt(int32_t day, int32_t part, uint32_t minutes) = 0;
  virtual uint32_t GetEndAt(int32_t day, int32_t part) const = 0;
  virtual void SetEndAt(int32_t day, int32_t part, uint32_t minutes) = 0;
  // Hours a shift of this type counts on day.
  virtual double GetActualHours(int32_t day) const = 0;
  virtual void SetActualHours(int32_t day, double hours) = 0;
  // Shifts of this type earn no surcharge.
  virtual bool IsNoSurcharge() const = 0;
  virtual void SetNoSurcharge(bool noSurcharge) = 0;
  virtual int32_t GetCategory() const = 0;
  virtual void SetCategory(int32_t category) = 0;
  virtual bool IsHidden() const = 0;
  virtual void SetHidden(bool hidden) = 0;
  // Copies id and every field, the whole day table included.
  virtual void Assign(const IShiftType* other) = 0;
  // The part count of day index day is above 0.
  virtual bool IsActiveOnDay(int32_t day) const = 0;
  // IsActiveOnDay of 7 on a public holiday, else of the weekday of date.
  virtual bool IsActiveOnDate(uint32_t date) const = 0;
};

// The shift types in load order.
class IShiftTypes {
 public:
  virtual IData* GetData() = 0;
  // A new free shift type; the caller releases it.
  virtual IShiftType* CreateItem() = 0;
  virtual uint32_t GetCount() const = 0;
  virtual uint32_t GetAll(IShiftType** out) const = 0;
  virtual IShiftType* GetAt(uint32_t index) const = 0;
  virtual IShiftType* FindById(int32_t id) const = 0;
  virtual ~IShiftTypes() {}
};

}  // namespace velk_data

#endif  // VELK_DATA_SHIFT_TYPES_H_
