// Messages end to end: both passes, the id rules of updates, deletions, callbacks, progress and
// every failure with its code and text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "master/workplace.h"
#include "model_fixture.h"

namespace {

class IntakeTest : public ModelTest {
 protected:
  void ExpectFailure(const char16_t* json, bool inOrder, int32_t code, const std::string& text) {
    EXPECT_FALSE(data.Load(json, inOrder, nullptr, nullptr));
    EXPECT_EQ(data.GetErrorCode(), code) << Error();
    EXPECT_EQ(Narrow(data.GetErrorText()), text);
    EXPECT_FALSE(data.IsBusy());
  }
  std::u16string WorkplaceName(int32_t id) const {
    velk_data::IWorkplace* workplace = data.GetWorkplaces()->FindById(id);
    return workplace ? workplace->GetName() : u"<none>";
  }
};

TEST_F(IntakeTest, MessageFormatErrors) {
  for (bool inOrder : {true, false}) {
    ExpectFailure(u"{\"shift_plan\": {}}", inOrder, 3003, "Unknown JSON data type key: shift_plan");
    ExpectFailure(u"{\"workplace\": {\"c\": []}}", inOrder, 3003, "Unknown JSON info type key: c");
    ExpectFailure(u"{\"workplace\": []}", inOrder, 3001, "Invalid JSON string.");
    ExpectFailure(u"{\"workplace\": {\"cu\": {}}}", inOrder, 3001, "Invalid JSON string.");
    ExpectFailure(u"{\"workplace\": {\"cu\": [1]}}", inOrder, 3001, "Invalid JSON string.");
    ExpectFailure(u"{\"timestamps\": 5}", inOrder, 3001, "Invalid JSON string.");
    ExpectFailure(u"{\"restricted_access\": [{\"id\": 4, \"permissions\": \"none\"}]}", inOrder,
                  3002, "Invalid user state data.");
    ExpectFailure(u"{\"restricted_access\": [7]}", inOrder, 3001, "Invalid JSON string.");
    ExpectFailure(u"{\"workplace\": {\"cu\": [{\"id\": 1]}}", inOrder, 3000,
                  "JSON parser error at line 0, column 30: unexpected character");
  }
  // The first value must be an object: read in order the intake says so; read sorted the
  // parser meets the wrong bracket.
  ExpectFailure(u"[1, 2]", true, 3001, "Invalid JSON string.");
  ExpectFailure(u"[1, 2]", false, 3000,
                "JSON parser error at line 0, column 0: unexpected character");
}

TEST_F(IntakeTest, BothPassesLoadTheSameModel) {
  const char16_t* json =
      uR"({
    "holiday": {"cu": [{"id": 1, "date": "2026-01-01"}]},
    "workplace": {"cu": [{"id": 2, "name": "Ward A"}, {"id": 5, "name": "Ward B"}]},
    "workplace": {"cu": [{"id": 9, "name": "Ward C"}]}
  })";
  for (bool inOrder : {true, false}) {
    Load(json, inOrder);
    EXPECT_EQ(data.GetHolidays()->GetCount(), 1u);
    ASSERT_EQ(data.GetWorkplaces()->GetCount(), 3u);
    EXPECT_EQ(WorkplaceName(9), u"Ward C");
  }
}

TEST_F(IntakeTest, SortedPassReadsWhatOthersReferToFirst) {
  // The permissions name an employee that the text brings only later.
  const char16_t* json =
      uR"({"restricted_access": [{"id": 7, "permissions": "read-only"}],
                              "employee": {"cu": [{"id": 7, "firstname": "Anna"}]}})";
  Load(u"{}");
  data.SetCurrentUser(5, false, 2);  // restricted: the message's permissions stand
  EXPECT_EQ(Update(json, true), nullptr);
  EXPECT_EQ(Narrow(data.GetErrorText()), "Unknown employee id in user state data: 7");
  ASSERT_NE(Update(json, false), nullptr) << Error();
  EXPECT_EQ(data.GetEmployeePermission(data.GetEmployees()->FindById(7)), 1);
}

TEST_F(IntakeTest, UpdateIdRules) {
  Load(uR"({"workplace": {"cu": [{"id": 2, "name": "Ward A"}]}})");
  // id 0 and unknown ids create; a known id updates only the keys given.
  ASSERT_NE(Update(uR"({"workplace": {"cu": [{"id": 0, "name": "New"}, {"id": 7, "name": "Seven"},
                                               {"id": 2, "hidden": true}]}})"),
            nullptr)
      << Error();
  EXPECT_EQ(data.GetWorkplaces()->GetCount(), 3u);
  EXPECT_EQ(WorkplaceName(7), u"Seven");
  EXPECT_EQ(WorkplaceName(2), u"Ward A");
  EXPECT_TRUE(data.GetWorkplaces()->FindById(2)->IsHidden());

  EXPECT_EQ(Update(uR"({"workplace": {"cu": [{"name": "no id"}]}})"), nullptr);
  EXPECT_EQ(data.GetErrorCode(), 3002);
  EXPECT_EQ(Narrow(data.GetErrorText()), "Item ID missing or invalid in JSON data.");
}

