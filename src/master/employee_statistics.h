// The sums an employee answers over a date range (hours worked and due, workday and shift type
// counts, absence hours and days, overtime balance, surcharge minutes), each computed over the
// days on which he is employed and cached per query key until the next ClearLinks. The
// computations that serve a whole master collection (every leave type, every shift type,
// every surcharge type) fill one entry per item in one pass over the records.
#pragma once

#include <cstdint>

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
                      int32_t planType) {
    return AbsenceSum(m_absenceHours, type, from, to, planType);
  }
  double AbsenceDays(const velk_data::ILeaveType* type, uint32_t from, uint32_t to,
                     int32_t planType) {
    return AbsenceSum(m_absenceDays, type, from, to, planType);
  }
  double OvertimeBalance(uint32_t from, uint32_t to, int32_t planType);
  uint32_t SurchargeMinutes(const velk_data::ISurchargeType* type, uint32_t from, uint32_t to,
                            int32_t planType, bool halfHolidayAsWhole);

 private:
  struct Actual {
    double worked, absent, total;
  };
  // Fills both absence caches for every leave type.
  void CountAbsences(uint32_t from, uint32_t to, int32_t planType);
  double AbsenceSum(Cache<double>& cache, const velk_data::ILeaveType* type, uint32_t from,
                    uint32_t to, int32_t planType);

  const velk_data::IEmployee* m_employee;
  Cache<Actual> m_actual;
  Cache<double> m_target;
  Cache<uint32_t> m_workdays;
  Cache<uint32_t> m_customShifts;
  Cache<uint32_t> m_shiftTypes;
  Cache<double> m_absenceHours;
  Cache<double> m_absenceDays;
  Cache<double> m_overtime;
  Cache<uint32_t> m_surcharge;
};
