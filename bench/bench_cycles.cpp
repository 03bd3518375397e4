// Cycle shifts are expanded on every question, never stored: GetShifts of every assignment of a
// generated organisation (10,000 employees by default, VELK_BENCH_EMPLOYEES sets it) for each
// month of 2025, in ns per generated shift; and the same over ranges of a week, a month and a
// year, in ns per day of the range and assignment, which stays flat when the cost is
// proportional to the days asked for.

#include <cstdlib>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "data/data.h"
#include "datetime/date.h"
#include "json/text_convert.h"
#include "tools/gen/cycles_gen.h"
#include "tools/gen/planning_gen.h"

namespace {

using velk_date_time::TDate;

uint32_t Employees() {
  const char* text = std::getenv("VELK_BENCH_EMPLOYEES");
  return text ? static_cast<uint32_t>(std::atoi(text)) : 10000;
}

// The organisation's master data with its cycles, loaded once; every assignment in a list.
struct Model {
  Model() {
    std::u16string message =
        velk_gen::GeneratePlanningMessage(1, Employees(), nullptr, velk_gen::Content::kMasterData);
    velk_gen::AppendShiftCycles(message, 1, {Employees(), 24, 16});
    loaded = data.Load(message.c_str(), true, nullptr, nullptr);
    velk_data::IEmployees* employees = data.GetEmployees();
    for (uint32_t i = 0; i < employees->GetCount(); ++i) {
      velk_data::IShiftCycleAssignments* own = employees->GetAt(i)->GetShiftCycleAssignments();
      for (uint32_t j = 0; j < own->GetCount(); ++j) assignments.push_back(own->GetAt(j));
    }
  }
  CData data;
  bool loaded = false;
  std::vector<velk_data::IShiftCycleAssignment*> assignments;
};

const Model& TheModel(benchmark::State& state) {
  static const Model model;
  if (!model.loaded) state.SkipWithError(velk_json::ToNarrow(model.data.GetErrorText(), 0).c_str());
  return model;
}

// GetShifts of every assignment over [from, to]; returns the number of shifts.
uint64_t ExpandAll(const Model& model, uint32_t from, uint32_t to, std::vector<uint32_t>& dates,
                   std::vector<velk_data::IShiftCycleElement*>& elements) {
  uint64_t shifts = 0;
  for (velk_data::IShiftCycleAssignment* assignment : model.assignments)
    shifts += assignment->GetShifts(dates.data(), elements.data(), from, to, 0, false);
  benchmark::DoNotOptimize(elements.data());
  return shifts;
}

void BM_CycleShiftsEachMonth(benchmark::State& state) {
  const Model& model = TheModel(state);
  std::vector<uint32_t> dates(31);
  std::vector<velk_data::IShiftCycleElement*> elements(31);
  uint64_t shifts = 0;
  for (auto _ : state) {
    for (int32_t month = 1; month <= 12; ++month) {
      const uint32_t from = TDate::FromYMD(month, 1, 2025).m_day;
      const uint32_t to = (month == 12 ? TDate::FromYMD(1, 1, 2026).m_day
                                       : TDate::FromYMD(month + 1, 1, 2025).m_day) -
                          1;
      shifts += ExpandAll(model, from, to, dates, elements);
    }
  }
  state.counters["assignments"] = static_cast<double>(model.assignments.size());
  state.counters["shifts/year"] = static_cast<double>(shifts) / state.iterations();
  state.counters["ns/shift"] = benchmark::Counter(
      static_cast<double>(shifts), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_CycleShiftsRange(benchmark::State& state) {
  const Model& model = TheModel(state);
  const uint32_t days = static_cast<uint32_t>(state.range(0));
  const uint32_t from = TDate::FromYMD(3, 1, 2025).m_day;
  std::vector<uint32_t> dates(days);
  std::vector<velk_data::IShiftCycleElement*> elements(days);
  for (auto _ : state) ExpandAll(model, from, from + days - 1, dates, elements);
  state.counters["ns/day"] =
      benchmark::Counter(static_cast<double>(days) * model.assignments.size() * state.iterations(),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_CycleShiftsEachMonth)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CycleShiftsRange)->Arg(7)->Arg(31)->Arg(365)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
