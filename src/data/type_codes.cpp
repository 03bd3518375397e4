#include "data/type_codes.h"

namespace {

constexpr std::u16string_view kKeys[kTypeCodeEnd] = {
    u"",
    u"user_specification",
    u"user_setting",
    u"leave_type",
    u"shift_type",
    u"shift_cycle",
    u"workplace",
    u"surcharge_type",
    u"holiday",
    u"group",
    u"employee",
    u"working_time_model",
    u"group_access",
    u"employee_access",
    u"special_period",
    u"shift_requirement",
    u"special_shift_requirement",
    u"special_weekday_requirement",
    u"leave_ban",
    u"membership",
    u"absence",
    u"fixed_shift",
    u"modified_shift",
    u"custom_shift",
    u"note",
    u"booking",
    u"overtime",
    u"shift_cycle_assignment",
    u"leave_entitlement",
    u"shift_type_restriction",
    u"employment_period",
    u"individual_working_time",
    u"shift_cycle_element",
    u"shift_cycle_exception",
    u"timestamps",
    u"user",
    u"schedule",
    u"restricted_access",
    u"notification",
    u"debug_info",
};

}  // namespace

std::u16string_view TypeKey(int32_t code) {
  return code > kNoType && code < kTypeCodeEnd ? kKeys[code] : std::u16string_view();
}

int32_t TypeCodeOf(std::u16string_view key) {
  // 39 short keys: a walk is as fast as a map and needs no construction.
  for (int32_t code = kUserSpecification; code < kTypeCodeEnd; ++code)
    if (kKeys[code] == key) return code;
  return kNoType;
}
