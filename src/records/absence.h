// Absences: a day, half a day or a span of time on which an employee is away for a leave type.
// They are held by the employee, ordered by plan type, then date; their hours, days and charged
// leave combine the employee's working time model on the day, the public holidays and the leave
// type's charging rules.
#pragma once

#include <cstdint>

#include "data/data.h"
#include "master/leave_type.h"
#include "records/plan_ordered.h"
#include "velk_data/absences.h"

class CAbsences;

class CAbsence : public CEmployeeRecord<CAbsence, velk_data::IAbsence, velk_data::IAbsences> {
 public:
  static constexpr const char16_t* kTypeName = u"absence";
  using Collection = CAbsences;
  // Which part of the day is away.
  enum TimeOfDay : uint32_t { kWholeDay = 0, kMorning = 1, kAfternoon = 2, kTimeSpan = 3 };

  using CEmployeeRecord::CEmployeeRecord;

  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  velk_data::ILeaveType* GetLeaveType() const override { return m_leaveType; }
  void SetLeaveType(velk_data::ILeaveType* leaveType) override {
    m_leaveType = static_cast<CLeaveType*>(leaveType);
  }
  uint32_t GetTimeOfDay() const override { return m_timeOfDay; }
  void SetTimeOfDay(uint32_t timeOfDay) override { m_timeOfDay = timeOfDay; }
  uint32_t GetStartAt() const override { return m_startAt; }
  void SetStartAt(uint32_t minutes) override { m_startAt = minutes; }
  uint32_t GetEndAt() const override { return m_endAt; }
  void SetEndAt(uint32_t minutes) override { m_endAt = minutes; }
  uint32_t GetPlanType() const override { return static_cast<uint32_t>(m_planType); }
  void SetPlanType(uint32_t planType) override { m_planType = static_cast<int32_t>(planType); }
  double GetHours() const override;
  double GetDays() const override;
  double GetChargedValue() const override;
  void Assign(const velk_data::IAbsence* source) override;

  PlanDateKey SortKey() const { return {m_planType, m_date}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Ref(u"leave_type_id", s.m_leaveType, &CData::LeaveTypes, RefRead::kNonNegative,
           RefWrite::kZeroWhenNone, u"Unknown leave type id for absence.\t");
    ar.Date(u"date", s.m_date);
    ar.UInt(u"time_of_day", s.m_timeOfDay);
    // Read whatever the time of day; written only for a time span.
    if (A::kReads || s.m_timeOfDay == kTimeSpan) {
      ar.Time(u"start_at", s.m_startAt);
      ar.Time(u"end_at", s.m_endAt);
    }
    ar.Int(u"plan_type", s.m_planType);
  }

 private:
  struct Span;
  const velk_data::IWorkingTimeModel* ModelOnDate() const;
  // Whether the absence counts on its day by the model and the holidays; a half holiday takes
  // its half out of span.
  bool Countable(Span& span, const velk_data::IWorkingTimeModel* model) const;
  bool CountsAll() const;

  uint32_t m_date = 0;
  // The host hands it over unsigned; it is ordered signed, and written signed so that the text
  // reads back as the same value.
  int32_t m_planType = 0;
  // None: the absence counts like one of a leave type that does not count every day, and
  // charges nothing.
  CLeaveType* m_leaveType = nullptr;
  uint32_t m_timeOfDay = kWholeDay;
  uint32_t m_startAt = 0;
  uint32_t m_endAt = 0;
};

class CAbsences : public CPlanOrderedItems<CAbsences, velk_data::IAbsences, CAbsence> {
 public:
  using CPlanOrderedItems::CPlanOrderedItems;

  double GetOvertimeDeductionHours(uint32_t from, uint32_t to, int32_t planType) const override;
};
