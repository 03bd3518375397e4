// CData::Load of large generated messages (UTF-16), read in text order and sorted by type,
// against RapidJSON's DOM parse of the same text in the same run. Load times the load into a new
// root object, Reload a load over the last one's model (which Load clears first); freeing a
// model or a document is not timed.
// - Master data: VELK_BENCH_EMPLOYEES employees (30,000 by default, with 1,201 groups).
// - Year: VELK_BENCH_YEAR_EMPLOYEES employees (10,000 by default) with a year of their records,
//   absences and planned shifts most of them. These also report the memory a load adds: the
//   resident set (rss_MB, the heap trimmed first) and the heap in use (heap_MB), against the
//   same figures of RapidJSON's document.
// - ClearYear: Clear of the loaded year (the load not timed), against that load (x_load).
// - Update*: one Update of an absence, an employee or a group in the loaded year, the
//   transaction log released; an unchanged item still takes the whole intake, links cleared and
//   derived state rebuilt.
// Run with GLIBC_TUNABLES=glibc.malloc.hugetlb=1 (make bench sets it).

#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

#include "data/data.h"
#include "data/type_codes.h"
#include "json/text_convert.h"
#include "tools/gen/planning_gen.h"

namespace {

uint32_t EmployeesOf(const char* variable, uint32_t otherwise) {
  const char* text = std::getenv(variable);
  return text ? static_cast<uint32_t>(std::atoi(text)) : otherwise;
}

struct Message {
  Message(uint32_t employees, velk_gen::Content content, velk_gen::SectionFilter filter = nullptr)
      : employees(employees) {
    text = velk_gen::GeneratePlanningMessage(1, employees, &stats, content, filter);
  }
  uint32_t employees;
  std::u16string text;
  velk_gen::MessageStats stats;
  // Seconds per iteration of RapidJSON's parse of the text, measured first in the run.
  double rapidjsonSeconds = 0;
  double rapidjsonCpuSeconds = 0;
};

Message& TheMessage() {
  static Message message(EmployeesOf("VELK_BENCH_EMPLOYEES", 30000),
                         velk_gen::Content::kMasterData);
  return message;
}

// Processor seconds of this thread: on a busy machine the fairer measure of a ratio.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
// The processor seconds of the timed parts of this thread so far.
double g_timedThreadSeconds = 0;

// Seconds of the timed part of one call of f.
template <typename F>
double Timed(F f) {
  const double cpu = ThreadSeconds();
  auto start = std::chrono::steady_clock::now();
  f();
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  g_timedThreadSeconds += ThreadSeconds() - cpu;
  return seconds;
}

// The memory a load or a parse adds, the largest of the iterations: the resident set, with the
// heap trimmed before, and the heap's bytes in use.
class Memory {
 public:
  void Before() {
    malloc_trim(0);
    m_rss = Resident();
    m_heap = HeapInUse();
  }
  void After() {
    m_rssAdded = std::max(m_rssAdded, Resident() - m_rss);
    m_heapAdded = std::max(m_heapAdded, HeapInUse() - m_heap);
  }
  void Report(benchmark::State& state) const {
    state.counters["rss_MB"] = m_rssAdded / 1e6;
    state.counters["heap_MB"] = m_heapAdded / 1e6;
  }

 private:
  static double Resident() {
    long pages = 0, resident = 0;
    if (std::FILE* file = std::fopen("/proc/self/statm", "r")) {
      if (std::fscanf(file, "%ld %ld", &pages, &resident) != 2) resident = 0;
      std::fclose(file);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE));
  }
  static double HeapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
  }
  double m_rss = 0, m_heap = 0, m_rssAdded = 0, m_heapAdded = 0;
};

