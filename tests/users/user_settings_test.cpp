// User settings: order by collaborator and key without regard to case, lookup by key and by key
// prefix, and keys read as US-ASCII text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_fixture.h"
#include "platform/code_page.h"
#include "velk_data.h"

namespace {

using Ids = std::vector<int32_t>;

class UserSettingsTest : public ModelTest {
 protected:
  void SetUp() override {
    Load(
        uR"({"user_setting": {"cu": [
      {"id": 1, "collaborator_id": 7, "key": "gridlines", "value": "on"},
      {"id": 2, "collaborator_id": 7, "key": "Grid.Width", "value": "120"},
      {"id": 3, "collaborator_id": 8, "key": "grid.width", "value": "80"},
      {"id": 4, "collaborator_id": 7, "key": "grid.height", "value": "40"},
      {"id": 5, "collaborator_id": 7, "key": "GRID.WIDTH", "value": "140"},
      {"id": 6, "collaborator_id": 6, "key": "grid.", "value": ""},
      {"id": 7, "collaborator_id": 7, "key": "grid`", "value": ""}]}})");
  }
  velk_data::IUserSettings* Settings() const { return data.GetUserSettings(); }
  // The ids GetByKey gives, checked against CountByKey.
  Ids ByKey(const char* key, int32_t collaborator) const {
    std::vector<velk_data::IUserSetting*> out(Settings()->GetCount());
    out.resize(Settings()->GetByKey(out.data(), key, collaborator));
    EXPECT_EQ(Settings()->CountByKey(key, collaborator), out.size());
    Ids ids;
    for (velk_data::IUserSetting* setting : out) ids.push_back(setting->GetId());
    return ids;
  }
};

TEST_F(UserSettingsTest, FindsByKeyAndPrefixRegardlessOfCase) {
  EXPECT_EQ(Settings()->Find("grid.WIDTH", 7)->GetId(), 2);  // the first of equal keys
  EXPECT_EQ(Narrow(Settings()->GetValue("Grid.Height", 7)), "40");
  EXPECT_EQ(Settings()->GetValue("grid.height", 8), nullptr);
  EXPECT_EQ(Settings()->Find("grid", 7), nullptr);  // a prefix is not the key

  EXPECT_EQ(ByKey("", 0), (Ids{6, 4, 2, 5, 1, 7, 3}));  // everyone's, in order
  EXPECT_EQ(ByKey("grid.", 7), (Ids{4, 2, 5}));
  EXPECT_EQ(ByKey("grid.width", 7), (Ids{2, 5}));  // a prefix equal to a key
  EXPECT_EQ(ByKey("grid`", 7), Ids{7});            // '`' + 1 is a lower-case letter
  EXPECT_EQ(ByKey("grid.widths", 7), Ids{});
  EXPECT_EQ(ByKey("grid.", 5), Ids{});
  EXPECT_EQ(Settings()->GetAtOfCollaborator(4, 7)->GetId(), 7);
  EXPECT_EQ(Settings()->GetAtOfCollaborator(5, 7), nullptr);

  // A key changed by an update moves the setting.
  ASSERT_NE(Update(uR"({"user_setting": {"cu": [{"id": 4, "key": "zoom"}]}})"), nullptr);
  EXPECT_EQ(Settings()->GetAtOfCollaborator(4, 7)->GetId(), 4);
}

TEST_F(UserSettingsTest, KeysAreUsAsciiText) {
  ASSERT_NE(Update(uR"({"user_setting": {"cu": [
      {"id": 8, "collaborator_id": 7, "key": "Größe", "value": "x"},
      {"id": 9, "collaborator_id": 7, "key": 12}, {"id": 2, "value": "121"}]}})"),
            nullptr)
      << Error();
  // What US-ASCII cannot hold is the platform's to say: '?' here, a look-alike on Windows.
  const std::string key = velk_platform::ToMultiByte(u"Größe", 20127);
  velk_data::IUserSetting* replaced = Settings()->FindById(8);
  EXPECT_STREQ(replaced->GetKey(), key.c_str());
  EXPECT_EQ(Settings()->Find(key.c_str(), 7), replaced);
#ifndef _WIN32
  EXPECT_EQ(key, "Gr??e");
  EXPECT_EQ(Settings()->Find("GR??E", 7), replaced);
#endif
  EXPECT_STREQ(Settings()->FindById(9)->GetKey(), "");            // not a string
  EXPECT_STREQ(Settings()->FindById(2)->GetKey(), "Grid.Width");  // absent: kept

  // A key set by the host keeps its bytes; written back, what US-ASCII cannot hold is '?'.
  velk_data::IUserSetting* free = Settings()->CreateItem();
  free->SetKey(
      "Gr\xC3\xB6\xC3\x9F"
      "e");
#ifndef _WIN32
  EXPECT_EQ(Narrow(free->ToJSON()), R"({"collaborator_id": -1,"key": "Gr????e","value": ""})");
#endif
  free->Release();
}

}  // namespace
