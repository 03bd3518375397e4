#include "tools/gen/cycles_gen.h"

#include <random>
#include <vector>

#include "tools/gen/planning_gen.h"

namespace velk_gen {
namespace {

constexpr uint32_t kCycles = 16;

// Appends compact JSON items, one section after another.
class Sections {
 public:
  explicit Sections(std::u16string& text) : m_text(text) {}

  void Begin(const char* key) {
    Raw(m_sections++ ? ",\"" : "\"");
    Raw(key);
    Raw("\":{\"cu\":[");
    m_itemsInSection = 0;
  }
  void End() { Raw("]}"); }
  void BeginItem(uint64_t id) {
    Raw(m_itemsInSection++ ? ",{\"id\":" : "{\"id\":");
    Raw(std::to_string(id).c_str());
    ++m_items;
  }
  void EndItem() { m_text.push_back(u'}'); }
  void Int(const char* key, int64_t value) {
    Key(key);
    Raw(std::to_string(value).c_str());
  }
  void Null(const char* key) {
    Key(key);
    Raw("null");
  }
  void Date(const char* key, uint32_t day) {
    Key(key);
    m_text += u'"' + GeneratedDate(day) + u'"';
  }
  void Text(const char* key, const std::u16string& value) {
    Key(key);
    m_text += u'"' + value + u'"';
  }
  uint64_t Items() const { return m_items; }

 private:
  void Key(const char* key) {
    Raw(",\"");
    Raw(key);
    Raw("\":");
  }
  void Raw(const char* ascii) {
    for (; *ascii; ++ascii) m_text.push_back(static_cast<char16_t>(*ascii));
  }

  std::u16string& m_text;
  uint32_t m_sections = 0;
  uint32_t m_itemsInSection = 0;
  uint64_t m_items = 0;
};

struct Cycle {
  uint32_t length;
  bool weekly;
  uint32_t Days() const { return weekly ? 7 * length : length; }
};

class CycleGenerator {
 public:
  CycleGenerator(uint32_t seed, const CycleRefs& refs, std::u16string& text)
      : m_random(seed * 7919u + 31), m_refs(refs), m_out(text) {}

  uint64_t Run() {
    Cycles();
    Elements();
    Assignments();
    Exceptions();
    return m_out.Items();
  }

 private:
  // Uniform enough in [0, n) for test data; mt19937's output is the same everywhere.
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(m_random() % n); }
  bool Chance(uint32_t percent) { return Below(100) < percent; }

  // Three of four cycles are weekly rotas of one to six weeks, the rest run over 3 to 14 days.
  void Cycles() {
    m_out.Begin("shift_cycle");
    for (uint32_t id = 1; id <= kCycles; ++id) {
      const Cycle cycle = id % 4 ? Cycle{1 + Below(6), true} : Cycle{3 + Below(12), false};
      m_cycles.push_back(cycle);
      m_out.BeginItem(id);
      m_out.Int("position", id);
      m_out.Text("name", (cycle.weekly ? u"Rota " : u"Rhythm ") +
                             std::u16string(1, static_cast<char16_t>(u'A' + id - 1)));
      m_out.Int("length", cycle.length);
      m_out.Int("unit", cycle.weekly ? 1 : 0);
      m_out.EndItem();
    }
    m_out.End();
  }

  // Most days of a pattern have a shift; weekly rotas leave more weekends free.
  void Elements() {
    m_out.Begin("shift_cycle_element");
    uint64_t id = 0;
    for (uint32_t c = 0; c < kCycles; ++c) {
      const Cycle& cycle = m_cycles[c];
      for (uint32_t day = 0; day < cycle.Days(); ++day) {
        const bool weekend = cycle.weekly && day % 7 >= 5;
        if (!Chance(weekend ? 30 : 75)) continue;
        m_out.BeginItem(++id);
        m_out.Int("shift_cycle_id", c + 1);
        m_out.Int("position", day);
        m_out.Int("shift_type_id", 1 + Below(m_refs.shiftTypes));
        if (Chance(40))
          m_out.Null("workplace_id");
        else
          m_out.Int("workplace_id", 1 + Below(m_refs.workplaces));
        m_out.EndItem();
      }
    }
    m_out.End();
  }

  // One assignment per employee from some day of 2024 for one or two years; one in five
  // employees moves on to a second cycle afterwards.
  void Assignments() {
    m_out.Begin("shift_cycle_assignment");
    uint64_t id = 0;
    for (uint32_t e = 1; e <= m_refs.employees; ++e) {
      uint32_t start = Below(200);
      const uint32_t count = Chance(20) ? 2 : 1;
      for (uint32_t i = 0; i < count; ++i) {
        const uint32_t cycle = Below(kCycles);
        const uint32_t end = start + 365 + Below(365);
        m_out.BeginItem(++id);
        m_out.Int("employee_id", e);
        m_out.Int("shift_cycle_id", cycle + 1);
        m_out.Date("start", start);
        m_out.Date("end", end);
        m_out.Int("start_offset", Below(m_cycles[cycle].length));
        m_out.EndItem();
        m_assignments.push_back({start, end});
        start = end + 1;
      }
    }
    m_out.End();
  }

  // A day off the rota here and there, mostly for the main plan.
  void Exceptions() {
    m_out.Begin("shift_cycle_exception");
    uint64_t id = 0;
    for (uint32_t a = 0; a < m_assignments.size(); ++a) {
      if (!Chance(10)) continue;
      const auto [start, end] = m_assignments[a];
      for (uint32_t i = 1 + Below(3); i > 0; --i) {
        m_out.BeginItem(++id);
        m_out.Int("shift_cycle_assignment_id", a + 1);
        m_out.Date("date", start + Below(end - start + 1));
        m_out.Int("plan_type", Chance(80) ? 0 : 1);
        m_out.EndItem();
      }
    }
    m_out.End();
  }

  std::mt19937 m_random;
  CycleRefs m_refs;
  Sections m_out;
  std::vector<Cycle> m_cycles;
  std::vector<std::pair<uint32_t, uint32_t>> m_assignments;
};

}  // namespace

uint64_t AppendShiftCycles(std::u16string& message, uint32_t seed, const CycleRefs& refs) {
  if (message.empty() || message.back() != u'}') return 0;
  message.pop_back();
  const bool empty = !message.empty() && message.back() == u'{';
  std::u16string sections;
  const uint64_t items = CycleGenerator(seed, refs, sections).Run();
  if (!empty) message.push_back(u',');
  message += sections;
  message.push_back(u'}');
  return items;
}

}  // namespace velk_gen
