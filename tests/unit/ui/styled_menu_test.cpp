#include "ui/styled_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace qv {
namespace {

TEST(StyledMenu, BlendingMovesEachChannelTowardWhiteRoundingHalfUp) {
  const struct {
    MenuColour colour;
    int percent;
    MenuColour blended;
  } cases[] = {
      {0x000000, 50, 0x808080},  // 127.5 rounds up
      {0x000000, 0, 0x000000},  {0x102030, 100, 0xFFFFFF},
      {0xFFFFFF, 65, 0xFFFFFF}, {0xFFDDDD, 75, 0xFFF7F7},  // 221 + 25.5
      {0x0000FF, 85, 0xD9D9FF},                            // channels apart: 216.75 rounds to 217
      {0x010203, 1, 0x040506},                             // 3.54, 4.53, 5.52 round to 4, 5, 6
  };
  for (const auto& c : cases)
    EXPECT_EQ(BlendTowardWhite(c.colour, c.percent), c.blended)
        << std::hex << c.colour << " " << std::dec << c.percent;
}

// Gutter, text area, selection, check frame, minimum width and height.
auto Look(const MenuStyle& s) {
  return std::tuple(s.gutter, s.textArea, s.selection, s.checkFrame, s.minWidth, s.minHeight);
}

TEST(StyledMenu, TheTwoLooks) {
  EXPECT_EQ(Look(SystemMenuStyle(0xD4D0C8, 0x6A240A)),
            std::tuple(0xD4D0C8u, 0xF9F8F7u, 0xCBB2A9u, 0xDAC8C2u, 0, 18));
  EXPECT_EQ(Look(ProgramMenuStyle()),
            std::tuple(0xE6E6E6u, 0xE1FFFFu, 0xFFDDDDu, 0xFFF7F7u, 0, 20));
}

TEST(StyledMenu, MeasuredSizes) {
  const MenuStyle program = ProgramMenuStyle();
  MenuStyle wide = program;
  wide.minWidth = 200;
  MenuStyle tall = SystemMenuStyle(0, 0);
  tall.minHeight = 21;
  const MenuStyle system = SystemMenuStyle(0, 0);
  const MenuSize image16{16, 16};
  const struct {
    const char* name;
    const MenuStyle& style;
    MenuItemMetrics item;
    MenuSize size;
  } cases[] = {
      // Without images: text + 35 wide, at least the minimum height.
      {"item", program, {false, 100, 13, {}}, {135, 20}},
      {"tall font", program, {false, 100, 24, {}}, {135, 24}},
      {"min width", wide, {false, 100, 13, {}}, {200, 20}},
      {"separator", program, {true, 0, 13, {}}, {35, 5}},
      {"separator at 20", program, {true, 0, 20, {}}, {35, 5}},
      {"separator at 21", program, {true, 0, 21, {}}, {35, 11}},
      {"system item", system, {false, 50, 13, {}}, {85, 18}},
      // With images: image + 8 (16 when narrower than 8) + text + 15 wide,
      // the taller of text and image + 4 high.
      {"image item", system, {false, 100, 13, image16}, {139, 20}},
      {"narrow image", system, {false, 100, 13, MenuSize{6, 6}}, {137, 18}},
      {"tall image", system, {false, 100, 13, MenuSize{24, 24}}, {147, 28}},
      {"image, tall minimum", tall, {false, 100, 13, image16}, {139, 21}},
      {"image separator", system, {true, 0, 13, image16}, {0, 5}},
      {"separator by tall image", system, {true, 0, 13, MenuSize{16, 21}}, {0, 11}},
      {"separator by tall minimum", tall, {true, 0, 13, image16}, {0, 11}},
  };
  for (const auto& c : cases) EXPECT_EQ(MeasureMenuItem(c.style, c.item), c.size) << c.name;
}

TEST(StyledMenu, TheGutterIsOneWidthDownTheMenu) {
  const MenuStyle program = ProgramMenuStyle();
  for (int textHeight : {10, 13, 20, 26}) {
    const MenuItemMetrics item{false, 80, textHeight, {}};
    const MenuItemMetrics separator{true, 0, textHeight, {}};
    const int height = MeasureMenuItem(program, item).height;
    EXPECT_EQ(MenuGutterWidth(program, item, height), height + 4);
    EXPECT_EQ(MenuGutterWidth(program, separator, MeasureMenuItem(program, separator).height),
              height + 4)
        << textHeight;
  }
  const MenuItemMetrics imaged{false, 80, 13, MenuSize{16, 16}};
  EXPECT_EQ(MenuGutterWidth(program, imaged, 30), 25);
}

TEST(StyledMenu, LayoutOfAPopupItem) {
  const MenuItemLayout l = LayoutMenuItem({0, 10, 150, 30}, 24);
  using R = MenuRect;
  EXPECT_EQ(std::tuple(l.gutter, l.textArea, l.checkBox, l.checkFrame, l.caption, l.shortcut),
            std::tuple(R{0, 10, 24, 30}, R{24, 10, 150, 30}, R{4, 12, 20, 28}, R{2, 10, 21, 30},
                       R{29, 10, 150, 30}, R{29, 10, 145, 30}));
  EXPECT_EQ(std::tuple(l.glyphLeft, l.glyphTop, l.separatorY), std::tuple(6, 14, 20));
  // An item further along keeps its offsets.
  const MenuItemLayout moved = LayoutMenuItem({40, 0, 190, 5}, 24);
  EXPECT_EQ(std::pair(moved.caption.left, moved.separatorY), std::pair(69, 2));
}

// The glyph as rows of "#" (black) and "." (white), read back from the bits.
std::string Picture(const GlyphBits& bits) {
  std::string rows;
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < 16; ++x) {
      const bool white = bits[static_cast<size_t>(y * 2 + x / 8)] & (0x80 >> (x % 8));
      if (x >= kGlyphSize) {
        EXPECT_TRUE(white) << "padding at " << x << "," << y;
        continue;
      }
      rows += white ? '.' : '#';
    }
    rows += '\n';
  }
  return rows;
}

TEST(StyledMenu, GlyphBitmaps) {
  EXPECT_EQ(Picture(GlyphRows(kCheckGlyph)),
            "............\n"
            "............\n"
            "...........#\n"
            "..........#.\n"
            ".........#..\n"
            "...#....#...\n"
            "..###..#....\n"
            "...#####....\n"
            "....###.....\n"
            ".....#......\n"
            "............\n"
            "............\n");
  EXPECT_EQ(Picture(GlyphRows(kRadioGlyph)),
            "............\n"
            "............\n"
            "............\n"
            ".....##.....\n"
            "....####....\n"
            "...######...\n"
            "...######...\n"
            "....####....\n"
            ".....##.....\n"
            "............\n"
            "............\n"
            "............\n");
}

}  // namespace
}  // namespace qv
