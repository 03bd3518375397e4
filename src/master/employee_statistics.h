// The sums an employee answers over a date range (hours worked and due, workday and shift type
// counts, absence hours and days, overtime balance, surcharge minutes), each computed over the
// days on which he is employed and cached per query key until the next ClearLinks. The
// computations that serve a whole master collection (every leave type, every shift type,
// every surcharge type) fill one entry per item in one pass over the records.
#pragma once

#include <cstdint>
#include <vector>

#include "master/stat_cache.h"

#include "velk_data.h"

class CEmployeeStatistics {
  template <class V>
  using Cache = CStatCache<V>;

 public:
  explicit CEmployeeStatistics(const velk_data::IEmployee* employee) : m_employee(employee) {}

  double ActualHours(uint32_t from, uint32_t to, int32_t planType, double* worked, double* absent);
  double TargetHours(uint32_t from, uint32_t to);
  uint32_t WorkdayCount(int32_t weekday, uint32_t from, uint32_t to, int32_t planType);
  uint32_t CustomShiftCount(uint32_t from, uint32_t to, int32_t planType);
  uint32_t ShiftTypeCount(const velk_data::IShiftType* type, uint32_t from, uint32_t to,
                          int32_t planType);
  double AbsenceHours(const velk_data::ILeaveType* type, uint32_t from, uint32_t to,
                      int32_t planType);
  double AbsenceDays(const velk_data::ILeaveType* type, uint32_t from, uint32_t to,
                     int32_t planType);
  double OvertimeBalance(uint32_t from, uint32_t to, int32_t planType);
  uint32_t SurchargeMinutes(const velk_data::ISurchargeType* type, uint32_t from, uint32_t to,
                            int32_t planType, bool halfHolidayAsWhole);

 private:
  struct Actual {
    double worked, absent, total;
  };
  struct AbsenceSum {
    const void* type;
    double hours, days;
  };
  using AbsenceSums = std::vector<AbsenceSum>;
  // The absence hours and days of every leave type over a range, through the index of the
  // measure asked for.
  const AbsenceSums& Absences(Cache<uint32_t>& index, uint32_t from, uint32_t to, int32_t planType);

  const velk_data::IEmployee* m_employee;
  Cache<Actual> m_actual;
  Cache<double> m_target;
  Cache<uint32_t> m_workdays;
  Cache<uint32_t> m_customShifts;
  Cache<uint32_t> m_shiftTypes;
  Cache<uint32_t> m_absenceHours;  // into m_absences
  Cache<uint32_t> m_absenceDays;   // into m_absences
  std::vector<AbsenceSums> m_absences;
  Cache<double> m_overtime;
  Cache<uint32_t> m_surcharge;
};
