#include <gtest/gtest.h>

#include "codecs/bmp.h"
#include "codecs/png.h"
#include "codecs/png_files.h"
#include "test_support.h"
#include "util/le_io.h"

namespace qv {
namespace {

using test::PngSpec;

// Five by three: odd sizes leave partial bytes at low depths and short Adam7 passes.
constexpr uint32_t kW = 5, kH = 3;

std::vector<uint32_t> Values(uint32_t (*f)(uint32_t)) {
  std::vector<uint32_t> v;
  for (uint32_t i = 0; i < kW * kH; ++i) v.push_back(f(i));
  return v;
}

TEST(PngReader, EveryColourTypeDepthAndInterlacing) {
  const std::vector<uint32_t> palette = {0x102030, 0xA0B0C0, 0xFF0000, 0x00FF00};
  const auto rgb = Values([](uint32_t i) { return i * 0x0B1713u & 0xFFFFFF; });
  const auto rgba = Values([](uint32_t i) { return (i * 0x0B1713u & 0xFFFFFF) | (i * 17) << 24; });
  const auto grey = Values([](uint32_t i) { return i * 17; });
  const auto indexes = Values([](uint32_t i) { return i % 4; });
  struct Case {
    const char* name;
    PngSpec spec;
    std::vector<uint32_t> want;  // 0xAARRGGBB when hasAlpha
    bool hasAlpha;
  };
  auto spec = [&](uint8_t type, uint8_t depth, std::vector<uint32_t> px, bool interlaced = false) {
    return PngSpec{kW, kH, type, depth, interlaced, std::move(px), {}, {}};
  };
  auto greyToRgb = [](std::vector<uint32_t> v, uint32_t scale) {
    for (uint32_t& p : v) p = (p * scale) * 0x010101;
    return v;
  };
  auto paletted = [&](std::vector<uint32_t> v) {
    for (uint32_t& p : v) p = palette[p];
    return v;
  };
  PngSpec withPalette = spec(3, 2, indexes);
  withPalette.palette = palette;
  PngSpec transparentPalette = withPalette;
  transparentPalette.bitDepth = 4;
  transparentPalette.transparency = {0x00, 0x80};  // index 0 clear, 1 half, the rest opaque
  std::vector<uint32_t> transparentWant = paletted(indexes);
  for (size_t i = 0; i < indexes.size(); ++i)
    transparentWant[i] |= (indexes[i] == 0 ? 0u : indexes[i] == 1 ? 0x80u : 0xFFu) << 24;
  PngSpec greyKey = spec(0, 8, grey);
  greyKey.transparency = {0x00, 34};  // grey level 34 is transparent
  std::vector<uint32_t> greyKeyWant = greyToRgb(grey, 1);
  for (size_t i = 0; i < grey.size(); ++i) greyKeyWant[i] |= (grey[i] == 34 ? 0u : 0xFFu) << 24;
  const auto greyAlpha = Values([](uint32_t i) { return (i * 17) | (255 - i) << 24; });
  std::vector<uint32_t> greyAlphaWant;
  for (uint32_t v : greyAlpha) greyAlphaWant.push_back((v & 0xFF) * 0x010101 | (v & 0xFF000000));
  auto opaque = rgba;
  for (uint32_t& p : opaque) p |= 0xFF000000;

  const Case cases[] = {
      {"RGB 8", spec(2, 8, rgb), rgb, false},
      {"RGB 16", spec(2, 16, rgb), rgb, false},
      {"RGB interlaced", spec(2, 8, rgb, true), rgb, false},
      {"RGBA", spec(6, 8, rgba), rgba, true},
      {"RGBA interlaced 16", spec(6, 16, rgba, true), rgba, true},
      {"RGBA all opaque", spec(6, 8, opaque), rgb, false},
      {"palette 2 bits", withPalette, paletted(indexes), false},
      {"palette with tRNS", transparentPalette, transparentWant, true},
      {"grey 8", spec(0, 8, grey), greyToRgb(grey, 1), false},
      {"grey 4 interlaced", spec(0, 4, Values([](uint32_t i) { return i; }), true),
       greyToRgb(Values([](uint32_t i) { return i; }), 17), false},
      {"grey 1", spec(0, 1, Values([](uint32_t i) { return i % 2; })),
       greyToRgb(Values([](uint32_t i) { return i % 2; }), 255), false},
      {"grey with tRNS", greyKey, greyKeyWant, true},
      {"grey and alpha", spec(4, 8, greyAlpha), greyAlphaWant, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes file = test::PngFile(c.spec);
    auto decoded = DecodePng(file);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->bitmap.width, static_cast<int>(kW));
    EXPECT_EQ(decoded->bitmap.height, static_cast<int>(kH));
    EXPECT_EQ(decoded->hasAlpha, c.hasAlpha);
    EXPECT_EQ(decoded->bitmap.pixels, c.want);
    // The bitmap part: 32-bit only for a transparent picture, the same pixels.
    auto bmp = PngToBmp(file);
    ASSERT_TRUE(bmp);
    EXPECT_EQ(ParseBmpImage(*bmp)->bitCount, c.hasAlpha ? 32 : 24);
    auto back = DecodeBmpWithAlpha(*bmp);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->hasAlpha, c.hasAlpha);
    EXPECT_EQ(back->bitmap.pixels, c.want);
  }
}

// Malformed files of every kind give no picture: never a crash, a hang or a
// picture with missing rows.
TEST(PngReader, DamagedFilesGiveNothing) {
  const PngSpec good{kW, kH, 2, 8, false, Values([](uint32_t i) { return i * 999; }), {}, {}};
  const Bytes file = test::PngFile(good);
  ASSERT_TRUE(DecodePng(file));
  const Bytes signature(file.begin(), file.begin() + 8);
  auto build = [&](const PngSpec& header, const Bytes& idat) {
    Bytes out = signature;
    for (const Bytes& chunk : {test::PngChunk("IHDR", test::PngHeader(header)),
                               test::PngChunk("IDAT", idat), test::PngChunk("IEND", {})})
      out.insert(out.end(), chunk.begin(), chunk.end());
    return out;
  };
  PngSpec taller = good;
  taller.height = 40;  // the data holds 3 rows
  PngSpec huge = good;
  huge.width = huge.height = 9000;  // 81 million pixels, over the limit
  PngSpec wide = good;
  wide.width = 0x7FFFFFFF;
  PngSpec empty = good;
  empty.width = 0;
  PngSpec badDepth = good;
  badDepth.bitDepth = 3;
  PngSpec noPalette = good;
  noPalette.colourType = 3;
  Bytes badCrc = file;
  badCrc[8 + 8 + 13] ^= 1;  // IHDR's CRC
  Bytes badData = file;
  badData[8 + 25 + 8 + 2] ^= 0xFF;  // inside the compressed rows, CRC now wrong
  Bytes lyingLength = file;
  lyingLength[8 + 25 + 3] = 0xF0;  // IDAT claims more than the file holds
  const Bytes idat = test::PngImageData(good);
  const std::pair<const char*, Bytes> cases[] = {
      {"nothing", {}},
      {"signature only", signature},
      {"cut in the header", Bytes(file.begin(), file.begin() + 20)},
      {"cut in the rows", Bytes(file.begin(), file.begin() + 8 + 25 + 8 + idat.size() / 2)},
      {"rows without their end", Bytes(file.begin(), file.end() - 12 - 4)},
      {"more rows announced than held", build(taller, idat)},
      {"over the pixel limit", build(huge, idat)},
      {"absurd width", build(wide, idat)},
      {"zero width", build(empty, idat)},
      {"bit depth 3", build(badDepth, idat)},
      {"palette type without a palette", build(noPalette, idat)},
      {"header CRC wrong", badCrc},
      {"row data damaged", badData},
      {"chunk length past the end", lyingLength},
      {"no image data", build(good, {})},
      {"not a PNG", EncodeBmp(test::Picture(2, 2))},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_FALSE(DecodePng(bytes)) << name;
    EXPECT_FALSE(PngToBmp(bytes)) << name;
  }
}

TEST(PngReader, FileLengthEndsAfterIend) {
  const Bytes file =
      test::PngFile({kW, kH, 0, 8, false, Values([](uint32_t i) { return i; }), {}, {}});
  Bytes padded = file;
  padded.resize(file.size() + 13, 0xAB);  // a clipboard block rounded up
  // A private chunk of 66051 bytes before IEND: every byte of its length counts.
  Bytes big(file.begin(), file.end() - 12);
  for (const Bytes& chunk :
       {test::PngChunk("prIv", Bytes(0x010203, 7)), test::PngChunk("IEND", {})})
    big.insert(big.end(), chunk.begin(), chunk.end());
  const std::pair<Bytes, std::optional<size_t>> cases[] = {
      {padded, file.size()},
      {big, big.size()},
      {test::Patched(file, file.size() - 12, 0x05000000), std::nullopt},  // IEND claims 5 bytes
      {Bytes(file.begin(), file.end() - 1), std::nullopt},                // IEND cut
      {Bytes(file.begin() + 1, file.end()), std::nullopt},                // no signature
      {test::Patched(file, 8, 0xFFFFFF7F), std::nullopt},  // IHDR's length past the end
  };
  for (const auto& [bytes, length] : cases) EXPECT_EQ(PngFileLength(bytes), length);
}

TEST(PngWriter, ReadsBackTheSamePixels) {
  Bitmap32 picture = test::Picture(37, 23, 5);
  AlphaBitmap translucent{picture, true};
  for (size_t i = 0; i < picture.pixels.size(); ++i)
    translucent.bitmap.pixels[i] |= static_cast<uint32_t>(i * 7 % 256) << 24;
  for (const AlphaBitmap& source : {AlphaBitmap{picture, false}, translucent}) {
    SCOPED_TRACE(source.hasAlpha);
    auto file = EncodePng(source);
    ASSERT_TRUE(file);
    auto back = DecodePng(*file);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->hasAlpha, source.hasAlpha);
    EXPECT_EQ(back->bitmap, source.bitmap);
  }
  EXPECT_FALSE(EncodePng({}));
  EXPECT_FALSE(EncodePng({Bitmap32{2, 2, {1, 2, 3}}, false})) << "fewer pixels than the size";
}

