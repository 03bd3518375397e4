// The transaction log: what an update records at the user's request, which created items
// merely depend on another created item, and the host's two-call text protocol.
#include "data/transaction_log.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model_fixture.h"

namespace {

// An item that refers to at most one other item.
class FakeItem : public velk_data::IItem {
 public:
  explicit FakeItem(int32_t id, const velk_data::IItem* target = nullptr)
      : m_id(id), m_target(target) {}
  velk_data::IData* GetData() const override { return nullptr; }
  void SetId(int32_t id) override { m_id = id; }
  int32_t GetId() const override { return m_id; }
  bool References(const velk_data::IItem* other) const override { return other == m_target; }
  const char16_t* GetTypeName() const override { return u""; }
  const char16_t* ToJSON() const override { return u"{}"; }
  void Release() override {}

 private:
  int32_t m_id;
  const velk_data::IItem* m_target;
};

TEST(TransactionLogTest, ItemsReferringToAnEarlierCreatedReferableItemAreDependent) {
  CTransactionLog log;
  FakeItem employee(12), absence(40, &employee);
  FakeItem holiday(5), note(50, &holiday);         // holidays are not referable
  FakeItem workplace(7), booking(60, &workplace);  // created before what it refers to
  log.RecordCreated(u"employee", &employee);
  log.RecordCreated(u"absence", &absence);
  log.RecordCreated(u"holiday", &holiday);
  log.RecordCreated(u"note", &note);
  log.RecordCreated(u"booking", &booking);
  log.RecordCreated(u"workplace", &workplace);

  EXPECT_EQ(log.GetCreatedTypeCount(false), 6u);
  EXPECT_EQ(log.GetCreatedTypeCount(true), 5u);
  int32_t ids[2] = {};
  EXPECT_EQ(log.GetCreatedIds(u"absence", ids, true), 0u);
  EXPECT_EQ(log.GetCreatedIds(u"absence", ids, false), 1u);
  EXPECT_EQ(ids[0], 40);
  EXPECT_EQ(log.GetCreatedCount(u"note", true), 1u);
  EXPECT_EQ(log.GetCreatedCount(u"booking", true), 1u);
  char16_t name[16];
  EXPECT_EQ(log.GetCreatedTypeName(0, name, 16, true), 7);
  EXPECT_EQ(std::u16string(name), u"booking");    // "absence" is left out
  EXPECT_EQ(log.GetFirstCreatedId(nullptr), 40);  // "absence" sorts first, dependent or not
  EXPECT_EQ(log.GetFirstCreatedId(u"group"), -1);
}

TEST(TransactionLogTest, TextsAreCopiedOnlyWithRoomForTheZero) {
  CTransactionLog log;
  EXPECT_EQ(log.GetFirstCreatedId(nullptr), -1);
  log.RecordUpdated(u"employee", u"{\"id\": 12}");
  log.RecordDeleted(u"employee", 3);
  log.RecordDeleted(u"employee", 4);

  char16_t buffer[16] = {u'x'};
  EXPECT_EQ(log.GetUpdatedTypeName(0, nullptr, 0), 8);
  EXPECT_EQ(log.GetUpdatedTypeName(0, buffer, 8), -1);
  EXPECT_EQ(buffer[0], u'x');
  EXPECT_EQ(log.GetUpdatedTypeName(0, buffer, 9), 8);
  EXPECT_EQ(std::u16string(buffer), u"employee");
  EXPECT_EQ(log.GetUpdatedTypeName(1, buffer, 16), 0);
  EXPECT_EQ(log.GetCreatedTypeName(0, buffer, 16, false), 0);

  EXPECT_EQ(log.GetPreviousText(u"employee", 0, buffer, 11), 10);
  EXPECT_EQ(std::u16string(buffer), u"{\"id\": 12}");
  EXPECT_EQ(log.GetPreviousText(u"employee", 1, buffer, 16), 0);
  EXPECT_EQ(log.GetPreviousText(u"absence", 0, buffer, 16), 0);

  int32_t ids[2] = {};
  EXPECT_EQ(log.GetDeletedIds(u"employee", ids), 2u);
  EXPECT_EQ(std::vector<int32_t>(ids, ids + 2), (std::vector<int32_t>{3, 4}));
  EXPECT_EQ(log.GetDeletedCount(nullptr), 0u);
}

TEST_F(ModelTest, UpdateLogsOnlyWhatTheUserRequested) {
  Load(
      uR"({"holiday":{"cu":[{"id":5,"date":"2026-01-01"}]},
            "workplace":{"cu":[{"id":1,"name":"A"},{"id":2,"name":"B"}]}})");
  velk_data::ITransactionLog* log = Update(
      uR"({
    "holiday":{"cu":[{"id":6,"date":"2026-05-01","user_request":1}],
               "d":[{"id":5,"user_request":1},{"id":99,"user_request":1}]},
    "workplace":{"cu":[{"id":1,"name":"A2","user_request":1},{"id":2,"name":"B2","user_request":2},
                       {"id":3,"user_request":1},{"id":4}]}})");
  ASSERT_NE(log, nullptr) << Error();

  EXPECT_EQ(Narrow(data.GetWorkplaces()->FindById(2)->GetName()), "B2");
  EXPECT_EQ(log->GetCreatedTypeCount(false), 2u);
  EXPECT_EQ(log->GetCreatedCount(u"workplace", false), 1u);
  EXPECT_EQ(log->GetFirstCreatedId(nullptr), 6);
  EXPECT_EQ(log->GetFirstCreatedId(u"workplace"), 3);
  EXPECT_EQ(log->GetUpdatedCount(u"workplace"), 1u);
  std::u16string previous(log->GetPreviousText(u"workplace", 0, nullptr, 0) + 1, u'\0');
  log->GetPreviousText(u"workplace", 0, previous.data(), static_cast<int32_t>(previous.size()));
  EXPECT_EQ(Narrow(previous.c_str()),
            R"({"hidden": false,"id": 1,"name": "A","position": 0,"short_name": ""})");
  EXPECT_EQ(log->GetDeletedTypeCount(), 1u);
  int32_t deleted[2] = {};
  EXPECT_EQ(log->GetDeletedIds(u"holiday", deleted), 1u);  // 99 named nothing
  EXPECT_EQ(deleted[0], 5);
}

}  // namespace
