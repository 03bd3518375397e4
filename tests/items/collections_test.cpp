// The two collection kinds: master collections (load order, the highest loaded id) and ordered
// collections (order by key, equal keys in insertion order, range bounds, repositioning).
// Workplaces and holidays stand for them.
#include <gtest/gtest.h>

#include <vector>

#include "datetime/date.h"
#include "item_test_util.h"
#include "master/holiday.h"
#include "master/workplace.h"
#include "model_fixture.h"

namespace {

using Ids = std::vector<int32_t>;

uint32_t Day(int32_t month, int32_t day) {
  return velk_date_time::TDate::FromYMD(month, day, 2026).m_day;
}

TEST_F(ModelTest, MasterCollectionKeepsLoadOrderAndRejectsIdsAboveTheHighest) {
  Load(uR"({"workplace":{"cu":[{"id":3},{"id":9},{"id":5}]}})");
  velk_data::IWorkplaces* workplaces = data.GetWorkplaces();
  EXPECT_EQ(IdsOf(workplaces), (Ids{3, 9, 5}));
  EXPECT_EQ(workplaces->GetAt(3), nullptr);
  EXPECT_EQ(workplaces->FindById(10), nullptr);
  EXPECT_EQ(workplaces->FindById(5), workplaces->GetAt(2));

  // Only loading raises the highest id: an id set later above it is not found, and removal
  // does not lower it.
  workplaces->GetAt(0)->SetId(12);
  EXPECT_EQ(workplaces->FindById(12), nullptr);
  ASSERT_NE(Update(uR"({"workplace":{"d":[{"id":9}]}})"), nullptr) << Error();
  workplaces->GetAt(1)->SetId(8);
  EXPECT_NE(workplaces->FindById(8), nullptr);
  EXPECT_EQ(IdsOf(workplaces), (Ids{12, 8}));

  data.Workplaces()->Clear();
  EXPECT_EQ(workplaces->GetCount(), 0u);
  EXPECT_EQ(workplaces->FindById(8), nullptr);
  ASSERT_NE(Update(uR"({"workplace":{"cu":[{"id":2}]}})"), nullptr) << Error();
  workplaces->GetAt(0)->SetId(7);
  EXPECT_EQ(workplaces->FindById(7), nullptr);  // the highest id started again from 0
  data.Workplaces()->RemoveItem(nullptr);
  EXPECT_EQ(workplaces->GetCount(), 1u);
}

TEST_F(ModelTest, OrderedCollectionOrdersByKeyAndEqualKeysByInsertion) {
  Load(
      uR"({"holiday":{"cu":[
    {"id":1,"date":"2026-05-01"},{"id":2,"date":"2026-01-01"},{"id":3,"date":"2026-05-01"},
    {"id":4,"date":"2026-12-25"},{"id":5,"date":"2026-01-01"}]}})");
  velk_data::IHolidays* holidays = data.GetHolidays();
  EXPECT_EQ(IdsOf(holidays), (Ids{2, 5, 1, 3, 4}));
  EXPECT_EQ(holidays->GetAt(5), nullptr);

  // A changed key moves the item behind the items now equal to it; without a change it stays.
  ASSERT_NE(Update(uR"({"holiday":{"cu":[{"id":2,"date":"2026-05-01"},{"id":3,"name":"x"}]}})"),
            nullptr)
      << Error();
  EXPECT_EQ(IdsOf(holidays), (Ids{5, 1, 3, 2, 4}));

  ASSERT_NE(Update(uR"({"holiday":{"d":[{"id":1}]}})"), nullptr) << Error();
  data.Holidays()->RemoveItem(nullptr);
  EXPECT_EQ(IdsOf(holidays), (Ids{5, 3, 2, 4}));
}

