#include "platform/code_page.h"

#include <gtest/gtest.h>

namespace velk_platform {
namespace {

TEST(CodePageTest, AsciiReplacesWhatItCannotHold) {
  EXPECT_EQ(ToMultiByte(u"key_1", kAsciiCodePage), "key_1");
  EXPECT_EQ(ToMultiByte(u"\u00e9", kAsciiCodePage), "?");
  // Code unit by code unit: a surrogate pair gives two '?', a lone surrogate one.
  EXPECT_EQ(ToMultiByte(u"a\U0001F600b\xD800", kAsciiCodePage), "a??b?");
  EXPECT_EQ(FromMultiByte("a\xC3\xA9", kAsciiCodePage), u"a??");
}

TEST(CodePageTest, Utf8RoundTripsSupplementaryCharacters) {
  const std::u16string text = u"a\U0001F600\u00e9\u20ac";
  const std::string bytes = ToMultiByte(text, kSystemCodePage);
  EXPECT_EQ(bytes, "a\xF0\x9F\x98\x80\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(FromMultiByte(bytes, kSystemCodePage), text);
  // Any code page we do not know is taken as the system one.
  EXPECT_EQ(ToMultiByte(text, 1252), bytes);
}

TEST(CodePageTest, UnpairedSurrogatesBecomeReplacementCharacters) {
  const std::u16string text = {u'x', char16_t(0xDC00), char16_t(0xD800), u'y', char16_t(0xDBFF)};
  EXPECT_EQ(ToMultiByte(text, kSystemCodePage), "x\xEF\xBF\xBD\xEF\xBF\xBDy\xEF\xBF\xBD");
}

TEST(CodePageTest, IllFormedUtf8ReadsAsReplacementCharacters) {
  // Overlong lead, stray continuation, truncated sequence at the end.
  EXPECT_EQ(FromMultiByte("\xC0\xAF"
                          "a\xE2\x82",
                          kSystemCodePage),
            u"\uFFFD\uFFFDa\uFFFD");
  // An encoded surrogate and a value above U+10FFFF are ill-formed byte by byte.
  EXPECT_EQ(FromMultiByte("\xED\xA0\x80", kSystemCodePage), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(FromMultiByte("\xF4\x90\x80\x80", kSystemCodePage), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  // A truncated sequence followed by a good character loses only itself.
  EXPECT_EQ(FromMultiByte("\xF0\x9F\x98"
                          "b",
                          kSystemCodePage),
            u"\uFFFDb");
}

}  // namespace
}  // namespace velk_platform
