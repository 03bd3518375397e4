#include "platform/collation.h"

#include <gtest/gtest.h>

namespace velk_platform {
namespace {

TEST(CollationTest, GermanSortsUmlautsWithTheirBaseLetter) {
  EXPECT_LT(CompareNoCase(u"\u00c4rzte", u"Zentrale", "de-DE"), 0);
  EXPECT_GT(CompareNoCase(u"Zentrale", u"\u00c4rzte", "de-DE"), 0);
  EXPECT_LT(CompareNoCase(u"Anna", u"\u00c4rzte", "de-DE"), 0);
}

TEST(CollationTest, IgnoresCaseButNotAccents) {
  for (const char* locale : {"de-DE", "en-US", static_cast<const char*>(nullptr)}) {
    EXPECT_EQ(CompareNoCase(u"abc", u"ABC", locale), 0);
    EXPECT_NE(CompareNoCase(u"a", u"\u00e1", locale), 0);
    EXPECT_LT(CompareNoCase(u"apple", u"Banana", locale), 0);
  }
}

TEST(CollationTest, UnknownLocaleFallsBackToRoot) {
  for (const char* locale : {"xx-Bogus", "!!not a tag!!", ""}) {
    EXPECT_EQ(CompareNoCase(u"Station", u"station", locale), 0);
    EXPECT_LT(CompareNoCase(u"\u00c4rzte", u"Zentrale", locale), 0);
  }
}

}  // namespace
}  // namespace velk_platform
