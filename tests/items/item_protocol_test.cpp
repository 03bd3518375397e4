// The JSON protocol every item type shares, run over each item type: writing and reading agree,
// the id rule, the per-class text buffers, the position form and Release.
#include <gtest/gtest.h>

#include <string>

#include "data/type_codes.h"
#include "item_test_util.h"
#include "items/json_fields.h"
#include "master/employee.h"
#include "master/group.h"
#include "master/holiday.h"
#include "master/leave_type.h"
#include "master/shift_cycle.h"
#include "master/shift_type.h"
#include "master/surcharge_type.h"
#include "master/working_time_model.h"
#include "master/workplace.h"
#include "model_fixture.h"
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
#include "users/employee_access.h"
#include "users/group_access.h"
#include "users/user_profile.h"
#include "users/user_setting.h"

namespace {

// One item of each type with id 4, a few keys away from their defaults, and position 7 where the
// host lists the type by position.
template <class Item>
constexpr const char16_t* kSample = nullptr;
template <>
constexpr const char16_t* kSample<CHoliday> =
    uR"({"id":4,"date":"2026-12-25","name":"Christmas","time_of_day":2})";
template <>
constexpr const char16_t* kSample<CWorkplace> =
    uR"({"id":4,"position":7,"name":"Ward A","short_name":"WA","hidden":true})";
template <>
constexpr const char16_t* kSample<CSurchargeType> =
    uR"({"id":4,"position":7,"name":"Night","start_at":"22:00","end_at":"06:00","on_monday":false,
         "holiday_rule":2,"date":"2026-12-24","hidden":true})";
template <>
constexpr const char16_t* kSample<CShiftType> =
    uR"({"id":4,"position":7,"name":"Early","color_bar":"00FF80","category":2,"hidden":true})";
template <>
constexpr const char16_t* kSample<CLeaveType> =
    uR"({"id":4,"position":7,"name":"Leave","charge_hours":7.5,"color_bk":"102030"})";
template <>
constexpr const char16_t* kSample<CEmployee> =
    uR"({"id":4,"position":7,"lastname":"Doe","birthday":"1990-02-03","color_name_bk":"ABCDEF"})";
template <>
constexpr const char16_t* kSample<CGroup> =
    uR"({"id":4,"position":7,"name":"Ward","friday_requirement":3,"color_schedule_bk":"010203"})";
template <>
constexpr const char16_t* kSample<CWorkingTimeModel> =
    uR"({"id":4,"position":7,"name":"Part time","basic_type":2,"weekly_hours":20,"workdays":"111"})";
template <>
constexpr const char16_t* kSample<CUserSpecification> =
    uR"({"id":4,"collaborator_id":9,"description":"Planner","create_reports":true})";
template <>
constexpr const char16_t* kSample<CShiftCycle> =
    uR"({"id":4,"position":7,"name":"Rota","length":4,"unit":0,"hidden":true})";
template <>
constexpr const char16_t* kSample<CShiftCycleElement> =
    uR"({"id":4,"shift_cycle_id":1,"position":3,"shift_type_id":1,"workplace_id":1})";
template <>
constexpr const char16_t* kSample<CShiftCycleAssignment> =
    uR"({"id":4,"employee_id":1,"shift_cycle_id":1,"start":"2026-01-07","end":"2026-03-31",
         "start_offset":-2})";
template <>
constexpr const char16_t* kSample<CShiftCycleException> =
    uR"({"id":4,"shift_cycle_assignment_id":1,"date":"2026-02-02","plan_type":3})";
template <>
constexpr const char16_t* kSample<CEmploymentPeriod> =
    uR"({"id":4,"employee_id":1,"start":"2026-01-01","end":null,"description":"Nurse"})";
template <>
constexpr const char16_t* kSample<CBooking> =
    uR"({"id":4,"employee_id":1,"date":"2026-03-02","value":7.5,"account":2,"description":"x"})";
template <>
constexpr const char16_t* kSample<COvertime> =
    uR"({"id":4,"employee_id":1,"date":"2026-03-02","value":1.5})";
