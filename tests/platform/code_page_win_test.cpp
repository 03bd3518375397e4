// How we call Windows' conversions: whole texts of any length, zeros inside included, and
// never a failure. What Windows puts in for a missing letter is Windows' business.
#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace velk_platform {
namespace {

TEST(CodePageWinTest, WholeTextsRoundTrip) {
  const std::u16string text = u"K\u00f6ln";
  EXPECT_EQ(FromMultiByte(ToMultiByte(text, kSystemCodePage), kSystemCodePage), text);
  const std::u16string withZero(u"a\0\u00e9", 3);
  EXPECT_EQ(FromMultiByte(ToMultiByte(withZero, kUtf8CodePage), kUtf8CodePage), withZero);
  const std::u16string supplementary = u"a\U0001F600\u20ac";
  EXPECT_EQ(ToMultiByte(supplementary, kUtf8CodePage), "a\xF0\x9F\x98\x80\xE2\x82\xAC");
  const std::u16string longText(100000, u'\u00e9');
  EXPECT_EQ(ToMultiByte(longText, kUtf8CodePage).size(), 200000u);
  EXPECT_EQ(ToMultiByte(u"", kSystemCodePage), "");
  EXPECT_EQ(FromMultiByte("", kSystemCodePage), u"");
}

TEST(CodePageWinTest, AsciiHoldsNothingAboveSevenBits) {
  for (const std::string& narrow :
       {ToMultiByte(u"M\u00fcller\u03a9\U0001F600\xD800", kAsciiCodePage),
        ToMultiByte(u"key_1", kAsciiCodePage)})
    for (char c : narrow) EXPECT_LT(static_cast<unsigned char>(c), 0x80) << narrow;
  EXPECT_EQ(ToMultiByte(u"key_1", kAsciiCodePage), "key_1");
  for (char16_t c : FromMultiByte("a\xC3\xA9", kAsciiCodePage)) EXPECT_LT(c, 0x80);
  EXPECT_FALSE(ToMultiByte(u"x\xD800", kSystemCodePage).empty());  // an unpaired surrogate
}

}  // namespace
}  // namespace velk_platform
