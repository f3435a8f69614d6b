// Pictures offered only as PNG files: captured as picture slots, restored in
// both forms, transformed without the old file.
#include <gtest/gtest.h>

#include "attributes/thumbnail.h"
#include "codecs/bmp.h"
#include "codecs/png.h"
#include "codecs/png_files.h"
#include "picture_ops/transform_picture.h"
#include "sim_fixture.h"

namespace qv {
namespace {

using namespace test;

// A picture of w x h whose pixels all differ; alpha varies when `alpha`.
PngSpec Rgb(uint32_t w, uint32_t h, uint8_t type = 2, bool interlaced = false) {
  PngSpec spec{w, h, type, 8, interlaced, {}, {}, {}};
  for (uint32_t i = 0; i < w * h; ++i)
    spec.pixels.push_back((i * 0x070B0D & 0xFFFFFF) | (type == 6 ? (i * 29 % 256) << 24 : 0));
  return spec;
}

struct PngCapture : ::testing::Test, SimFixture {
  uint32_t png = clipboard.RegisterFormat("PNG");
};

TEST_F(PngCapture, EachKindOfPngBecomesAPictureSlot) {
  PngSpec palette{6, 4, 3, 4, false, {}, {0x0000FF, 0x00FF00, 0xFF0000}, {0x40}};
  for (uint32_t i = 0; i < 24; ++i) palette.pixels.push_back(i % 3);
  PngSpec grey{3, 2, 0, 8, false, {0, 50, 100, 150, 200, 250}, {}, {}};
  struct Case {
    const char* name;
    const char* formatName;
    PngSpec spec;
    std::vector<uint32_t> shown;  // over the white slot, for the pictures that fit
  };
  const Case cases[] = {
      {"RGB", "PNG", Rgb(7, 5), Rgb(7, 5).pixels},
      {"interlaced", "PNG", Rgb(9, 10, 2, true), Rgb(9, 10).pixels},
      {"grey", "image/png", grey, {0, 0x323232, 0x646464, 0x969696, 0xC8C8C8, 0xFAFAFA}},
      // Index 0 (blue) a quarter opaque over white: 0xBFBFFF.
      {"palette", "Png", palette, {}},
      {"with alpha", "PNG", Rgb(100, 30, 6), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const uint32_t id = clipboard.RegisterFormat(c.formatName);
    const Bytes file = PngFile(c.spec);
    const TClipRec& rec = CaptureNew({{id, file}});
    EXPECT_EQ(rec.Kind, kKindPicture);
    EXPECT_TRUE(rec.HasBitmap);
    EXPECT_FALSE(rec.HasMetafile);
    EXPECT_EQ(rec.PictWidth, c.spec.width);
    EXPECT_EQ(rec.PictHeight, c.spec.height);
    // The PNG record as it came, then the bitmap part, as for any bitmap.
    const auto view = ParseSlotStream(*rec.Data);
    ASSERT_TRUE(view && view->complete && view->records.size() == 1);
    EXPECT_EQ(Bytes(view->records[0].data.begin(), view->records[0].data.end()), file);
    EXPECT_TRUE(ValidateSlotData(*rec.Data));
    const bool transparent = c.spec.colourType == 6 || !c.spec.transparency.empty();
    EXPECT_EQ(ParseBmpImage(view->bitmap)->bitCount, transparent ? 32 : 24);
    if (!c.shown.empty()) {
      ASSERT_TRUE(rec.Thumbnail);
      EXPECT_EQ(rec.Thumbnail->pixels, c.shown);
    }
  }
  // The transparent ones are drawn over the slot's white.
  const TClipRec& pal = slots[3];
  EXPECT_EQ(pal.Thumbnail->at(0, 0), 0xBFBFFFu) << "index 0, a quarter opaque";
  EXPECT_EQ(pal.Thumbnail->at(1, 0), 0x00FF00u) << "index 1, opaque";
  const TClipRec& alpha = slots[4];
  ASSERT_TRUE(pal.Thumbnail && alpha.Thumbnail);
  ASSERT_EQ(alpha.Thumbnail->width, 75);
  ASSERT_EQ(alpha.Thumbnail->height, 23);
  AlphaBitmap full{{100, 30, Rgb(100, 30, 6).pixels}, true};
  EXPECT_EQ(alpha.Thumbnail, MakeThumbnail(FlattenOver(full, 0xFFFFFF), 75, 56));
  EXPECT_EQ(alpha.PictureView, FlattenOver(full, 0xFFFFFF)) << "fits the view unscaled";
}

TEST_F(PngCapture, AnUndecodablePngStaysOtherData) {
  const Bytes good = PngFile(Rgb(4, 4));
  Bytes lying = good;
  lying[16 + 3] = 200;  // IHDR: width 200, CRC now wrong
  const Bytes cases[] = {Bytes(good.begin(), good.end() - 30), lying, Bytes{0x89, 'P', 'N', 'G'},
                         Bytes(64, 0)};
  for (const Bytes& file : cases) {
    const TClipRec& rec = CaptureNew({{png, file}});
    EXPECT_EQ(rec.Kind, kKindOther);
    EXPECT_FALSE(rec.HasBitmap);
    EXPECT_EQ(*rec.Data, Stream({{png, file}})) << "captured as any private format";
  }
}

TEST_F(PngCapture, ABitmapOnTheClipboardIsTheOneStored) {
  const Bitmap32 dib = Picture(3, 3);
  const Bytes stream = Capture({{png, PngFile(Rgb(8, 8))}, {CF_DIB, Dib(dib)}});
  EXPECT_EQ(DecodeBmp(ParseSlotStream(stream)->bitmap), dib);
}

TEST_F(PngCapture, RestoreGivesBothThePngAndTheBitmap) {
  const PngSpec spec = Rgb(5, 4, 6);
  const Bytes file = PngFile(spec);
  const Bytes stream = CaptureNew({{png, file}}).GetSnapshotData();
  clipboard.ClearByOther();
  ASSERT_TRUE(RestoreToClipboard(clipboard, stream));
  EXPECT_EQ(clipboard.Data(png), file);
  Bytes bitmap;
  ASSERT_TRUE(clipboard.AppendBitmapImage(bitmap));
  EXPECT_EQ(DecodeBmpWithAlpha(bitmap)->bitmap.pixels, spec.pixels) << "alpha kept";
}

TEST_F(PngCapture, ATransformationDropsTheOldPng) {
  const uint32_t bridged = clipboard.RegisterFormat("image/png");
  const PngSpec spec = Rgb(3, 2, 6);
  const Bytes stream = Capture({{png, PngFile(spec)}, {bridged, PngFile(spec)}});
  ASSERT_EQ(TransformPicture(clipboard, renderer, stream, PictureTransform::FlipHorizontal),
            TransformOutcome::Done);
  for (uint32_t id : clipboard.Formats()) EXPECT_TRUE(id != png && id != bridged) << id;
  Bytes bitmap;
  ASSERT_TRUE(clipboard.AppendBitmapImage(bitmap));
  // Top and bottom swapped, alpha and all.
  std::vector<uint32_t> want(spec.pixels.begin() + 3, spec.pixels.end());
  want.insert(want.end(), spec.pixels.begin(), spec.pixels.begin() + 3);
  EXPECT_EQ(DecodeBmpWithAlpha(bitmap)->bitmap.pixels, want);
}

}  // namespace
}  // namespace qv
