// The generator writes a message in pieces exactly as it builds it in memory.
#include <gtest/gtest.h>

#include "tools/gen/planning_gen.h"

namespace {

TEST(GeneratedMessage, PiecesJoinToTheWholeText) {
  for (velk_gen::Content content : {velk_gen::Content::kEverything, velk_gen::Content::kPeriods}) {
    velk_gen::MessageStats stats;
    const std::u16string whole = velk_gen::GeneratePlanningMessage(5, 60, &stats, content);
    std::u16string joined;
    size_t pieces = 0;
    const uint64_t items = velk_gen::WritePlanningMessage(
        [&](std::u16string_view piece) {
          joined += piece;
          ++pieces;
        },
        5, 60, content);
    EXPECT_EQ(joined, whole);
    EXPECT_EQ(items, stats.items);
    if (content == velk_gen::Content::kEverything) {
      EXPECT_GT(pieces, 2u);
    }
  }
}

}  // namespace
