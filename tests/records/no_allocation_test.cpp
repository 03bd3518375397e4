// The interval queries run per employee and per request, thousands of times for one view: with
// a handful of periods they must not touch the heap. This binary counts every allocation.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "master/employee.h"
#include "model_fixture.h"
#include "test_dates.h"

namespace {
size_t g_allocations = 0;
}  // namespace

void* operator new(size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

TEST_F(ModelTest, IntervalQueriesWithAFewPeriodsAllocateNothing) {
  Load(
      uR"({"working_time_model": {"cu": [{"id": 1}]},
    "holiday": {"cu": [{"id": 1, "date": "2026-03-04"}]},
    "group": {"cu": [{"id": 1}, {"id": 2, "parent_group_id": 1}]},
    "employee": {"cu": [{"id": 1}]},
    "employment_period": {"cu": [
      {"id": 1, "employee_id": 1, "start": "2025-01-01", "end": "2025-06-30"},
      {"id": 2, "employee_id": 1, "start": "2025-07-01", "end": "2025-12-31"},
      {"id": 3, "employee_id": 1, "start": "2026-02-01", "end": null}]},
    "membership": {"cu": [
      {"id": 1, "employee_id": 1, "group_id": 2, "start": "2025-01-01", "end": "2026-03-10"},
      {"id": 2, "employee_id": 1, "group_id": 2, "start": "2026-03-20"}]},
    "individual_working_time": {"cu": [
      {"id": 1, "employee_id": 1, "working_time_model_id": 1, "date": null}]}})");
  velk_data::IEmployee* employee = data.GetEmployees()->FindById(1);
  velk_data::IGroup* group = data.GetGroups()->FindById(2);
  velk_data::IEmploymentPeriods* periods = employee->GetEmploymentPeriods();
  velk_data::IMemberships* memberships = employee->GetMemberships();
  employee->GetIndividualWorkingTimes();  // every collection made before counting
  const uint32_t from = Day(2025, 3, 1), to = Day(2026, 3, 31);

  const size_t before = g_allocations;
  uint32_t starts[4], ends[4];
  EXPECT_EQ(periods->GetEmploymentIntervals(starts, ends, from, to), 2u);
  EXPECT_TRUE(periods->FindEmploymentInterval(nullptr, nullptr, Day(2026, 3, 2)));
  EXPECT_TRUE(employee->IsEmployedOn(Day(2026, 3, 2)));
  EXPECT_FALSE(employee->IsEmployedIn(from, to, true));
  EXPECT_EQ(memberships->GetMembershipIntervals(starts, ends, group, from, to, true), 3u);
  EXPECT_EQ(memberships->CountInRange(from, to, true), 2u);
  // The target hours of the models; GetTargetHours adds a cache entry.
  EXPECT_EQ(static_cast<CEmployee*>(employee)->ModelTargetHours(Day(2026, 3, 2), Day(2026, 3, 8)),
            32.0);
  EXPECT_EQ(g_allocations, before);
}

}  // namespace
