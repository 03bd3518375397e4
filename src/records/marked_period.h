// Special periods: named, coloured ranges of days of a group (school holidays, a renovation)
// that the schedule shows; employees see those of all their groups.
#pragma once

#include <string>

#include "records/group_period.h"
#include "velk_data/requirements.h"

class CSpecialPeriods;

class CSpecialPeriod
    : public CGroupPeriod<CSpecialPeriod, velk_data::ISpecialPeriod, velk_data::ISpecialPeriods> {
 public:
  static constexpr const char16_t* kTypeName = u"special_period";
  using Collection = CSpecialPeriods;

  using CGroupPeriod::CGroupPeriod;

  const char16_t* GetName() const override { return m_name.c_str(); }
  void SetName(const char16_t* text) override { m_name = text ? text : u""; }
  uint32_t GetColor() const override { return m_color; }
  void SetColor(uint32_t color) override { m_color = color; }
  void Assign(const velk_data::ISpecialPeriod* other) override;

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Text(u"name", s.m_name);
    RangeFields(ar, s);
    ar.Color(u"color", s.m_color);
  }

 private:
  std::u16string m_name;
  uint32_t m_color = 0xE0E8FF;  // written "FFE8E0"
};

class CSpecialPeriods
    : public CGroupPeriods<CSpecialPeriods, velk_data::ISpecialPeriods, CSpecialPeriod> {
 public:
  static constexpr int32_t kCode = kSpecialPeriod;
  using CGroupPeriods::CGroupPeriods;
};
