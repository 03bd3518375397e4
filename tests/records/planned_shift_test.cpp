// Fixed, modified and custom shifts: their JSON forms and references, the parts and hours of
// each kind on its day (a fixed shift's from its shift type's entry for the day index, 7 on a
// public holiday), the statistics' queries and the removal of what they refer to.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "data/type_codes.h"
#include "model_fixture.h"
#include "records/custom_shift.h"
#include "records/fixed_shift.h"
#include "records/modified_shift.h"

namespace {

// Shift type 3 works Monday (one part 06:00-14:00, 8 hours) and holidays (a night part
// 22:00-06:00, 7.5 hours), not Tuesday. 2026-03-02 is a Monday, 2026-03-03 a Tuesday and
// 2026-03-09 a Monday that is a holiday.
class PlannedShiftTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"employee":{"cu":[{"id":1}]},"workplace":{"cu":[{"id":5},{"id":6}]},
      "holiday":{"cu":[{"id":1,"date":"2026-03-09"}]},
      "shift_type":{"cu":[{"id":3,"monday_part_count":1,"monday_start_at_0":"06:00",
        "monday_end_at_0":"14:00","monday_actual_hours":8,"tuesday_actual_hours":6,
        "holiday_part_count":1,"holiday_start_at_0":"22:00","holiday_end_at_0":"06:00",
        "holiday_actual_hours":7.5},{"id":4}]},
      "fixed_shift":{"cu":[
        {"id":1,"employee_id":1,"shift_type_id":3,"workplace_id":5,"date":"2026-03-02"},
        {"id":2,"employee_id":1,"shift_type_id":3,"date":"2026-03-03"},
        {"id":3,"employee_id":1,"shift_type_id":3,"workplace_id":null,"date":"2026-03-09"}]},
      "modified_shift":{"cu":[
        {"id":1,"employee_id":1,"shift_type_id":3,"workplace_id":6,"date":"2026-03-02",
         "part_count":2,"start_at_0":"06:00","end_at_0":"10:00","start_at_1":"20:00",
         "end_at_1":"02:00","actual_hours":9.5},
        {"id":2,"employee_id":1,"shift_type_id":3,"date":"2026-03-03","actual_hours":9.5},
        {"id":3,"employee_id":1,"shift_type_id":4,"date":"2026-03-09","actual_hours":9.5}]},
      "custom_shift":{"cu":[
        {"id":1,"employee_id":1,"workplace_id":5,"date":"2026-03-03","name":"Visit",
         "short_name":"V","part_count":1,"start_at_0":"09:00","end_at_0":"11:30",
         "actual_hours":2.5,"no_surcharge":true}]}})");
    employee = static_cast<CEmployee*>(data.GetEmployees()->FindById(1));
    fixed = employee->Typed<CFixedShifts>(kFixedShift);
    modified = employee->Typed<CModifiedShifts>(kModifiedShift);
    custom = employee->Typed<CCustomShifts>(kCustomShift);
  }
  CFixedShift* Fixed(int32_t id) const { return fixed->FindId(id); }
  CModifiedShift* Modified(int32_t id) const { return modified->FindId(id); }

  CEmployee* employee = nullptr;
  CFixedShifts* fixed = nullptr;
  CModifiedShifts* modified = nullptr;
  CCustomShifts* custom = nullptr;
};

TEST_F(PlannedShiftTest, WritesEachKindWithNullForNoWorkplaceAndFoldsPartTimes) {
  EXPECT_EQ(Narrow(Fixed(2)->ToJSON()),
            R"({"date": "2026-03-03","employee_id": 1,"id": 2,"plan_type": 0,)"
            R"("shift_type_id": 3,"workplace_id": null})");
  CModifiedShift* shift = Modified(1);
  shift->SetEndAt(1, 1800);
  shift->SetStartAt(0, 1440 * 3 + 1);
  EXPECT_EQ(Narrow(shift->ToJSON()),
            R"({"actual_hours": 9.5,"date": "2026-03-02","employee_id": 1,"end_at_0": "10:00",)"
            R"("end_at_1": "06:00","id": 1,"part_count": 2,"plan_type": 0,"shift_type_id": 3,)"
            R"("start_at_0": "00:01","start_at_1": "20:00","workplace_id": 6})");
  EXPECT_EQ(shift->GetEndAt(1), 1800u);  // only the writer folds

  velk_data::ICustomShift* fresh = custom->CreateItem();
  EXPECT_EQ(Narrow(fresh->ToJSON()),
            R"({"actual_hours": 0,"bold_text": false,"color_bar": "0000FF","color_bk": "FFFFFF",)"
            R"("color_text": "000000","date": "<invalid>","employee_id": 1,"end_at_0": "00:00",)"
            R"("name": "","no_surcharge": false,"part_count": 1,"plan_type": 0,)"
            R"("short_name": "","start_at_0": "00:00","workplace_id": null})");
  fresh->Release();
}

