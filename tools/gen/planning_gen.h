// Deterministic generator of a realistic full-load planning message: master data (user
// profiles, holidays, working time models, workplaces, surcharge types, shift types, leave
// types, a group tree, employees) and each employee's records (employment periods with joiners,
// leavers and re-hires, memberships with transfers and second teams, individual working times
// with model changes, leave entitlements of this year and the last, a year of absences and
// fixed, modified and custom shifts, notes, shift type restrictions, shift cycle assignments),
// the groups' staffing records (shift requirements, special shift and weekday requirements,
// leave bans, special periods) and shift cycles, as one top-level object with a {"cu": [...]}
// section per data type. The same seed and size give the same text on every platform.

#ifndef VELK_TOOLS_GEN_PLANNING_GEN_H_
#define VELK_TOOLS_GEN_PLANNING_GEN_H_

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

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

// Whether to write the section of a data-type key; the others are left out, and the sections
// written stay as they are with all of them.
using SectionFilter = bool (*)(const char* key);

std::u16string GeneratePlanningMessage(uint32_t seed, uint32_t employees,
                                       MessageStats* stats = nullptr,
                                       Content content = Content::kEverything,
                                       SectionFilter filter = nullptr);

// Receives a message's text piece by piece, in order; a piece ends after a whole item.
using TextSink = std::function<void(std::u16string_view piece)>;

// The same text as GeneratePlanningMessage, handed to sink in pieces of about a megabyte, so
// that a message of any size is written without being held; returns the number of items.
uint64_t WritePlanningMessage(const TextSink& sink, uint32_t seed, uint32_t employees,
                              Content content = Content::kEverything,
                              SectionFilter filter = nullptr);

// "Y-m-d" of a day counted from 2024-01-01, the calendar of the generated data.
std::u16string GeneratedDate(uint32_t day);

// UTF-8 of a UTF-16 text (unpaired surrogates become U+FFFD).
std::string ToUtf8(const std::u16string& text);

}  // namespace velk_gen

#endif  // VELK_TOOLS_GEN_PLANNING_GEN_H_
