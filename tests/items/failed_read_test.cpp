// A read that fails after a sort key changed keeps the fields read so far; the ordered
// collection must still be ordered afterwards. No record type of the model reads a reference
// after its sort keys yet, so a small dated record with a workplace reference stands in.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "datetime/date.h"
#include "item_test_util.h"
#include "items/item.h"
#include "items/ordered_items.h"
#include "master/workplace.h"
#include "model_fixture.h"

namespace {

class CDatedRecords;

class CDatedRecord : public CItem<CDatedRecord, velk_data::IHoliday, velk_data::IHolidays> {
 public:
  static constexpr const char16_t* kTypeName = u"dated_record";
  using Collection = CDatedRecords;
  using CItem::CItem;

  uint32_t GetDate() const override { return m_date; }
  void SetDate(uint32_t date) override { m_date = date; }
  const char16_t* GetName() const override { return u""; }
  void SetName(const char16_t*) override {}
  uint32_t GetTimeOfDay() const override { return 0; }
  void SetTimeOfDay(uint32_t) override {}
  void Assign(const velk_data::IHoliday*) override {}
  std::tuple<uint32_t> SortKey() const { return {m_date}; }

  template <class A, class S>
  static void Fields(A& ar, S& s) {
    ar.Date(u"date", s.m_date);
    ar.Ref(u"workplace_id", s.m_workplace, &CData::Workplaces, RefRead::kPositive,
           RefWrite::kOmitWhenNone, u"Unknown workplace id for dated record.\t");
  }

 private:
  uint32_t m_date = 0;
  CWorkplace* m_workplace = nullptr;
};

class CDatedRecords : public COrderedItems<CDatedRecords, velk_data::IHolidays, CDatedRecord> {
 public:
  using COrderedItems::COrderedItems;
  uint32_t CountInPeriod(uint32_t, uint32_t) const override { return 0; }
  uint32_t GetInPeriod(velk_data::IHoliday**, uint32_t, uint32_t) const override { return 0; }
  velk_data::IHoliday* FindByDate(uint32_t) const override { return nullptr; }
};

TEST_F(ModelTest, AReadFailingAfterTheDateChangedLeavesTheCollectionOrdered) {
  CDatedRecords records(&data);
  for (const char16_t* json :
       {uR"({"id":1,"date":"2026-01-01"})", uR"({"id":2,"date":"2026-01-02"})",
        uR"({"id":3,"date":"2026-01-03"})"})
    records.LoadItem(*ParseObject(json));
  CItemBase* first = records.FindItem(1);
  try {
    first->FromJSON(*ParseObject(uR"({"date":"2026-03-01","workplace_id":9})"), true);
    ADD_FAILURE() << "an unknown workplace id reads";
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "Unknown workplace id for dated record.\t3002");
  }
  EXPECT_EQ(IdsOf(&records), (std::vector<int32_t>{2, 3, 1}));
  const uint32_t march1 = velk_date_time::TDate::FromYMD(3, 1, 2026).m_day;
  EXPECT_EQ(records.CopyFrom({march1}, nullptr), 1u);
}

}  // namespace
