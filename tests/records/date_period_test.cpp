// The interval set keeps its order however intervals arrive, and the merge rule joins what
// overlaps or touches.
#include "records/date_period.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

std::vector<std::pair<uint32_t, uint32_t>> Ranges(const DatePeriods& set) {
  std::vector<std::pair<uint32_t, uint32_t>> out;
  for (const DatePeriod& p : set) out.emplace_back(p.start, p.end);
  return out;
}

using Ranges_ = std::vector<std::pair<uint32_t, uint32_t>>;

TEST(DatePeriodsTest, OrdersByStartThenEndWithOpenEndsLastAndOtherKindsAfter) {
  DatePeriods set;
  set.Add({3, 1, 5, 7});
  set.Add(20, 0);
  set.Add(20, 25);
  set.Add({0, 10, 12, 1});
  set.Add({0, 10, 12, 2});
  set.Add(0, 4);
  set.Add({3, 0, 1, 8});
  EXPECT_EQ(Ranges(set), (Ranges_{{0, 4}, {10, 12}, {10, 12}, {20, 25}, {20, 0}, {1, 5}, {0, 1}}));
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
  EXPECT_EQ(Ranges(set), (Ranges_{{10, 409}}));
}

TEST(DatePeriodsTest, MergeJoinsAdjacentAndOverlappingAndAnOpenEndSwallowsTheRest) {
  DatePeriods set;
  set.Add(1, 10);
  set.Add(11, 20);  // the next day: joins
  set.Add(15, 18);  // inside: the end stays
  set.Add(22, 30);  // a day apart: stays apart
  set.Add({0, 40, 50, 9});
  MergePeriods(set);
  EXPECT_EQ(Ranges(set), (Ranges_{{1, 20}, {22, 30}, {40, 50}}));
  EXPECT_EQ(set[2].value, 9u);

  DatePeriods open;
  open.Add(5, 0);
  open.Add(7, 8);
  open.Add(100, 200);
  MergePeriods(open);
  EXPECT_EQ(Ranges(open), (Ranges_{{5, 0}}));

  DatePeriods late;
  late.Add(1, 3);
  late.Add(2, 0);
  MergePeriods(late);
  EXPECT_EQ(Ranges(late), (Ranges_{{1, 0}}));

  DatePeriods one;
  one.Add({2, 1, 3, 0});
  MergePeriods(one);
  EXPECT_EQ(one[0].kind, 2);  // fewer than two: untouched
}

TEST(DatePeriodsTest, ClipTakesTheLaterStartAndTheEarlierEndOpenOnlyWhenBothAre) {
  DatePeriod piece;
  EXPECT_TRUE(Clip({0, 10, 0, 0}, 5, 20, &piece));
  EXPECT_EQ(std::make_pair(piece.start, piece.end), std::make_pair(10u, 20u));
  EXPECT_TRUE(Clip({0, 10, 0, 0}, 15, 0, &piece));
  EXPECT_EQ(std::make_pair(piece.start, piece.end), std::make_pair(15u, 0u));
  EXPECT_TRUE(Clip({0, 10, 30, 0}, 0, 0, &piece));
  EXPECT_EQ(std::make_pair(piece.start, piece.end), std::make_pair(10u, 30u));
  EXPECT_FALSE(Clip({0, 10, 30, 0}, 31, 0, &piece));
  EXPECT_FALSE(Clip({0, 10, 30, 0}, 1, 9, &piece));
}

}  // namespace
