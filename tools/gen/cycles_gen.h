// The shift cycle part of a generated planning message: weekly and daily rotas with their
// elements, an assignment or two per employee with start offsets, and a few exceptions. Kept
// beside the main generator so that it can also be added to a master-data message.

#ifndef VELK_TOOLS_GEN_CYCLES_GEN_H_
#define VELK_TOOLS_GEN_CYCLES_GEN_H_

#include <cstdint>
#include <string>

namespace velk_gen {

// What the cycle sections refer to: shift types 1..shiftTypes, workplaces 1..workplaces and
// employees 1..employees of the same message.
struct CycleRefs {
  uint32_t employees;
  uint32_t shiftTypes;
  uint32_t workplaces;
};

// Appends the sections "shift_cycle", "shift_cycle_element", "shift_cycle_assignment" and
// "shift_cycle_exception" as the last members of message, a JSON object that ends with its
// closing brace; returns the number of items added. Dates run from 2024 to 2026, as in the
// rest of the generated data.
uint64_t AppendShiftCycles(std::u16string& message, uint32_t seed, const CycleRefs& refs);

}  // namespace velk_gen

#endif  // VELK_TOOLS_GEN_CYCLES_GEN_H_
