// Shift cycle assignments: an employee works a cycle from a start to an end day (both included;
// an end before the start covers no day), the start lying in the unit of the pattern that the
// start offset names. The assignment holds its exceptions (records of code 33). Its cycle shifts
// are never stored: GetShifts expands the pattern for the range asked, day by day.
#pragma once

#include <cstdint>
#include <tuple>

#include "data/data.h"
#include "data/type_codes.h"
#include "master/shift_cycle.h"
#include "records/employee_record.h"
#include "records/record_holder.h"
#include "velk_data/shift_cycles.h"

class CShiftCycleAssignments;
class CShiftCycleElement;

class CShiftCycleAssignment
    : public CEmployeeRecord<CShiftCycleAssignment, velk_data::IShiftCycleAssignment,
                             velk_data::IShiftCycleAssignments>,
      public CRecordHolder<CShiftCycleAssignment, kShiftCycleException, kShiftCycleException> {
 public:
  static constexpr const char16_t* kTypeName = u"shift_cycle_assignment";
  using Collection = CShiftCycleAssignments;

  using CEmployeeRecord::CEmployeeRecord;

  velk_data::IShiftCycleExceptions* GetExceptions() const override {
    return Interface<velk_data::IShiftCycleExceptions>(kShiftCycleException);
  }
  velk_data::IShiftCycle* GetShiftCycle() const override { return m_cycle; }
  void SetShiftCycle(velk_data::IShiftCycle* cycle) override {
    m_cycle = static_cast<CShiftCycle*>(cycle);
  }
  uint32_t GetStart() const override { return m_start; }
  void SetStart(uint32_t date) override { m_start = date; }
  uint32_t GetEnd() const override { return m_end; }
  void SetEnd(uint32_t date) override { m_end = date; }
  int32_t GetStartOffset() const override { return m_startOffset; }
  void SetStartOffset(int32_t offset) override { m_startOffset = offset; }
  uint32_t CountShifts(uint32_t from, uint32_t to, int32_t planType,
                       bool ignoreExceptions) const override {
    return GetShifts(nullptr, nullptr, from, to, planType, ignoreExceptions);
  }
  uint32_t GetShifts(uint32_t* dates, velk_data::IShiftCycleElement** elements, uint32_t from,
                     uint32_t to, int32_t planType, bool ignoreExceptions) const override;
  bool MoveStart(uint32_t newStart) override;
  velk_data::IShiftCycleException* CreateException(uint32_t date, int32_t planType) override;
  void Assign(const velk_data::IShiftCycleAssignment* other) override;

  // Equal keys keep insertion order; cycles compare by identity, which is all the order needs.
  std::tuple<uint32_t, uint32_t, uintptr_t, int32_t> SortKey() const {
    return {m_start, m_end, reinterpret_cast<uintptr_t>(m_cycle), m_startOffset};
  }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Ref(u"shift_cycle_id", s.m_cycle, &CData::ShiftCycles, RefRead::kPositive,
           RefWrite::kZeroWhenNone, u"Unknown shift cycle id for shift cycle assigment.\t");
    ar.Date(u"start", s.m_start);
    ar.Date(u"end", s.m_end);
    ar.Int(u"start_offset", s.m_startOffset);
  }

 private:
  // Calls visit(date, element, day index) for each cycle shift in [from, to], dates ascending;
  // the day index is 7 on a public holiday, else the weekday (0 Monday). Returns their number.
  template <class Visit>
  uint32_t ForEachShift(uint32_t from, uint32_t to, int32_t planType, bool ignoreExceptions,
                        Visit&& visit) const;

  CShiftCycle* m_cycle = nullptr;
  uint32_t m_start = 0;
  uint32_t m_end = 0;
  int32_t m_startOffset = 0;
};

class CShiftCycleAssignments
    : public CEmployeeRecords<CShiftCycleAssignments, velk_data::IShiftCycleAssignments,
                              CShiftCycleAssignment> {
 public:
  using CEmployeeRecords::CEmployeeRecords;
  ~CShiftCycleAssignments() override {
    if (!Items().empty()) OnItemsChanged();
  }

  // The root's lookup of assignments by id over all employees follows every change.
  void OnItemsChanged() { Root()->ForgetAssignmentIds(); }

  uint32_t CountInPeriod(uint32_t from, uint32_t to) const override {
    return GetInPeriod(nullptr, from, to);
  }
  uint32_t GetInPeriod(velk_data::IShiftCycleAssignment** out, uint32_t from,
                       uint32_t to) const override;
  uint32_t CountShifts(uint32_t from, uint32_t to, int32_t planType) const override {
    return GetShifts(nullptr, nullptr, from, to, planType);
  }
  // Assignment after assignment, each one's dates ascending; not merged across assignments.
  uint32_t GetShifts(uint32_t* dates, velk_data::IShiftCycleElement** elements, uint32_t from,
                     uint32_t to, int32_t planType) const override;
};
