// CData::Load of a large generated message of master data and the employees' periods
// (employment, memberships, individual working times, leave entitlements; UTF-16), read in text
// order and sorted by type, against RapidJSON's DOM parse of the same text in the same run. Load
// times the load into a new root object, Reload a load over the last one's model (which Load clears
// first); freeing a model or a document is not timed. VELK_BENCH_EMPLOYEES sets the size (30,000
// employees by default, with 1,201 groups). Run with GLIBC_TUNABLES=glibc.malloc.hugetlb=1 (make
// bench sets it).

#include <chrono>
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

#include "data/data.h"
#include "json/text_convert.h"
#include "tools/gen/planning_gen.h"

namespace {

uint32_t Employees() {
  const char* text = std::getenv("VELK_BENCH_EMPLOYEES");
  return text ? static_cast<uint32_t>(std::atoi(text)) : 30000;
}

struct Message {
  Message() {
    text = velk_gen::GeneratePlanningMessage(1, Employees(), &stats, velk_gen::Content::kPeriods);
  }
  std::u16string text;
  velk_gen::MessageStats stats;
};

const Message& TheMessage() {
  static const Message message;
  return message;
}

// Seconds of the timed part of one call of f.
template <typename F>
double Timed(F f) {
  auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Seconds per iteration of RapidJSON's parse, measured first in the run.
double g_rapidjsonSeconds = 0;

// Runs body once per iteration (it returns the seconds of its timed part) and reports MB/s,
// items/s and the ratio to RapidJSON.
template <typename Body>
void Measure(benchmark::State& state, Body body, bool baseline = false) {
  const Message& message = TheMessage();
  double total = 0;
  for (auto _ : state) {
    double seconds = body(message);
    state.SetIterationTime(seconds);
    total += seconds;
  }
  double seconds = total / static_cast<double>(state.iterations());
  double bytes = static_cast<double>(message.text.size() * sizeof(char16_t));
  state.counters["MB"] = bytes / 1e6;
  state.counters["MB/s"] = bytes / seconds / 1e6;
  state.counters["items/s"] = static_cast<double>(message.stats.items) / seconds;
  if (baseline)
    g_rapidjsonSeconds = seconds;
  else if (g_rapidjsonSeconds > 0)
    state.counters["x_rapidjson"] = seconds / g_rapidjsonSeconds;
}

// The parse alone; the document is freed outside the timed part.
void BM_RapidJsonDomParse(benchmark::State& state) {
  using Document = rapidjson::GenericDocument<rapidjson::UTF16<char16_t>>;
  Measure(
      state,
      [&](const Message& message) {
        Document document;
        double seconds = Timed([&] { document.Parse(message.text.c_str()); });
        if (document.HasParseError()) state.SkipWithError("RapidJSON parse error");
        benchmark::DoNotOptimize(document.MemberCount());
        return seconds;
      },
      true);
}

void CheckLoad(benchmark::State& state, const CData& data, bool loaded) {
  if (!loaded) state.SkipWithError(velk_json::ToNarrow(data.GetErrorText(), 0).c_str());
  if (data.GetEmployees()->GetCount() != Employees()) state.SkipWithError("employees missing");
}

// Load into a new root object, as a host's first load; the model is freed outside the timed
// part.
void LoadBenchmark(benchmark::State& state, bool inOrder) {
  Measure(state, [&](const Message& message) {
    CData data;
    bool loaded = false;
    double seconds =
        Timed([&] { loaded = data.Load(message.text.c_str(), inOrder, nullptr, nullptr); });
    CheckLoad(state, data, loaded);
    return seconds;
  });
}

// Load over the model of the last Load: the time includes clearing it.
void ReloadBenchmark(benchmark::State& state, bool inOrder) {
  CData data;
  data.Load(TheMessage().text.c_str(), inOrder, nullptr, nullptr);
  Measure(state, [&](const Message& message) {
    bool loaded = false;
    double seconds =
        Timed([&] { loaded = data.Load(message.text.c_str(), inOrder, nullptr, nullptr); });
    CheckLoad(state, data, loaded);
    return seconds;
  });
}

void BM_LoadInOrder(benchmark::State& state) { LoadBenchmark(state, true); }
void BM_LoadSorted(benchmark::State& state) { LoadBenchmark(state, false); }
void BM_ReloadInOrder(benchmark::State& state) { ReloadBenchmark(state, true); }
void BM_ReloadSorted(benchmark::State& state) { ReloadBenchmark(state, false); }

// Registration order is run order: RapidJSON first, so the others can compare.
BENCHMARK(BM_RapidJsonDomParse)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadInOrder)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSorted)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadInOrder)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadSorted)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
