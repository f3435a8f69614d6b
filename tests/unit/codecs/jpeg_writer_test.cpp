#include "codecs/jpeg_writer.h"

#include <gtest/gtest.h>

#include "codecs/image_decoders.h"
#include "test_support.h"

namespace qv {
namespace {

Bitmap32 Flat(int w, int h, uint32_t colour) {
  return Bitmap32{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, colour)};
}

TEST(EncodeJpeg, DecodesToTheSameSizeAsAProgressiveFile) {
  const std::pair<int, int> sizes[] = {{1, 1}, {17, 9}, {64, 48}, {3, 200}};
  for (auto [w, h] : sizes) {
    auto file = EncodeJpeg(test::Picture(w, h));
    ASSERT_TRUE(file) << w << "x" << h;
    test::DecodedJpeg d = test::DecodeJpeg(*file);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.width, w);
    EXPECT_EQ(d.height, h);
    EXPECT_EQ(d.components, 3);
    EXPECT_TRUE(d.progressive);
  }
  EXPECT_FALSE(test::DecodeJpeg(*EncodeJpeg(test::Picture(8, 8), 80, false)).progressive);
}

TEST(EncodeJpeg, KeepsTheColoursInTheirChannels) {
  // Flat colours survive JPEG within a few levels; a swapped channel order would not.
  for (uint32_t colour : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0x336699u}) {
    test::DecodedJpeg d = test::DecodeJpeg(*EncodeJpeg(Flat(16, 16, colour)));
    ASSERT_TRUE(d.ok);
    const int want[3] = {static_cast<int>(colour >> 16), static_cast<int>((colour >> 8) & 0xFF),
                         static_cast<int>(colour & 0xFF)};
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(d.rgb[c], want[c], 6) << std::hex << colour;
  }
}

TEST(EncodeJpeg, RefusesEmptyOrInconsistentPictures) {
  EXPECT_FALSE(EncodeJpeg(Bitmap32{}));
  EXPECT_FALSE(EncodeJpeg(Bitmap32{4, 4, std::vector<uint32_t>(3)}));
  EXPECT_FALSE(EncodeJpeg(Bitmap32{70000, 1, std::vector<uint32_t>(70000)}));
}

}  // namespace
}  // namespace qv
