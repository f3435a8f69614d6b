// The real metafile renderer, ANSI code page, random numbers and letter case.
#include "codecs/emf.h"
#include "platform/sim/sim_text_case.h"
#include "util/codepage.h"
#include "util/le_io.h"

#include "platform/win32/codepage_win32.h"
#include "platform/win32/handles_win32.h"
#include "platform/win32/metafile_renderer_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/text_case_win32.h"

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

TEST(Win32MetafileRenderer, DrawsAndConvertsTheMetafileAndRefusesUnusableOnes) {
  win32::Win32MetafileRenderer renderer;
  const Bytes red = RecordPicture(RGB(255, 0, 0));
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
  EXPECT_EQ(renderer.Render(RecordPicture(RGB(0, 0, 255)))->at(30, 30), 0x000000FFu);

  auto records = renderer.ToWindowsMetafile(red);
  ASSERT_TRUE(records && records->size() >= 18);
  EXPECT_EQ(LoadU16(&(*records)[2]), 9) << "a Windows metafile header";
  EXPECT_FALSE(renderer.ToWindowsMetafile(Bytes(40, 0)));

  Bytes empty = red, huge = red;
  StoreU32(&empty[32], LoadU32(&empty[24]));  // a frame of no size
  StoreU32(&huge[32], 1000000);               // a frame of 10 m
  const Bytes refused[] = {
      {}, Bytes(red.begin(), red.begin() + 40), Bytes(red.begin(), red.end() - 20), empty, huge};
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

// The system's letter case agrees with the in-memory table where both have
// one-to-one mappings: ASCII, Latin-1, Greek and Cyrillic.
TEST(Win32Services, LetterCaseAgreesWithTheTableOnTheBasicAlphabets) {
  const SimTextCase table;
  const win32::Win32TextCase system;
  const std::pair<char32_t, char32_t> ranges[] = {
      {0x41, 0x5A},     {0x61, 0x7A},     {0xC0, 0xDE},     {0xE0, 0xFE},
      {0x0391, 0x03A9}, {0x03B1, 0x03C1}, {0x03C3, 0x03C9}, {0x0400, 0x045F}};
  for (auto [first, last] : ranges) {
    for (char32_t c = first; c <= last; ++c) {
      if (c == 0xD7 || c == 0xF7 || c == 0x03A2) continue;
      EXPECT_TRUE(system.IsLetter(c)) << int(c);
      EXPECT_EQ(system.Upper(c), table.Upper(c)) << int(c);
      EXPECT_EQ(system.Lower(c), table.Lower(c)) << int(c);
      EXPECT_EQ(system.IsUpper(c), table.IsUpper(c)) << int(c);
      EXPECT_EQ(system.IsLower(c), table.IsLower(c)) << int(c);
    }
  }
  for (char32_t c : {U'1', U' ', U'.', char32_t{0x20AC}, char32_t{0xD83D}, char32_t{0x1F600}})
    EXPECT_TRUE(system.Upper(c) == c && system.Lower(c) == c) << int(c);
}

}  // namespace
}  // namespace qv
