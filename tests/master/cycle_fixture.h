// A small rota shared by the shift cycle tests: two shift types (1 works every day including
// public holidays, 2 only Monday to Friday), a weekly cycle of two weeks with an element on the
// Monday of each week, a daily cycle of three days, and assignments starting on Wednesday
// 7 January 2026.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "datetime/date.h"
#include "model_fixture.h"

class CycleTest : public ModelTest {
 protected:
  static constexpr uint32_t kWednesday = 2461048;  // 2026-01-07

  static std::u16string ShiftType(int id, int weekdays, int weekends, int holidays) {
    static const char* const kDays[] = {"monday", "tuesday",  "wednesday", "thursday",
                                        "friday", "saturday", "sunday",    "holiday"};
    std::string json = "{\"id\": " + std::to_string(id);
    for (int day = 0; day < 8; ++day)
      json += std::string(",\"") + kDays[day] + "_part_count\": " +
              std::to_string(day < 5   ? weekdays
                             : day < 7 ? weekends
                                       : holidays) +
              ",\"" + kDays[day] + "_actual_hours\": " + std::to_string(day + 1);
    return std::u16string(json.begin(), json.end()) + u"}";
  }

  void LoadRota(const char16_t* more = u"") {
    const std::u16string types = ShiftType(1, 1, 1, 1) + u"," + ShiftType(2, 1, 0, 0);
    Load((uR"({"shift_type": {"cu": [)" + types + uR"(]},
      "workplace": {"cu": [{"id": 1}]},
      "employee": {"cu": [{"id": 1}, {"id": 2}]},
      "holiday": {"cu": [{"id": 1, "date": "2026-01-14"}, {"id": 2, "date": "2026-01-15"}]},
      "shift_cycle": {"cu": [{"id": 1, "length": 2, "unit": 1}, {"id": 2, "length": 3, "unit": 0}]},
      "shift_cycle_element": {"cu": [
        {"id": 1, "shift_cycle_id": 1, "position": 0, "shift_type_id": 1, "workplace_id": 1},
        {"id": 2, "shift_cycle_id": 1, "position": 7, "shift_type_id": 1, "workplace_id": null},
        {"id": 10, "shift_cycle_id": 2, "position": 0, "shift_type_id": 1},
        {"id": 11, "shift_cycle_id": 2, "position": 1, "shift_type_id": 2},
        {"id": 12, "shift_cycle_id": 2, "position": 2, "shift_type_id": 1}]},
      "shift_cycle_assignment": {"cu": [
        {"id": 1, "employee_id": 1, "shift_cycle_id": 1, "start": "2026-01-07",
         "end": "2026-02-06", "start_offset": 0},
        {"id": 2, "employee_id": 2, "shift_cycle_id": 1, "start": "2026-01-07",
         "end": "2026-02-06", "start_offset": 1},
        {"id": 3, "employee_id": 1, "shift_cycle_id": 2, "start": "2026-01-07",
         "end": "2026-01-18", "start_offset": 2}]})" +
          std::u16string(more) + u"}")
             .c_str());
  }

  velk_data::IShiftCycleAssignment* Assignment(int32_t employee, int32_t id) {
    return data.GetEmployees()->FindById(employee)->GetShiftCycleAssignments()->FindById(id);
  }

  // (days after kWednesday, element id) of each cycle shift.
  using Shifts = std::vector<std::pair<int, int>>;
  static Shifts ShiftsOf(const velk_data::IShiftCycleAssignment* assignment, uint32_t from,
                         uint32_t to, int32_t planType = 0, bool ignoreExceptions = false) {
    const uint32_t n = assignment->CountShifts(from, to, planType, ignoreExceptions);
    std::vector<uint32_t> dates(n);
    std::vector<velk_data::IShiftCycleElement*> elements(n);
    EXPECT_EQ(
        assignment->GetShifts(dates.data(), elements.data(), from, to, planType, ignoreExceptions),
        n);
    Shifts shifts;
    for (uint32_t i = 0; i < n; ++i)
      shifts.emplace_back(static_cast<int>(dates[i] - kWednesday), elements[i]->GetId());
    return shifts;
  }
};
