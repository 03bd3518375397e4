// What the three kinds of planned shift share, written once as layers an item class stacks:
// CPlannedShift (the employee, a workplace, a date and a plan type: the sort keys), CWithShiftType
// (the shift type worked: fixed and modified shifts) and CWithParts (up to three parts of their
// own and the actual hours: modified and custom shifts). CPlannedShifts adds to the collection
// what the employee's statistics ask of every kind.
#pragma once

#include <cstdint>
#include <map>
#include <set>

#include "data/data.h"
#include "master/shift_type.h"
#include "master/workplace.h"
#include "records/plan_ordered.h"

// The working parts of a shift on its day and the hours it counts, whatever its kind: a fixed
// shift's come from its shift type's entry for the day.
struct ShiftParts {
  static constexpr uint32_t kMax = 3;
  uint32_t count = 0;
  uint32_t startAt[kMax] = {};
  uint32_t endAt[kMax] = {};
  double hours = 0;
};

template <class Derived, class Interface, class CollectionInterface>
class CPlannedShift : public CEmployeeRecord<Derived, Interface, CollectionInterface> {
  using Base = CEmployeeRecord<Derived, Interface, CollectionInterface>;

 public:
  using Base::Base;

  velk_data::IWorkplace* GetWorkplace() const override { return m_workplace; }
  void SetWorkplace(velk_data::IWorkplace* workplace) override {
    m_workplace = static_cast<CWorkplace*>(workplace);
  }
  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  int32_t GetPlanType() const override { return m_planType; }
  void SetPlanType(int32_t planType) override { m_planType = planType; }

  PlanDateKey SortKey() const { return {m_planType, m_date}; }

  // 7 when the date is a public holiday, else its weekday (0 Monday .. 6 Sunday).
  int32_t DayIndex() const {
    return this->Root()->IsHoliday(m_date) ? 7 : static_cast<int32_t>(WeekdayOf(m_date));
  }

 protected:
  // "workplace_id": absent keeps the workplace, null clears it, any other id must name one
  // (0 too); written as null without a workplace.
  template <class A, class S>
  static void PlaceFields(A& ar, S& s, const char16_t* unknownWorkplace) {
    ar.Ref(u"workplace_id", s.m_workplace, &CData::Workplaces, RefRead::kNullable,
           RefWrite::kNullWhenNone, unknownWorkplace);
    ar.Date(u"date", s.m_date);
  }
  template <class A, class S>
  static void PlanTypeField(A& ar, S& s) {
    ar.Int(u"plan_type", s.m_planType);
  }
  template <class Other>
  void AssignPlace(const Other* other) {
    SetWorkplace(other->GetWorkplace());
    SetDate(other->GetDate());
  }

 private:
  CWorkplace* m_workplace = nullptr;
  uint32_t m_date = 0;
  int32_t m_planType = 0;
};

template <class Base>
class CWithShiftType : public Base {
 public:
  using Base::Base;

  velk_data::IShiftType* GetShiftType() const override { return m_shiftType; }
  void SetShiftType(velk_data::IShiftType* shiftType) override {
    m_shiftType = static_cast<CShiftType*>(shiftType);
  }
  // Whether the shift type has a part on the date's day index.
  bool ShiftTypeActive() const {
    return m_shiftType && m_shiftType->IsActiveOnDate(this->GetDate());
  }
  // The hours the shift type counts on the day of the date; 0 on a day it has no part.
  double ShiftTypeHours() const {
    if (!m_shiftType) return 0;
    const int32_t day = this->DayIndex();
    return m_shiftType->GetPartCount(day) > 0 ? m_shiftType->GetActualHours(day) : 0;
  }

 protected:
  // "shift_type_id" of 0 and below (or absent) keeps the shift type; written as 0 without one.
  template <class A, class S>
  static void ShiftTypeField(A& ar, S& s, const char16_t* unknownShiftType) {
    ar.Ref(u"shift_type_id", s.m_shiftType, &CData::ShiftTypes, RefRead::kPositive,
           RefWrite::kZeroWhenNone, unknownShiftType);
  }

 private:
  CShiftType* m_shiftType = nullptr;
};

template <class Base>
class CWithParts : public Base {
 public:
  static constexpr uint32_t kParts = ShiftParts::kMax;

  using Base::Base;

