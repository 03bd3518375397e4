// Inputs a hostile or truncated message may hold: nothing may crash, overflow the stack or
// leak (the sanitizer build checks the last).

#include <gtest/gtest.h>

#include "json/json_parser.h"

namespace velk_json {
namespace {

constexpr size_t kDepth = 1000000;

uint32_t CodeOf(const std::u16string& text) {
  try {
    CJSONParser(text.data(), text.size()).Parse()->Destroy();
  } catch (const CJSONException& e) {
    return e.GetCode();
  }
  return 0;
}

TEST(RobustnessTest, DeepNestingWithoutEnd) {
  std::u16string text(kDepth, u'[');
  try {
    CJSONParser(text.c_str()).Parse();
    FAIL();
  } catch (const CJSONException& e) {
    EXPECT_EQ(UnexpectedEnd, e.GetCode());
    EXPECT_EQ(kDepth, e.GetColumn());
  }
}

TEST(RobustnessTest, DeepTreesParseWriteAndDestroy) {
  std::u16string arrays = std::u16string(kDepth, u'[') + std::u16string(kDepth, u']');
  CJSONValue* root = CJSONParser(arrays.c_str()).Parse();
  EXPECT_EQ(arrays, root->ToString());
  root->Destroy();

  std::u16string objects;
  for (size_t i = 0; i < kDepth / 4; ++i) objects += u"{\"a\":";
  objects += u"1" + std::u16string(kDepth / 4, u'}');
  root = CJSONParser(objects.c_str()).Parse();
  EXPECT_EQ(objects.size() + kDepth / 4, root->ToString().size());  // ": " for ":"
  root->Destroy();
}

TEST(RobustnessTest, DeepTreeBuiltInCode) {
  auto* root = new CJSONObject;
  CJSONObject* leaf = root;
  for (size_t i = 0; i < kDepth; ++i) {
    auto* next = new CJSONObject;
    leaf->AddOwned(u"x", next);
    leaf = next;
  }
  root->Destroy();
}

TEST(RobustnessTest, EveryTruncationFailsCleanly) {
  const std::u16string text =
      u"{\"id\": 12, \"name\": \"M\\u00fcller \\uD83D\\uDE00\", \"list\": [1.5e-3, -0, true, "
      u"false, null, {\"k\": []}], \"x\": \"\\n\"}";
  EXPECT_EQ(0u, CodeOf(text));
  for (size_t length = 0; length < text.size(); ++length)
    EXPECT_EQ(UnexpectedEnd, CodeOf(text.substr(0, length))) << length;
}

TEST(RobustnessTest, HugeNumbersAndRawSurrogates) {
  CJSONValue* root = CJSONParser((u"[" + std::u16string(5000, u'9') + u"]").c_str()).Parse();
  EXPECT_EQ(u"[inf]", root->ToString());
  root->Destroy();
  // Unpaired surrogates in raw text pass through unchanged.
  std::u16string text = u"[\"\xDC00\xD800x\", \"\xD800\"]";
  root = CJSONParser(text.c_str()).Parse();
  EXPECT_EQ(u"[\"\xDC00\xD800x\", \"\xD800\"]", root->ToString());
  root->Destroy();
}

TEST(RobustnessTest, ZerosInsideAnExplicitLength) {
  std::u16string text(u"[\"a\0b\", 1]", 10);
  CJSONValue* root = CJSONParser(text.data(), text.size()).Parse();
  EXPECT_EQ(text, root->ToString());
  root->Destroy();
  EXPECT_EQ(UnexpectedCharacter, CodeOf(std::u16string(u"[\0]", 3)));
}

TEST(RobustnessTest, LargeUnorderedObject) {
  std::u16string text = u"{";
  for (int i = 99999; i >= 0; --i) text += u"\"k" + std::u16string(1, u'a' + i % 26) + u"\":0,";
  text += u"\"z\":1}";
  CJSONValue* root = CJSONParser(text.c_str()).Parse();
  auto* object = static_cast<CJSONObject*>(root);
  EXPECT_EQ(27u, object->GetCount());
  EXPECT_EQ(1, object->GetInt(u"z", 0));
  root->Destroy();
}

}  // namespace
}  // namespace velk_json
