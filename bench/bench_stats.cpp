// The planner's views over a generated organisation with a year (2025) of every record type
// (10,000 employees by default, VELK_BENCH_EMPLOYEES sets it):
// - StatisticsTableCold: per employee and month the actual hours, target hours, absence days
//   of every leave type and the overtime balance, with the caches emptied before (one
//   iteration is the whole table); StatisticsTableCached asks the same again.
// - StaffingMonthCold: for the group with about 200 members, the month's planned counts of
//   every shift type, absent counts of every leave type and available counts per day.
// - SurchargeMonth: the surcharge minutes of every surcharge type for every employee over a
//   month (January).
// Run with GLIBC_TUNABLES=glibc.malloc.hugetlb=1 (make bench sets it).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "data/data.h"
#include "datetime/date.h"
#include "tools/gen/planning_gen.h"

namespace {

uint32_t Employees() {
  const char* text = std::getenv("VELK_BENCH_EMPLOYEES");
  return text ? static_cast<uint32_t>(std::atoi(text)) : 10000;
}

template <class Items, class Item>
std::vector<Item*> All(Items* items) {
  std::vector<Item*> all(items->GetCount());
  if (!all.empty()) items->GetAll(all.data());
  return all;
}

struct Organisation {
  Organisation() {
    data.SetMetaDataCallback([](void*, const char16_t*, const char16_t*) { return true; }, nullptr);
    data.SetLoadedCallback([](void*) {}, nullptr);
    const std::u16string text = velk_gen::GeneratePlanningMessage(1, Employees(), nullptr);
    loaded = data.Load(text.c_str(), false, nullptr, nullptr);
    employees = All<velk_data::IEmployees, velk_data::IEmployee>(data.GetEmployees());
    leaveTypes = All<velk_data::ILeaveTypes, velk_data::ILeaveType>(data.GetLeaveTypes());
    surchargeTypes =
        All<velk_data::ISurchargeTypes, velk_data::ISurchargeType>(data.GetSurchargeTypes());
    for (int32_t month = 1; month <= 12; ++month) {
      const uint32_t first = velk_date_time::TDate::FromYMD(month, 1, 2025).m_day;
      months.push_back({first, first + velk_date_time::TDate(first).DaysInMonth() - 1});
    }
    // The group whose subtree holds the number of members closest to 200.
    uint32_t best = 0;
    for (velk_data::IGroup* group : All<velk_data::IGroups, velk_data::IGroup>(data.GetGroups())) {
      const uint32_t members = group->CountAllEmployees();
      const auto distance = [](uint32_t n) { return n > 200 ? n - 200 : 200 - n; };
      if (!staffingGroup || distance(members) < distance(best)) {
        staffingGroup = group;
        best = members;
      }
    }
    groupMembers = best;
  }
  // Empties every cache, as each message does.
  void ClearCaches() { data.Update(u"{\"debug_info\": {}}", true, nullptr, nullptr)->Release(); }

  CData data;
  bool loaded = false;
  std::vector<velk_data::IEmployee*> employees;
  std::vector<velk_data::ILeaveType*> leaveTypes;
  std::vector<velk_data::ISurchargeType*> surchargeTypes;
  std::vector<std::pair<uint32_t, uint32_t>> months;
  velk_data::IGroup* staffingGroup = nullptr;
  uint32_t groupMembers = 0;
};

Organisation& TheOrganisation() {
  static Organisation organisation;
  return organisation;
}

double Table(Organisation& org) {
  double sum = 0;
  for (velk_data::IEmployee* employee : org.employees) {
    for (const auto& [first, last] : org.months) {
      sum += employee->GetActualHours(first, last, 0, nullptr, nullptr);
      sum += employee->GetTargetHours(first, last);
      for (velk_data::ILeaveType* type : org.leaveTypes)
        sum += employee->GetAbsenceDays(type, first, last, 0);
      sum += employee->GetOvertimeBalance(first, last, 0);
    }
  }
  return sum;
}

bool Ready(benchmark::State& state, const Organisation& org) {
  if (org.loaded && !org.employees.empty()) return true;
  state.SkipWithError("the generated organisation did not load");
  return false;
}

void BM_StatisticsTableCold(benchmark::State& state) {
  Organisation& org = TheOrganisation();
  if (!Ready(state, org)) return;
  for (auto _ : state) {
    state.PauseTiming();
    org.ClearCaches();
    state.ResumeTiming();
    benchmark::DoNotOptimize(Table(org));
  }
  state.counters["employees"] = static_cast<double>(org.employees.size());
}

void BM_StatisticsTableCached(benchmark::State& state) {
  Organisation& org = TheOrganisation();
  if (!Ready(state, org)) return;
  Table(org);
  for (auto _ : state) benchmark::DoNotOptimize(Table(org));
}

void BM_StaffingMonthCold(benchmark::State& state) {
  Organisation& org = TheOrganisation();
  if (!Ready(state, org) || !org.staffingGroup) return;
  const auto [first, last] = org.months[0];
  std::vector<int32_t> available(last - first + 1);
  for (auto _ : state) {
    state.PauseTiming();
    org.ClearCaches();
    state.ResumeTiming();
    org.staffingGroup->FillPlannedCounts(first, last, 0);
    org.staffingGroup->FillAbsentCounts(first, last, 0);
    org.staffingGroup->FillAvailableCounts(available.data(), first, last, 0, nullptr, 0, nullptr,
                                           0);
    benchmark::DoNotOptimize(available.data());
  }
  state.counters["members"] = org.groupMembers;
}

void BM_SurchargeMonth(benchmark::State& state) {
  Organisation& org = TheOrganisation();
  if (!Ready(state, org) || org.surchargeTypes.empty()) return;
  const auto [first, last] = org.months[0];
  for (auto _ : state) {
    state.PauseTiming();
    org.ClearCaches();
    state.ResumeTiming();
    uint32_t minutes = 0;
    for (velk_data::IEmployee* employee : org.employees)
      for (velk_data::ISurchargeType* type : org.surchargeTypes)
        minutes += employee->GetSurchargeMinutes(type, first, last, 0, false);
    benchmark::DoNotOptimize(minutes);
  }
}

BENCHMARK(BM_StatisticsTableCold)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StatisticsTableCached)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_StaffingMonthCold)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SurchargeMonth)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
