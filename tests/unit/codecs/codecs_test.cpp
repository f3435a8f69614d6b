#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "codecs/gif_writer.h"
#include "codecs/image_decoders.h"
#include "codecs/jpeg_writer.h"
#include "codecs/wmf.h"
#include "platform/sim/sim_metafile.h"
#include "test_support.h"
#include "util/le_io.h"

namespace qv {
namespace {

using test::BmpOf;

TEST(Bmp, EachDepthDecodesTopRowFirst) {
  const Bitmap32 pic{3, 2, {1, 2, 3, 0xFFFFFF, 0x123456, 0}};
  // The old 12-byte core header: 16-bit width, height, planes and bit count; colours B, G, R.
  Bytes core;
  PutU16(core, 0x4D42);
  for (uint32_t v : {0u, 0u, 0u, 12u}) PutU32(core, v);
  for (uint16_t v : {2, 1, 1, 1}) PutU16(core, v);
  PutBytes(core, Bytes{0, 0, 0, 0x30, 0x20, 0x10, 0x40, 0, 0, 0});  // black, 0x102030; 0 and 1
  const std::tuple<const char*, Bytes, std::vector<uint32_t>> cases[] = {
      {"1 bit", BmpOf(2, 2, 1, {0, 0xFF0000}, {1, 0, 0, 1}), {0xFF0000, 0, 0, 0xFF0000}},
      {"4 bits", BmpOf(3, 1, 4, {0x10, 0x20, 0x30}, {0, 1, 2}), {0x10, 0x20, 0x30}},
      {"16 bits 5-5-5", BmpOf(2, 1, 16, {}, {0x7C1F, 0x03E0}), {0xFF00FF, 0x00FF00}},
      {"16 bits 5-6-5",
       BmpOf(1, 1, 16, {}, {0x07E0}, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}),
       {0x00FF00}},
      {"32 bits 8-8-8 fields",
       BmpOf(1, 1, 32, {}, {0x3456}, BI_BITFIELDS, {0xFF, 0xFF00, 0xFF0000}),
       {0x563400}},
      {"24 bits top-down", BmpOf(1, -2, 24, {}, {0x030201, 0x060504}), {0x030201, 0x060504}},
      {"24 bits", EncodeBmp(pic, 24), pic.pixels},
      {"32 bits", EncodeBmp(pic, 32), pic.pixels},
      {"core header", core, {0, 0x102030}},
  };
  for (const auto& [name, bmp, pixels] : cases) {
    SCOPED_TRACE(name);
    auto layout = ParseBmpImage(bmp);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->totalLength, bmp.size());
    EXPECT_EQ(DecodeBmp(bmp).value_or(Bitmap32{}).pixels, pixels);
  }
  // Rows padded to 4 bytes, bottom row first; the first pixel in the high bits.
  EXPECT_EQ(Bytes(std::get<1>(cases[0]).end() - 8, std::get<1>(cases[0]).end()),
            (Bytes{0x40, 0, 0, 0, 0x80, 0, 0, 0}));
  EXPECT_EQ(Bytes(std::get<1>(cases[1]).end() - 4, std::get<1>(cases[1]).end()),
            (Bytes{0x01, 0x20, 0, 0}));
  const Bytes encoded = EncodeBmp(pic);
  EXPECT_EQ(LoadU32(&encoded[2]), encoded.size()) << "file size field";
  Bytes longer = encoded;
  longer.insert(longer.end(), 50, 0xEE);
  EXPECT_EQ(ParseBmpImage(longer)->totalLength, encoded.size()) << "ends where its headers say";
}

