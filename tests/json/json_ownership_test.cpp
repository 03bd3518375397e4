// Ownership shows under the sanitizer build: a value destroyed twice or never fails there.

#include <gtest/gtest.h>

#include "json/json_value.h"

namespace velk_json {
namespace {

TEST(OwnershipTest, RepeatedNameKeepsTheFirstValue) {
  CJSONObject json;
  CJSONNumber first(1);
  CJSONNumber second(2);
  EXPECT_TRUE(json.Add(u"a", &first));
  EXPECT_FALSE(json.Add(u"a", &second));
  EXPECT_EQ(&first, json.Find(u"a"));
  EXPECT_EQ(&json, first.GetParent());
  EXPECT_EQ(&json, second.GetParent());  // a rejected value still takes the object as parent
}

TEST(OwnershipTest, AddOwnedDestroysRejectedValuesToo) {
  CJSONObject json;
  EXPECT_TRUE(json.AddOwned(u"a", new CJSONString(u"first")));
  EXPECT_FALSE(json.AddOwned(u"a", new CJSONString(u"second")));
  EXPECT_EQ(u"first", json.GetString(u"a", u""));
  EXPECT_EQ(1u, json.GetCount());
}

TEST(OwnershipTest, OwningObjectDestroysAddOwnedValuesOnce) {
  auto* json = new CJSONObject;
  json->SetOwnsMembers(true);
  json->AddOwned(u"a", new CJSONNumber(1));
  json->AddOwned(u"a", new CJSONNumber(2));
  json->Add(u"b", new CJSONArray);
  json->Destroy();
}

TEST(OwnershipTest, ValueKeepsItsFirstParent) {
  CJSONArray outer;
  auto* inner = new CJSONArray;
  auto* value = new CJSONNull;
  EXPECT_EQ(0, outer.Add(inner));
  EXPECT_EQ(0, inner->Add(value));
  CJSONObject object;
  object.Add(u"x", value);
  EXPECT_EQ(inner, value->GetParent());
  EXPECT_EQ(&outer, inner->GetParent());
  EXPECT_EQ(1, outer.Add(new CJSONNumber(3, &object)));
  EXPECT_EQ(&object, outer[1]->GetParent());
}

TEST(OwnershipTest, MembersAreOrderedByCodeUnit) {
  CJSONObject json;
  for (const char16_t* name :
       {u"employee_id", u"date", u"b", u"a", u"ab", u"\u00e4", u"Z", u"abcde", u"abcd", u"abcdZ"})
    json.AddOwned(name, new CJSONNull);
  std::u16string order;
  for (size_t i = 0; i < json.GetCount(); ++i) order += std::u16string(json.GetAt(i).name) + u" ";
  EXPECT_EQ(u"Z a ab abcd abcdZ abcde b date employee_id \u00e4 ", order);
  EXPECT_NE(nullptr, json.Find(u"abcdZ"));
  EXPECT_NE(nullptr, json.Find(u"ab"));
  EXPECT_EQ(nullptr, json.Find(u"abc"));
}

TEST(OwnershipTest, ClearedObjectCanBeFilledAgain) {
  CJSONObject json;
  json.AddOwned(u"a", new CJSONNumber(1));
  json.Clear();
  EXPECT_EQ(0u, json.GetCount());
  EXPECT_EQ(nullptr, json.Find(u"a"));
  json.AddOwned(u"b", new CJSONNumber(2));
  EXPECT_EQ(u"{\"b\": 2}", json.ToString());
}

}  // namespace
}  // namespace velk_json
