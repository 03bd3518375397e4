#include "platform/c_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace velk_platform {
namespace {

// A host that set a locale with a decimal comma still gets '.' numbers from us.
TEST(CNumberTest, DecimalPointWhateverTheLocale) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  bool german = false;
  for (const char* name : {"German_Germany.1252", "de_DE.UTF-8", "de_DE"})
    if (std::setlocale(LC_ALL, name)) german = true;
  if (!german) GTEST_SKIP() << "no German locale on this machine";
  char* end = nullptr;
  const char* text = "-1.25e2,5";
  EXPECT_EQ(ParseDoubleC(text, &end), -125.0);
  EXPECT_EQ(end, text + 7);
  const char* comma = "1,5";
  EXPECT_EQ(ParseDoubleC(comma, &end), 1.0);
  EXPECT_EQ(end, comma + 1);
  EXPECT_EQ(ParseDoubleC("0x10", nullptr), 16.0);
  char buffer[32];
  EXPECT_EQ(FormatFixedC(buffer, sizeof buffer, 2.25), 8);
  EXPECT_EQ(std::string(buffer), "2.250000");
  std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace velk_platform