// Runs body once per iteration (it returns the seconds of its timed part) and reports MB/s,
// items/s and the ratio to RapidJSON.
template <typename Body>
void Measure(benchmark::State& state, Body body, bool baseline = false,
             Message& message = TheMessage()) {
  double total = 0;
  const double cpuBefore = g_timedThreadSeconds;
  for (auto _ : state) {
    double seconds = body(message);
    state.SetIterationTime(seconds);
    total += seconds;
  }
  double seconds = total / static_cast<double>(state.iterations());
  const double cpu = (g_timedThreadSeconds - cpuBefore) / static_cast<double>(state.iterations());
  state.counters["cpu_ms"] = cpu * 1e3;
  double bytes = static_cast<double>(message.text.size() * sizeof(char16_t));
  state.counters["MB"] = bytes / 1e6;
  state.counters["MB/s"] = bytes / seconds / 1e6;
  state.counters["items/s"] = static_cast<double>(message.stats.items) / seconds;
  if (baseline) {
    message.rapidjsonSeconds = seconds;
    message.rapidjsonCpuSeconds = cpu;
  } else if (message.rapidjsonSeconds > 0) {
    state.counters["x_rapidjson"] = seconds / message.rapidjsonSeconds;
    state.counters["cpu_x_rapidjson"] = cpu / message.rapidjsonCpuSeconds;
  }
}

// The parse alone; the document is freed outside the timed part.
void RapidJsonBenchmark(benchmark::State& state, Message& message, Memory* memory = nullptr) {
  using Document = rapidjson::GenericDocument<rapidjson::UTF16<char16_t>>;
  Measure(
      state,
      [&](const Message& message) {
        Document document;
        if (memory) memory->Before();
        double seconds = Timed([&] { document.Parse(message.text.c_str()); });
        if (memory) memory->After();
        if (document.HasParseError()) state.SkipWithError("RapidJSON parse error");
        benchmark::DoNotOptimize(document.MemberCount());
        return seconds;
      },
      true, message);
}
void BM_RapidJsonDomParse(benchmark::State& state) { RapidJsonBenchmark(state, TheMessage()); }

void CheckLoad(benchmark::State& state, const CData& data, bool loaded, const Message& message) {
  if (!loaded) state.SkipWithError(velk_json::ToNarrow(data.GetErrorText(), 0).c_str());
  if (data.GetEmployees()->GetCount() != message.employees)
    state.SkipWithError("employees missing");
}

// Load into a new root object, as a host's first load; the model is freed outside the timed
// part.
void LoadBenchmark(benchmark::State& state, bool inOrder, Message& message = TheMessage(),
                   Memory* memory = nullptr) {
  Measure(
      state,
      [&](const Message& message) {
        CData data;
        bool loaded = false;
        if (memory) memory->Before();
        double seconds =
            Timed([&] { loaded = data.Load(message.text.c_str(), inOrder, nullptr, nullptr); });
        if (memory) memory->After();
        CheckLoad(state, data, loaded, message);
        return seconds;
      },
      false, message);
}

// Load over the model of the last Load: the time includes clearing it.
void ReloadBenchmark(benchmark::State& state, bool inOrder) {
  CData data;
  data.Load(TheMessage().text.c_str(), inOrder, nullptr, nullptr);
  Measure(state, [&](const Message& message) {
    bool loaded = false;
    double seconds =
        Timed([&] { loaded = data.Load(message.text.c_str(), inOrder, nullptr, nullptr); });
    CheckLoad(state, data, loaded, message);
    return seconds;
  });
}

void BM_LoadInOrder(benchmark::State& state) { LoadBenchmark(state, true); }
void BM_LoadSorted(benchmark::State& state) { LoadBenchmark(state, false); }
void BM_ReloadInOrder(benchmark::State& state) { ReloadBenchmark(state, true); }
void BM_ReloadSorted(benchmark::State& state) { ReloadBenchmark(state, false); }

// A year of 10,000 employees: master data and every record the model holds.
bool Held(const char* key) {
  static const CData model;
  const std::string narrow(key);
  return model.AcceptsType(TypeCodeOf(std::u16string(narrow.begin(), narrow.end())));
}
Message& YearMessage() {
  static Message message(EmployeesOf("VELK_BENCH_YEAR_EMPLOYEES", 10000),
                         velk_gen::Content::kEverything, &Held);
  return message;
}
void BM_RapidJsonDomParseYear(benchmark::State& state) {
  Memory memory;
  RapidJsonBenchmark(state, YearMessage(), &memory);
  memory.Report(state);
}
void BM_LoadYearInOrder(benchmark::State& state) {
  Memory memory;
  LoadBenchmark(state, true, YearMessage(), &memory);
  memory.Report(state);
}
void BM_LoadYearSorted(benchmark::State& state) {
  Memory memory;
  LoadBenchmark(state, false, YearMessage(), &memory);
  memory.Report(state);
}

