// Employment periods merge into employment intervals, which queries clip to their range.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model_fixture.h"
#include "test_dates.h"

namespace {

using Ranges = std::vector<std::pair<uint32_t, uint32_t>>;

class EmploymentIntervalsTest : public ModelTest {
 protected:
  velk_data::IEmploymentPeriods* Periods() {
    return data.GetEmployees()->FindById(1)->GetEmploymentPeriods();
  }
  Ranges Intervals(uint32_t start, uint32_t end) {
    uint32_t starts[8], ends[8];
    const uint32_t n = Periods()->GetEmploymentIntervals(starts, ends, start, end);
    EXPECT_EQ(Periods()->CountEmploymentIntervals(start, end), n);
    Ranges out;
    for (uint32_t i = 0; i < n; ++i) out.emplace_back(starts[i], ends[i]);
    return out;
  }
};

TEST_F(EmploymentIntervalsTest, WithoutPeriodsNothingIsEmployed) {
  Load(uR"({"employee": {"cu": [{"id": 1}]}})");
  EXPECT_EQ(Periods()->CountEmploymentIntervals(0, 0), 0u);
  EXPECT_FALSE(Periods()->FindEmploymentInterval(nullptr, nullptr, Day(2026, 3, 1)));
  EXPECT_EQ(Periods()->GetFirstStart(), Day(9999, 12, 31));
  EXPECT_EQ(Periods()->GetLastEnd(), Day(1601, 1, 1));
}

TEST_F(EmploymentIntervalsTest, TouchingPeriodsJoinAndAQueryClipsThem) {
  Load(
      uR"({"employee": {"cu": [{"id": 1}]}, "employment_period": {"cu": [
      {"id": 1, "employee_id": 1, "start": "2026-03-11", "end": "2026-03-20"},
      {"id": 2, "employee_id": 1, "start": "2026-03-01", "end": "2026-03-10"},
      {"id": 3, "employee_id": 1, "start": "2026-04-01", "end": null}]}})");
  EXPECT_EQ(Intervals(0, 0), (Ranges{{Day(2026, 3, 1), Day(2026, 3, 20)}, {Day(2026, 4, 1), 0}}));
  EXPECT_EQ(Intervals(Day(2026, 3, 15), Day(2026, 4, 15)),
            (Ranges{{Day(2026, 3, 15), Day(2026, 3, 20)}, {Day(2026, 4, 1), Day(2026, 4, 15)}}));
  EXPECT_EQ(Intervals(Day(2026, 3, 21), Day(2026, 3, 31)), Ranges{});
  EXPECT_EQ(Intervals(Day(2026, 5, 1), 0), (Ranges{{Day(2026, 5, 1), 0}}));

  uint32_t start = 7, end = 7;
  EXPECT_TRUE(Periods()->FindEmploymentInterval(&start, &end, Day(2026, 3, 12)));
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(Day(2026, 3, 1), Day(2026, 3, 20)));
  EXPECT_TRUE(Periods()->FindEmploymentInterval(&start, &end, Day(2030, 1, 1)));
  EXPECT_EQ(std::make_pair(start, end), std::make_pair(Day(2026, 4, 1), 0u));
  EXPECT_FALSE(Periods()->FindEmploymentInterval(&start, &end, Day(2026, 3, 25)));
  EXPECT_EQ(Periods()->GetLastEnd(), 0u);
  EXPECT_EQ(Periods()->CountInRange(Day(2026, 3, 10), Day(2026, 3, 31)), 2u);
}

}  // namespace
