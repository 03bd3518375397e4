// What absences and the three kinds of planned shift share: order by plan type (signed), then
// date, equal ones in insertion order; range queries by plan type with both ends included and
// an open end; repositioning when an update changes a key.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/type_codes.h"
#include "datetime/date.h"
#include "items/item_test_util.h"
#include "model_fixture.h"
#include "records/absence.h"
#include "records/custom_shift.h"
#include "records/fixed_shift.h"
#include "records/modified_shift.h"

namespace {

using Ids = std::vector<int32_t>;

template <class Records>
class PlanOrderedTest : public ModelTest {
 protected:
  using Item = typename Records::ItemInterface;
  using Record = std::remove_pointer_t<decltype(std::declval<Records>().FindId(0))>;

  // Records of employee 1 as (id, day of March 2026, plan type).
  struct Row {
    int32_t id, day, planType;
  };
  std::u16string Message(std::initializer_list<Row> rows) const {
    std::string text = "{\"" + Narrow(Record::kTypeName) + "\":{\"cu\":[";
    for (const Row& row : rows) {
      text += (text.back() == '[' ? "{\"id\":" : ",{\"id\":") + std::to_string(row.id) +
              ",\"employee_id\":1,\"date\":\"2026-03-" + (row.day < 10 ? "0" : "") +
              std::to_string(row.day) + "\",\"plan_type\":" + std::to_string(row.planType) + "}";
    }
    text += "]}}";
    return std::u16string(text.begin(), text.end());
  }
  void LoadRows(std::initializer_list<Row> rows) {
    Load(uR"({"employee":{"cu":[{"id":1}]}})");
    Change(rows);
  }
  void Change(std::initializer_list<Row> rows) {
    ASSERT_NE(Update(Message(rows).c_str()), nullptr) << Error();
  }
  Records* Collection() const {
    return static_cast<CEmployee*>(data.GetEmployees()->FindById(1))
        ->template Typed<Records>(TypeCodeOf(Record::kTypeName));
  }
  static uint32_t March(int32_t day) { return velk_date_time::TDate::FromYMD(3, day, 2026).m_day; }
  Ids Range(uint32_t from, uint32_t to, int32_t planType) const {
    std::vector<Item*> out(Collection()->GetCount() + 1);
    const uint32_t n = Collection()->GetInRange(out.data(), from, to, planType);
    EXPECT_EQ(Collection()->CountInRange(from, to, planType), n);
    Ids ids;
    for (uint32_t i = 0; i < n; ++i) ids.push_back(out[i]->GetId());
    return ids;
  }
};

using PlanOrderedCollections =
    ::testing::Types<CAbsences, CFixedShifts, CModifiedShifts, CCustomShifts>;
TYPED_TEST_SUITE(PlanOrderedTest, PlanOrderedCollections);

TYPED_TEST(PlanOrderedTest, PlanTypeFirstThenDateAndEqualOnesInInsertionOrder) {
  this->LoadRows({{1, 10, 0}, {2, 9, 0}, {3, 20, -1}, {4, 10, 0}, {5, 1, 2}, {6, 10, 0}});
  EXPECT_EQ(IdsOf(this->Collection()), (Ids{3, 2, 1, 4, 6, 5}));

  // A changed key moves the record behind those now equal to it; an unchanged one stays.
  this->Change({{2, 10, 0}, {4, 10, 0}});
  EXPECT_EQ(IdsOf(this->Collection()), (Ids{3, 1, 4, 6, 2, 5}));
  this->Change({{3, 10, 0}});
  EXPECT_EQ(IdsOf(this->Collection()), (Ids{1, 4, 6, 2, 3, 5}));
}

TYPED_TEST(PlanOrderedTest, RangeIncludesBothEndsOfOnePlanTypeAndToZeroIsOpen) {
  this->LoadRows({});
  EXPECT_EQ(this->Range(0, 0, 0), Ids{});
  this->LoadRows({{1, 10, 0}, {2, 9, 0}, {3, 20, -1}, {4, 10, 0}, {5, 1, 1}, {6, 31, 0}});
  const auto march = [](int32_t day) { return TestFixture::March(day); };
  EXPECT_EQ(this->Range(0, 0, 0), (Ids{2, 1, 4, 6}));
  EXPECT_EQ(this->Range(march(9) + 1, 0, 0), (Ids{1, 4, 6}));
  EXPECT_EQ(this->Range(march(9), march(10), 0), (Ids{2, 1, 4}));
  EXPECT_EQ(this->Range(march(10), march(10), 0), (Ids{1, 4}));
  EXPECT_EQ(this->Range(march(10), march(9), 0), Ids{});  // from after to
  EXPECT_EQ(this->Range(0, 0, -1), (Ids{3}));
  EXPECT_EQ(this->Range(march(21), 0, -1), Ids{});
  EXPECT_EQ(this->Range(0, march(31), 1), (Ids{5}));
  EXPECT_EQ(this->Range(0, 0, 2), Ids{});
  EXPECT_EQ(this->Range(0, 0, INT32_MIN), Ids{});
  EXPECT_EQ(this->Range(0, 0, INT32_MAX), Ids{});
  EXPECT_EQ(this->Range(march(31), UINT32_MAX, 0), (Ids{6}));
}

}  // namespace
