#include "ui/flat_button_images.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace qv {
namespace {

constexpr uint32_t K = 0xFF00FF;  // key
constexpr uint32_t W = kFrameLight;
constexpr uint32_t G = kFrameShade;
constexpr uint32_t A = 0x102030;
constexpr uint32_t B = 0x405060;
constexpr uint32_t C = 0x708090;
constexpr uint32_t D = 0x000000;  // black ink must survive the mask

Bitmap32 Picture(int w, int h, std::vector<uint32_t> pixels) {
  return Bitmap32{w, h, pixels};
}

// Rows of the picture as text, one letter per pixel, for readable failures.
std::string Rows(const Bitmap32& b) {
  const std::map<uint32_t, char> names{{K, '.'}, {W, 'W'}, {G, 'G'}, {A, 'A'},
                                       {B, 'B'}, {C, 'C'}, {D, 'D'}};
  std::string out;
  for (int y = 0; y < b.height; ++y) {
    for (int x = 0; x < b.width; ++x) {
      auto it = names.find(b.at(x, y));
      out += it == names.end() ? '?' : it->second;
    }
    out += '\n';
  }
  return out;
}

// A 3 x 2 glyph whose key colour (top-left) recurs inside it.
const Bitmap32 kSmallGlyph = Picture(3, 2, {K, A, B, C, K, D});

// Normal centres the glyph on the key; hot adds a white top-left and a grey
// right-bottom frame; pressed shifts the glyph by (1, 1) and swaps the frame.
TEST(FlatButtonImages, TheThreeFacesOfASmallGlyph) {
  FlatButtonImages images = BuildFlatButtonImages(kSmallGlyph, 6, 5);
  EXPECT_EQ(images.key, K);
  EXPECT_EQ(Rows(images.normal), "......\n..AB..\n.C.D..\n......\n......\n");
  EXPECT_EQ(Rows(images.hot), "WWWWWG\nW.AB.G\nWC.D.G\nW....G\nGGGGGG\n");
  EXPECT_EQ(Rows(images.pressed), "GGGGGW\nG....W\nG..ABW\nG.C.DW\nWWWWWW\n");
}

TEST(FlatButtonImages, PressedLightEdgeNeverOverdrawsTheGlyph) {
  // 5 x 4 in 6 x 5: offset 0, pressed at (1, 1), so the glyph reaches the
  // right column and the bottom row; only its key pixels there turn white.
  Bitmap32 glyph = Picture(5, 4, {K, A, A, A, A,  //
                                  A, A, A, A, K,  //
                                  A, A, A, A, B,  //
                                  C, K, C, C, K});
  FlatButtonImages images = BuildFlatButtonImages(glyph, 6, 5);
  EXPECT_EQ(Rows(images.pressed),
            "GGGGGW\n"
            "G.AAAA\n"
            "GAAAAW\n"
            "GAAAAB\n"
            "WCWCCW\n");
}

TEST(FlatButtonImages, GlyphLargerThanButtonSitsRightAndBelowCentre) {
  // 5 x 5 in 3 x 3: offsets |3 - 5| / 2 = 1 (not -1), so glyph (0,0) lands on
  // (1,1) and only the glyph's top-left 2 x 2 shows.
  Bitmap32 glyph{5, 5, std::vector<uint32_t>(25, K)};
  glyph.at(1, 0) = A;
  glyph.at(0, 1) = B;
  glyph.at(1, 1) = C;
  glyph.at(2, 2) = D;
  EXPECT_EQ(Rows(BuildFlatButtonImages(glyph, 3, 3).normal),
            "...\n"
            "..A\n"
            ".BC\n");
}

TEST(FlatButtonImages, EmptyGlyphOrSizeGivesNoImages) {
  EXPECT_EQ(BuildFlatButtonImages(Bitmap32{}, 6, 5).normal.width, 0);
  EXPECT_EQ(BuildFlatButtonImages(kSmallGlyph, 0, 5).hot.width, 0);
}

TEST(FlatButtonFaceChoice, FollowsPointerAndButtonState) {
  using F = FlatButtonFace;
  const struct {
    bool inside, down, designing;
    F face;
  } cases[] = {{true, true, false, F::Pressed}, {false, false, false, F::Normal},
               {true, false, false, F::Hot},    {false, true, false, F::Hot},
               {false, false, true, F::Hot},    {true, true, true, F::Hot}};
  for (const auto& c : cases)
    EXPECT_EQ(ChooseFlatButtonFace(c.inside, c.down, c.designing), c.face)
        << c.inside << c.down << c.designing;
  FlatButtonImages images = BuildFlatButtonImages(kSmallGlyph, 6, 5);
  EXPECT_EQ(&images.Face(F::Pressed), &images.pressed);
  EXPECT_EQ(&images.Face(F::Hot), &images.hot);
  EXPECT_EQ(&images.Face(F::Normal), &images.normal);
}

TEST(FlatButtonInside, IncludesTheFarEdges) {
  // A 24 x 24 control at (100, 50).
  const std::tuple<int, int, bool> cases[] = {{100, 50, true},  {124, 74, true}, {125, 60, false},
                                              {110, 75, false}, {99, 60, false}, {110, 49, false}};
  for (auto [x, y, inside] : cases)
    EXPECT_EQ(InsideWithEdges(x, y, 100, 50, 24, 24), inside) << x << "," << y;
}

TEST(FlatButtonEdges, CoverExactlyTheBorder) {
  const int w = 7, h = 4;
  std::vector<int> hits(w * h, 0);
  for (const ColourRect& r : ButtonEdges(w, h)) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) hits[y * w + x] = 1;
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const bool border = x == 0 || y == 0 || x == w - 1 || y == h - 1;
      EXPECT_EQ(hits[y * w + x], border ? 1 : 0) << x << "," << y;
    }
  }
}

TEST(FlatButtonMask, MarksEveryKeyPixelIncludingInsideTheGlyph) {
  FlatButtonImages images = BuildFlatButtonImages(kSmallGlyph, 6, 5);
  MonoBitmap mask = MakeKeyMask(images.normal, images.key);
  ASSERT_EQ(mask.Stride(), 2);
  ASSERT_EQ(mask.bits.size(), 10u);
  // Row 1 is ". . A B . ." -> 1100 1100, padding zero.
  EXPECT_EQ(mask.bits[2], 0xCC);
  EXPECT_EQ(mask.bits[3], 0x00);
  // Row 2 is ". C . D . ." -> the key inside the glyph at (2,2) shows through.
  EXPECT_EQ(mask.bits[4], 0xAC);
  EXPECT_TRUE(mask.Get(2, 2));
  EXPECT_FALSE(mask.Get(3, 2)) << "black ink is not the key";
  for (int x = 0; x < 6; ++x) EXPECT_TRUE(mask.Get(x, 4));
}

TEST(FlatButtonMask, BlackenedImageKeepsInkAndClearsKey) {
  FlatButtonImages images = BuildFlatButtonImages(kSmallGlyph, 6, 5);
  Bitmap32 ink = BlackenKey(images.hot, images.key);
  EXPECT_EQ(ink.at(0, 0), W);
  EXPECT_EQ(ink.at(5, 0), G);
  EXPECT_EQ(ink.at(1, 1), 0u);
  EXPECT_EQ(ink.at(2, 2), 0u);
  EXPECT_EQ(ink.at(2, 1), A);
  EXPECT_EQ(ink.at(1, 2), C);
}

}  // namespace
}  // namespace qv