template <>
constexpr const char16_t* kSample<CNote> =
    uR"({"id":4,"employee_id":1,"date":"2026-03-02","text":"Call back"})";
template <>
constexpr const char16_t* kSample<CUserSetting> =
    uR"({"id":4,"collaborator_id":9,"key":"Grid.Width","value":"120"})";
// Without a target: the sample message holds no employee or group to name.
template <>
constexpr const char16_t* kSample<CGroupAccess> =
    uR"({"id":4,"collaborator_id":9,"permissions":"read-only"})";
template <>
constexpr const char16_t* kSample<CEmployeeAccess> =
    uR"({"id":4,"collaborator_id":9,"permissions":"none"})";
template <>
constexpr const char16_t* kSample<CAbsence> =
    uR"({"id":4,"employee_id":1,"leave_type_id":2,"date":"2026-03-02","time_of_day":3,
         "start_at":"22:00","end_at":"02:00","plan_type":-2})";
template <>
constexpr const char16_t* kSample<CFixedShift> =
    uR"({"id":4,"employee_id":1,"shift_type_id":3,"workplace_id":5,"date":"2026-03-02",
         "plan_type":1})";
template <>
constexpr const char16_t* kSample<CModifiedShift> =
    uR"({"id":4,"employee_id":1,"shift_type_id":3,"date":"2026-03-02","part_count":2,
         "start_at_0":"06:00","end_at_0":"10:00","start_at_1":"22:00","end_at_1":"02:00",
         "actual_hours":8.25,"plan_type":1})";
template <>
constexpr const char16_t* kSample<CCustomShift> =
    uR"({"id":4,"employee_id":1,"workplace_id":5,"date":"2026-03-02","name":"Visit",
         "color_bar":"00FF80","part_count":3,"end_at_2":"23:15","actual_hours":1.5,
         "no_surcharge":true})";

template <>
constexpr const char16_t* kSample<CMembership> =
    uR"({"id":4,"employee_id":1,"group_id":1,"start":"2026-01-01","rate":50})";
template <>
constexpr const char16_t* kSample<CIndividualWorkingTime> =
    uR"({"id":4,"employee_id":1,"working_time_model_id":2,"date":"2026-02-01","description":"x"})";
template <>
constexpr const char16_t* kSample<CLeaveEntitlement> =
    uR"({"id":4,"employee_id":1,"leave_type_id":2,"year":2026,"entitlement":30,"in_days":false})";

// Records are read into the collections of employee 1, group 1, shift cycle 1 or shift cycle
// assignment 1 (held by employee 2, so that employee 1 starts without assignments), and may
// refer to leave type 2, shift types 1 and 3, workplaces 1 and 5 and working time model 2.
constexpr const char16_t* kOwners =
    uR"("employee":{"cu":[{"id":1},{"id":2}]},"group":{"cu":[{"id":1}]},)"
    uR"("leave_type":{"cu":[{"id":2}]},"shift_type":{"cu":[{"id":1},{"id":3}]},)"
    uR"("workplace":{"cu":[{"id":1},{"id":5}]},"shift_cycle":{"cu":[{"id":1}]},)"
    uR"("shift_cycle_assignment":{"cu":[{"id":1,"employee_id":2,"shift_cycle_id":1}]},)"
    uR"("working_time_model":{"cu":[{"id":2}]},)";

// A new absence names no leave type, which it writes as 0, an id that names none: it gets one
// to be read back.
template <class Interface>
void Complete(Interface*, CData&) {}
void Complete(velk_data::IAbsence* absence, CData& data) {
  absence->SetLeaveType(data.GetLeaveTypes()->FindById(2));
}
template <>
constexpr const char16_t* kSample<CShiftRequirement> =
    uR"({"id":4,"group_id":1,"shift_type_id":1,"weekday":7,"minimum":2,"maximum":3})";
template <>
constexpr const char16_t* kSample<CSpecialShiftRequirement> =
    uR"({"id":4,"group_id":1,"shift_type_id":1,"date":"2026-12-24","minimum":2})";
