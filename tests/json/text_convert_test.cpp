#include <gtest/gtest.h>

#include "json/text_convert.h"

namespace velk_json {
namespace {

TEST(TextConvertTest, SystemCodePageAndAscii) {
#ifdef _WIN32
  // The ANSI code page of a Western Windows; US-ASCII with Windows' nearest look-alike.
  EXPECT_EQ("M\xFCller", ToNarrow(u"M\u00fcller", 0));
  EXPECT_EQ(u"M\u00fcller", ToWide("M\xFCller", 0));
  EXPECT_EQ("Muller", ToNarrow(u"M\u00fcller", 20127));
#else
  EXPECT_EQ("M\xC3\xBCller", ToNarrow(u"M\u00fcller", 0));
  EXPECT_EQ(u"M\u00fcller", ToWide("M\xC3\xBCller", 0));
  EXPECT_EQ("M?ller", ToNarrow(u"M\u00fcller", 20127));
#endif
  EXPECT_EQ("", ToNarrow(static_cast<const char16_t*>(nullptr), 0));
  EXPECT_EQ(u"", ToWide(static_cast<const char*>(nullptr), 0));
  EXPECT_FALSE(ToNarrow(u"\xD800", 0).empty());  // an unpaired surrogate does not fail
}

}  // namespace
}  // namespace velk_json
