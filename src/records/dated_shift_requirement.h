// Special shift requirements: the staff a group needs in a shift type on one date, before the
// requirement of the date's day index. Ordered by date, then shift type.
#pragma once

#include <cstdint>
#include <tuple>

#include "records/shift_requirement.h"

class CSpecialShiftRequirements;

class CSpecialShiftRequirement
    : public CStaffRequirement<CSpecialShiftRequirement, velk_data::ISpecialShiftRequirement,
                               velk_data::ISpecialShiftRequirements> {
 public:
  static constexpr const char16_t* kTypeName = u"special_shift_requirement";
  using Collection = CSpecialShiftRequirements;

  using CStaffRequirement::CStaffRequirement;

  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  void Assign(const velk_data::ISpecialShiftRequirement* other) override;

  std::tuple<uint32_t, uintptr_t> SortKey() const { return {m_date, Identity(m_shiftType)}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ShiftTypeField(ar, s);
    ar.Date(u"date", s.m_date);
    LimitFields(ar, s);
  }

 private:
  uint32_t m_date = 0;
};

class CSpecialShiftRequirements
    : public CGroupRecords<CSpecialShiftRequirements, velk_data::ISpecialShiftRequirements,
                           CSpecialShiftRequirement> {
 public:
  static constexpr int32_t kCode = kSpecialShiftRequirement;
  using CGroupRecords::CGroupRecords;

  uint32_t CountInRange(uint32_t start, uint32_t end) const override {
    return GetInRange(nullptr, start, end);
  }
  uint32_t CountForShiftType(velk_data::IShiftType* shiftType, uint32_t start,
                             uint32_t end) const override {
    return GetForShiftType(nullptr, shiftType, start, end);
  }
  // Dated start to end; 0 leaves a side open.
  uint32_t GetInRange(velk_data::ISpecialShiftRequirement** out, uint32_t start,
                      uint32_t end) const override;
  uint32_t GetForShiftType(velk_data::ISpecialShiftRequirement** out,
                           velk_data::IShiftType* shiftType, uint32_t start,
                           uint32_t end) const override;
  velk_data::ISpecialShiftRequirement* FindRequirement(
      uint32_t date, velk_data::IShiftType* shiftType) const override;

 private:
  // The items dated start to end, as a range of the set.
  std::pair<Set::const_iterator, Set::const_iterator> Dated(uint32_t start, uint32_t end) const;
};
