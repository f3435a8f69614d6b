// The clipboard contract over the real Win32 clipboard, and what only the real
// clipboard does: GDI turns every picture into a bottom-up image with headers
// that agree, and refuses pictures GDI would read past the end of.
//
// The qv headers come before <windows.h>: codecs/bmp.h declares BI_* names
// that <windows.h> defines as macros.
#include "codecs/bmp.h"
#include "platform/clipboard_contract.h"
#include "platform/sim/sim_metafile.h"
#include "test_support.h"
#include "util/le_io.h"

#include "platform/win32/clipboard_win32.h"
#include "platform/win32/handles_win32.h"

#include <cstring>

namespace qv::test {
namespace {

using win32::ClipboardOpen;

class Win32UnderTest : public ClipboardUnderTest {
 public:
  Win32UnderTest()
      : owner_(CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr)) {
    clipboard_.SetOwnerWindow(owner_);
    SetByOther({});
  }
  ~Win32UnderTest() override {
    SetByOther({});
    DestroyWindow(owner_);
  }
  Clipboard& Get() override { return clipboard_; }
  void SetByOther(const std::vector<ClipFormat>& formats) override {
    // Another program may hold the clipboard for a moment.
    int attempt = 0;
    while (!OpenClipboard(nullptr) && ++attempt < 200) Sleep(10);
    ASSERT_LT(attempt, 200);
    EmptyClipboard();
    for (const ClipFormat& f : formats) {
      if (f.id == CF_ENHMETAFILE) {
        SetClipboardData(f.id,
                         SetEnhMetaFileBits(static_cast<UINT>(f.bytes.size()), f.bytes.data()));
        continue;
      }
      HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, f.bytes.size());
      std::memcpy(GlobalLock(block), f.bytes.data(), f.bytes.size());
      GlobalUnlock(block);
      SetClipboardData(f.id, block);
    }
    CloseClipboard();
  }
  bool OwnedByProgram() override { return GetClipboardOwner() == owner_; }

 private:
  HWND owner_;
  win32::Win32Clipboard clipboard_;
};

INSTANTIATE_TEST_SUITE_P(Windows, ClipboardContract,
                         ::testing::Values(ClipboardMaker{
                             "Win32", [] { return std::make_unique<Win32UnderTest>(); }}),
                         MakerName);

struct RealClipboard : ::testing::Test {
  Win32UnderTest under;
  Clipboard& clipboard = under.Get();
};

TEST_F(RealClipboard, ImagesComeBackBottomUpWithHeadersThatAgree) {
  for (const BmpVariant& v : BmpVariants()) {
    SCOPED_TRACE(v.name);
    ASSERT_TRUE(SetBitmapImage(clipboard, v.file));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_PALETTE));
    Bytes bmp;
    ASSERT_TRUE(clipboard.AppendBitmapImage(bmp));
    auto layout = ParseBmpImage(bmp);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->headerSize, 40u);
    EXPECT_GT(layout->height, 0) << "rows are stored bottom-up";
    EXPECT_EQ(layout->totalLength, bmp.size());
    EXPECT_EQ(LoadU32(&bmp[2]), bmp.size()) << "file size field";
    EXPECT_EQ(LoadU32(&bmp[10]), layout->pixelOffset) << "pixel offset field";
  }
  // A monochrome bitmap of 10 x 3 pixels, rows padded to 16 bits as CreateBitmap wants.
  const uint8_t rows[3][2] = {{0xA5, 0x40}, {0x0F, 0x80}, {0xFF, 0x00}};
  win32::GdiBitmap bitmap(CreateBitmap(10, 3, 1, 1, rows));
  {
    ClipboardOpen open(nullptr);
    ASSERT_TRUE(bitmap && open.IsOpen() && EmptyClipboard());
    ASSERT_NE(SetClipboardData(CF_BITMAP, bitmap.Get()), nullptr);
    bitmap.Release();
  }
  Bytes image;
  ASSERT_TRUE(clipboard.AppendBitmapImage(image));
  auto layout = ParseBmpImage(image);
  ASSERT_TRUE(layout);
  EXPECT_EQ(layout->bitCount, 1) << "with its colour table";
  EXPECT_EQ(layout->paletteEntries, 2u);
  const Bitmap32 decoded = DecodeBmp(image).value_or(Bitmap32{10, 3, std::vector<uint32_t>(30)});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 10; ++x)
      EXPECT_EQ(decoded.at(x, y), (rows[y][x / 8] >> (7 - x % 8)) & 1 ? 0xFFFFFFu : 0u)
          << x << "," << y;
}

TEST_F(RealClipboard, RefusesWhatGdiWouldReadPastTheEndOf) {
  Bytes lyingSize = EncodeBmp(Picture(5, 5));  // the header claims a 1-byte image
  StoreU32(&lyingSize[34], 1);
  lyingSize.resize(54 + 1);
  const Bytes emf = MakeTestEmf(20, 10, Bytes{1, 2, 3});
  {
    ClipboardOpen open(nullptr);
    ASSERT_TRUE(open.IsOpen() && EmptyClipboard());
    EXPECT_FALSE(clipboard.SetBitmapImage(lyingSize));
    EXPECT_FALSE(clipboard.SetEnhMetafile(ByteView(emf).first(60))) << "shorter than its header";
    EXPECT_FALSE(clipboard.SetEnhMetafile(ByteView(emf).first(emf.size() - 12))) << "cut short";
    EXPECT_FALSE(clipboard.SetEnhMetafile(Bytes{'B', 'M', 1, 2, 3}));
    EXPECT_FALSE(clipboard.SetFormat(CF_TEXT, {}));
  }
  EXPECT_EQ(CountClipboardFormats(), 0);
}

}  // namespace
}  // namespace qv::test
