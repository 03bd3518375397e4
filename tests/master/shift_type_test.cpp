#include <string>

#include "datetime/date.h"
#include "model_fixture.h"

namespace {

// 1 January 2024, a Monday; the holiday tests make it New Year's Day.
const uint32_t kMonday = velk_date_time::TDate::FromYMD(1, 1, 2024).m_day;

bool Has(const std::string& json, const char* member) {
  return json.find(member) != std::string::npos;
}

class ShiftTypeTest : public ModelTest {
 protected:
  velk_data::IShiftType* Find(int32_t id) { return data.GetShiftTypes()->FindById(id); }
};

TEST_F(ShiftTypeTest, NewTypeWorksNoDayAndWritesItsDefaults) {
  velk_data::IShiftType* type = data.GetShiftTypes()->CreateItem();
  type->SetStartAt(2, 0, 1440);
  for (uint32_t date = kMonday; date < kMonday + 7; ++date)
    EXPECT_FALSE(type->IsActiveOnDate(date));
  const std::string json = Narrow(type->ToJSON());
  EXPECT_FALSE(Has(json, "\"id\""));
  EXPECT_TRUE(Has(json, "\"color_text\": \"000000\""));
  EXPECT_TRUE(Has(json, "\"color_bk\": \"FFFFFF\""));
  EXPECT_TRUE(Has(json, "\"color_bar\": \"0000FF\""));
  EXPECT_TRUE(Has(json, "\"holiday_part_count\": 0"));
  EXPECT_TRUE(Has(json, "\"holiday_end_at_2\": \"00:00\""));      // every part, whatever the count
  EXPECT_TRUE(Has(json, "\"wednesday_start_at_0\": \"00:00\""));  // 1440, within one day
  type->Release();
}

TEST_F(ShiftTypeTest, PublicHolidayUsesTheHolidayEntry) {
  Load(
      u"{\"holiday\":{\"cu\":[{\"id\":1,\"date\":\"2024-01-01\",\"name\":\"New Year\"}]},"
      u"\"shift_type\":{\"cu\":[{\"id\":1,\"monday_part_count\":1,\"holiday_part_count\":0},"
      u"{\"id\":2,\"monday_part_count\":0,\"holiday_part_count\":2}]}}");
  EXPECT_FALSE(Find(1)->IsActiveOnDate(kMonday));
  EXPECT_TRUE(Find(1)->IsActiveOnDate(kMonday + 7));
  EXPECT_TRUE(Find(2)->IsActiveOnDate(kMonday));
  EXPECT_FALSE(Find(2)->IsActiveOnDate(kMonday + 7));
}

TEST_F(ShiftTypeTest, DayTableKeepsTimesAsGivenAndRejectsBadCounts) {
  Load(
      u"{\"shift_type\":{\"cu\":[{\"id\":1,\"tuesday_part_count\":2,"
      u"\"tuesday_start_at_1\":\"22:00\",\"tuesday_end_at_1\":\"06:00\","
      u"\"tuesday_actual_hours\":7.5}]}}");
  velk_data::IShiftType* type = Find(1);
  EXPECT_EQ(type->GetStartAt(1, 1), 1320u);  // across midnight, not reordered
  EXPECT_EQ(type->GetEndAt(1, 1), 360u);
  EXPECT_EQ(type->GetActualHours(1), 7.5);

  ASSERT_NE(Update(u"{\"shift_type\":{\"cu\":[{\"id\":1,\"tuesday_part_count\":5}]}}"), nullptr)
      << Error();
  EXPECT_EQ(type->GetPartCount(1), 2u);
  type->SetPartCount(1, 4);
  EXPECT_EQ(type->GetPartCount(1), 2u);

  // Indexes outside the table read as 0 and store nothing.
  type->SetPartCount(8, 1);
  type->SetStartAt(1, 3, 600);
  EXPECT_FALSE(type->IsActiveOnDay(8));
  EXPECT_EQ(type->GetStartAt(1, 3), 0u);
  EXPECT_EQ(type->GetEndAt(-1, 0), 0u);
}

TEST_F(ShiftTypeTest, AssignCopiesEveryField) {
  Load(
      u"{\"shift_type\":{\"cu\":[{\"id\":7,\"position\":2,\"name\":\"Late\","
      u"\"short_name\":\"L\",\"color_text\":\"00FF80\",\"color_bar\":\"112233\","
      u"\"color_bk\":\"A0B0C0\",\"bold_text\":true,\"friday_part_count\":3,"
      u"\"friday_start_at_2\":\"13:15\",\"friday_end_at_2\":\"21:45\","
      u"\"holiday_actual_hours\":7.5,\"no_surcharge\":true,\"category\":3,"
      u"\"hidden\":true}]}}");
  velk_data::IShiftType* type = Find(7);
  EXPECT_EQ(type->GetTextColor(), 0x80FF00u);
  EXPECT_EQ(type->GetEndAt(4, 2), 1305u);
  const std::string original = Narrow(type->ToJSON());
  EXPECT_TRUE(Has(original, "\"holiday_actual_hours\": 7.5"));

  velk_data::IShiftType* copy = data.GetShiftTypes()->CreateItem();
  copy->Assign(type);
  EXPECT_EQ(Narrow(copy->ToJSON()), original);
  copy->Release();
  EXPECT_EQ(Narrow(type->GetJSON(1)), "{\"id\": 7,\"position\": 2}");
}

TEST_F(ShiftTypeTest, DeletionTakesTheTypeOutOfTheCollection) {
  Load(u"{\"shift_type\":{\"cu\":[{\"id\":3},{\"id\":9},{\"id\":5}]}}");
  ASSERT_NE(Update(u"{\"shift_type\":{\"d\":[{\"id\":9}]}}"), nullptr) << Error();
  ASSERT_EQ(data.GetShiftTypes()->GetCount(), 2u);
  EXPECT_EQ(data.GetShiftTypes()->GetAt(1)->GetId(), 5);
  EXPECT_EQ(Find(9), nullptr);
}

}  // namespace
