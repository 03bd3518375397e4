// Dates on velk's command line: YYYY-MM-DD and YYYY-MM to day numbers and back, and the
// option that turns a date that does not read into a usage error.
#include <gtest/gtest.h>
#include <CLI/CLI.hpp>

#include "tools/velk/args.h"
#include "tools/velk/dates.h"

namespace velk_cli {
namespace {

TEST(VelkDates, ReadsCalendarDaysAsDayNumbers) {
  uint32_t day = 0;
  ASSERT_TRUE(ParseDate("2026-12-25", &day));
  EXPECT_EQ(day, 2461400u);  // the README host's holiday
  ASSERT_TRUE(ParseDate("2000-03-01", &day));
  EXPECT_EQ(day, 2451605u);
  ASSERT_TRUE(ParseDate("2024-02-29", &day));  // leap year
  EXPECT_EQ(FormatDate(day), "2024-02-29");
  ASSERT_TRUE(ParseDate("2000-02-29", &day));  // divisible by 400: leap year
  EXPECT_EQ(FormatDate(day + 1), "2000-03-01");
}

TEST(VelkDates, RefusesWhatIsNotADayOfTheCalendar) {
  uint32_t day = 7;
  for (const char* text :
       {"2026-02-29", "1900-02-29", "2026-04-31", "2026-13-01", "2026-00-10", "2026-01-00",
        "0000-01-01", "2026-1-5", "26-01-05", "2026/01/05", "2026-01-05x", "2026-0a-05", ""})
    EXPECT_FALSE(ParseDate(text, &day)) << text;
  EXPECT_EQ(day, 7u);
}

TEST(VelkDates, FormatIsTheInverseOfParseOverCenturies) {
  uint32_t first = 0, last = 0;
  ASSERT_TRUE(ParseDate("1899-12-25", &first));
  ASSERT_TRUE(ParseDate("2101-01-07", &last));
  for (uint32_t day = first; day <= last; ++day) {
    uint32_t back = 0;
    ASSERT_TRUE(ParseDate(FormatDate(day), &back)) << FormatDate(day);
    ASSERT_EQ(back, day);
  }
}

TEST(VelkDates, DateOptionStoresTheDayOrFailsAsUsage) {
  CLI::App app;
  uint32_t from = 0;
  AddDateOption(&app, "--from", &from, "first day");
  app.parse(std::vector<std::string>{"2026-12-24", "--from"});  // reversed: CLI11's order
  EXPECT_EQ(from, 2461399u);

  CLI::App bad;
  AddDateOption(&bad, "--from", &from, "first day");
  EXPECT_THROW(bad.parse(std::vector<std::string>{"2026-02-30", "--from"}), CLI::ValidationError);
}

TEST(VelkDates, AMonthIsItsFirstToItsLastDay) {
  uint32_t first = 0, last = 0;
  ASSERT_TRUE(ParseMonth("2024-02", &first, &last));
  EXPECT_EQ(FormatDate(first), "2024-02-01");
  EXPECT_EQ(FormatDate(last), "2024-02-29");
  ASSERT_TRUE(ParseMonth("2026-12", &first, &last));
  EXPECT_EQ(last - first, 30u);
  EXPECT_EQ(Weekday(first), 1);  // a Tuesday
  for (const char* text : {"2026-13", "2026-00", "0000-05", "2026-1", "2026-12-01", "202612"})
    EXPECT_FALSE(ParseMonth(text, &first, &last)) << text;
}

}  // namespace
}  // namespace velk_cli