TEST(Bmp, MalformedImagesAreRefused) {
  const Bytes good = EncodeBmp(Bitmap32{4, 4, std::vector<uint32_t>(16, 7)});
  for (size_t n = 0; n < good.size(); ++n)
    EXPECT_FALSE(ParseBmpImage(ByteView(good).first(n))) << "truncated at " << n;
  auto patched = [&](std::initializer_list<std::pair<size_t, uint32_t>> fields) {
    Bytes b = good;
    for (auto [at, v] : fields) test::PatchU32(b, at, v);
    return b;
  };
  const std::pair<const char*, Bytes> cases[] = {
      {"header size", patched({{14, 64000}})},
      {"zero width", patched({{18, 0}})},
      {"negative width", patched({{18, 0x80000000}})},
      {"the lowest height", patched({{22, 0x80000000}})},
      {"bit count", patched({{26, 0x00070001}})},
      {"compression", patched({{30, 9}})},
      {"image size beyond the data", patched({{34, 0xFFFFFF00}})},
      {"colour count", patched({{46, 0x10000000}})},
      {"dimensions far beyond the data", patched({{18, 0x7FFFFFFF}, {22, 0x7FFFFFFF}, {34, 0}})},
  };
  for (const auto& [name, bytes] : cases) EXPECT_FALSE(ParseBmpImage(bytes)) << name;
  EXPECT_FALSE(DecodeBmp(BmpOf(1, 1, 24, {}, {0}, BI_BITFIELDS, {0xF800, 0x07E0, 0x1F})))
      << "masks go with 16 or 32 bits only";
  // A declared image size smaller than the rows need: parsed, not decoded.
  const Bytes small = patched({{34, 4}});
  ASSERT_TRUE(ParseBmpImage(small));
  EXPECT_FALSE(DecodeBmp(small));
}

TEST(Emf, HeaderSizeAndMalformedHeaders) {
  const Bytes emf = MakeTestEmf(4000, 50, {});
  auto header = ParseEmfHeader(emf);
  ASSERT_TRUE(header);
  // The frame is 105833 x 1322 hundredths of a millimetre.
  for (auto [dpi, width, height] : {std::tuple{96, 4000, 50}, {192, 8000, 100}, {72, 3000, 37}}) {
    const PixelSize size = EmfPixelSize(*header, dpi);
    EXPECT_EQ(size.width, width) << dpi;
    EXPECT_EQ(size.height, height) << dpi;
  }
  for (size_t n = 0; n < 88; ++n) EXPECT_FALSE(ParseEmfHeader(ByteView(emf).first(n)));
  Bytes badSignature = emf, badType = emf;
  badSignature[40] = 'X';
  badType[0] = 2;
  EXPECT_FALSE(ParseEmfHeader(badSignature) || ParseEmfHeader(badType));
}

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

TEST(EncodeGif, PicturesWithFewColoursComeBackExactly) {
  for (const Bitmap32& p : {test::Picture(1, 1), test::Picture(16, 16), test::Picture(5, 51),
                            Bitmap32{3, 1, {0x000000, 0xFFFFFF, 0x000000}}}) {
    int colours = 0;
    EXPECT_EQ(test::DecodeGif(EncodeGif(p).value_or(Bytes{}), &colours), p)
        << p.width << "x" << p.height;
    EXPECT_LE(colours, 256);
  }
  for (const Bitmap32& p : {Bitmap32{}, Bitmap32{0, 1, {}}, Bitmap32{1, 0, {}},
                            Bitmap32{70000, 1, std::vector<uint32_t>(70000)}})
    EXPECT_FALSE(EncodeGif(p)) << p.width << "x" << p.height;
  EXPECT_FALSE(EncodeGif(IndexedPicture{2, 2, {0}, {0, 0, 0}})) << "fewer indices than pixels";
}