// Clear of a loaded year; the load is timed apart, for the ratio.
void BM_ClearYear(benchmark::State& state) {
  Message& message = YearMessage();
  double loadCpu = 0;
  const double cpuBefore = g_timedThreadSeconds;
  for (auto _ : state) {
    CData data;
    const double before = ThreadSeconds();
    CheckLoad(state, data, data.Load(message.text.c_str(), true, nullptr, nullptr), message);
    loadCpu += ThreadSeconds() - before;
    state.SetIterationTime(Timed([&] { data.Clear(); }));
  }
  const double clearCpu = g_timedThreadSeconds - cpuBefore;
  const double n = static_cast<double>(state.iterations());
  state.counters["cpu_ms"] = clearCpu / n * 1e3;
  state.counters["load_cpu_ms"] = loadCpu / n * 1e3;
  state.counters["x_load"] = clearCpu / loadCpu;
}

// The loaded year the updates change, loaded once.
CData& YearModel() {
  static CData data;
  static const bool loaded = data.Load(YearMessage().text.c_str(), true, nullptr, nullptr);
  (void)loaded;
  return data;
}

// A message that writes item back unchanged as a user's request.
std::u16string UpdateOf(const char16_t* key, const velk_data::IItem* item) {
  std::u16string json = item->GetJSON(0);
  json.insert(1, u"\"user_request\":1,");
  return u"{\"" + std::u16string(key) + u"\":{\"cu\":[" + json + u"]}}";
}

// With replace, the message deletes the item first and creates it again: a deletion looks the
// id up over every owner.
void UpdateBenchmark(benchmark::State& state, const char16_t* key,
                     const velk_data::IItem* (*pick)(const CData&), bool replace = false) {
  CData& data = YearModel();
  std::u16string json = UpdateOf(key, pick(data));
  if (replace) {
    const std::string id = std::to_string(pick(data)->GetId());
    json.insert(json.find(u"\"cu\""),
                u"\"d\":[{\"id\":" + std::u16string(id.begin(), id.end()) + u"}],");
  }
  const double cpuBefore = g_timedThreadSeconds;
  for (auto _ : state) {
    velk_data::ITransactionLog* log = nullptr;
    state.SetIterationTime(Timed([&] {
      log = data.Update(json.c_str(), true, nullptr, nullptr);
      if (log) log->Release();
    }));
    if (!log) state.SkipWithError(velk_json::ToNarrow(data.GetErrorText(), 0).c_str());
  }
  state.counters["cpu_ms"] =
      (g_timedThreadSeconds - cpuBefore) / static_cast<double>(state.iterations()) * 1e3;
}
const velk_data::IEmployee* MiddleEmployee(const CData& data) {
  const velk_data::IEmployees* employees = data.GetEmployees();
  return employees->GetAt(employees->GetCount() / 2);
}
void BM_UpdateAbsence(benchmark::State& state) {
  UpdateBenchmark(state, u"absence", [](const CData& data) -> const velk_data::IItem* {
    const velk_data::IAbsences* absences = MiddleEmployee(data)->GetAbsences();
    return absences->GetAt(absences->GetCount() / 2);
  });
}
void BM_ReplaceAbsence(benchmark::State& state) {
  UpdateBenchmark(
      state, u"absence",
      [](const CData& data) -> const velk_data::IItem* {
        const velk_data::IAbsences* absences = MiddleEmployee(data)->GetAbsences();
        return absences->GetAt(absences->GetCount() / 2);
      },
      true);
}
void BM_UpdateEmployee(benchmark::State& state) {
  UpdateBenchmark(state, u"employee", [](const CData& data) -> const velk_data::IItem* {
    return MiddleEmployee(data);
  });
}
void BM_UpdateGroup(benchmark::State& state) {
  UpdateBenchmark(state, u"group", [](const CData& data) -> const velk_data::IItem* {
    const velk_data::IGroups* groups = data.GetGroups();
    return groups->GetAt(groups->GetCount() / 2);
  });
}

// Registration order is run order: RapidJSON first, so the others can compare.
BENCHMARK(BM_RapidJsonDomParse)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadInOrder)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSorted)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadInOrder)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReloadSorted)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RapidJsonDomParseYear)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadYearInOrder)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadYearSorted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ClearYear)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_UpdateAbsence)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceAbsence)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateEmployee)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateGroup)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
