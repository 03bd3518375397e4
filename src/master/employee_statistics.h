// The sums an employee answers over a date range (hours worked and due, workday and shift type
// counts, absence hours and days, overtime balance, surcharge minutes), each computed over the
// days on which he is employed and cached per query key until the next ClearLinks. The
// computations that serve a whole master collection (every leave type, every shift type,
// every surcharge type) fill one entry per item in one pass over the records.
#pragma once

#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "velk_data.h"

class CEmployeeStatistics {
  // The key of a cached answer: the item it is about (a leave, shift or surcharge type; null
  // for sums over all records), the range, the plan type and one more argument of the query.
  struct StatKey {
    const void* item;
    uint32_t from, to;
    int32_t planType = 0;
    int32_t extra = 0;
    bool operator==(const StatKey& o) const {
      return item == o.item && from == o.from && to == o.to && planType == o.planType &&
             extra == o.extra;
    }
  };
  struct StatKeyHash {
    size_t operator()(const StatKey& k) const {
      uint64_t h = reinterpret_cast<uintptr_t>(k.item) * 0x9E3779B97F4A7C15ull;
      h ^= (uint64_t{k.from} << 32 | k.to) + 0x632BE59BD9B4E019ull + (h << 6) + (h >> 2);
      h ^= (uint64_t{static_cast<uint32_t>(k.planType)} << 32 | static_cast<uint32_t>(k.extra)) +
           0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
      return static_cast<size_t>(h ^ (h >> 29));
    }
  };
  template <class V>
  using Cache = std::unordered_map<StatKey, V, StatKeyHash>;

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