  int32_t GetPartCount() const override { return m_partCount; }
  void SetPartCount(int32_t count) override {
    if (count >= 1 && count <= static_cast<int32_t>(kParts)) m_partCount = count;
  }
  uint32_t GetStartAt(uint32_t part) const override { return part < kParts ? m_startAt[part] : 0; }
  void SetStartAt(uint32_t part, uint32_t minutes) override {
    if (part < kParts) m_startAt[part] = minutes;
  }
  uint32_t GetEndAt(uint32_t part) const override { return part < kParts ? m_endAt[part] : 0; }
  void SetEndAt(uint32_t part, uint32_t minutes) override {
    if (part < kParts) m_endAt[part] = minutes;
  }
  double GetActualHours() const override { return m_actualHours; }
  void SetActualHours(double hours) override { m_actualHours = hours; }

  ShiftParts Parts() const {
    ShiftParts parts;
    parts.count = static_cast<uint32_t>(m_partCount);
    for (uint32_t part = 0; part < kParts; ++part) {
      parts.startAt[part] = m_startAt[part];
      parts.endAt[part] = m_endAt[part];
    }
    parts.hours = m_actualHours;
    return parts;
  }

 protected:
  // "part_count", then "start_at_<i>" and "end_at_<i>" of the parts in use (a count outside 1
  // to 3 keeps the stored one), then "actual_hours". Part times of 1440 and more are kept as
  // they are and folded into one day only when written.
  template <class A, class S>
  static void PartFields(A& ar, S& s) {
    static const char16_t* const kStartKeys[kParts] = {u"start_at_0", u"start_at_1", u"start_at_2"};
    static const char16_t* const kEndKeys[kParts] = {u"end_at_0", u"end_at_1", u"end_at_2"};
    if constexpr (A::kReads) {
      int32_t count = s.m_partCount;
      ar.Int(u"part_count", count);
      s.SetPartCount(count);
      for (int32_t part = 0; part < s.m_partCount; ++part) {
        ar.Time(kStartKeys[part], s.m_startAt[part]);
        ar.Time(kEndKeys[part], s.m_endAt[part]);
      }
    } else {
      ar.Int(u"part_count", s.m_partCount);
      for (int32_t part = 0; part < s.m_partCount; ++part) {
        ar.Time(kStartKeys[part], s.m_startAt[part] % 1440);
        ar.Time(kEndKeys[part], s.m_endAt[part] % 1440);
      }
    }
    ar.Double(u"actual_hours", s.m_actualHours);
  }
  // Every part is copied, start before end, whatever the count.
  template <class Other>
  void AssignParts(const Other* other) {
    SetPartCount(other->GetPartCount());
    for (uint32_t part = 0; part < kParts; ++part) {
      SetStartAt(part, other->GetStartAt(part));
      SetEndAt(part, other->GetEndAt(part));
    }
    SetActualHours(other->GetActualHours());
  }

 private:
  int32_t m_partCount = 1;
  uint32_t m_startAt[kParts] = {};
  uint32_t m_endAt[kParts] = {};
  double m_actualHours = 0;
};

// The collection of a kind of planned shift. A shift counts on its day (for the dates that
// carry a shift and the counts per shift type) when its item says so: a fixed shift only when
// its shift type is worked on the date.
template <class Derived, class Interface, class Item>
class CPlannedShifts : public CPlanOrderedItems<Derived, Interface, Item> {
 public:
  using CPlanOrderedItems<Derived, Interface, Item>::CPlanOrderedItems;

  // Inserts the dates of the shifts of the range that count; returns the set's size.
  size_t CollectDates(std::set<uint32_t>& dates, uint32_t from, uint32_t to,
                      int32_t planType) const {
    this->ForEachInRange(from, to, planType, [&](const Item* shift) {
      if (shift->CountsOnItsDay()) dates.insert(shift->GetDate());
    });
    return dates.size();
  }
  // Adds one per shift of the range that counts to the count of its shift type; returns the
  // map's size.
  template <class ShiftType>
  size_t CountByShiftType(std::map<ShiftType*, uint32_t>& counts, uint32_t from, uint32_t to,
                          int32_t planType) const {
    this->ForEachInRange(from, to, planType, [&](const Item* shift) {
      if (shift->CountsOnItsDay()) ++counts[shift->GetShiftType()];
    });
    return counts.size();
  }
};