template <>
constexpr const char16_t* kSample<CSpecialWeekdayRequirement> =
    uR"({"id":4,"group_id":1,"description":"Winter","start":"2026-12-01","holiday_requirement":3})";
template <>
constexpr const char16_t* kSample<CLeaveBan> =
    uR"({"id":4,"group_id":1,"filter":0,"start":"2026-12-01","end":"2026-12-24"})";
template <>
constexpr const char16_t* kSample<CSpecialPeriod> =
    uR"({"id":4,"group_id":1,"name":"Advent","end":"2026-12-24","color":"102030"})";
template <>
constexpr const char16_t* kSample<CShiftTypeRestriction> =
    uR"({"id":4,"employee_id":1,"shift_type_id":1,"weekday":3,"restriction":2})";

template <class Item>
class ItemProtocolTest : public ModelTest {
 protected:
  using Interface = typename Item::InterfaceType;
  static int32_t Code() { return TypeCodeOf(Item::kTypeName); }
  static std::u16string Owners() { return IsMasterCode(Code()) ? u"" : kOwners; }
  void SetUp() override { Load((u"{" + Owners() + u"\"debug_info\":{}}").c_str()); }
  typename Item::Collection* Items() const {
    return dynamic_cast<typename Item::Collection*>(
        IsMasterCode(Code()) ? data.MasterCollection(Code()) : data.RecordsOfOwner(Code(), 1));
  }
  static void Read(Interface* item, const char16_t* json) {
    static_cast<Item*>(item)->FromJSON(*ParseObject(json), false);
  }
  Interface* LoadSample() {
    Load((u"{" + Owners() + u"\"" + Item::kTypeName + u"\":{\"cu\":[" + kSample<Item> + u"]}}")
             .c_str());
    return Items()->FindById(4);
  }
};

// clang-format off
using ItemTypes = ::testing::Types<
    CHoliday,
    CWorkplace,
    CSurchargeType,
    CShiftType,
    CLeaveType,
    CEmployee,
    CGroup,
    CWorkingTimeModel,
    CUserSpecification,
    CEmploymentPeriod,
    CMembership,
    CIndividualWorkingTime,
    CLeaveEntitlement,
    CBooking,
    COvertime,
    CNote,
    CUserSetting,
    CGroupAccess,
    CEmployeeAccess,
    CAbsence,
    CFixedShift,
    CModifiedShift,
    CCustomShift,
    CShiftRequirement,
    CSpecialShiftRequirement,
    CSpecialWeekdayRequirement,
    CLeaveBan,
    CSpecialPeriod,
    CShiftTypeRestriction,
    CShiftCycle,
    CShiftCycleElement,
    CShiftCycleAssignment,
    CShiftCycleException>;
// clang-format on
TYPED_TEST_SUITE(ItemProtocolTest, ItemTypes);

TYPED_TEST(ItemProtocolTest, NewItemReadsBackWhatItWritesAndKeepsAnAbsentId) {
  auto* item = this->Items()->CreateItem();
  Complete(item, this->data);
  EXPECT_EQ(item->GetId(), -1);
  EXPECT_EQ(item->GetCollection(), this->Items());
  EXPECT_EQ(this->Items()->GetCount(), 0u);
  EXPECT_EQ(Narrow(item->GetTypeName()), Narrow(TypeParam::kTypeName));
  item->SetId(0);
  const std::u16string text = item->ToJSON();
  EXPECT_EQ(text.find(u"\"id\""), std::u16string::npos);  // only ids above 0 are written

  auto* copy = this->Items()->CreateItem();
  copy->SetId(5);
  this->Read(copy, text.c_str());
  EXPECT_EQ(copy->GetId(), 5);
  copy->SetId(0);
  EXPECT_EQ(copy->ToJSON(), text);
  this->Read(copy, u"{\"id\":8}");
  EXPECT_EQ(copy->GetId(), 8);
  copy->Release();
  item->Release();  // free items are their creator's: a leak or double free shows under ASan
}