TEST(EncodeGif, PhotographsGetAnOptimisedPaletteOfAtMost256Colours) {
  const Bitmap32 photo = Photo(160, 120);
  int colours = 0;
  auto back = test::DecodeGif(EncodeGif(photo).value_or(Bytes{}), &colours);
  ASSERT_TRUE(back);
  ASSERT_EQ(back->pixels.size(), photo.pixels.size());
  EXPECT_EQ(back->width, 160);
  EXPECT_EQ(colours, 256);
  std::set<uint32_t> used(back->pixels.begin(), back->pixels.end());
  EXPECT_LE(used.size(), 256u);
  EXPECT_GT(used.size(), 64u) << "the palette follows the picture";
  double sum = 0;  // peak signal to noise over the channels
  for (size_t i = 0; i < photo.pixels.size(); ++i)
    for (int s = 0; s < 24; s += 8) {
      const double d = static_cast<double>((photo.pixels[i] >> s) & 0xFF) -
                       static_cast<double>((back->pixels[i] >> s) & 0xFF);
      sum += d * d;
    }
  EXPECT_GT(10 * std::log10(255.0 * 255.0 * 3.0 * photo.pixels.size() / sum), 30.0);

  for (int limit : {1, 2, 16, 256}) {
    const size_t size = OptimisedPalette(photo, limit).size();
    EXPECT_TRUE(size >= 1 && size <= static_cast<size_t>(limit)) << limit;
  }
}

TEST(MapWithDithering, KeepsTheAverageColourOfAreas) {
  // A mid grey between two palette entries dithers to a mix of both whose mean is the grey.
  const Bitmap32 grey{32, 32, std::vector<uint32_t>(1024, 0x404040)};
  const IndexedPicture mapped = MapWithDithering(grey, {0x000000, 0xFFFFFF});
  const auto white = std::count(mapped.indices.begin(), mapped.indices.end(), 1);
  EXPECT_NEAR(white * 255.0 / 1024, 0x40, 3);  // without error diffusion, all black
}

TEST(EncodeJpeg, DecodesToTheSameSizeAsAProgressiveFile) {
  for (auto [w, h] : {std::pair{1, 1}, {17, 9}, {64, 48}, {3, 200}}) {
    test::DecodedJpeg d = test::DecodeJpeg(EncodeJpeg(test::Picture(w, h)).value_or(Bytes{}));
    EXPECT_TRUE(d.ok && d.progressive && d.components == 3) << w << "x" << h;
    EXPECT_EQ(d.width, w);
    EXPECT_EQ(d.height, h);
  }
  EXPECT_FALSE(test::DecodeJpeg(*EncodeJpeg(test::Picture(8, 8), 80, false)).progressive);
  for (const Bitmap32& p : {Bitmap32{}, Bitmap32{4, 4, std::vector<uint32_t>(3)},
                            Bitmap32{70000, 1, std::vector<uint32_t>(70000)}})
    EXPECT_FALSE(EncodeJpeg(p)) << p.width << "x" << p.height;
}

TEST(EncodeJpeg, KeepsTheColoursInTheirChannels) {
  // Flat colours survive JPEG within a few levels; a swapped channel order would not.
  for (uint32_t colour : {0xFF0000u, 0x00FF00u, 0x0000FFu, 0x336699u}) {
    const Bitmap32 flat{16, 16, std::vector<uint32_t>(256, colour)};
    test::DecodedJpeg d = test::DecodeJpeg(*EncodeJpeg(flat));
    ASSERT_TRUE(d.ok);
    for (int c = 0; c < 3; ++c)
      EXPECT_NEAR(d.rgb[c], (colour >> (16 - 8 * c)) & 0xFF, 6) << std::hex << colour;
  }
}

// The EMF bytes carried by the comment records, reassembled.
Bytes EmbeddedEmf(const Bytes& wmf, uint32_t* chunkCount) {
  Bytes emf;
  for (size_t at = 22 + 18; at + 6 <= wmf.size();) {
    const uint32_t words = LoadU32(&wmf[at]);
    const uint16_t function = LoadU16(&wmf[at + 4]);
    if (function == 0 || words < 3) break;
    if (function == 0x0626 && LoadU16(&wmf[at + 6]) == 15 &&
        LoadU32(&wmf[at + 10]) == kEmbeddedEmfIdent) {
      *chunkCount = LoadU32(&wmf[at + 28]);
      const auto data = wmf.begin() + static_cast<ptrdiff_t>(at + 44);
      emf.insert(emf.end(), data, data + LoadU32(&wmf[at + 32]));
    }
    at += 2 * static_cast<size_t>(words);
  }
  return emf;
}

