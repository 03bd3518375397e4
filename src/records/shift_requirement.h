// Shift requirements: how many employees a group needs in a shift type on a day index (0
// Monday .. 6 Sunday, 7 holiday), at least and at most. A special shift requirement says the
// same for one date and goes before the day index's requirement on that date.
#pragma once

#include <cstdint>
#include <tuple>

#include "records/group_record.h"
#include "records/shift_type_record.h"
#include "velk_data/requirements.h"

// What both requirement records share: the group, the shift type and the two numbers. A
// maximum below 0 means none; it is written as null, and null reads as -1.
template <class Derived, class Interface, class CollectionInterface>
class CStaffRequirement
    : public CShiftTypeRecord<CGroupRecord<Derived, Interface, CollectionInterface>> {
  using Base = CShiftTypeRecord<CGroupRecord<Derived, Interface, CollectionInterface>>;

 public:
  using Base::Base;

  int32_t GetMinimum() const override { return m_minimum; }
  void SetMinimum(int32_t minimum) override { m_minimum = minimum; }
  int32_t GetMaximum() const override { return m_maximum; }
  void SetMaximum(int32_t maximum) override { m_maximum = maximum; }
  bool HasMaximum() const override { return m_maximum >= 0; }

 protected:
  // The shift type is looked up whenever the member is there: 0 or an unknown id fails.
  template <class A, class S>
  static void ShiftTypeField(A& ar, S& s) {
    Base::ShiftTypeField(ar, s, RefRead::kPresent,
                         u"Unknown shift type id for shift requirement.\t");
  }
  template <class A, class S>
  static void LimitFields(A& ar, S& s) {
    ar.Int(u"minimum", s.m_minimum);
    if constexpr (A::kReads) {
      if (const velk_json::CJSONValue* member = ar.Json().Find(u"maximum"))
        s.m_maximum = member->GetType() == velk_json::JSONType::Null
                          ? -1
                          : ar.Json().GetInt(u"maximum", s.m_maximum);
    } else if (s.m_maximum < 0) {
      ar.Null(u"maximum");
    } else {
      ar.Int(u"maximum", s.m_maximum);
    }
  }
  void AssignLimits(const Interface* other) {
    SetMinimum(other->GetMinimum());
    SetMaximum(other->GetMaximum());
  }

  int32_t m_minimum = 0;
  int32_t m_maximum = -1;
};

class CShiftRequirements;

class CShiftRequirement : public CStaffRequirement<CShiftRequirement, velk_data::IShiftRequirement,
                                                   velk_data::IShiftRequirements> {
 public:
  static constexpr const char16_t* kTypeName = u"shift_requirement";
  using Collection = CShiftRequirements;

  using CStaffRequirement::CStaffRequirement;

  int32_t GetWeekday() const override { return m_weekday; }
  void SetWeekday(int32_t weekday) override { m_weekday = weekday; }
  void Assign(const velk_data::IShiftRequirement* other) override;

  std::tuple<uintptr_t, int32_t> SortKey() const { return {Identity(m_shiftType), m_weekday}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ShiftTypeField(ar, s);
    ar.Int(u"weekday", s.m_weekday);
    LimitFields(ar, s);
  }

 private:
  int32_t m_weekday = 0;
};

class CShiftRequirements
    : public CGroupRecords<CShiftRequirements, velk_data::IShiftRequirements, CShiftRequirement> {
 public:
  static constexpr int32_t kCode = kShiftRequirement;
  using CGroupRecords::CGroupRecords;

  velk_data::IShiftRequirement* FindRequirement(int32_t weekday,
                                                velk_data::IShiftType* shiftType) const override;
};
