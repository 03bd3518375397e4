#include <stdexcept>
#include <string>

#include "datetime/date.h"
#include "model_fixture.h"

namespace {

// 1 January 2024, a Monday; the holiday test makes it New Year's Day.
const uint32_t kMonday = velk_date_time::TDate::FromYMD(1, 1, 2024).m_day;

class LeaveTypeTest : public ModelTest {
 protected:
  velk_data::ILeaveType* Find(int32_t id) { return data.GetLeaveTypes()->FindById(id); }
  // The valid day flags as the eight characters of "valid_days".
  static std::string ValidDays(const velk_data::ILeaveType* type) {
    std::string days;
    for (uint32_t day = 0; day < 8; ++day) days += type->IsValidDay(day) ? '1' : '0';
    return days;
  }
  void SetValidDays(const char16_t* value) {
    ASSERT_NE(Update((u"{\"leave_type\":{\"cu\":[{\"id\":1,\"valid_days\":" +
                      std::u16string(value) + u"}]}}")
                         .c_str()),
              nullptr)
        << Error();
  }
};

TEST_F(LeaveTypeTest, NewTypeIsValidOnEightDaysAndCountsAll) {
  velk_data::ILeaveType* type = data.GetLeaveTypes()->CreateItem();
  EXPECT_EQ(ValidDays(type), "11111111");
  EXPECT_TRUE(type->IsCountAll());
  EXPECT_EQ(type->GetDefaultEntitlementInDays(), 30.0);
  const std::string json = Narrow(type->ToJSON());
  EXPECT_NE(json.find("\"valid_days\": \"11111111\""), std::string::npos);
  EXPECT_NE(json.find("\"color_bar\": \"0000FF\""), std::string::npos);
  EXPECT_THROW(type->IsValidDay(8), std::out_of_range);
  EXPECT_THROW(type->SetValidDay(8, false), std::out_of_range);
  type->Release();
}

TEST_F(LeaveTypeTest, ValidDaysAppliesOnlyTheCharactersGiven) {
  Load(u"{\"leave_type\":{\"cu\":[{\"id\":1,\"valid_days\":\"00000000\"}]}}");
  velk_data::ILeaveType* type = Find(1);
  SetValidDays(u"\"1111100\"");  // seven characters: the holiday flag stays
  EXPECT_EQ(ValidDays(type), "11111000");
  SetValidDays(u"\"0x\"");  // any character but 0 makes the day valid
  EXPECT_EQ(ValidDays(type), "01111000");
  SetValidDays(u"\"0000000111\"");  // characters after the eighth are ignored
  EXPECT_EQ(ValidDays(type), "00000001");
  SetValidDays(u"11111111");  // a number is not a day table
  EXPECT_EQ(ValidDays(type), "00000001");
  SetValidDays(u"\"\"");
  EXPECT_EQ(ValidDays(type), "00000001");
}

TEST_F(LeaveTypeTest, PublicHolidayFollowsTheHolidayFlag) {
  Load(
      u"{\"holiday\":{\"cu\":[{\"id\":1,\"date\":\"2024-01-01\",\"name\":\"New Year\"}]},"
      u"\"leave_type\":{\"cu\":[{\"id\":1,\"valid_days\":\"11111100\"},"
      u"{\"id\":2,\"valid_days\":\"00000001\"}]}}");
  EXPECT_FALSE(Find(1)->IsValidOnDate(kMonday));
  EXPECT_TRUE(Find(1)->IsValidOnDate(kMonday + 7));
  EXPECT_FALSE(Find(1)->IsValidOnDate(kMonday + 6));  // Sunday
  EXPECT_TRUE(Find(2)->IsValidOnDate(kMonday));
  EXPECT_FALSE(Find(2)->IsValidOnDate(kMonday + 7));
}

TEST_F(LeaveTypeTest, AssignCopiesEveryField) {
  Load(
      u"{\"leave_type\":{\"cu\":[{\"id\":4,\"position\":1,\"name\":\"Sick\","
      u"\"short_name\":\"S\",\"color_text\":\"FF0000\",\"color_bar\":\"00FF00\","
      u"\"color_bk\":\"0000FF\",\"bold_text\":true,\"charge_type\":2,"
      u"\"charge_hours\":7.5,\"entitled\":true,\"default_entitlement_in_days\":24.5,"
      u"\"entitlement_carry_over\":true,\"count_all\":false,\"no_absence\":true,"
      u"\"deduct_overtime_hours\":true,\"category\":6,\"hidden\":true,"
      u"\"valid_days\":\"10101010\"}]}}");
  velk_data::ILeaveType* type = Find(4);
  EXPECT_EQ(ValidDays(type), "10101010");
  EXPECT_EQ(type->GetDefaultEntitlementInDays(), 24.5);
  const std::string original = Narrow(type->ToJSON());

  velk_data::ILeaveType* copy = data.GetLeaveTypes()->CreateItem();
  copy->Assign(type);
  EXPECT_EQ(Narrow(copy->ToJSON()), original);
  copy->Release();
  EXPECT_EQ(Narrow(type->GetJSON(1)), "{\"id\": 4,\"position\": 1}");
}

}  // namespace
