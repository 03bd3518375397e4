#include "records/record_types.h"

#include "data/type_codes.h"
#include "records/employment_period.h"
#include "records/shift_cycle_element.h"
#include "records/shift_cycle_exception.h"

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
constexpr RecordType kNotHeld = {nullptr, nullptr, nullptr};

// Indexed by type code - kSpecialPeriod.
const RecordType kRows[] = {
    kNotHeld,                       // special_period
    kNotHeld,                       // shift_requirement
    kNotHeld,                       // special_shift_requirement
    kNotHeld,                       // special_weekday_requirement
    kNotHeld,                       // leave_ban
    kNotHeld,                       // membership
    kNotHeld,                       // absence
    kNotHeld,                       // fixed_shift
    kNotHeld,                       // modified_shift
    kNotHeld,                       // custom_shift
    kNotHeld,                       // note
    kNotHeld,                       // booking
    kNotHeld,                       // overtime
    Row<CShiftCycleAssignments>(),  // shift_cycle_assignment
    kNotHeld,                       // leave_entitlement
    kNotHeld,                       // shift_type_restriction
    Row<CEmploymentPeriods>(),      // employment_period
    kNotHeld,                       // individual_working_time
    Row<CShiftCycleElements>(),     // shift_cycle_element
    Row<CShiftCycleExceptions>(),   // shift_cycle_exception
};
static_assert(sizeof(kRows) / sizeof(kRows[0]) == kShiftCycleException - kSpecialPeriod + 1);

}  // namespace

const RecordType* RecordTypeOf(int32_t code) {
  if (code < kSpecialPeriod || code > kShiftCycleException) return nullptr;
  const RecordType* row = &kRows[code - kSpecialPeriod];
  return row->make ? row : nullptr;
}
