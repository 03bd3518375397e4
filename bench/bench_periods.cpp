// The employee queries every statistic and staffing count stands on, per query: the employed
// ranges of a month, whether an employee is employed in a month, and the target hours of a
// month through the individual working times and their models. Each iteration is one query,
// for the next (employee, month of 2025) of a generated organisation (10,000 employees by
// default, VELK_BENCH_EMPLOYEES sets it), so the time per iteration is the time per query.
// Run with GLIBC_TUNABLES=glibc.malloc.hugetlb=1 (make bench sets it).

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "data/data.h"
#include "datetime/date.h"
#include "records/date_period.h"
#include "records/employment_period.h"
#include "tools/gen/planning_gen.h"

namespace {

uint32_t Employees() {
  const char* text = std::getenv("VELK_BENCH_EMPLOYEES");
  return text ? static_cast<uint32_t>(std::atoi(text)) : 10000;
}

struct Organisation {
  Organisation() {
    const std::u16string text =
        velk_gen::GeneratePlanningMessage(1, Employees(), nullptr, velk_gen::Content::kPeriods);
    loaded = data.Load(text.c_str(), false, nullptr, nullptr);
    for (uint32_t i = 0; i < data.GetEmployees()->GetCount(); ++i)
      employees.push_back(data.GetEmployees()->GetAt(i));
    for (int32_t month = 1; month <= 12; ++month) {
      const uint32_t first = velk_date_time::TDate::FromYMD(month, 1, 2025).m_day;
      months.push_back({first, first + velk_date_time::TDate(first).DaysInMonth() - 1});
    }
  }
  CData data;
  bool loaded = false;
  std::vector<velk_data::IEmployee*> employees;
  std::vector<std::pair<uint32_t, uint32_t>> months;
};

const Organisation& TheOrganisation() {
  static const Organisation organisation;
  return organisation;
}

// Runs query(employee, first, last) once per iteration over every employee and month in turn.
template <class Query>
void PerQuery(benchmark::State& state, Query query) {
  const Organisation& org = TheOrganisation();
  if (!org.loaded || org.employees.empty()) {
    state.SkipWithError("the generated organisation did not load");
    return;
  }
  size_t employee = 0, month = 0;
  for (auto _ : state) {
    const auto& [first, last] = org.months[month];
    benchmark::DoNotOptimize(query(org.employees[employee], first, last));
    if (++month == org.months.size()) {
      month = 0;
      if (++employee == org.employees.size()) employee = 0;
    }
  }
  state.counters["employees"] = static_cast<double>(org.employees.size());
}

void BM_EmploymentIntervals(benchmark::State& state) {
  PerQuery(state, [](velk_data::IEmployee* employee, uint32_t first, uint32_t last) {
    uint32_t starts[8], ends[8];
    return employee->GetEmploymentPeriods()->GetEmploymentIntervals(starts, ends, first, last);
  });
}

// The engine as the other record queries call it, into a set of the caller's.
void BM_CollectEmploymentIntervals(benchmark::State& state) {
  PerQuery(state, [](velk_data::IEmployee* employee, uint32_t first, uint32_t last) {
    DatePeriods set;
    return CollectEmploymentOf(static_cast<CEmployee*>(employee), set, first, last);
  });
}

void BM_IsEmployedIn(benchmark::State& state) {
  PerQuery(state, [](velk_data::IEmployee* employee, uint32_t first, uint32_t last) {
    return employee->IsEmployedIn(first, last, true);
  });
}

void BM_MembershipIntervals(benchmark::State& state) {
  velk_data::IGroup* root = TheOrganisation().data.GetGroups()->GetRootGroup();
  PerQuery(state, [root](velk_data::IEmployee* employee, uint32_t first, uint32_t last) {
    return employee->GetMemberships()->CountMembershipIntervals(root, first, last, true);
  });
}

void BM_TargetHours(benchmark::State& state) {
  PerQuery(state, [](velk_data::IEmployee* employee, uint32_t first, uint32_t last) {
    return employee->GetTargetHours(first, last);
  });
}

BENCHMARK(BM_EmploymentIntervals);
BENCHMARK(BM_CollectEmploymentIntervals);
BENCHMARK(BM_IsEmployedIn);
BENCHMARK(BM_MembershipIntervals);
BENCHMARK(BM_TargetHours);

}  // namespace

BENCHMARK_MAIN();
