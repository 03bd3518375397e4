// Deterministic generator of a realistic full-load planning message: master data (user
// profiles, holidays, working time models, workplaces, surcharge types, shift types, leave
// types, a group tree, employees) and each employee's records (employment periods with joiners,
// leavers and re-hires, memberships with transfers and second teams, individual working times
// with model changes, leave entitlements of this year and the last, absences, fixed shifts,
// notes), as one top-level object with a {"cu": [...]} section per data type. The same seed and
// size give the same text on every platform; about 6.7 KB of UTF-16 and 25 items per employee.
// Master data alone is about 1.9 KB and 1.05 items per employee; master data with the employee
// periods about 3.3 KB and 7.8 items.

#ifndef VELK_TOOLS_GEN_PLANNING_GEN_H_
#define VELK_TOOLS_GEN_PLANNING_GEN_H_

#include <cstdint>
#include <string>

namespace velk_gen {

struct MessageStats {
  uint64_t items = 0;  // item objects in all "cu" arrays
};

enum class Content {
  kEverything,
  kMasterData,  // no records
  kPeriods,     // master data and the employee periods: employment, memberships, working times,
                // leave entitlements
};

std::u16string GeneratePlanningMessage(uint32_t seed, uint32_t employees,
                                       MessageStats* stats = nullptr,
                                       Content content = Content::kEverything);

// UTF-8 of a UTF-16 text (unpaired surrogates become U+FFFD).
std::string ToUtf8(const std::u16string& text);

}  // namespace velk_gen

#endif  // VELK_TOOLS_GEN_PLANNING_GEN_H_
