#include "platform/clock.h"

#include <ctime>

namespace velk_platform {

namespace {

bool pinned = false;
LocalDate pinnedDate{};

}  // namespace

LocalDate Today() {
  if (pinned) return pinnedDate;
  std::time_t now = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  return LocalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void PinToday(LocalDate date) {
  pinnedDate = date;
  pinned = true;
}

void UnpinToday() { pinned = false; }

}  // namespace velk_platform
