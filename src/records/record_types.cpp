#include "records/record_types.h"

#include "data/type_codes.h"
#include "records/absence.h"
#include "records/booking.h"
#include "records/custom_shift.h"
#include "records/dated_shift_requirement.h"
#include "records/employment_period.h"
#include "records/fixed_shift.h"
#include "records/individual_working_time.h"
#include "records/leave_ban.h"
#include "records/leave_entitlement.h"
#include "records/marked_period.h"
#include "records/membership.h"
#include "records/modified_shift.h"
#include "records/note.h"
#include "records/overtime.h"
#include "records/period_weekday_requirement.h"
#include "records/shift_cycle_element.h"
#include "records/shift_cycle_exception.h"
#include "records/shift_requirement.h"
#include "records/shift_type_restriction.h"

namespace {

template <class C>
CItemsBase* Make(velk_data::IData* data, void* owner) {
  return new C(data, static_cast<typename C::OwnerType*>(owner));
}
template <class C>
void* AsInterface(CItemsBase* records) {
  return static_cast<typename C::InterfaceType*>(static_cast<C*>(records));
}
template <class C>
void RemoveReferring(CItemsBase* records, const velk_data::IItem* target) {
  static_cast<C*>(records)->RemoveReferring(target);
}
template <class C>
constexpr RecordType Row() {
  return {&Make<C>, &AsInterface<C>, &RemoveReferring<C>};
}

// Indexed by type code - kSpecialPeriod.
const RecordType kRows[] = {
    // special_period
    Row<CSpecialPeriods>(),
    // shift_requirement
    Row<CShiftRequirements>(),
    // special_shift_requirement
    Row<CSpecialShiftRequirements>(),
    // special_weekday_requirement
    Row<CSpecialWeekdayRequirements>(),
    // leave_ban
    Row<CLeaveBans>(),
    // membership
    Row<CMemberships>(),
    // absence
    Row<CAbsences>(),
    // fixed_shift
    Row<CFixedShifts>(),
    // modified_shift
    Row<CModifiedShifts>(),
    // custom_shift
    Row<CCustomShifts>(),
    // note
    Row<CNotes>(),
    // booking
    Row<CBookings>(),
    // overtime
    Row<COvertimes>(),
    // shift_cycle_assignment
    Row<CShiftCycleAssignments>(),
    // leave_entitlement
    Row<CLeaveEntitlements>(),
    // shift_type_restriction
    Row<CShiftTypeRestrictions>(),
    // employment_period
    Row<CEmploymentPeriods>(),
    // individual_working_time
    Row<CIndividualWorkingTimes>(),
    // shift_cycle_element
    Row<CShiftCycleElements>(),
    // shift_cycle_exception
    Row<CShiftCycleExceptions>(),
};
static_assert(sizeof(kRows) / sizeof(kRows[0]) == kShiftCycleException - kSpecialPeriod + 1);

}  // namespace

const RecordType* RecordTypeOf(int32_t code) {
  if (code < kSpecialPeriod || code > kShiftCycleException) return nullptr;
  const RecordType* row = &kRows[code - kSpecialPeriod];
  return row->make ? row : nullptr;
}