TEST_F(PlannedShiftTest, PartCountOutsideOneToThreeIsIgnoredAndOnlyPartsInUseAreRead) {
  CModifiedShift* shift = Modified(1);
  shift->SetPartCount(0);
  shift->SetPartCount(4);
  EXPECT_EQ(shift->GetPartCount(), 2);
  EXPECT_EQ(shift->GetStartAt(3), 0u);
  shift->SetEndAt(7, 100);
  ASSERT_NE(Update(uR"({"modified_shift":{"cu":[{"id":1,"employee_id":1,"part_count":5,
      "start_at_1":"21:00","start_at_2":"23:00"}]}})"),
            nullptr)
      << Error();
  EXPECT_EQ(shift->GetPartCount(), 2);
  EXPECT_EQ(shift->GetStartAt(1), 1260u);
  EXPECT_EQ(shift->GetStartAt(2), 0u);
}

TEST_F(PlannedShiftTest, WorkplaceNullClearsAbsentKeepsAndZeroOrUnknownIdsFail) {
  ASSERT_NE(Update(uR"({"fixed_shift":{"cu":[{"id":1,"employee_id":1,"plan_type":0}]}})"), nullptr);
  EXPECT_EQ(Fixed(1)->GetWorkplace(), data.GetWorkplaces()->FindById(5));
  ASSERT_NE(Update(uR"({"fixed_shift":{"cu":[{"id":1,"employee_id":1,"workplace_id":null}]}})"),
            nullptr);
  EXPECT_EQ(Fixed(1)->GetWorkplace(), nullptr);

  struct Case {
    const char16_t* message;
    const char* error;
  };
  for (const Case& c : {
           Case{uR"({"fixed_shift":{"cu":[{"id":9,"employee_id":1,"workplace_id":0}]}})",
                "Unknown workplace id for fixed shift."},
           Case{uR"({"fixed_shift":{"cu":[{"id":9,"employee_id":1,"shift_type_id":8}]}})",
                "Unknown shift type id for fixed shift."},
           Case{uR"({"modified_shift":{"cu":[{"id":9,"employee_id":1,"workplace_id":8}]}})",
                "Unknown workplace id for modified shift."},
           Case{uR"({"modified_shift":{"cu":[{"id":9,"employee_id":1,"shift_type_id":8}]}})",
                "Unknown shift type id for modified shift."},
           Case{uR"({"custom_shift":{"cu":[{"id":9,"employee_id":1,"workplace_id":8}]}})",
                "Unknown workplace id for custom shift."},
       }) {
    EXPECT_EQ(Update(c.message), nullptr);
    EXPECT_EQ(data.GetErrorCode(), 3002);
    EXPECT_EQ(Narrow(data.GetErrorText()), c.error);
  }
  EXPECT_EQ(fixed->GetCount() + modified->GetCount() + custom->GetCount(), 7u);
  // An id of 0 or below keeps the shift type.
  ASSERT_NE(Update(uR"({"fixed_shift":{"cu":[{"id":1,"employee_id":1,"shift_type_id":0}]}})"),
            nullptr);
  EXPECT_EQ(Fixed(1)->GetShiftType(), data.GetShiftTypes()->FindById(3));
}

TEST_F(PlannedShiftTest, EachKindsPartsAndHoursOnItsDay) {
  ShiftParts monday = Fixed(1)->Parts();
  EXPECT_EQ(monday.count, 1u);
  EXPECT_EQ(monday.startAt[0], 360u);
  EXPECT_EQ(monday.endAt[0], 840u);
  EXPECT_EQ(monday.hours, 8.0);
  EXPECT_EQ(Fixed(2)->Parts().count, 0u);
  EXPECT_EQ(Fixed(2)->Parts().hours, 0.0);  // no part on Tuesday: its hours do not count
  ShiftParts holiday = Fixed(3)->Parts();   // a Monday, but a holiday
  EXPECT_EQ(holiday.startAt[0], 1320u);
  EXPECT_EQ(holiday.endAt[0], 360u);
  EXPECT_EQ(holiday.hours, 7.5);

  ShiftParts own = Modified(1)->Parts();
  EXPECT_EQ(own.count, 2u);
  EXPECT_EQ(own.startAt[1], 1200u);
  EXPECT_EQ(own.endAt[1], 120u);
  EXPECT_EQ(own.hours, 9.5);
  EXPECT_EQ(Modified(1)->GetHoursDifference(), 1.5);
  EXPECT_EQ(Modified(2)->GetHoursDifference(), 9.5);
  EXPECT_TRUE(Modified(1)->IsShiftTypeActive());
  EXPECT_FALSE(Modified(2)->IsShiftTypeActive());
  Modified(2)->SetShiftType(nullptr);
  EXPECT_EQ(Modified(2)->GetHoursDifference(), 9.5);
  EXPECT_FALSE(Modified(2)->IsShiftTypeActive());
  Modified(2)->SetDate(Fixed(3)->GetDate());
  Modified(2)->SetShiftType(data.GetShiftTypes()->FindById(3));
  EXPECT_EQ(Modified(2)->GetHoursDifference(), 2.0);  // the holiday entry counts

  velk_data::ICustomShift* visit = custom->GetAt(0);
  EXPECT_TRUE(visit->IsNoSurcharge());
  EXPECT_EQ(Narrow(visit->GetShortName()), "V");
  EXPECT_EQ(custom->FindId(1)->Parts().endAt[0], 690u);
  EXPECT_EQ(custom->FindId(1)->Parts().hours, 2.5);
}