TEST(PlaceableWmf, HeaderChecksumSizesAndTheEmbeddedMetafile) {
  for (size_t payload : {size_t{4}, kEmfChunkBytes, 3 * kEmfChunkBytes + 100}) {
    const Bytes emf = MakeTestEmf(200, 100, Bytes(payload, 0x5A));
    const auto made = PlaceableWmfFromEmf(emf);
    ASSERT_TRUE(made);
    const Bytes& wmf = *made;
    EXPECT_EQ(LoadU32(wmf.data()), kPlaceableKey);
    uint16_t xorSum = 0, sum = 0;
    for (size_t i = 0; i < 20; i += 2) xorSum ^= LoadU16(&wmf[i]);
    EXPECT_EQ(LoadU16(&wmf[20]), xorSum) << "placeable header checksum";
    // 200 x 100 pixels at 96 dpi in twips.
    EXPECT_EQ(std::tuple(LoadU16(&wmf[10]), LoadU16(&wmf[12]), LoadU16(&wmf[14])),
              std::tuple(3000, 1500, 1440));
    EXPECT_EQ(LoadU32(&wmf[22 + 6]) * 2, wmf.size() - 22) << "size in words";
    for (size_t i = 22; i < wmf.size(); i += 2) sum = static_cast<uint16_t>(sum + LoadU16(&wmf[i]));
    EXPECT_EQ(sum, 0) << "the words of the metafile sum to zero";
    uint32_t chunks = 0;
    EXPECT_EQ(EmbeddedEmf(wmf, &chunks), emf);
    EXPECT_EQ(chunks, (emf.size() + kEmfChunkBytes - 1) / kEmfChunkBytes);
    EXPECT_EQ(LoadU16(&wmf[wmf.size() - 2]), 0) << "ends with the end-of-file record";
  }
  // Large pictures scale the units to fit 16 bits and keep the size in inches.
  const Bytes large = *PlaceableWmfFromEmf(MakeTestEmf(4000, 50, Bytes{1, 2, 3, 4}));
  const uint16_t wide = LoadU16(&large[10]), inch = LoadU16(&large[14]);
  EXPECT_TRUE(wide <= 32767 && inch < 1440);
  EXPECT_NEAR(static_cast<double>(wide) / inch, 4000 / 96.0, 0.05);
}

TEST(PlaceableWmf, TheSystemsRecordsBehindThePlaceableHeader) {
  const Bytes emf = MakeTestEmf(200, 100, Bytes(4, 0x5A));
  Bytes records(18 + 6, 0);
  records[0] = 1;  // a memory metafile
  records[2] = 9;  // with its 9-word header
  records[5] = 3;  // version 3
  const auto wmf = PlaceableWmf(emf, records).value_or(Bytes{});
  ASSERT_GE(wmf.size(), 22u);
  const Bytes embedded = *PlaceableWmfFromEmf(emf);
  EXPECT_EQ(Bytes(wmf.begin(), wmf.begin() + 22), Bytes(embedded.begin(), embedded.begin() + 22))
      << "the same placeable header";
  EXPECT_EQ(Bytes(wmf.begin() + 22, wmf.end()), records);
  Bytes notEmf = emf;
  notEmf[0] = 2;  // not EMR_HEADER
  for (const Bytes& bits : {notEmf, Bytes(emf.begin(), emf.begin() + 20), Bytes{}})
    EXPECT_FALSE(PlaceableWmfFromEmf(bits) || PlaceableWmf(bits, records)) << bits.size();
  records[2] = 8;  // not a metafile header
  EXPECT_FALSE(PlaceableWmf(emf, records));
  EXPECT_FALSE(PlaceableWmf(emf, Bytes(10, 0))) << "shorter than a header";
}

}  // namespace
}  // namespace qv
