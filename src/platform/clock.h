// Today's local date, behind a clock that tests can pin.
//
// Typed dates that leave out the year, month or day take them from today.
// Module-wide state, used from one thread at a time.

#ifndef VELK_PLATFORM_CLOCK_H_
#define VELK_PLATFORM_CLOCK_H_

#include <cstdint>

namespace velk_platform {

struct LocalDate {
  int32_t year;
  int32_t month;  // 1 to 12
  int32_t day;    // 1 to 31
};

// The pinned date if there is one, otherwise the machine's local date.
LocalDate Today();

// Makes Today() answer `date` until UnpinToday().
void PinToday(LocalDate date);
void UnpinToday();

}  // namespace velk_platform

#endif  // VELK_PLATFORM_CLOCK_H_
