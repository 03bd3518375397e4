// Leave bans: days of a group in which leave may not be taken (busy weeks, inventory). A ban
// carries a filter the host gives meaning to; 0 bars leave of every filter.
#pragma once

#include <string>

#include "records/group_period.h"
#include "velk_data/requirements.h"

class CLeaveBans;

class CLeaveBan : public CGroupPeriod<CLeaveBan, velk_data::ILeaveBan, velk_data::ILeaveBans> {
 public:
  static constexpr const char16_t* kTypeName = u"leave_ban";
  using Collection = CLeaveBans;

  using CGroupPeriod::CGroupPeriod;

  int32_t GetFilter() const override { return m_filter; }
  void SetFilter(int32_t filter) override { m_filter = filter; }
  const char16_t* GetDescription() const override { return m_description.c_str(); }
  void SetDescription(const char16_t* text) override { m_description = text ? text : u""; }
  void Assign(const velk_data::ILeaveBan* other) override;

  // The ban bars leave asked for with filter.
  bool Bars(int32_t filter) const { return m_filter == 0 || m_filter == filter; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Int(u"filter", s.m_filter);
    ar.Text(u"description", s.m_description);
    RangeFields(ar, s);
  }

 private:
  int32_t m_filter = 1;
  std::u16string m_description;
};

class CLeaveBans : public CGroupPeriods<CLeaveBans, velk_data::ILeaveBans, CLeaveBan> {
 public:
  static constexpr int32_t kCode = kLeaveBan;
  using CGroupPeriods::CGroupPeriods;
};