TYPED_TEST(ItemProtocolTest, WritesWhatItReadsAndKeepsAbsentKeys) {
  auto* held = this->LoadSample();
  ASSERT_NE(held, nullptr);
  const std::u16string text = held->ToJSON();
  auto* copy = this->Items()->CreateItem();
  this->Read(copy, text.c_str());
  EXPECT_EQ(copy->ToJSON(), text);
  this->Read(copy, u"{}");
  EXPECT_EQ(copy->ToJSON(), text);
  auto* assigned = this->Items()->CreateItem();
  assigned->Assign(held);
  EXPECT_EQ(assigned->ToJSON(), text);
  copy->Release();
  assigned->Release();

  held->Release();  // held by the collection: nothing happens
  EXPECT_EQ(this->Items()->FindById(4), held);
  EXPECT_EQ(held->ToJSON(), text);
}

TYPED_TEST(ItemProtocolTest, NullArgumentsChangeNothing) {
  auto* held = this->LoadSample();
  ASSERT_NE(held, nullptr);
  const std::u16string text = held->ToJSON();
  held->Assign(nullptr);
  EXPECT_EQ(held->ToJSON(), text);
  EXPECT_FALSE(held->References(nullptr));
}

TYPED_TEST(ItemProtocolTest, TextBuffersAreSharedPerClass) {
  auto* held = this->LoadSample();
  auto* other = this->Items()->CreateItem();
  const std::u16string heldText = held->ToJSON(), otherText = other->ToJSON();
  const char16_t* first = held->ToJSON();
  EXPECT_EQ(other->ToJSON(), first);  // the next call of the class overwrites the text
  EXPECT_EQ(first, otherText);
  EXPECT_EQ(held->ToJSON(), first);  // a longer text too
  EXPECT_EQ(held->GetJSON(0), heldText);

  if constexpr (item_detail::HasPositionForm<TypeParam>::value) {
    const char16_t* position = other->GetJSON(1);
    EXPECT_EQ(Narrow(position), R"({"id": -1,"position": 0})");  // "id" whatever its value
    EXPECT_EQ(held->GetJSON(1), position);
    held->ToJSON();
    EXPECT_EQ(Narrow(position), R"({"id": 4,"position": 7})");  // a buffer of its own
  } else {
    EXPECT_EQ(held->GetJSON(1), heldText);
  }
  other->Release();
}

TEST_F(ModelTest, NewItemsWriteTheirDefaultsEachClassInItsOwnBuffer) {
  velk_data::IHoliday* holiday = data.GetHolidays()->CreateItem();
  velk_data::IWorkplace* workplace = data.GetWorkplaces()->CreateItem();
  velk_data::ISurchargeType* type = data.GetSurchargeTypes()->CreateItem();
  const char16_t* holidayText = holiday->ToJSON();
  EXPECT_EQ(Narrow(workplace->ToJSON()),
            R"({"hidden": false,"name": "","position": 0,"short_name": ""})");
  EXPECT_EQ(Narrow(type->ToJSON()),
            R"({"date": null,"end_at": "00:00","hidden": false,"holiday_rule": 0,"name": "",)"
            R"("on_friday": true,"on_monday": true,"on_saturday": true,"on_sunday": true,)"
            R"("on_thursday": true,"on_tuesday": true,"on_wednesday": true,"position": 0,)"
            R"("start_at": "00:00"})");
  EXPECT_EQ(Narrow(holidayText), R"({"date": "<invalid>","name": "","time_of_day": 0})");
  holiday->Release();
  workplace->Release();
  type->Release();
}

TEST(ReadColorTest, PacksRedFirstAndFallsBackToTheDefault) {
  const JsonObject json = ParseObject(uR"({"color": "00FF80","empty": "","number": 255})");
  EXPECT_EQ(ReadColor(*json, u"color", 7), 0x80FF00);
  EXPECT_EQ(ReadColor(*json, u"empty", 7), 7);
  EXPECT_EQ(ReadColor(*json, u"number", 7), 7);
  EXPECT_EQ(ReadColor(*json, u"missing", 7), 7);
  EXPECT_EQ(Narrow(ColorText(0x80FF00).c_str()), "00FF80");
}

}  // namespace
