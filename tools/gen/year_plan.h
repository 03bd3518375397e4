// One planning year of one employee, as a planner would leave it: a weekly rota of work days,
// vacation blocks, sick spells, half days and timed absences on it, and a shift on every work
// day he is not away, most of them fixed (the rota's shift type, night shifts running past
// midnight), a few per cent modified (own times and hours) or custom. A few employees also
// keep a vacation block in a second plan type. The plan is a function of the seed and the
// employee, so each section of the message can ask for it again.

#ifndef VELK_TOOLS_GEN_YEAR_PLAN_H_
#define VELK_TOOLS_GEN_YEAR_PLAN_H_

#include <cstdint>
#include <vector>

namespace velk_gen {

// The planned year: 2025, in days since 2024-01-01.
constexpr uint32_t kPlanYearStart = 366;
constexpr uint32_t kPlanYearDays = 365;

// Shift types whose id leaves 2 modulo 6 are night shifts (21:00 and later, past midnight).
constexpr bool IsNightShiftType(uint32_t id) { return id % 6 == 2; }

struct MasterSizes {
  uint32_t shiftTypes;
  uint32_t leaveTypes;
  uint32_t workplaces;
};

struct PlannedAbsence {
  uint32_t day;
  uint32_t leaveType;
  uint32_t timeOfDay;  // 0 whole day, 1 morning, 2 afternoon, 3 startAt to endAt
  uint32_t startAt, endAt;
  int32_t planType;
};

struct PlannedShift {
  enum Kind { kFixed, kModified, kCustom };
  Kind kind;
  uint32_t day;
  uint32_t shiftType;  // none for a custom shift
  uint32_t workplace;  // 0: none
  uint32_t partCount;
  uint32_t startAt[3], endAt[3];
  uint32_t hundredths;  // actual hours x 100
  const char16_t* name;
};

struct EmployeeYear {
  std::vector<PlannedAbsence> absences;
  std::vector<PlannedShift> shifts;  // in date order
};

EmployeeYear PlanEmployeeYear(uint32_t seed, uint32_t employee, const MasterSizes& sizes);

}  // namespace velk_gen

#endif  // VELK_TOOLS_GEN_YEAR_PLAN_H_
