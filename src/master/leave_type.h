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
#include "master/display_fields.h"
#include "velk_data/leave_types.h"

class CLeaveTypes;

class CLeaveType
    : public CDisplayed<CItem<CLeaveType, velk_data::ILeaveType, velk_data::ILeaveTypes>> {
 public:
  static constexpr const char16_t* kTypeName = u"leave_type";
  static constexpr bool kListedByPosition = true;
  using Collection = CLeaveTypes;
  static constexpr uint32_t kDays = 8;  // Monday .. Sunday, then the public holiday

  using CDisplayed::CDisplayed;

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
    DisplayFields(ar, s);
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
