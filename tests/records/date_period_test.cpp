// The interval set keeps its order however intervals arrive, and the merge rule joins what
// overlaps or touches.
#include "records/date_period.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Ranges = std::vector<std::pair<uint32_t, uint32_t>>;

Ranges Of(const DatePeriods& set) {
  Ranges out;
  for (const DatePeriod& p : set) out.emplace_back(p.start, p.end);
  return out;
}

TEST(DatePeriodsTest, OrdersByStartThenEndWithOpenEndsLastAndOtherKindsAfter) {
  DatePeriods set;
  set.Add({3, 1, 5, 7});
  set.Add(20, 0);
  set.Add(20, 25);
  set.Add({0, 10, 12, 1});
  set.Add({0, 10, 12, 2});
  set.Add(0, 4);
  set.Add({3, 0, 1, 8});
  EXPECT_EQ(Of(set), (Ranges{{0, 4}, {10, 12}, {10, 12}, {20, 25}, {20, 0}, {1, 5}, {0, 1}}));
  EXPECT_EQ(set[1].value, 1u);  // equal intervals keep their insertion order
  EXPECT_EQ(set[5].value, 7u);
}

TEST(DatePeriodsTest, GrowsPastItsInlineBufferInOrder) {
  DatePeriods set;
  for (uint32_t i = 40; i > 0; --i) set.Add(i * 10, i * 10 + 1);
  ASSERT_EQ(set.size(), 40u);
  for (uint32_t i = 0; i < 40; ++i) EXPECT_EQ(set[i].start, (i + 1) * 10);
  DatePeriods copy = set;
  MergePeriods(copy);
  EXPECT_EQ(copy.size(), 40u);  // 10..11 and 20..21 do not touch
  for (uint32_t i = 40; i > 0; --i) set.Add(i * 10 + 2, i * 10 + 9);
  MergePeriods(set);
  EXPECT_EQ(Of(set), (Ranges{{10, 409}}));
}

TEST(DatePeriodsTest, MergeJoinsAdjacentAndOverlappingAndAnOpenEndSwallowsTheRest) {
  DatePeriods set;
  set.Add(1, 10);
  set.Add(11, 20);  // the next day: joins
  set.Add(15, 18);  // inside: the end stays
  set.Add(22, 30);  // a day apart: stays apart
  set.Add({0, 40, 50, 9});
  MergePeriods(set);
  EXPECT_EQ(Of(set), (Ranges{{1, 20}, {22, 30}, {40, 50}}));
  EXPECT_EQ(set[2].value, 9u);

  DatePeriods open;
  open.Add(5, 0);
  open.Add(7, 8);
  open.Add(100, 200);
  MergePeriods(open);
  EXPECT_EQ(Of(open), (Ranges{{5, 0}}));

  DatePeriods late;
  late.Add(1, 3);
  late.Add(2, 0);
  MergePeriods(late);
  EXPECT_EQ(Of(late), (Ranges{{1, 0}}));

  DatePeriods one;
  one.Add({2, 1, 3, 0});
  MergePeriods(one);
  EXPECT_EQ(one[0].kind, 2);  // fewer than two: untouched
}

}  // namespace
