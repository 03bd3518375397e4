// JSON library against RapidJSON's DOM on the same generated full-load message (UTF-16):
// parse into a full tree, the intake's step-wise walk (one item object at a time), and the
// compact writer. Each figure is also given as a ratio to RapidJSON's parse of this run.
// Run with GLIBC_TUNABLES=glibc.malloc.hugetlb=1 (make bench sets it).

#include <chrono>
#include <cstdlib>
#include <string>

#include <benchmark/benchmark.h>
#include <rapidjson/document.h>

#include "json/json_parser.h"
#include "tools/gen/planning_gen.h"

namespace {

using velk_json::CJSONArray;
using velk_json::CJSONObject;
using velk_json::CJSONParser;
using velk_json::CJSONValue;
using velk_json::JSONType;

uint32_t Employees() {
  const char* text = std::getenv("VELK_BENCH_EMPLOYEES");
  return text ? static_cast<uint32_t>(std::atoi(text)) : 10000;
}

struct Message {
  Message() { text = velk_gen::GeneratePlanningMessage(1, Employees(), &stats); }
  std::u16string text;
  velk_gen::MessageStats stats;
};

const Message& TheMessage() {
  static const Message message;
  return message;
}

// Seconds per iteration of RapidJSON's parse, measured first in the run.
double g_rapidjsonSeconds = 0;

// Runs body once per iteration and reports MB/s, items/s and the ratio to RapidJSON.
template <typename Body>
double Measure(benchmark::State& state, Body body, bool baseline = false) {
  const Message& message = TheMessage();
  auto start = std::chrono::steady_clock::now();
  for (auto _ : state) body(message);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() /
                   static_cast<double>(state.iterations());
  double bytes = static_cast<double>(message.text.size() * sizeof(char16_t));
  state.counters["MB/s"] = bytes / seconds / 1e6;
  state.counters["Mitems/s"] = static_cast<double>(message.stats.items) / seconds / 1e6;
  state.counters["MB"] = bytes / 1e6;
  if (!baseline && g_rapidjsonSeconds > 0)
    state.counters["x_rapidjson"] = seconds / g_rapidjsonSeconds;
  return seconds;
}

void BM_RapidJsonDomParse(benchmark::State& state) {
  using Document = rapidjson::GenericDocument<rapidjson::UTF16<char16_t>>;
  g_rapidjsonSeconds = Measure(
      state,
      [&](const Message& message) {
        Document document;
        document.Parse(message.text.c_str());
        if (document.HasParseError()) state.SkipWithError("RapidJSON parse error");
        benchmark::DoNotOptimize(document.MemberCount());
      },
      true);
}

void BM_ParseTree(benchmark::State& state) {
  Measure(state, [](const Message& message) {
    CJSONParser parser(message.text.data(), message.text.size());
    CJSONValue* root = parser.Parse();
    benchmark::DoNotOptimize(root);
    root->Destroy();
  });
}

// The intake's walk: each section object, each "cu" array, then one item object at a time,
// read whole, asked for its id and destroyed.
void BM_StepWiseWalk(benchmark::State& state) {
  Measure(state, [&](const Message& message) {
    CJSONParser parser(message.text.data(), message.text.size());
    std::u16string key, info;
    int64_t ids = 0;
    bool end;
    parser.ReadObjectStart();
    for (parser.ReadMemberName(key, end); !end; parser.ReadMemberName(key, end)) {
      CJSONValue* section = parser.ParseValue(nullptr);
      parser.ReadObjectStart();
      for (parser.ReadMemberName(info, end); !end; parser.ReadMemberName(info, end)) {
        CJSONValue* list = parser.ParseValue(section);
        parser.ReadArrayStart();
        while (CJSONValue* element = parser.NextElement(static_cast<CJSONArray&>(*list))) {
          auto& item = static_cast<CJSONObject&>(*element);
          parser.ParseObject(item);
          ids += item.GetInt(u"id", 0);
          element->Destroy();
        }
        list->Destroy();
      }
      section->Destroy();
    }
    benchmark::DoNotOptimize(ids);
  });
}

void BM_WriteTree(benchmark::State& state) {
  const Message& message = TheMessage();
  CJSONValue* root = CJSONParser(message.text.data(), message.text.size()).Parse();
  std::u16string out;
  Measure(state, [&](const Message&) {
    out.clear();
    velk_json::AppendText(*root, false, out);
    benchmark::DoNotOptimize(out.data());
  });
  root->Destroy();
}

// Registration order is run order: RapidJSON first, so the others can compare.
BENCHMARK(BM_RapidJsonDomParse)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepWiseWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteTree)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
