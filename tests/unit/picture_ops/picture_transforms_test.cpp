#include "picture_ops/picture_transforms.h"

#include <gtest/gtest.h>

#include <string>

#include "bmp_builder.h"
#include "codecs/bmp.h"
#include "test_support.h"

namespace qv {
namespace {

using test::BmpOf;

PixelImage Open(const Bytes& bmp) {
  auto opened = ReadPixelImage(bmp);
  EXPECT_TRUE(opened.image);
  return opened.image ? *opened.image : PixelImage{};
}

Bytes Transformed(const Bytes& bmp, std::initializer_list<PictureTransform> steps) {
  PixelImage image = Open(bmp);
  for (PictureTransform t : steps) ApplyTransform(image, t);
  return WritePixelImage(image);
}

// Letters a..f stand for six colours of a 3 x 2 picture, top row first.
const std::vector<uint32_t> kColours = {0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0x102030, 0xFFFFFF};

std::string Letters(const Bitmap32& b) {
  std::string s;
  for (int y = 0; y < b.height; ++y) {
    if (y) s += '/';
    for (int x = 0; x < b.width; ++x) {
      auto it = std::find(kColours.begin(), kColours.end(), b.at(x, y));
      s += it == kColours.end() ? '?' : static_cast<char>('a' + (it - kColours.begin()));
    }
  }
  return s;
}

struct MappingCase {
  PictureTransform transform;
  const char* result;  // rows of the result, top first
};

// Source "abc/def": 3 wide, 2 high.
const MappingCase kMappings[] = {
    {PictureTransform::RotateLeft, "cf/be/ad"},    {PictureTransform::RotateRight, "da/eb/fc"},
    {PictureTransform::RotateHalf, "fed/cba"},     {PictureTransform::FlipVertical, "cba/fed"},
    {PictureTransform::FlipHorizontal, "def/abc"},
};

TEST(PictureTransforms, EachMappingOnAThreeByTwoPictureInEveryDepth) {
  std::vector<uint32_t> indices = {0, 1, 2, 3, 4, 5};
  struct Source {
    const char* name;
    Bytes bmp;
  };
  const Source sources[] = {
      {"24-bit", BmpOf(3, 2, 24, {}, kColours)},
      {"32-bit", BmpOf(3, 2, 32, {}, kColours)},
      {"32-bit top-down", BmpOf(3, -2, 32, {}, kColours)},
      {"8-bit palette", BmpOf(3, 2, 8, kColours, indices)},
      {"4-bit palette", BmpOf(3, 2, 4, kColours, indices)},
  };
  for (const Source& s : sources) {
    ASSERT_EQ(Letters(*DecodeBmp(s.bmp)), "abc/def") << s.name;
    for (const MappingCase& c : kMappings) {
      auto out = DecodeBmp(Transformed(s.bmp, {c.transform}));
      ASSERT_TRUE(out) << s.name;
      EXPECT_EQ(Letters(*out), c.result) << s.name << " mode " << static_cast<int>(c.transform);
    }
  }
}

TEST(PictureTransforms, InvertComplementsEveryColourChannel) {
  const uint32_t c = 0x12F0A5, inverse = 0xED0F5A;
  // 24 and 32 bits change the pixels; palette pictures change their table.
  for (uint16_t bits : {24, 32}) {
    auto out = DecodeBmp(Transformed(BmpOf(1, 1, bits, {}, {c}), {PictureTransform::InvertColors}));
    EXPECT_EQ(out->at(0, 0), inverse) << bits;
  }
  auto out = DecodeBmp(Transformed(BmpOf(1, 1, 8, {c, 0}, {0}), {PictureTransform::InvertColors}));
  EXPECT_EQ(out->at(0, 0), inverse);
  // 16 bits, 5-5-5: each 5-bit channel v becomes 31 - v; the top bit stays.
  auto opened = Open(BmpOf(1, 1, 16, {}, {0x8000 | (3 << 10) | (17 << 5) | 31}));
  ApplyTransform(opened, PictureTransform::InvertColors);
  EXPECT_EQ(LoadU16(opened.Row(0)), 0x8000 | (28 << 10) | (14 << 5) | 0);
  // 32 bits keep their fourth byte.
  opened = Open(BmpOf(1, 1, 32, {}, {0xAB000000}));
  ApplyTransform(opened, PictureTransform::InvertColors);
  EXPECT_EQ(LoadU32(opened.Row(0)), 0xABFFFFFFu);
}

// Pictures of every depth with odd widths (padded rows) and a deterministic
// spread of pixel values.
Bytes Sample(uint16_t bits, int w, int h, uint32_t compression = BI_RGB) {
  std::vector<uint32_t> palette, values;
  if (bits <= 8)
    for (uint32_t i = 0; i < (1u << bits); ++i) palette.push_back(i * 0x010305 & 0xFFFFFF);
  const uint32_t limit = bits >= 32 ? 0xFFFFFFFF : (1u << bits) - 1;
  for (int i = 0; i < w * h; ++i)
    values.push_back((static_cast<uint32_t>(i) * 2654435761u) & limit);
  std::vector<uint32_t> masks;
  if (compression == BI_BITFIELDS) masks = {0xF800, 0x07E0, 0x001F};
  return BmpOf(w, h, bits, palette, values, compression, masks);
}

TEST(PictureTransforms, InverseStepsGiveBackTheSameFile) {
  using enum PictureTransform;
  const std::vector<std::vector<PictureTransform>> inverses = {
      {RotateLeft, RotateRight},
      {RotateRight, RotateLeft},
      {RotateHalf, RotateHalf},
      {FlipVertical, FlipVertical},
      {FlipHorizontal, FlipHorizontal},
      {InvertColors, InvertColors},
      {RotateLeft, RotateLeft, RotateLeft, RotateLeft},
      {FlipVertical, FlipHorizontal, RotateHalf},
  };
  const std::vector<Bytes> pictures = {
      Sample(1, 13, 5),   Sample(4, 7, 3),   Sample(8, 5, 9),   Sample(16, 3, 4),
      Sample(24, 7, 5),   Sample(32, 6, 1),  Sample(24, 1, 37), Sample(16, 5, 2, BI_BITFIELDS),
      Sample(24, 70, 45), Sample(24, 4, 67), Sample(24, 68, 3),  // over a tile; unpadded rows
  };
  for (const Bytes& bmp : pictures) {
    for (const auto& steps : inverses) {
      PixelImage image = Open(bmp);
      for (PictureTransform t : steps) ApplyTransform(image, t);
      EXPECT_EQ(WritePixelImage(image), bmp)
          << "bits " << image.bitCount << " width " << image.width << " steps " << steps.size();
    }
  }
}

TEST(PictureTransforms, TurnsSwapTheSizeAndTheResolution) {
  PixelImage image = Open(Sample(24, 7, 3));
  ApplyTransform(image, PictureTransform::RotateLeft);
  auto layout = ParseBmpImage(WritePixelImage(image));
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->width, 3);
  EXPECT_EQ(layout->height, 7);
  EXPECT_EQ(LoadU32(&image.head[14 + 24]), 3780u);
  EXPECT_EQ(LoadU32(&image.head[14 + 28]), 2835u);
}

TEST(PictureTransforms, PalettePicturesKeepTheirDepthAndExactColours) {
  const std::vector<uint32_t> palette = {0x123456, 0xFEDCBA, 0x0F0F0F, 0xA0B0C0};
  std::vector<uint32_t> indices = {0, 1, 2, 3, 3, 2, 1, 0, 1, 1, 2, 2};
  for (uint16_t bits : {4, 8}) {
    Bytes bmp = BmpOf(4, 3, bits, palette, indices);
    for (int mode = 0; mode < kPictureTransformCount; ++mode) {
      Bytes out = Transformed(bmp, {static_cast<PictureTransform>(mode)});
      auto layout = ParseBmpImage(out);
      ASSERT_TRUE(layout);
      EXPECT_EQ(layout->bitCount, bits) << mode;
      EXPECT_EQ(layout->paletteEntries, palette.size()) << mode;
      auto decoded = DecodeBmp(out);
      for (uint32_t c : decoded->pixels) {
        uint32_t original = mode == 5 ? (~c & 0xFFFFFF) : c;
        EXPECT_NE(std::find(palette.begin(), palette.end(), original), palette.end())
            << "mode " << mode << " made colour " << std::hex << c;
      }
    }
  }
}

// Headers that lie must not be trusted: nothing is read outside the data.
TEST(ReadPixelImage, RefusesMalformedAndCompressedImages) {
  Bytes good = Sample(24, 5, 4);
  struct Case {
    const char* what;
    Bytes bmp;
    PixelImageError error;
  };
  std::vector<Case> cases;
  for (size_t cut : {size_t{0}, size_t{2}, size_t{30}, size_t{54}, good.size() - 1})
    cases.push_back({"truncated", Bytes(good.begin(), good.begin() + static_cast<ptrdiff_t>(cut)),
                     PixelImageError::Unreadable});
  Bytes lyingSize = good;
  test::PatchU32(lyingSize, 14 + 20, 8);  // image size smaller than the rows it implies
  cases.push_back({"image size too small", lyingSize, PixelImageError::Unreadable});
  Bytes hugeWidth = good;
  test::PatchU32(hugeWidth, 14 + 4, 0x40000000);
  cases.push_back({"width beyond the data", hugeWidth, PixelImageError::Unreadable});
  Bytes manyColours = Sample(8, 2, 2);
  test::PatchU32(manyColours, 14 + 32, 0x10000000);
  cases.push_back({"colour count beyond the data", manyColours, PixelImageError::Unreadable});
  Bytes rle = Sample(8, 2, 2);
  test::PatchU32(rle, 14 + 16, BI_RLE8);
  cases.push_back({"run-length compressed", rle, PixelImageError::Unreadable});
  cases.push_back(
      {"bit fields on 8 bits", Sample(8, 2, 2, BI_BITFIELDS), PixelImageError::Unreadable});
  for (const Case& c : cases) {
    auto opened = ReadPixelImage(c.bmp);
    EXPECT_FALSE(opened.image) << c.what;
    EXPECT_EQ(opened.error, c.error) << c.what;
  }
}

TEST(ReadPixelImage, PicturesAboveTheLimitAreTooLarge) {
  // 1 bit per pixel keeps the data small: 8200 x 8200 is just over 64 M pixels.
  const int side = 8200;
  const size_t stride = ((side + 31) / 32) * 4;
  Bytes bmp = BmpOf(1, 1, 1, {0, 0xFFFFFF}, {0});
  test::PatchU32(bmp, 14 + 4, side);
  test::PatchU32(bmp, 14 + 8, side);
  test::PatchU32(bmp, 14 + 20, static_cast<uint32_t>(stride * side));
  bmp.resize(bmp.size() - 4 + stride * side);
  auto opened = ReadPixelImage(bmp);
  EXPECT_FALSE(opened.image);
  EXPECT_EQ(opened.error, PixelImageError::TooLarge);
}

}  // namespace
}  // namespace qv
