#include "tools/gen/year_plan.h"

#include <algorithm>
#include <bitset>

#include "tools/gen/random.h"

namespace velk_gen {
namespace {

// Leave types by what they stand for; the generator names type i after i modulo 6.
constexpr uint32_t kSick = 1, kTraining = 2, kTimeOff = 5, kVacation = 6;

class YearPlanner {
 public:
  YearPlanner(uint32_t seed, uint32_t employee, const MasterSizes& sizes)
      // Seeds one step apart would give streams one draw apart: each employee's seed is hashed.
      : m_random(Random(static_cast<uint64_t>(seed) << 32 ^ employee).Next()), m_sizes(sizes) {}

  EmployeeYear Plan() {
    Rota();
    Vacation(0);
    if (m_random.Chance(8)) Vacation(1);  // a wish in the draft plan
    SickSpells();
    PartDays();
    std::sort(m_year.absences.begin(), m_year.absences.end(),
              [](const PlannedAbsence& a, const PlannedAbsence& b) {
                return a.planType != b.planType ? a.planType < b.planType : a.day < b.day;
              });
    Shifts();
    return std::move(m_year);
  }

 private:
  uint32_t LeaveType(uint32_t id) const { return 1 + (id - 1) % m_sizes.leaveTypes; }
  bool Works(uint32_t day) const { return m_workdays >> ((kPlanYearStart + day) % 7) & 1; }

  // Full time on five days in a row of the week, part time on three or four; one or two
  // shift types (a night worker's is a night type), and a home workplace.
  void Rota() {
    const uint32_t days = m_random.Chance(75) ? 5 : 3 + m_random.Below(2);
    const uint32_t first = m_random.Chance(70) ? 0 : m_random.Below(7);
    for (uint32_t i = 0; i < days; ++i) m_workdays |= 1u << ((first + i) % 7);
    const bool night = m_random.Chance(15);
    for (uint32_t& type : m_shiftTypes) {
      do {
        type = 1 + m_random.Below(m_sizes.shiftTypes);
      } while (IsNightShiftType(type) != night && m_sizes.shiftTypes >= 6);
    }
    for (uint32_t weekday = 0; weekday < 7; ++weekday)
      m_typeOfWeekday[weekday] = m_shiftTypes[m_random.Chance(70) ? 0 : 1];
    m_home = 1 + m_random.Below(m_sizes.workplaces);
  }

  void Add(uint32_t day, uint32_t leaveType, uint32_t timeOfDay, int32_t planType,
           uint32_t startAt = 0, uint32_t endAt = 0) {
    m_year.absences.push_back(
        {kPlanYearStart + day, LeaveType(leaveType), timeOfDay, startAt, endAt, planType});
  }
  // count work days from day on (or fewer at the end of the year), whole days away.
  void Block(uint32_t day, uint32_t count, uint32_t leaveType, int32_t planType) {
    for (; count && day < kPlanYearDays; ++day) {
      if (!Works(day) || m_away[day]) continue;
      Add(day, leaveType, 0, planType);
      if (planType == 0) m_away[day] = true;
      --count;
    }
  }

  // Two or three blocks, about 28 work days.
  void Vacation(int32_t planType) {
    const uint32_t blocks = 2 + m_random.Chance(50);
    for (uint32_t i = 0; i < blocks; ++i) {
      const uint32_t day = i * kPlanYearDays / blocks + m_random.Below(kPlanYearDays / blocks);
      Block(day, 28 / blocks, kVacation, planType);
    }
  }
  void SickSpells() {
    for (uint32_t spells = m_random.Below(4); spells; --spells)
      Block(m_random.Below(kPlanYearDays), 1 + m_random.Below(5), kSick, 0);
  }
  // Half days off, and spans of hours: a doctor's visit, a course, now and then one that runs
  // past midnight.
  void PartDays() {
    for (uint32_t n = m_random.Below(4); n; --n) {
      const uint32_t day = m_random.Below(kPlanYearDays);
      if (Works(day) && !m_away[day])
        Add(day, m_random.Chance(50) ? kVacation : kTimeOff, 1 + m_random.Below(2), 0);
    }
    for (uint32_t n = m_random.Below(3); n; --n) {
      const uint32_t day = m_random.Below(kPlanYearDays);
      if (!Works(day) || m_away[day]) continue;
      const uint32_t kind = m_random.Below(10);
      if (kind < 5)
        Add(day, kTimeOff, 3, 0, 480, 630);
      else if (kind < 9)
        Add(day, kTraining, 3, 0, 780, 1020);
      else
        Add(day, kTraining, 3, 0, 1320, 120);
    }
  }

  // A shift on every work day not away: 3 in 100 modified, 1 in 100 custom, the rest fixed.
  void Shifts() {
    for (uint32_t day = 0; day < kPlanYearDays; ++day) {
      if (!Works(day) || m_away[day]) continue;
      PlannedShift shift{};
      shift.day = kPlanYearStart + day;
      shift.shiftType = m_typeOfWeekday[shift.day % 7];
      shift.workplace = m_random.Chance(80)   ? m_home
                        : m_random.Chance(50) ? 0
                                              : 1 + m_random.Below(m_sizes.workplaces);
      const uint32_t kind = m_random.Below(100);
      if (kind < 3)
        Modified(shift);
      else if (kind < 4)
        Custom(shift);
      m_year.shifts.push_back(shift);
    }
  }
  void Modified(PlannedShift& shift) {
    shift.kind = PlannedShift::kModified;
    if (IsNightShiftType(shift.shiftType)) {
      shift.partCount = 1;
      shift.startAt[0] = 1320 - 30 * m_random.Below(3);
      shift.endAt[0] = 360 + 30 * m_random.Below(3);
      shift.hundredths = 800 + 50 * m_random.Below(3);
      return;
    }
    // A split shift: a morning and an evening part.
    shift.partCount = 1 + m_random.Chance(40);
    shift.startAt[0] = 360 + 15 * m_random.Below(8);
    shift.endAt[0] = shift.startAt[0] + (shift.partCount == 1 ? 510 : 240);
    if (shift.partCount == 2) {
      shift.startAt[1] = 1020;
      shift.endAt[1] = 1260;
    }
    shift.hundredths = shift.partCount == 1 ? 850 : 800;
  }
  void Custom(PlannedShift& shift) {
    static const char16_t* const kNames[] = {u"Fortbildung extern", u"Rufbereitschaft",
                                             u"Hospitation"};
    shift.kind = PlannedShift::kCustom;
    shift.shiftType = 0;
    const uint32_t which = m_random.Below(3);
    shift.name = kNames[which];
    shift.partCount = 1;
    shift.startAt[0] = which == 1 ? 1200 : 480;
    shift.endAt[0] = which == 1 ? 420 : 960;  // standby runs through the night
    shift.hundredths = which == 1 ? 300 : 800;
  }

  Random m_random;
  MasterSizes m_sizes;
  uint32_t m_workdays = 0;  // bit per weekday, 0 Monday
  uint32_t m_shiftTypes[2] = {};
  uint32_t m_typeOfWeekday[7] = {};
  uint32_t m_home = 0;
  std::bitset<kPlanYearDays> m_away;  // whole days away in plan type 0
  EmployeeYear m_year;
};

}  // namespace

EmployeeYear PlanEmployeeYear(uint32_t seed, uint32_t employee, const MasterSizes& sizes) {
  return YearPlanner(seed, employee, sizes).Plan();
}

}  // namespace velk_gen