TEST(Alpha, FlattenOverTheBackground) {
  const AlphaBitmap picture{{4, 1, {0x00123456, 0xFF123456, 0x80FF0000, 0x40000000}}, true};
  EXPECT_EQ(FlattenOver(picture, 0xFFFFFF).pixels,
            (std::vector<uint32_t>{0xFFFFFF, 0x123456, 0xFF7F7F, 0xBFBFBF}));
  EXPECT_EQ(FlattenOver(picture, 0x000000).pixels,
            (std::vector<uint32_t>{0x000000, 0x123456, 0x800000, 0x000000}));
  const AlphaBitmap opaque{{1, 1, {0x00ABCDEF}}, false};
  EXPECT_EQ(FlattenOver(opaque, 0xFFFFFF), opaque.bitmap);
}

TEST(Alpha, A32BitBitmapKeepsItsAlphaUnlessItIsTheUnusedByte) {
  const std::pair<std::vector<uint32_t>, bool> cases[] = {
      {{0x00112233, 0x00445566}, false},  // all 0: the unused byte of an opaque picture
      {{0xFF112233, 0xFF445566}, false},  // all opaque
      {{0x80112233, 0xFF445566}, true},
      {{0x00112233, 0xFF445566}, true},
  };
  for (const auto& [pixels, alpha] : cases) {
    auto decoded = DecodeBmpWithAlpha(EncodeBmp({2, 1, pixels}, 32));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->hasAlpha, alpha);
    std::vector<uint32_t> want = pixels;
    if (!alpha)
      for (uint32_t& p : want) p &= 0xFFFFFF;
    EXPECT_EQ(decoded->bitmap.pixels, want);
    EXPECT_EQ(DecodeBmp(EncodeBmp({2, 1, pixels}, 32))->pixels[0], pixels[0] & 0xFFFFFF);
  }
  EXPECT_FALSE(DecodeBmpWithAlpha(EncodeBmp({2, 1, {0x80000000, 0}}, 24))->hasAlpha)
      << "24-bit has no alpha";
}

}  // namespace
}  // namespace qv