TEST_F(PlannedShiftTest, StatisticsCountOnlyFixedShiftsOnDaysTheirTypeIsWorked) {
  EXPECT_EQ(fixed->CountInRange(0, 0, 0), 3u);
  EXPECT_EQ(fixed->SumPlannedHours(0, 0, 0), 15.5);
  std::vector<CFixedShift*> active;
  EXPECT_EQ(fixed->CollectActiveInRange(active, 0, 0, 0), 2u);
  EXPECT_EQ(active[1], Fixed(3));

  std::set<uint32_t> dates;
  fixed->CollectDates(dates, 0, 0, 0);
  EXPECT_EQ(dates.size(), 2u);
  modified->CollectDates(dates, 0, 0, 0);
  EXPECT_EQ(custom->CollectDates(dates, 0, 0, 0), 3u);

  std::map<velk_data::IShiftType*, uint32_t> counts;
  fixed->CountByShiftType(counts, 0, 0, 0);
  EXPECT_EQ(modified->CountByShiftType(counts, 0, 0, 1), 1u);
  modified->CountByShiftType(counts, 0, 0, 0);
  EXPECT_EQ(counts[data.GetShiftTypes()->FindById(3)], 4u);
  EXPECT_EQ(counts[data.GetShiftTypes()->FindById(4)], 1u);
}

TEST_F(PlannedShiftTest, EmploymentRestrictsTheQueriesToTheEmployedDays) {
  EXPECT_EQ(fixed->CountInEmployment(0, 0, 0), 0u);  // no employment periods: never employed
  ASSERT_NE(Update(uR"({"employment_period":{"cu":[
      {"id":1,"employee_id":1,"start":"2026-03-03","end":"2026-03-08"}]}})"),
            nullptr)
      << Error();
  std::vector<velk_data::IFixedShift*> out(3);
  ASSERT_EQ(fixed->GetInEmployment(out.data(), 0, 0, 0), 1u);
  EXPECT_EQ(out[0], Fixed(2));
  EXPECT_EQ(fixed->CountInEmployment(Fixed(1)->GetDate(), Fixed(2)->GetDate(), 0), 1u);
  EXPECT_EQ(fixed->CountInEmployment(Fixed(2)->GetDate() + 1, 0, 0), 0u);
  EXPECT_EQ(fixed->CountInEmployment(0, 0, 1), 0u);
  EXPECT_EQ(custom->CountInEmployment(0, Fixed(2)->GetDate(), 0), 1u);
  EXPECT_EQ(modified->CountInEmployment(0, 0, 0), 1u);
}

TEST_F(PlannedShiftTest, RemovingAShiftTypeOrAWorkplaceRemovesTheShiftsThatUseIt) {
  ASSERT_NE(Update(uR"({"workplace":{"d":[{"id":5}]}})"), nullptr) << Error();
  EXPECT_EQ(fixed->GetCount(), 2u);
  EXPECT_EQ(custom->GetCount(), 0u);
  EXPECT_EQ(modified->GetCount(), 3u);
  ASSERT_NE(Update(uR"({"shift_type":{"d":[{"id":3}]}})"), nullptr) << Error();
  EXPECT_EQ(fixed->GetCount(), 0u);
  ASSERT_EQ(modified->GetCount(), 1u);
  EXPECT_EQ(modified->GetAt(0)->GetId(), 3);
  ASSERT_NE(Update(uR"({"custom_shift":{"cu":[{"id":2,"employee_id":1,"workplace_id":6}]},
                        "workplace":{"d":[{"id":6}]}})"),
            nullptr)
      << Error();
  EXPECT_EQ(custom->GetCount(), 0u);
}

}  // namespace