TEST_F(ModelTest, OrderedRangeIncludesBothEndsAndToZeroIsOpen) {
  Load(
      uR"({"holiday":{"cu":[
    {"id":1,"date":"2026-01-01"},{"id":2,"date":"2026-05-01"},{"id":3,"date":"2026-05-02"},
    {"id":4,"date":"2026-12-25"}]}})");
  const uint32_t may1 = data.GetHolidays()->FindById(2)->GetDate();
  auto range = [&](uint32_t from, uint32_t to) {
    std::vector<velk_data::IHoliday*> out(4);
    const uint32_t n = data.GetHolidays()->GetInPeriod(out.data(), from, to);
    EXPECT_EQ(data.GetHolidays()->CountInPeriod(from, to), n);
    Ids ids;
    for (uint32_t i = 0; i < n; ++i) ids.push_back(out[i]->GetId());
    return ids;
  };
  EXPECT_EQ(range(0, 0), (Ids{1, 2, 3, 4}));
  EXPECT_EQ(range(may1, 0), (Ids{2, 3, 4}));
  EXPECT_EQ(range(0, may1), (Ids{1, 2}));
  EXPECT_EQ(range(may1, may1 + 1), (Ids{2, 3}));
  EXPECT_EQ(range(may1 - 1, may1 - 1), Ids{});
  EXPECT_EQ(range(may1 + 1, may1), Ids{});
  data.Holidays()->Clear();
  EXPECT_EQ(range(0, 0), Ids{});
  EXPECT_EQ(data.GetHolidays()->FindById(1), nullptr);
}

// Lookup by id gives the first item in collection order with that id. The collections answer
// small sizes by a walk and larger ones from an index, so both sizes run.
class IdLookupTest : public ModelTest, public ::testing::WithParamInterface<int> {
 protected:
  // count items with ids 1, 2, ...; the items at index 2 and count - 2 both have id 100.
  std::u16string Message(const char16_t* key, bool dated) const {
    const int count = GetParam();
    std::string text = "{\"" + Narrow(key) + "\":{\"cu\":[";
    for (int i = 0; i < count; ++i) {
      const int id = i == 2 || i == count - 2 ? 100 : i + 1;
      text += (i ? ",{\"id\":" : "{\"id\":") + std::to_string(id);
      if (dated) text += ",\"date\":\"2026-01-" + std::to_string(28 - i % 20) + "\"";
      text += "}";
    }
    text += "]}}";
    return std::u16string(text.begin(), text.end());
  }
};

TEST_P(IdLookupTest, MasterCollectionFindsTheFirstInLoadOrder) {
  Load(Message(u"workplace", false).c_str());
  velk_data::IWorkplaces* workplaces = data.GetWorkplaces();
  velk_data::IWorkplace* first = workplaces->GetAt(2);
  velk_data::IWorkplace* last = workplaces->GetAt(GetParam() - 2);
  EXPECT_EQ(workplaces->FindById(100), first);
  EXPECT_EQ(workplaces->FindById(2), workplaces->GetAt(1));

  workplaces->GetAt(1)->SetId(100);
  EXPECT_EQ(workplaces->FindById(100), workplaces->GetAt(1));
  EXPECT_EQ(workplaces->FindById(2), nullptr);
  ASSERT_NE(Update(uR"({"workplace":{"d":[{"id":100}]}})"), nullptr) << Error();
  EXPECT_EQ(workplaces->FindById(100), first);
  first->SetId(2);
  EXPECT_EQ(workplaces->FindById(100), last);
  EXPECT_EQ(workplaces->FindById(2), first);
}

TEST_P(IdLookupTest, OrderedCollectionFindsTheFirstInKeyOrder) {
  // Dates fall with the load order, so the second id 100 comes first in date order.
  Load(Message(u"holiday", true).c_str());
  velk_data::IHolidays* holidays = data.GetHolidays();
  velk_data::IHoliday* early = holidays->FindById(100);
  ASSERT_NE(early, nullptr);
  EXPECT_EQ(early->GetDate(), Day(1, 28 - (GetParam() - 2) % 20));

  // The update finds that first one and moves it behind every other item.
  ASSERT_NE(Update(uR"({"holiday":{"cu":[{"id":100,"date":"2026-02-01"}]}})"), nullptr) << Error();
  EXPECT_EQ(holidays->GetAt(GetParam() - 1), early);
  velk_data::IHoliday* other = holidays->FindById(100);
  EXPECT_NE(other, early);
  ASSERT_NE(other, nullptr);

  // A new item with the same id placed before both is found from then on.
  data.Holidays()->LoadItem(*ParseObject(uR"({"id":100,"date":"2026-01-01"})"));
  EXPECT_EQ(holidays->FindById(100), holidays->GetAt(0));
  holidays->GetAt(0)->SetId(1);
  EXPECT_EQ(holidays->FindById(100), other);
}

INSTANTIATE_TEST_SUITE_P(WalkAndIndex, IdLookupTest, ::testing::Values(6, 40));

}  // namespace
