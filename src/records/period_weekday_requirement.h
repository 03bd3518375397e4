// Special weekday requirements: for a range of days, the staff a group needs per day index
// (Monday .. Sunday, holidays), replacing the group's own numbers. Where several cover a day,
// the greatest number of the day index counts.
#pragma once

#include "records/group_period.h"
#include "velk_data/requirements.h"

class CSpecialWeekdayRequirements;

class CSpecialWeekdayRequirement
    : public CGroupPeriod<CSpecialWeekdayRequirement, velk_data::ISpecialWeekdayRequirement,
                          velk_data::ISpecialWeekdayRequirements> {
 public:
  static constexpr const char16_t* kTypeName = u"special_weekday_requirement";
  using Collection = CSpecialWeekdayRequirements;
  static constexpr uint32_t kDayIndexes = CGroup::kDayIndexes;

  using CGroupPeriod::CGroupPeriod;

  const char16_t* GetDescription() const override { return m_description.c_str(); }
  void SetDescription(const char16_t* text) override { m_description = text ? text : u""; }
  int32_t GetRequirement(uint32_t day) const override {
    return day < kDayIndexes ? m_requirements[day] : 0;
  }
  void SetRequirement(uint32_t day, int32_t value) override {
    if (day < kDayIndexes) m_requirements[day] = value;
  }
  void Assign(const velk_data::ISpecialWeekdayRequirement* other) override;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Text(u"description", s.m_description);
    RangeFields(ar, s);
    // The same keys as the group's own numbers.
    for (uint32_t i = 0; i < kDayIndexes; ++i)
      ar.Int(CGroup::kRequirementKeys[i], s.m_requirements[i]);
  }

 private:
  std::u16string m_description;
  int32_t m_requirements[kDayIndexes] = {};
};

class CSpecialWeekdayRequirements
    : public CGroupPeriods<CSpecialWeekdayRequirements, velk_data::ISpecialWeekdayRequirements,
                           CSpecialWeekdayRequirement> {
 public:
  static constexpr int32_t kCode = kSpecialWeekdayRequirement;
  using CGroupPeriods::CGroupPeriods;
};
