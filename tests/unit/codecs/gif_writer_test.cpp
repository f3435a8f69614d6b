#include "codecs/gif_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "codecs/image_decoders.h"
#include "test_support.h"

namespace qv {
namespace {

// A photograph-like picture: smooth gradients with noise, far more than 256 colours.
Bitmap32 Photo(int w, int h) {
  Bitmap32 b{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  uint32_t seed = 12345;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      seed = seed * 1664525u + 1013904223u;
      int noise = static_cast<int>(seed >> 28) - 8;
      auto ch = [&](int v) { return static_cast<uint32_t>(std::clamp(v + noise, 0, 255)); };
      b.at(x, y) = ch(255 * x / w) << 16 | ch(255 * y / h) << 8 | ch(128 + 100 * (x - y) / (w + h));
    }
  return b;
}

double Psnr(const Bitmap32& a, const Bitmap32& b) {
  double sum = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    for (int s = 0; s < 24; s += 8) {
      double d = static_cast<double>((a.pixels[i] >> s) & 0xFF) - ((b.pixels[i] >> s) & 0xFF);
      sum += d * d;
    }
  double mse = sum / (3.0 * static_cast<double>(a.pixels.size()));
  return mse == 0 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

TEST(EncodeGif, PicturesWithFewColoursComeBackExactly) {
  const Bitmap32 pictures[] = {test::Picture(1, 1), test::Picture(16, 16), test::Picture(5, 51),
                               Bitmap32{3, 1, {0x000000, 0xFFFFFF, 0x000000}}};
  for (const Bitmap32& p : pictures) {
    auto file = EncodeGif(p);
    ASSERT_TRUE(file);
    int colours = 0;
    auto back = test::DecodeGif(*file, &colours);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, p) << p.width << "x" << p.height;
    EXPECT_LE(colours, 256);
  }
}

TEST(EncodeGif, PhotographsGetAnOptimisedPaletteOfAtMost256Colours) {
  Bitmap32 photo = Photo(160, 120);
  auto file = EncodeGif(photo);
  ASSERT_TRUE(file);
  int colours = 0;
  auto back = test::DecodeGif(*file, &colours);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->width, 160);
  EXPECT_EQ(back->height, 120);
  EXPECT_EQ(colours, 256);
  std::set<uint32_t> used(back->pixels.begin(), back->pixels.end());
  EXPECT_LE(used.size(), 256u);
  EXPECT_GT(used.size(), 64u) << "the palette follows the picture";
  EXPECT_GT(Psnr(photo, *back), 30.0);
}

TEST(MapWithDithering, KeepsTheAverageColourOfAreas) {
  // A mid grey between two palette entries dithers to a mix of both whose mean is the grey.
  Bitmap32 grey{32, 32, std::vector<uint32_t>(1024, 0x404040)};
  IndexedPicture mapped = MapWithDithering(grey, {0x000000, 0xFFFFFF});
  double mean = 0;
  for (uint8_t i : mapped.indices) mean += i ? 255.0 : 0.0;
  mean /= 1024;
  EXPECT_NEAR(mean, 0x40, 3);
  // Without error diffusion every pixel would be black.
  EXPECT_GT(std::count(mapped.indices.begin(), mapped.indices.end(), 1), 200);
}

TEST(OptimisedPalette, NeverExceedsTheLimitAndKeepsFewColoursExactly) {
  Bitmap32 photo = Photo(64, 64);
  for (int limit : {1, 2, 16, 256}) {
    auto palette = OptimisedPalette(photo, limit);
    EXPECT_LE(palette.size(), static_cast<size_t>(limit));
    EXPECT_FALSE(palette.empty());
  }
  Bitmap32 two{2, 2, {0x010203, 0x010203, 0xFFEEDD, 0x010203}};
  EXPECT_EQ(OptimisedPalette(two), (std::vector<uint32_t>{0x010203, 0xFFEEDD}));
}

TEST(EncodeGif, RefusesPicturesGifCannotHold) {
  EXPECT_FALSE(EncodeGif(Bitmap32{}));
  EXPECT_FALSE(EncodeGif(Bitmap32{70000, 1, std::vector<uint32_t>(70000)}));
  IndexedPicture lying{2, 2, {0}, {0, 0, 0}};  // fewer indices than pixels
  EXPECT_FALSE(EncodeGif(lying));
}

}  // namespace
}  // namespace qv
