#include "codecs/bmp.h"

#include <gtest/gtest.h>

#include "codecs/emf.h"
#include "platform/sim/sim_metafile.h"
#include "util/le_io.h"

namespace qv {
namespace {

// A BMP file image with a 40-byte header, the given colour table and rows.
Bytes Bmp(int32_t w, int32_t h, uint16_t bits, const std::vector<uint32_t>& palette,
          const Bytes& pixels, uint32_t compression = BI_RGB, const Bytes& masks = {}) {
  Bytes out;
  PutU16(out, 0x4D42);
  for (uint32_t v : {0u, 0u, 0u, 40u, static_cast<uint32_t>(w), static_cast<uint32_t>(h)})
    PutU32(out, v);
  PutU16(out, 1);
  PutU16(out, bits);
  for (uint32_t v : {compression, 0u, 0u, 0u, static_cast<uint32_t>(palette.size()), 0u})
    PutU32(out, v);
  PutBytes(out, masks);
  for (uint32_t c : palette) PutU32(out, c);
  PutBytes(out, pixels);
  return out;
}

TEST(Bmp, PaletteImagesDecodeBottomUp) {
  // 2 x 2, 1 bit: rows padded to 4 bytes; bottom row first.
  Bytes img = Bmp(2, 2, 1, {0x000000, 0xFF0000}, {0x40, 0, 0, 0, 0x80, 0, 0, 0});
  auto layout = ParseBmpImage(img);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->totalLength, img.size());
  auto bmp = DecodeBmp(img);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->at(0, 0), 0xFF0000u);  // top row from the second stored row
  EXPECT_EQ(bmp->at(1, 0), 0u);
  EXPECT_EQ(bmp->at(0, 1), 0u);
  EXPECT_EQ(bmp->at(1, 1), 0xFF0000u);
  // 4 bits: two pixels a byte, the first in the high half.
  auto four = DecodeBmp(Bmp(3, 1, 4, {0x10, 0x20, 0x30}, {0x01, 0x20, 0, 0}));
  ASSERT_TRUE(four);
  EXPECT_EQ(four->pixels, (std::vector<uint32_t>{0x10, 0x20, 0x30}));
}

TEST(Bmp, OldCoreHeaderWithThreeByteColours) {
  // 12-byte header: 16-bit width, height, planes and bit count; colours are B, G, R.
  Bytes img;
  PutU16(img, 0x4D42);
  for (int i = 0; i < 3; ++i) PutU32(img, 0);
  PutU32(img, 12);
  for (uint16_t v : {2, 1, 1, 1}) PutU16(img, v);
  PutBytes(img, Bytes{0, 0, 0, 0x30, 0x20, 0x10});  // black, 0x102030
  PutBytes(img, Bytes{0x40, 0, 0, 0});              // pixels 0 and 1
  auto bmp = DecodeBmp(img);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->pixels, (std::vector<uint32_t>{0, 0x102030}));
}

TEST(Bmp, SixteenBitAndBitfields) {
  Bytes img = Bmp(1, 1, 16, {}, {0x1F, 0x7C, 0, 0});  // 0x7C1F: red 31, blue 31
  auto bmp = DecodeBmp(img);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->at(0, 0), 0xFF00FFu);
  Bytes masks;
  for (uint32_t m : {0xF800u, 0x07E0u, 0x001Fu}) PutU32(masks, m);
  Bytes img565 = Bmp(1, 1, 16, {}, {0xE0, 0x07, 0, 0}, BI_BITFIELDS, masks);  // green 63
  EXPECT_FALSE(DecodeBmp(Bmp(1, 1, 24, {}, {0, 0, 0, 0}, BI_BITFIELDS, masks)))
      << "masks go with 16 or 32 bits only";
  auto bmp565 = DecodeBmp(img565);
  ASSERT_TRUE(bmp565);
  EXPECT_EQ(bmp565->at(0, 0), 0x00FF00u);
}

TEST(Bmp, TopDownRowsAndEncodeRoundTrip) {
  Bitmap32 pic{3, 2, {1, 2, 3, 0xFFFFFF, 0x123456, 0}};
  for (uint16_t bits : {24, 32}) {
    Bytes img = EncodeBmp(pic, bits);
    EXPECT_EQ(LoadU32(&img[2]), img.size()) << "file size field";
    EXPECT_EQ(DecodeBmp(img), pic);
  }
  Bytes topDown = Bmp(1, -2, 24, {}, {1, 2, 3, 0, 4, 5, 6, 0});
  auto bmp = DecodeBmp(topDown);
  ASSERT_TRUE(bmp);
  EXPECT_EQ(bmp->at(0, 0), 0x030201u);
}

TEST(Bmp, TheImageEndsWhereItsHeadersSay) {
  Bytes img = EncodeBmp(Bitmap32{2, 2, {1, 2, 3, 4}});
  Bytes longer = img;
  longer.insert(longer.end(), 50, 0xEE);
  EXPECT_EQ(ParseBmpImage(longer)->totalLength, img.size());
}

TEST(Bmp, MalformedImagesAreRefused) {
  const Bytes good = EncodeBmp(Bitmap32{4, 4, std::vector<uint32_t>(16, 7)});
  for (size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(ParseBmpImage(ByteView(good).first(n))) << "truncated at " << n;
  auto patched = [&](size_t at, uint32_t v) {
    Bytes b = good;
    StoreU32(&b[at], v);
    return b;
  };
  Bytes bits = good;
  StoreU16(&bits[28], 7);
  Bytes hugeDims = patched(18, 0x7FFFFFFF);
  StoreU32(&hugeDims[22], 0x7FFFFFFF);
  StoreU32(&hugeDims[34], 0);
  const std::pair<const char*, Bytes> cases[] = {
      {"header size", patched(14, 64000)},
      {"zero width", patched(18, 0)},
      {"negative width", patched(18, 0x80000000)},
      {"the lowest height", patched(22, 0x80000000)},
      {"compression", patched(30, 9)},
      {"image size beyond the data", patched(34, 0xFFFFFF00)},
      {"colour count", patched(46, 0x10000000)},
      {"dimensions far beyond the data", hugeDims},
      {"bit count", bits},
  };
  for (const auto& [name, bytes] : cases) EXPECT_FALSE(ParseBmpImage(bytes)) << name;
  // A declared image size smaller than the rows need: parsed, not decoded.
  const Bytes small = patched(34, 4);
  ASSERT_TRUE(ParseBmpImage(small));
  EXPECT_FALSE(DecodeBmp(small));
}

TEST(Emf, HeaderSizeAndMalformedHeaders) {
  Bytes emf = MakeTestEmf(96, 48, {});
  auto header = ParseEmfHeader(emf);
  ASSERT_TRUE(header);
  PixelSize size = EmfPixelSize(*header, 96);
  EXPECT_EQ(size.width, 96);
  EXPECT_EQ(size.height, 48);
  EXPECT_EQ(EmfPixelSize(*header, 192).width, 192);
  for (size_t n = 0; n < 88; ++n) EXPECT_FALSE(ParseEmfHeader(ByteView(emf).first(n)));
  Bytes badSignature = emf;
  badSignature[40] = 'X';
  EXPECT_FALSE(ParseEmfHeader(badSignature));
  Bytes badType = emf;
  badType[0] = 2;
  EXPECT_FALSE(ParseEmfHeader(badType));
}

}  // namespace
}  // namespace qv
