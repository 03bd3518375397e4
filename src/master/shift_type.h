// Shift types: the template of a kind of shift (early, late, night, ...). For each day index
// (0 Monday .. 6 Sunday, 7 public holiday) a type has up to three working parts and the hours a
// shift of the type counts. Planned shifts, requirements, restrictions and shift cycle elements
// refer to it; removing it removes them.
#pragma once

#include <cstdint>
#include <string>

#include "items/item.h"
#include "items/master_items.h"
#include "master/display_fields.h"
#include "velk_data/shift_types.h"

class CShiftTypes;

class CShiftType
    : public CDisplayed<CItem<CShiftType, velk_data::IShiftType, velk_data::IShiftTypes>> {
 public:
  static constexpr const char16_t* kTypeName = u"shift_type";
  static constexpr bool kListedByPosition = true;
  using Collection = CShiftTypes;
  static constexpr int32_t kDays = 8;  // Monday .. Sunday, then the public holiday
  static constexpr int32_t kParts = 3;

  // The JSON keys of one day ("monday_part_count", "monday_start_at_0", ...).
  struct DayKeys {
    std::u16string partCount;
    std::u16string startAt[kParts];
    std::u16string endAt[kParts];
    std::u16string actualHours;
  };
  static const DayKeys& KeysOf(int32_t day);

  using CDisplayed::CDisplayed;

  uint32_t GetPartCount(int32_t day) const override;
  void SetPartCount(int32_t day, uint32_t count) override;
  uint32_t GetStartAt(int32_t day, int32_t part) const override;
  void SetStartAt(int32_t day, int32_t part, uint32_t minutes) override;
  uint32_t GetEndAt(int32_t day, int32_t part) const override;
  void SetEndAt(int32_t day, int32_t part, uint32_t minutes) override;
  double GetActualHours(int32_t day) const override;
  void SetActualHours(int32_t day, double hours) override;
  bool IsNoSurcharge() const override { return m_noSurcharge; }
  void SetNoSurcharge(bool noSurcharge) override { m_noSurcharge = noSurcharge; }
  int32_t GetCategory() const override { return m_category; }
  void SetCategory(int32_t category) override { m_category = category; }
  bool IsHidden() const override { return m_hidden; }
  void SetHidden(bool hidden) override { m_hidden = hidden; }
  void Assign(const velk_data::IShiftType* other) override;
  bool IsActiveOnDay(int32_t day) const override { return GetPartCount(day) > 0; }
  bool IsActiveOnDate(uint32_t date) const override;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    DisplayFields(ar, s);
    // Every day and every part is written, whatever the part count.
    for (int32_t day = 0; day < kDays; ++day) {
      const DayKeys& keys = KeysOf(day);
      auto& entry = s.m_days[day];
      if constexpr (A::kReads) {
        // A count above 3 in the input keeps the stored one.
        uint32_t count = entry.partCount;
        ar.UInt(keys.partCount.c_str(), count);
        s.SetPartCount(day, count);
      } else {
        ar.UInt(keys.partCount.c_str(), entry.partCount);
      }
      for (int32_t part = 0; part < kParts; ++part) {
        ar.Time(keys.startAt[part].c_str(), entry.startAt[part]);
        ar.Time(keys.endAt[part].c_str(), entry.endAt[part]);
      }
      ar.Double(keys.actualHours.c_str(), entry.actualHours);
    }
    ar.Bool(u"no_surcharge", s.m_noSurcharge);
    ar.Int(u"category", s.m_category);
    ar.Bool(u"hidden", s.m_hidden);
  }

 private:
  // Parts may cross midnight (22:00 to 06:00); the type stores them as given.
  struct Day {
    uint32_t partCount = 0;
    uint32_t startAt[kParts] = {};
    uint32_t endAt[kParts] = {};
    double actualHours = 0;
  };
  static bool InTable(int32_t day) { return day >= 0 && day < kDays; }
  static bool InTable(int32_t day, int32_t part) {
    return InTable(day) && part >= 0 && part < kParts;
  }

  Day m_days[kDays];
  bool m_noSurcharge = false;
  int32_t m_category = 0;
  bool m_hidden = false;
};

class CShiftTypes : public CMasterItems<CShiftTypes, velk_data::IShiftTypes, CShiftType> {
 public:
  using CMasterItems::CMasterItems;
  // Requirements, restrictions, shifts and shift cycle elements of the type go with it.
  void BeforeDestroy(CShiftType* shiftType);
};
