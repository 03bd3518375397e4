// Schedule items: one entry of an employee's day over whichever record it comes from.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datetime/date.h"
#include "model_fixture.h"

namespace {

uint32_t Day(int32_t month, int32_t day) {
  return velk_date_time::TDate::FromYMD(month, day, 2026).m_day;
}

class ScheduleItemTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({
      "shift_type": {"cu": [{"id": 1, "name": "Early", "short_name": "E",
        "friday_part_count": 1, "friday_actual_hours": 8,
        "holiday_part_count": 1, "holiday_actual_hours": 10}]},
      "leave_type": {"cu": [{"id": 1, "name": "Leave", "short_name": "L"}]},
      "holiday": {"cu": [{"id": 1, "date": "2026-04-03"}]},
      "employee": {"cu": [{"id": 1}]},
      "employment_period": {"cu": [{"employee_id": 1, "start": "2026-01-01"}]},
      "fixed_shift": {"cu": [{"employee_id": 1, "shift_type_id": 1, "date": "2026-04-03"},
                             {"employee_id": 1, "shift_type_id": 1, "date": "2026-04-10"}]},
      "custom_shift": {"cu": [{"employee_id": 1, "date": "2026-04-06", "name": "Visit",
                               "short_name": "V", "actual_hours": 1.5}]},
      "absence": {"cu": [{"employee_id": 1, "leave_type_id": 1, "date": "2026-04-07"}]}})");
    employee = data.GetEmployees()->FindById(1);
    items.resize(employee->CountScheduleItems(Day(4, 1), Day(4, 30), 0, 31));
    employee->GetScheduleItems(items.data(), Day(4, 1), Day(4, 30), 0, 31);
  }
  void TearDown() override {
    for (velk_data::IScheduleItem* item : items) item->Release();
  }
  velk_data::IEmployee* employee = nullptr;
  std::vector<velk_data::IScheduleItem*> items;
};

TEST_F(ScheduleItemTest, EachKindAnswersFromItsRecord) {
  // Fixed shifts first, then custom shifts, then absences.
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0]->GetKind(), 0u);
  EXPECT_DOUBLE_EQ(items[0]->GetHours(), 10.0);  // Good Friday: the holiday entry
  EXPECT_DOUBLE_EQ(items[1]->GetHours(), 8.0);
  EXPECT_EQ(std::u16string(items[1]->GetShortName()), u"E");
  EXPECT_EQ(items[1]->GetEmployee(), employee);

  velk_data::IScheduleItem* custom = items[2];
  EXPECT_TRUE(custom->IsCustomShift());
  EXPECT_EQ(custom->GetShiftType(), nullptr);
  EXPECT_EQ(std::u16string(custom->GetName()), u"Visit");
  EXPECT_DOUBLE_EQ(custom->GetHours(), 1.5);

  velk_data::IScheduleItem* absence = items[3];
  EXPECT_TRUE(absence->IsAbsence());
  EXPECT_EQ(absence->GetShiftType(), nullptr);
  EXPECT_EQ(absence->GetWorkplace(), nullptr);
  EXPECT_EQ(std::u16string(absence->GetName()), u"Leave");
  EXPECT_EQ(std::u16string(absence->GetShortName()), u"L");
  EXPECT_EQ(absence->GetDate(), Day(4, 7));

  // Only the kinds asked for.
  EXPECT_EQ(employee->CountScheduleItems(Day(4, 1), Day(4, 30), 0, 16), 1u);
  EXPECT_EQ(employee->CountScheduleItems(Day(4, 1), Day(4, 30), 0, 0), 0u);
}

TEST_F(ScheduleItemTest, CloneIsSeparate) {
  velk_data::IScheduleItem* clone = items[3]->Clone();
  EXPECT_EQ(clone->GetAbsence(), items[3]->GetAbsence());
  EXPECT_EQ(clone->GetDate(), items[3]->GetDate());
  clone->Release();
  EXPECT_TRUE(items[3]->IsAbsence());
  items[3]->Assign(items[0]);
  EXPECT_TRUE(items[3]->IsFixedShift());
  EXPECT_FALSE(items[3]->IsAbsence());
}

}  // namespace
