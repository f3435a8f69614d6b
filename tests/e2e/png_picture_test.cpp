// A picture another program offers only as a PNG file, as Wine's bridge does
// for pictures copied on the Linux desktop.
#include <gtest/gtest.h>

#include <algorithm>

#include "codecs/png.h"
#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

TEST(PngPicture, APngOnlyPictureIsAPictureSlotAcrossARestartAndComesBackInBothForms) {
  FreshStart("[main]\r\nminimized=0\r\n");
  // Half of the picture translucent: the bitmap part is 32-bit.
  AlphaBitmap picture{{40, 30, {}}, true};
  for (uint32_t i = 0; i < 40 * 30; ++i)
    picture.bitmap.pixels.push_back((i * 0x0A0B0C & 0xFFFFFF) | (i % 2 ? 0xFF000000 : 0x80000000));
  const Bytes png = EncodePng(picture).value();
  const UINT pngId = RegisterClipboardFormatW(L"PNG");
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    ASSERT_TRUE(Put({{pngId, png}}));
    ASSERT_TRUE(SyncWith(app.Window()));
    EXPECT_EQ(SlotViewText(app.Window(), 0), "Picture: 40 x 30");
    Screenshot(app.Window(), "png_picture.bmp");
    ASSERT_TRUE(app.Exit());
  }
  // The next start puts the newest slot back on the emptied clipboard.
  ASSERT_TRUE(EmptyTheClipboardNow());
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(WaitUntil([&] { return ClipboardData(pngId).has_value(); }));
  ASSERT_TRUE(SyncWith(app.Window()));
  EXPECT_EQ(SlotViewText(app.Window(), 0), "Picture: 40 x 30") << "still a picture";
  const Bytes back = ClipboardData(pngId).value_or(Bytes{});
  ASSERT_GE(back.size(), png.size());
  EXPECT_TRUE(std::equal(png.begin(), png.end(), back.begin())) << "the PNG file as it came";
  auto dib = ClipboardData(CF_DIB);
  ASSERT_TRUE(dib) << "and a bitmap for programs that read bitmaps";
  auto pixels = DecodeDib(*dib);
  ASSERT_TRUE(pixels);
  ASSERT_EQ(pixels->width, 40);
  ASSERT_EQ(pixels->height, 30);
  for (size_t i = 0; i < pixels->pixels.size(); ++i)
    ASSERT_EQ(pixels->pixels[i] & 0xFFFFFF, picture.bitmap.pixels[i] & 0xFFFFFF) << i;
  EXPECT_TRUE(app.Exit());
}

}  // namespace
}  // namespace qv::e2e
