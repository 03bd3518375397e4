// CScheduleItem: one entry of an employee's day, whatever record it comes from (a fixed,
// modified or custom shift, a shift a cycle produces, an absence). It is no data item: the
// schedule queries make it, the receiver owns and releases it, and its record pointers are
// borrowed from the model state it was made from.
#pragma once

#include <cstdint>

#include "velk_data/schedule_item.h"

class CScheduleItem final : public velk_data::IScheduleItem {
 public:
  enum Kind : uint32_t { kFixed = 0, kModified = 1, kCustom = 2, kCycle = 3, kAbsence = 4 };

  CScheduleItem() = default;
  CScheduleItem(velk_data::IFixedShift* shift, uint32_t date, uint32_t planType);
  CScheduleItem(velk_data::IModifiedShift* shift, uint32_t date, uint32_t planType);
  CScheduleItem(velk_data::ICustomShift* shift, uint32_t date, uint32_t planType);
  CScheduleItem(velk_data::IShiftCycleElement* element,
                velk_data::IShiftCycleAssignment* assignment, uint32_t date, uint32_t planType);
  CScheduleItem(velk_data::IAbsence* absence, uint32_t date, uint32_t planType);

  uint32_t GetKind() const override { return m_kind; }
  velk_data::IFixedShift* GetFixedShift() const override { return m_fixedShift; }
  velk_data::IModifiedShift* GetModifiedShift() const override { return m_modifiedShift; }
  velk_data::ICustomShift* GetCustomShift() const override { return m_customShift; }
  velk_data::IShiftCycleElement* GetShiftCycleElement() const override {
    return m_shiftCycleElement;
  }
  velk_data::IAbsence* GetAbsence() const override { return m_absence; }
  velk_data::IShiftCycleAssignment* GetShiftCycleAssignment() const override {
    return m_shiftCycleAssignment;
  }
  uint32_t GetDate() const override { return m_date; }
  uint32_t GetPlanType() const override { return m_planType; }
  velk_data::IEmployee* GetEmployee() const override;
  bool IsFixedShift() const override { return m_fixedShift != nullptr; }
  bool IsModifiedShift() const override { return m_modifiedShift != nullptr; }
  bool IsCustomShift() const override { return m_customShift != nullptr; }
  bool IsShiftCycleShift() const override { return m_shiftCycleElement != nullptr; }
  bool IsAbsence() const override { return m_absence != nullptr; }
  velk_data::IShiftType* GetShiftType() const override;
  velk_data::IWorkplace* GetWorkplace() const override;
  const char16_t* GetName() const override;
  const char16_t* GetShortName() const override;
  double GetHours() const override;
  velk_data::IScheduleItem* Clone() const override;
  void Assign(const velk_data::IScheduleItem* source) override;
  void Release() override { delete this; }

 private:
  uint32_t m_kind = kFixed;
  velk_data::IFixedShift* m_fixedShift = nullptr;
  velk_data::IModifiedShift* m_modifiedShift = nullptr;
  velk_data::ICustomShift* m_customShift = nullptr;
  velk_data::IShiftCycleElement* m_shiftCycleElement = nullptr;
  velk_data::IAbsence* m_absence = nullptr;
  velk_data::IShiftCycleAssignment* m_shiftCycleAssignment = nullptr;
  uint32_t m_date = 0;
  uint32_t m_planType = 0;
};
