// The real metafile renderer, ANSI code page and random numbers.
#include "codecs/emf.h"
#include "util/codepage.h"
#include "util/le_io.h"

#include "platform/win32/codepage_win32.h"
#include "platform/win32/handles_win32.h"
#include "platform/win32/metafile_renderer_win32.h"
#include "platform/win32/system_win32.h"

#include <gtest/gtest.h>

#include <set>

namespace qv {
namespace {

// An enhanced metafile of 100 x 60 screen pixels: a square in `colour` at
// (10..50, 10..50) and a green bar at (60..90, 20..40).
Bytes RecordPicture(COLORREF colour) {
  HDC screen = GetDC(nullptr);
  const RECT frame{0, 0, 100 * 2540 / GetDeviceCaps(screen, LOGPIXELSX),
                   60 * 2540 / GetDeviceCaps(screen, LOGPIXELSY)};
  HDC dc = CreateEnhMetaFileW(screen, nullptr, &frame, L"Quorvane test\0picture\0");
  ReleaseDC(nullptr, screen);
  for (auto [area, c] :
       {std::pair{RECT{10, 10, 50, 50}, colour}, {RECT{60, 20, 90, 40}, RGB(0, 128, 0)}}) {
    win32::GdiBrush brush(CreateSolidBrush(c));
    FillRect(dc, &area, brush.Get());
  }
  win32::EnhMetafile metafile(CloseEnhMetaFile(dc));
  Bytes bits(GetEnhMetaFileBits(metafile.Get(), 0, nullptr));
  GetEnhMetaFileBits(metafile.Get(), static_cast<UINT>(bits.size()), bits.data());
  return bits;
}

TEST(Win32MetafileRenderer, DrawsTheMetafileAtItsSize) {
  win32::Win32MetafileRenderer renderer;
  const Bytes red = RecordPicture(RGB(255, 0, 0));
  ASSERT_FALSE(red.empty());
  auto first = renderer.Render(red);
  ASSERT_TRUE(first);
  HDC screen = GetDC(nullptr);
  const PixelSize size = EmfPixelSize(*ParseEmfHeader(red), GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(first->width, size.width);
  EXPECT_EQ(first->height, size.height);
  EXPECT_EQ(first->at(30, 30), 0x00FF0000u) << "inside the square";
  EXPECT_EQ(first->at(75, 30), 0x00008000u) << "inside the bar";
  EXPECT_EQ(first->at(3, 55), win32::Win32MetafileRenderer::kBackground) << "outside the shapes";
  EXPECT_EQ(renderer.Render(red), first) << "the same drawing, the same pixels";
  auto blue = renderer.Render(RecordPicture(RGB(0, 0, 255)));
  ASSERT_TRUE(blue);
  EXPECT_EQ(blue->at(30, 30), 0x000000FFu);
}

TEST(Win32MetafileRenderer, ConvertsToWindowsMetafileRecords) {
  win32::Win32MetafileRenderer renderer;
  auto records = renderer.ToWindowsMetafile(RecordPicture(RGB(255, 0, 0)));
  ASSERT_TRUE(records);
  ASSERT_GE(records->size(), 18u);
  EXPECT_EQ(LoadU16(&(*records)[2]), 9) << "a Windows metafile header";
  EXPECT_FALSE(renderer.ToWindowsMetafile(Bytes(40, 0)));
}

TEST(Win32MetafileRenderer, RefusesUnusableMetafiles) {
  win32::Win32MetafileRenderer renderer;
  const Bytes good = RecordPicture(RGB(255, 0, 0));
  Bytes empty = good;  // a frame of no size
  StoreU32(&empty[32], LoadU32(&empty[24]));
  Bytes huge = good;  // a frame of 10 m
  StoreU32(&huge[32], 1000000);
  const Bytes refused[] = {{},
                           Bytes(good.begin(), good.begin() + 40),
                           Bytes(good.begin(), good.end() - 20),
                           empty,
                           huge};
  for (const Bytes& bits : refused) EXPECT_FALSE(renderer.Render(bits)) << bits.size();
}

TEST(Win32Services, AnsiCodePageAndRandomNumbers) {
  win32::InstallWin32AnsiCodePage();
  const std::u16string text = u"Grüße, café";
  EXPECT_EQ(AnsiToUtf16(Utf16ToAnsi(text)), text);
  EXPECT_EQ(Utf16ToAnsi(u"").size(), 0u);
  InstallAnsiCodePage({});

  win32::Win32System system;
  std::set<uint32_t> seen;
  for (int i = 0; i < 200; ++i) seen.insert(system.Random(5));
  EXPECT_EQ(seen, (std::set<uint32_t>{0, 1, 2, 3, 4}));
  EXPECT_EQ(system.Random(0), 0u);
}

}  // namespace
}  // namespace qv
