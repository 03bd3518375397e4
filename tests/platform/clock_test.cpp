#include "platform/clock.h"

#include <gtest/gtest.h>

namespace velk_platform {
namespace {

TEST(ClockTest, PinnedDayHoldsUntilUnpinned) {
  PinToday({2024, 2, 29});
  LocalDate pinned = Today();
  EXPECT_EQ(pinned.year * 10000 + pinned.month * 100 + pinned.day, 20240229);
  UnpinToday();
  LocalDate real = Today();
  EXPECT_GE(real.year, 2024);
  EXPECT_TRUE(real.month >= 1 && real.month <= 12 && real.day >= 1 && real.day <= 31);
}

}  // namespace
}  // namespace velk_platform
