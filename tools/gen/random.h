// The generator's random numbers: SplitMix64, tiny, fast and the same everywhere (std
// distributions are not).

#ifndef VELK_TOOLS_GEN_RANDOM_H_
#define VELK_TOOLS_GEN_RANDOM_H_

#include <cstdint>

namespace velk_gen {

class Random {
 public:
  explicit Random(uint64_t seed) : m_state(seed) {}
  uint64_t Next() {
    uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform enough in [0, n) for test data.
  uint32_t Below(uint32_t n) { return static_cast<uint32_t>(Next() % n); }
  bool Chance(uint32_t percent) { return Below(100) < percent; }

 private:
  uint64_t m_state;
};

}  // namespace velk_gen

#endif  // VELK_TOOLS_GEN_RANDOM_H_
