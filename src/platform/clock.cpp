#include "platform/clock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <ctime>
#endif

namespace velk_platform {

namespace {

bool pinned = false;
LocalDate pinnedDate{};

}  // namespace

LocalDate Today() {
  if (pinned) return pinnedDate;
#ifdef _WIN32
  SYSTEMTIME local;
  GetLocalTime(&local);
  return LocalDate{local.wYear, local.wMonth, local.wDay};
#else
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
#endif
}

void PinToday(LocalDate date) {
  pinnedDate = date;
  pinned = true;
}

void UnpinToday() { pinned = false; }

}  // namespace velk_platform
