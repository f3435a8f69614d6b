#include "ui/ground_table.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// 5 x 56: column 0 holds row-dependent colours (with alpha), the other columns noise.
Bitmap32 FiveByFiftySix() {
  Bitmap32 b{5, 56, std::vector<uint32_t>(5 * 56, 0x123456)};
  for (int y = 0; y < 56; ++y) b.at(0, y) = 0xFF000000u | (0x010203u * static_cast<uint32_t>(y));
  return b;
}

TEST(GroundTable, TakesTheFirstColumnWithoutAlpha) {
  GroundTable table;
  EXPECT_EQ(table.Colours(), std::vector<uint32_t>{0xFFFFFF}) << "one white entry to start";
  ASSERT_TRUE(table.SetBitmap(FiveByFiftySix()));
  EXPECT_EQ(table.Bitmap().width, 1);
  EXPECT_EQ(table.Bitmap().height, 56);
  ASSERT_EQ(table.Colours().size(), 56u);
  for (int y = 0; y < 56; ++y) EXPECT_EQ(table.Colours()[y], 0x010203u * static_cast<uint32_t>(y));
  EXPECT_FALSE(table.SetBitmap(Bitmap32{})) << "an empty bitmap keeps the table";
  EXPECT_EQ(table.Colours().size(), 56u);
}

// One line per row of the update rectangle (inclusive), clamped to the table.
TEST(GroundTable, LinesCoverTheUpdateRectangleWithinTheTable) {
  GroundTable table;
  table.SetBitmap(FiveByFiftySix());
  const struct {
    EdgeRect update;
    int first, last, xFrom, xTo;
  } cases[] = {
      {{3, 10, 7, 12}, 10, 12, 3, 8},
      {{0, 50, 99, 80}, 50, 55, 0, 100},
      {{0, -5, 4, 1}, 0, 1, 0, 5},
  };
  for (const auto& c : cases) {
    std::vector<GroundLine> lines = table.LinesFor(c.update);
    ASSERT_EQ(lines.size(), static_cast<size_t>(c.last - c.first + 1)) << c.first;
    for (size_t i = 0; i < lines.size(); ++i) {
      const int y = c.first + static_cast<int>(i);
      EXPECT_EQ(lines[i], (GroundLine{y, 0x010203u * static_cast<uint32_t>(y), c.xFrom, c.xTo}));
    }
  }
  EXPECT_EQ(GroundTable().LinesFor({0, 0, 99, 49}),
            (std::vector<GroundLine>{{0, 0xFFFFFF, 0, 100}}))
      << "a one-entry table paints row 0 only";
}

}  // namespace
}  // namespace qv
