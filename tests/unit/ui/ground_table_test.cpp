#include "ui/ground_table.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// 5 x 56: column 0 holds row-dependent colours, the other columns noise.
Bitmap32 FiveByFiftySix() {
  Bitmap32 b{5, 56, std::vector<uint32_t>(5 * 56, 0x123456)};
  for (int y = 0; y < 56; ++y) b.at(0, y) = 0xFF000000u | (0x010203u * static_cast<uint32_t>(y));
  return b;
}

TEST(GroundTable, StartsWithOneWhiteEntry) {
  GroundTable table;
  EXPECT_EQ(table.Colours(), std::vector<uint32_t>{0xFFFFFF});
}

TEST(GroundTable, UsesOnlyTheFirstColumn) {
  GroundTable table;
  ASSERT_TRUE(table.SetBitmap(FiveByFiftySix()));
  EXPECT_EQ(table.Bitmap().width, 1);
  EXPECT_EQ(table.Bitmap().height, 56);
  ASSERT_EQ(table.Colours().size(), 56u);
  EXPECT_EQ(table.Colours()[0], 0x000000u);
  EXPECT_EQ(table.Colours()[28], 0x1C3854u) << "alpha bits dropped";
  EXPECT_EQ(table.Colours()[55], 0x376EA5u);
  EXPECT_EQ(table.Bitmap().at(0, 55), 0x376EA5u);
}

TEST(GroundTable, EmptyBitmapKeepsTheTable) {
  GroundTable table;
  table.SetBitmap(FiveByFiftySix());
  EXPECT_FALSE(table.SetBitmap(Bitmap32{}));
  EXPECT_EQ(table.Colours().size(), 56u);
  EXPECT_EQ(table.Bitmap().height, 56);
}

TEST(GroundTable, LinesCoverTheUpdateRectangleInclusive) {
  GroundTable table;
  table.SetBitmap(FiveByFiftySix());
  std::vector<GroundLine> lines = table.LinesFor({3, 10, 7, 12});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], (GroundLine{10, 0x0A141Eu, 3, 8}));
  EXPECT_EQ(lines[2], (GroundLine{12, 0x0C1824u, 3, 8}));
}

TEST(GroundTable, RowsBeyondTheTableAreNotPainted) {
  GroundTable table;
  table.SetBitmap(FiveByFiftySix());
  std::vector<GroundLine> lines = table.LinesFor({0, 50, 99, 80});
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines.front().y, 50);
  EXPECT_EQ(lines.back().y, 55);
  for (const GroundLine& l : lines) EXPECT_EQ(l.colour, 0x010203u * static_cast<uint32_t>(l.y));
}

TEST(GroundTable, TopAboveTheTableClampsToRowZero) {
  GroundTable table;
  table.SetBitmap(FiveByFiftySix());
  std::vector<GroundLine> lines = table.LinesFor({0, -5, 4, 1});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].y, 0);
  EXPECT_EQ(lines[1].y, 1);
}

TEST(GroundTable, OneEntryTablePaintsOnlyRowZero) {
  GroundTable table;
  std::vector<GroundLine> lines = table.LinesFor({0, 0, 99, 49});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], (GroundLine{0, 0xFFFFFFu, 0, 100}));
}

}  // namespace
}  // namespace qv