TEST_F(IntakeTest, FailedUpdateKeepsWhatCameBefore) {
  Load(uR"({"workplace": {"cu": [{"id": 2, "name": "Ward A"}]}})");
  EXPECT_EQ(Update(uR"({"workplace": {"cu": [{"id": 2, "name": "Renamed"}, {"id": -4}]}})"),
            nullptr);
  EXPECT_EQ(WorkplaceName(2), u"Renamed");
  EXPECT_TRUE(data.IsLoaded());
}

TEST_F(IntakeTest, DeletionsAndTheirLog) {
  Load(uR"({"workplace": {"cu": [{"id": 2}, {"id": 3}, {"id": 4}]}})");
  velk_data::ITransactionLog* log =
      Update(uR"({"workplace": {"d": [{"id": 3, "user_request": 1}, {"id": 4}, {"id": 99}]}})");
  ASSERT_NE(log, nullptr) << Error();
  EXPECT_EQ(data.GetWorkplaces()->GetCount(), 1u);
  int32_t ids[4] = {};
  ASSERT_EQ(log->GetDeletedIds(u"workplace", ids), 1u);  // only the requested, existing one
  EXPECT_EQ(ids[0], 3);
}

TEST_F(IntakeTest, LogRecordsRequestedCreationsAndPreviousTexts) {
  Load(uR"({"workplace": {"cu": [{"id": 2, "name": "Ward A"}]}})");
  velk_data::ITransactionLog* log = Update(
      uR"({
    "workplace": {"cu": [{"id": 2, "name": "Ward B", "user_request": 1},
                         {"id": 8, "name": "Ward C", "user_request": 1},
                         {"id": 9, "name": "unrequested"}]}})");
  ASSERT_NE(log, nullptr) << Error();
  EXPECT_EQ(log->GetCreatedCount(u"workplace", false), 1u);
  EXPECT_EQ(log->GetFirstCreatedId(nullptr), 8);
  ASSERT_EQ(log->GetUpdatedCount(u"workplace"), 1u);
  char16_t text[128];
  ASSERT_GT(log->GetPreviousText(u"workplace", 0, text, 128), 0);
  EXPECT_EQ(Narrow(text),
            R"({"hidden": false,"id": 2,"name": "Ward A","position": 0,"short_name": ""})");
}

TEST_F(IntakeTest, MetaDataGoesToTheHost) {
  struct Seen {
    std::vector<std::string> calls;
    bool accept = true;
  } seen;
  data.SetMetaDataCallback(
      [](void* context, const char16_t* key, const char16_t* json) {
        auto* s = static_cast<Seen*>(context);
        s->calls.push_back(Narrow(key) + "=" + Narrow(json));
        return s->accept;
      },
      &seen);
  Load(uR"({"timestamps": {"b": 2, "a": "x"}, "debug_info": {"z": 1}})");
  EXPECT_EQ(seen.calls, (std::vector<std::string>{R"(timestamps={"a": "x","b": 2})"}));

  seen.accept = false;
  EXPECT_EQ(Update(uR"({"notification": {}})"), nullptr);
  EXPECT_EQ(data.GetErrorCode(), 3002);
  EXPECT_EQ(Narrow(data.GetErrorText()), "Invalid meta data information - key: notification");
}

TEST_F(IntakeTest, ProgressEveryThousandItemsAndLoadedCallback) {
  std::u16string json = u"{\"workplace\": {\"cu\": [";
  for (int i = 1; i <= 2500; ++i) {
    const std::string item = (i > 1 ? ", {\"id\": " : "{\"id\": ") + std::to_string(i) + "}";
    json.append(item.begin(), item.end());
  }
  json += u"]}}";
  std::vector<uint32_t> progress;
  int loaded = 0;
  data.SetLoadedCallback([](void* context) { ++*static_cast<int*>(context); }, &loaded);
  ASSERT_TRUE(data.Load(
      json.c_str(), true,
      [](void* context, uint32_t processed, uint32_t) {
        static_cast<std::vector<uint32_t>*>(context)->push_back(processed);
      },
      &progress))
      << Error();
  EXPECT_EQ(progress, (std::vector<uint32_t>{1000, 2000}));
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(data.GetWorkplaces()->GetCount(), 2500u);
  EXPECT_EQ(data.GetWorkplaces()->FindById(1777)->GetId(), 1777);
}

}  // namespace
