#include "attributes/thumbnail.h"

#include <gtest/gtest.h>

#include "attributes/previews.h"
#include "sim_fixture.h"

namespace qv {
namespace {

Bitmap32 Reds(int w, int h, std::initializer_list<uint32_t> reds) {
  Bitmap32 b{w, h, {}};
  for (uint32_t r : reds) b.pixels.push_back(r << 16);
  return b;
}

TEST(FitPicture, KeepsProportionsAndNeverEnlarges) {
  auto fit = [](int w, int h, int W, int H) {
    FittedSize f = FitPicture(w, h, W, H);
    return std::tuple(f.width, f.height, f.scaled);
  };
  EXPECT_EQ(fit(4, 2, 2, 1), std::tuple(2, 1, true));
  EXPECT_EQ(fit(75, 56, 75, 56), std::tuple(75, 56, false));
  EXPECT_EQ(fit(10, 5, 75, 56), std::tuple(10, 5, false));
  EXPECT_EQ(fit(4000, 3000, 75, 56), std::tuple(75, 56, true));
  EXPECT_EQ(fit(100, 10, 75, 56), std::tuple(75, 8, true)) << "7.5 rounds up";
  EXPECT_EQ(fit(10, 100, 75, 56), std::tuple(6, 56, true)) << "height-bound";
  EXPECT_EQ(fit(1000, 1, 75, 56), std::tuple(75, 1, true)) << "at least one pixel";
  EXPECT_EQ(fit(1, 1000, 75, 56), std::tuple(1, 56, true));
}

// Each thumbnail pixel averages an inclusive box of the picture, half up;
// box boundaries round half up and neighbouring boxes share their boundary.
TEST(MakeThumbnail, AveragesInclusiveBoxes) {
  const struct {
    const char* name;
    Bitmap32 picture;
    int width, height;
    std::vector<uint32_t> reds;  // row by row
  } cases[] = {
      {"4 x 2 into 2 x 1: columns 0..2 and 2..3",
       Reds(4, 2, {10, 20, 30, 40, 50, 60, 70, 82}),
       2,
       1,
       {40, 56}},
      {"3 x 3 into 2 x 2: boxes 0..2 and 2..2",
       Reds(3, 3, {0, 0, 0, 0, 0, 0, 0, 0, 90}),
       2,
       2,
       {10, 30, 30, 90}},
      {"5 into 2: the boundary 2.5 becomes 3", Reds(5, 1, {0, 10, 20, 30, 40}), 2, 1, {15, 35}},
      {"10 into 3: boundaries 3.33 and 6.67 accumulate",
       Reds(10, 1, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}),
       3,
       1,
       {15, 50, 80}},
  };
  for (const auto& c : cases) {
    Bitmap32 t = MakeThumbnail(c.picture, c.width, c.height);
    ASSERT_EQ(t.width, c.width) << c.name;
    ASSERT_EQ(t.height, c.height) << c.name;
    std::vector<uint32_t> reds;
    for (uint32_t p : t.pixels) reds.push_back(p >> 16);
    EXPECT_EQ(reds, c.reds) << c.name;
  }
}

TEST(MakeThumbnail, ChannelsSeparateAndOnly24Bits) {
  Bitmap32 p{2, 2, {0xFF102030, 0xFF102032, 0x80102030, 0x00102031}};
  Bitmap32 t = MakeThumbnail(p, 1, 1);
  ASSERT_EQ(t.pixels.size(), 1u);
  EXPECT_EQ(t.pixels[0], 0x00102031u) << "blue (48+50+48+49)/4 = 48.75; no alpha";
}

TEST(MakeThumbnail, PictureThatFitsIsUnchanged) {
  Bitmap32 p{3, 2, {0xFF000001, 2, 3, 4, 5, 6}};
  EXPECT_EQ(MakeThumbnail(p, 3, 2), p);
  EXPECT_EQ(MakeThumbnail(p, 75, 56), p);
}

class PictureViews : public test::SimFixture, public ::testing::Test {
 protected:
  PreviewSettings settings;
  TClipRec& CopyMetafile(const Bytes& emf) {
    clipboard.Open();
    clipboard.Empty();
    clipboard.SetEnhMetafile(emf);
    clipboard.Close();
    return CaptureNew();
  }
};

TEST_F(PictureViews, BitmapIsScaledIntoBothBoxes) {
  Bitmap32 picture{200, 100, std::vector<uint32_t>(200 * 100, 0x123456)};
  clipboard.SetBitmapByOther(picture);
  TClipRec& rec = CaptureNew();
  ASSERT_TRUE(rec.HasBitmap);
  settings.pictureSize = 40;  // picture view fits 160 x 120
  MakePictureViews(rec, renderer, settings);
  ASSERT_TRUE(rec.Thumbnail && rec.PictureView);
  EXPECT_EQ(*rec.Thumbnail, (Bitmap32{75, 38, std::vector<uint32_t>(75 * 38, 0x123456)}));
  EXPECT_EQ(*rec.PictureView, (Bitmap32{160, 80, std::vector<uint32_t>(160 * 80, 0x123456)}));
}

TEST_F(PictureViews, MetafileThatFitsIsDrawnAtItsOwnSize) {
  Bytes emf = MakeTestEmf(60, 40, Bytes{1, 2, 3});
  TClipRec& rec = CopyMetafile(emf);
  ASSERT_TRUE(rec.HasMetafile);
  MakePictureViews(rec, renderer, settings);
  auto natural = renderer.Render(emf);
  ASSERT_TRUE(rec.Thumbnail && rec.PictureView && natural);
  EXPECT_EQ(*rec.Thumbnail, *natural);
  EXPECT_EQ(*rec.PictureView, *natural);
}

TEST_F(PictureViews, LargerMetafileIsDrawnStretched) {
  Bytes emf = MakeTestEmf(300, 150, Bytes{9});
  TClipRec& rec = CopyMetafile(emf);
  settings.pictureSize = 60;  // 240 x 180
  MakePictureViews(rec, renderer, settings);
  ASSERT_TRUE(rec.Thumbnail && rec.PictureView);
  EXPECT_EQ(*rec.Thumbnail, *renderer.RenderStretched(emf, 75, 38));
  EXPECT_EQ(*rec.PictureView, *renderer.RenderStretched(emf, 240, 120));
}

TEST_F(PictureViews, NoPictureLeavesNothing) {
  TClipRec& rec = CopyText("text");
  MakePictureViews(rec, renderer, settings);
  EXPECT_FALSE(rec.Thumbnail);
  EXPECT_FALSE(rec.PictureView);
}

}  // namespace
}  // namespace qv
