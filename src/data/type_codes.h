// The data-type keys of messages and their codes. The code orders the sections of a message
// read out of order, and selects the collection an item goes to: 1 to 13 are the root object's
// collections, 14 to 18 records of a group, 19 to 31 records of an employee, 32 the elements of
// a shift cycle and 33 the exceptions of a shift cycle assignment; 34 and above are not items.
#pragma once

#include <cstdint>
#include <string_view>

enum TypeCode : int32_t {
  kNoType = 0,
  kUserSpecification = 1,
  kUserSetting,
  kLeaveType,
  kShiftType,
  kShiftCycle,
  kWorkplace,
  kSurchargeType,
  kHoliday,
  kGroup,
  kEmployee,
  kWorkingTimeModel,
  kGroupAccess,
  kEmployeeAccess,
  kSpecialPeriod,  // 14: held by a group
  kShiftRequirement,
  kSpecialShiftRequirement,
  kSpecialWeekdayRequirement,
  kLeaveBan,
  kMembership,  // 19: held by an employee
  kAbsence,
  kFixedShift,
  kModifiedShift,
  kCustomShift,
  kNote,
  kBooking,
  kOvertime,
  kShiftCycleAssignment,
  kLeaveEntitlement,
  kShiftTypeRestriction,
  kEmploymentPeriod,
  kIndividualWorkingTime,
  kShiftCycleElement,    // 32: held by a shift cycle
  kShiftCycleException,  // 33: held by a shift cycle assignment
  kTimestamps,           // 34: meta data and user state
  kUser,
  kSchedule,
  kRestrictedAccess,
  kNotification,
  kDebugInfo,
  kTypeCodeEnd
};

constexpr bool IsMasterCode(int32_t code) {
  return code >= kUserSpecification && code <= kEmployeeAccess;
}
constexpr bool IsGroupRecordCode(int32_t code) {
  return code >= kSpecialPeriod && code <= kLeaveBan;
}
constexpr bool IsEmployeeRecordCode(int32_t code) {
  return code >= kMembership && code <= kIndividualWorkingTime;
}
constexpr bool IsItemCode(int32_t code) {
  return code >= kUserSpecification && code <= kShiftCycleException;
}

// The key of a code ("absence" for kAbsence); empty for kNoType and kTypeCodeEnd.
std::u16string_view TypeKey(int32_t code);
// The code of a key, kNoType when the key is not one of the table.
int32_t TypeCodeOf(std::u16string_view key);
