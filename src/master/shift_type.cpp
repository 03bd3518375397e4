#include "master/shift_type.h"

#include <array>

#include "data/data.h"
#include "data/type_codes.h"
#include "datetime/date.h"

namespace {

std::array<CShiftType::DayKeys, CShiftType::kDays> MakeDayKeys() {
  static const char16_t* const kDayWords[CShiftType::kDays] = {
      u"monday", u"tuesday",  u"wednesday", u"thursday",
      u"friday", u"saturday", u"sunday",    u"holiday"};
  std::array<CShiftType::DayKeys, CShiftType::kDays> keys;
  for (int32_t day = 0; day < CShiftType::kDays; ++day) {
    const std::u16string word = kDayWords[day];
    CShiftType::DayKeys& k = keys[day];
    k.partCount = word + u"_part_count";
    for (int32_t part = 0; part < CShiftType::kParts; ++part) {
      const char16_t digit = static_cast<char16_t>(u'0' + part);
      k.startAt[part] = word + u"_start_at_" + digit;
      k.endAt[part] = word + u"_end_at_" + digit;
    }
    k.actualHours = word + u"_actual_hours";
  }
  return keys;
}

}  // namespace

const CShiftType::DayKeys& CShiftType::KeysOf(int32_t day) {
  // Built on first use and shared by every reader and writer.
  static const std::array<DayKeys, kDays> keys = MakeDayKeys();
  return keys[day];
}

uint32_t CShiftType::GetPartCount(int32_t day) const {
  return InTable(day) ? m_days[day].partCount : 0;
}

void CShiftType::SetPartCount(int32_t day, uint32_t count) {
  if (InTable(day) && count <= kParts) m_days[day].partCount = count;
}

uint32_t CShiftType::GetStartAt(int32_t day, int32_t part) const {
  return InTable(day, part) ? m_days[day].startAt[part] : 0;
}

void CShiftType::SetStartAt(int32_t day, int32_t part, uint32_t minutes) {
  if (InTable(day, part)) m_days[day].startAt[part] = minutes;
}

uint32_t CShiftType::GetEndAt(int32_t day, int32_t part) const {
  return InTable(day, part) ? m_days[day].endAt[part] : 0;
}

void CShiftType::SetEndAt(int32_t day, int32_t part, uint32_t minutes) {
  if (InTable(day, part)) m_days[day].endAt[part] = minutes;
}

double CShiftType::GetActualHours(int32_t day) const {
  return InTable(day) ? m_days[day].actualHours : 0;
}

void CShiftType::SetActualHours(int32_t day, double hours) {
  if (InTable(day)) m_days[day].actualHours = hours;
}

void CShiftType::Assign(const velk_data::IShiftType* other) {
  if (!other) return;  // nothing to copy
  SetId(other->GetId());
  AssignDisplay(other);
  for (int32_t day = 0; day < kDays; ++day) {
    SetPartCount(day, other->GetPartCount(day));
    for (int32_t part = 0; part < kParts; ++part) {
      SetStartAt(day, part, other->GetStartAt(day, part));
      SetEndAt(day, part, other->GetEndAt(day, part));
    }
    SetActualHours(day, other->GetActualHours(day));
  }
  SetNoSurcharge(other->IsNoSurcharge());
  SetCategory(other->GetCategory());
  SetHidden(other->IsHidden());
}

bool CShiftType::IsActiveOnDate(uint32_t date) const {
  // A public holiday has its own day entry, whatever weekday it falls on.
  if (Root()->IsHoliday(date)) return IsActiveOnDay(7);
  return IsActiveOnDay(static_cast<int32_t>(velk_date_time::TDate{date}.GetWeekday()));
}

void CShiftTypes::BeforeDestroy(CShiftType* shiftType) {
  Root()->RemoveReferrers(shiftType, {kShiftRequirement, kSpecialShiftRequirement, kFixedShift,
                                      kModifiedShift, kShiftTypeRestriction, kShiftCycleElement});
}
