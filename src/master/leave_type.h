// Leave types: kinds of absence (holiday leave, sickness, training, ...). A type says how an
// absence is charged, whether employees are entitled to a yearly amount of it, and on which day
// indexes (0 Monday .. 6 Sunday, 7 public holiday) it may lie. Absences and leave entitlements
// refer to it; removing it removes them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "items/item.h"
#include "items/master_items.h"
#include "velk_data/leave_types.h"

class CLeaveTypes;

class CLeaveType : public CItem<CLeaveType, velk_data::ILeaveType, velk_data::ILeaveTypes> {
 public:
  static constexpr const char16_t* kTypeName = u"leave_type";
  static constexpr bool kListedByPosition = true;
  using Collection = CLeaveTypes;
  static constexpr uint32_t kDays = 8;  // Monday .. Sunday, then the public holiday

  using CItem::CItem;

  int32_t GetPosition() const override { return m_position; }
  void SetPosition(int32_t position) override { m_position = position; }
  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  const char16_t* GetShortName() const override { return m_shortName.c_str(); }
  void SetShortName(const char16_t* text) override { m_shortName = text ? text : u""; }
  uint32_t GetTextColor() const override { return m_textColor; }
  void SetTextColor(uint32_t color) override { m_textColor = color; }
  uint32_t GetBarColor() const override { return m_barColor; }
  void SetBarColor(uint32_t color) override { m_barColor = color; }
  uint32_t GetBackgroundColor() const override { return m_backgroundColor; }
  void SetBackgroundColor(uint32_t color) override { m_backgroundColor = color; }
  bool IsBoldText() const override { return m_boldText; }
  void SetBoldText(bool bold) override { m_boldText = bold; }
  int32_t GetChargeType() const override { return m_chargeType; }
  void SetChargeType(int32_t chargeType) override { m_chargeType = chargeType; }
  double GetChargeHours() const override { return m_chargeHours; }
  void SetChargeHours(double hours) override { m_chargeHours = hours; }
  bool IsEntitled() const override { return m_entitled; }
  void SetEntitled(bool entitled) override { m_entitled = entitled; }
  double GetDefaultEntitlementInDays() const override { return m_defaultEntitlementInDays; }
  void SetDefaultEntitlementInDays(double days) override { m_defaultEntitlementInDays = days; }
  bool IsEntitlementCarryOver() const override { return m_entitlementCarryOver; }
  void SetEntitlementCarryOver(bool carryOver) override { m_entitlementCarryOver = carryOver; }
  bool IsCountAll() const override { return m_countAll; }
  void SetCountAll(bool countAll) override { m_countAll = countAll; }
  bool IsNoAbsence() const override { return m_noAbsence; }
  void SetNoAbsence(bool noAbsence) override { m_noAbsence = noAbsence; }
  bool IsDeductOvertimeHours() const override { return m_deductOvertimeHours; }
  void SetDeductOvertimeHours(bool deduct) override { m_deductOvertimeHours = deduct; }
  int32_t GetCategory() const override { return m_category; }
  void SetCategory(int32_t category) override { m_category = category; }
  // at() throws std::out_of_range for an index of 8 or more.
  bool IsValidDay(uint32_t day) const override { return m_validDays.at(day); }
  void SetValidDay(uint32_t day, bool valid) override { m_validDays.at(day) = valid; }
  bool IsHidden() const override { return m_hidden; }
  void SetHidden(bool hidden) override { m_hidden = hidden; }
  void Assign(const velk_data::ILeaveType* other) override;
  bool IsValidOnDate(uint32_t date) const override;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"position", s.m_position);
    ar.Text(u"name", s.m_name);
    ar.Text(u"short_name", s.m_shortName);
    ar.Color(u"color_text", s.m_textColor);
    ar.Color(u"color_bar", s.m_barColor);
    ar.Color(u"color_bk", s.m_backgroundColor);
    ar.Bool(u"bold_text", s.m_boldText);
    ar.Int(u"charge_type", s.m_chargeType);
    ar.Double(u"charge_hours", s.m_chargeHours);
    ar.Bool(u"entitled", s.m_entitled);
    ar.Double(u"default_entitlement_in_days", s.m_defaultEntitlementInDays);
    ar.Bool(u"entitlement_carry_over", s.m_entitlementCarryOver);
    ar.Bool(u"count_all", s.m_countAll);
    ar.Bool(u"no_absence", s.m_noAbsence);
    ar.Bool(u"deduct_overtime_hours", s.m_deductOvertimeHours);
    ar.Int(u"category", s.m_category);
    ar.Bool(u"hidden", s.m_hidden);
    // One character per day index, out of the field pattern.
    if constexpr (A::kReads)
      s.ReadValidDays(ar.Json());
    else
      ar.Text(u"valid_days", s.ValidDaysText());
  }

 private:
  // Applies the first (at most eight) characters of a "valid_days" string, any character but 0
  // making its day valid; a shorter string leaves the later days alone.
  void ReadValidDays(const velk_json::CJSONObject& json);
  std::u16string ValidDaysText() const;

  int32_t m_position = 0;
  std::u16string m_name;
  std::u16string m_shortName;
  uint32_t m_textColor = 0x000000;
  uint32_t m_backgroundColor = 0xFFFFFF;
  uint32_t m_barColor = 0xFF0000;  // blue: red is the low byte
  bool m_boldText = false;
  int32_t m_chargeType = 0;
  double m_chargeHours = 0;
  bool m_entitled = false;
  double m_defaultEntitlementInDays = 30.0;
  bool m_entitlementCarryOver = false;
  bool m_countAll = true;
  bool m_noAbsence = false;
  bool m_deductOvertimeHours = false;
  int32_t m_category = 0;
  std::array<bool, kDays> m_validDays = {true, true, true, true, true, true, true, true};
  bool m_hidden = false;
};

class CLeaveTypes : public CMasterItems<CLeaveTypes, velk_data::ILeaveTypes, CLeaveType> {
 public:
  using CMasterItems::CMasterItems;
  // Absences and leave entitlements of the type go with it.
  void BeforeDestroy(CLeaveType* leaveType);
};
