// Shift type restrictions: what an employee may work, per shift type and day index (0 Monday
// .. 6 Sunday, 7 holiday). The kind is the host's; kind 2 keeps the shift type out of the
// employee's shift cycles on that day index.
#pragma once

#include <cstdint>
#include <tuple>

#include "records/employee_record.h"
#include "records/shift_type_record.h"
#include "velk_data/requirements.h"

class CShiftTypeRestrictions;

class CShiftTypeRestriction
    : public CShiftTypeRecord<
          CEmployeeRecord<CShiftTypeRestriction, velk_data::IShiftTypeRestriction,
                          velk_data::IShiftTypeRestrictions>> {
 public:
  static constexpr const char16_t* kTypeName = u"shift_type_restriction";
  using Collection = CShiftTypeRestrictions;
  static constexpr int32_t kExcludedFromCycles = 2;

  using CShiftTypeRecord::CShiftTypeRecord;

  int32_t GetWeekday() const override { return m_weekday; }
  void SetWeekday(int32_t weekday) override { m_weekday = weekday; }
  int32_t GetRestriction() const override { return m_restriction; }
  void SetRestriction(int32_t restriction) override { m_restriction = restriction; }
  void Assign(const velk_data::IShiftTypeRestriction* other) override;

  std::tuple<uintptr_t, int32_t> SortKey() const { return {Identity(m_shiftType), m_weekday}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    // Only an id above 0 is looked up; 0 or less keeps the shift type.
    ShiftTypeField(ar, s, RefRead::kPositive, u"Unknown shift type id for shift restriction.\t");
    ar.Int(u"weekday", s.m_weekday);
    ar.Int(u"restriction", s.m_restriction);
  }

 private:
  int32_t m_weekday = 0;
  int32_t m_restriction = 1;
};

class CShiftTypeRestrictions
    : public CEmployeeRecords<CShiftTypeRestrictions, velk_data::IShiftTypeRestrictions,
                              CShiftTypeRestriction> {
 public:
  static constexpr int32_t kCode = kShiftTypeRestriction;
  using CEmployeeRecords::CEmployeeRecords;

  velk_data::IShiftTypeRestriction* FindRestriction(velk_data::IShiftType* shiftType,
                                                    int32_t weekday) const override {
    return FirstWithKey(Items(), Key{CShiftTypeRestriction::Identity(shiftType), weekday});
  }
};
