#include "records/schedule_item.h"

#include "velk_data.h"

CScheduleItem::CScheduleItem(velk_data::IFixedShift* shift, uint32_t date, uint32_t planType)
    : m_kind(kFixed), m_fixedShift(shift), m_date(date), m_planType(planType) {}
CScheduleItem::CScheduleItem(velk_data::IModifiedShift* shift, uint32_t date, uint32_t planType)
    : m_kind(kModified), m_modifiedShift(shift), m_date(date), m_planType(planType) {}
CScheduleItem::CScheduleItem(velk_data::ICustomShift* shift, uint32_t date, uint32_t planType)
    : m_kind(kCustom), m_customShift(shift), m_date(date), m_planType(planType) {}
CScheduleItem::CScheduleItem(velk_data::IShiftCycleElement* element,
                             velk_data::IShiftCycleAssignment* assignment, uint32_t date,
                             uint32_t planType)
    : m_kind(kCycle),
      m_shiftCycleElement(element),
      m_shiftCycleAssignment(assignment),
      m_date(date),
      m_planType(planType) {}
CScheduleItem::CScheduleItem(velk_data::IAbsence* absence, uint32_t date, uint32_t planType)
    : m_kind(kAbsence), m_absence(absence), m_date(date), m_planType(planType) {}

velk_data::IEmployee* CScheduleItem::GetEmployee() const {
  switch (m_kind) {
    case kFixed:
      return m_fixedShift ? m_fixedShift->GetEmployee() : nullptr;
    case kModified:
      return m_modifiedShift ? m_modifiedShift->GetEmployee() : nullptr;
    case kCustom:
      return m_customShift ? m_customShift->GetEmployee() : nullptr;
    case kCycle:
      return m_shiftCycleAssignment ? m_shiftCycleAssignment->GetEmployee() : nullptr;
    case kAbsence:
      return m_absence ? m_absence->GetEmployee() : nullptr;
    default:
      return nullptr;
  }
}

velk_data::IShiftType* CScheduleItem::GetShiftType() const {
  switch (m_kind) {
    case kFixed:
      return m_fixedShift ? m_fixedShift->GetShiftType() : nullptr;
    case kModified:
      return m_modifiedShift ? m_modifiedShift->GetShiftType() : nullptr;
    case kCycle:
      return m_shiftCycleElement ? m_shiftCycleElement->GetShiftType() : nullptr;
    default:
      return nullptr;
  }
}

velk_data::IWorkplace* CScheduleItem::GetWorkplace() const {
  switch (m_kind) {
    case kFixed:
      return m_fixedShift ? m_fixedShift->GetWorkplace() : nullptr;
    case kModified:
      return m_modifiedShift ? m_modifiedShift->GetWorkplace() : nullptr;
    case kCustom:
      return m_customShift ? m_customShift->GetWorkplace() : nullptr;
    case kCycle:
      return m_shiftCycleElement ? m_shiftCycleElement->GetWorkplace() : nullptr;
    default:
      return nullptr;
  }
}

// A record without the reference its names come from gives an empty name rather than a crash.
const char16_t* CScheduleItem::GetName() const {
  if (m_customShift) return m_customShift->GetName();
  if (m_absence) {
    velk_data::ILeaveType* type = m_absence->GetLeaveType();
    return type ? type->GetName() : u"";
  }
  velk_data::IShiftType* type = GetShiftType();
  return type ? type->GetName() : u"";
}

const char16_t* CScheduleItem::GetShortName() const {
  if (m_customShift) return m_customShift->GetShortName();
  if (m_absence) {
    velk_data::ILeaveType* type = m_absence->GetLeaveType();
    return type ? type->GetShortName() : u"";
  }
  velk_data::IShiftType* type = GetShiftType();
  return type ? type->GetShortName() : u"";
}

double CScheduleItem::GetHours() const {
  if (m_modifiedShift) return m_modifiedShift->GetActualHours();
  if (m_customShift) return m_customShift->GetActualHours();
  if (m_absence) return m_absence->GetChargedValue();
  velk_data::IShiftType* type = GetShiftType();
  if (!type) return 0.0;
  const bool holiday = type->GetData()->IsHoliday(m_date);
  const int32_t day = holiday ? 7 : static_cast<int32_t>(((m_date + 1) % 7 + 6) % 7);
  return type->GetActualHours(day);
}

velk_data::IScheduleItem* CScheduleItem::Clone() const {
  auto* copy = new CScheduleItem();
  copy->Assign(this);
  return copy;
}

void CScheduleItem::Assign(const velk_data::IScheduleItem* source) {
  if (!source) return;
  m_kind = source->GetKind();
  m_fixedShift = source->GetFixedShift();
  m_modifiedShift = source->GetModifiedShift();
  m_customShift = source->GetCustomShift();
  m_shiftCycleElement = source->GetShiftCycleElement();
  m_absence = source->GetAbsence();
  m_shiftCycleAssignment = source->GetShiftCycleAssignment();
  m_date = source->GetDate();
  m_planType = source->GetPlanType();
}
