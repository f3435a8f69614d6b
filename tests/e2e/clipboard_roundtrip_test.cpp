// The real clipboard layer against the system clipboard: capture of what
// another program put there, restore, and the picture conversions.
//
// The qv headers come before <windows.h>: codecs/bmp.h declares BI_* names
// that <windows.h> defines as macros.
#include <gtest/gtest.h>

#include "snapshot/clipboard_io.h"
#include "snapshot/format_names.h"
#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "snapshot/slot_stream.h"
#include "tools/clip_fixture.h"
#include "util/codepage.h"
#include "util/le_io.h"

#include "platform/win32/clipboard_win32.h"
#include "platform/win32/codepage_win32.h"
#include "platform/win32/handles_win32.h"
#include "platform/win32/metafile_renderer_win32.h"
#include "platform/win32/system_win32.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <set>
#include <string>

#include "e2e_support.h"

namespace qv::e2e {
namespace {

namespace fx = fixture;
using win32::ClipboardOpen;
using win32::EnhMetafile;
using win32::GdiBitmap;
using win32::GdiBrush;
using win32::GlobalLockGuard;
using win32::ScreenDC;
using win32::Win32Clipboard;
using KernelHandle = win32::UniqueHandle<HANDLE, CloseHandle>;

constexpr std::chrono::seconds kDeadline{20};

// Waits until no other program holds the clipboard open.
bool WaitClipboardFree() {
  return WaitUntil(
      [] {
        ClipboardOpen open(nullptr);
        return open.IsOpen();
      },
      kDeadline);
}

// Empties the clipboard so a test never sees what the previous one left.
void ClearClipboard() {
  ASSERT_TRUE(WaitClipboardFree());
  ClipboardOpen open(nullptr);
  ASSERT_TRUE(open.IsOpen());
  ASSERT_TRUE(EmptyClipboard());
}

// The global-memory bytes of a format as any reader gets them.
std::optional<Bytes> ReadGlobalFormat(UINT id) {
  if (!WaitClipboardFree()) return std::nullopt;
  ClipboardOpen open(nullptr);
  if (!open.IsOpen()) return std::nullopt;
  HANDLE handle = GetClipboardData(id);
  if (!handle) return std::nullopt;
  const SIZE_T size = GlobalSize(handle);
  GlobalLockGuard lock(handle);
  if (!lock.Data()) return std::nullopt;
  const auto* data = static_cast<const uint8_t*>(lock.Data());
  return Bytes(data, data + size);
}

// A packed DIB (CF_DIB) with a file header in front, as DecodeBmp reads it.
std::optional<Bitmap32> DecodeDib(const Bytes& dib) {
  Bytes file;
  PutU16(file, 0x4D42);
  PutU32(file, static_cast<uint32_t>(14 + dib.size()));
  PutU32(file, 0);
  PutU32(file, 0);
  PutBytes(file, dib);
  return DecodeBmp(file);
}

const FormatRecord* FindRecord(const SlotStreamView& view, uint32_t id) {
  for (const FormatRecord& rec : view.records)
    if (rec.id == id) return &rec;
  return nullptr;
}

// A clipboard block is at least as long as the data put into it; the system
// may round the block up. Checks the prefix and says which case occurred.
void ExpectRecordStartsWith(const SlotStreamView& view, uint32_t id, const Bytes& expected,
                            const std::string& what) {
  const FormatRecord* rec = FindRecord(view, id);
  ASSERT_NE(rec, nullptr) << what << " is missing from the captured stream";
  ASSERT_GE(rec->data.size(), expected.size()) << what << " lost bytes";
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), rec->data.begin()))
      << what << " bytes differ";
  const size_t extra = rec->data.size() - expected.size();
  std::cout << "  " << what << ": " << expected.size() << " bytes written, block of "
            << rec->data.size() << (extra ? " (rounded up by the system)" : " (exact)") << "\n";
}

// qv_clipwriter, running while the object lives. It owns the clipboard until
// it is told to quit.
class ClipWriter {
 public:
  ClipWriter() : quit_(CreateEventW(nullptr, TRUE, FALSE, fx::kQuitEventName)) {
    if (quit_) ResetEvent(quit_.Get());
    sequenceBefore_ = GetClipboardSequenceNumber();
    process_ = Process(ExeDir() / L"qv_clipwriter.exe", L"");
  }
  ~ClipWriter() {
    if (quit_) SetEvent(quit_.Get());
    process_.WaitExit(std::chrono::seconds(10));
  }
  ClipWriter(const ClipWriter&) = delete;
  ClipWriter& operator=(const ClipWriter&) = delete;

  // True once the writer has set every format and closed the clipboard.
  bool WaitReady() {
    if (!process_.Started()) return false;
    const UINT privateFormat =
        RegisterClipboardFormatW(reinterpret_cast<const wchar_t*>(fx::kPrivateFormatName.data()));
    return WaitUntil(
        [&] {
          if (!process_.Running()) return false;
          if (GetClipboardSequenceNumber() == sequenceBefore_) return false;
          if (!IsClipboardFormatAvailable(CF_HDROP) || !IsClipboardFormatAvailable(privateFormat))
            return false;
          ClipboardOpen open(nullptr);  // the writer has closed it
          return open.IsOpen();
        },
        kDeadline);
  }
  DWORD ExitCode() const { return process_.ExitCode(); }

 private:
  KernelHandle quit_;
  DWORD sequenceBefore_ = 0;
  Process process_;
};

// An enhanced metafile being recorded; Finish() gives its bits.
class MetafileRecording {
 public:
  // A picture of widthPx x heightPx screen pixels.
  MetafileRecording(int widthPx, int heightPx) {
    ScreenDC screen;
    const int dpiX = GetDeviceCaps(screen.Get(), LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen.Get(), LOGPIXELSY);
    const RECT frame{0, 0, widthPx * 2540 / dpiX, heightPx * 2540 / dpiY};
    dc_ = CreateEnhMetaFileW(screen.Get(), nullptr, &frame, L"Quorvane test\0picture\0");
  }
  ~MetafileRecording() {
    if (dc_) DeleteEnhMetaFile(CloseEnhMetaFile(dc_));
  }
  MetafileRecording(const MetafileRecording&) = delete;
  MetafileRecording& operator=(const MetafileRecording&) = delete;

  HDC Dc() const { return dc_; }
  void Fill(RECT area, COLORREF colour) {
    GdiBrush brush(CreateSolidBrush(colour));
    FillRect(dc_, &area, brush.Get());
  }
  Bytes Finish() {
    EnhMetafile metafile(CloseEnhMetaFile(dc_));
    dc_ = nullptr;
    if (!metafile) return {};
    const UINT size = GetEnhMetaFileBits(metafile.Get(), 0, nullptr);
    Bytes bits(size);
    if (size == 0 || GetEnhMetaFileBits(metafile.Get(), size, bits.data()) != size) return {};
    return bits;
  }

 private:
  HDC dc_ = nullptr;
};

Bytes RecordTestPicture(COLORREF colour) {
  MetafileRecording recording(100, 60);
  recording.Fill({10, 10, 50, 50}, colour);
  recording.Fill({60, 20, 90, 40}, RGB(0, 128, 0));
  return recording.Finish();
}

// Puts a picture on the clipboard through SetBitmapImage; false when refused.
bool SetBitmapOnClipboard(Win32Clipboard& clipboard, ByteView bmpFile) {
  if (!WaitClipboardFree() || !clipboard.Open()) return false;
  clipboard.Empty();
  const bool ok = clipboard.SetBitmapImage(bmpFile);
  clipboard.Close();
  return ok;
}

Bitmap32 TestPicture(int width, int height) {
  Bitmap32 picture;
  picture.width = width;
  picture.height = height;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      picture.pixels.push_back((static_cast<uint32_t>(x * 25) << 16) |
                               (static_cast<uint32_t>(y * 50) << 8) |
                               static_cast<uint32_t>((x + y) * 9));
  return picture;
}

// The same picture with its rows stored top-down (negative height).
Bytes TopDownBmp(const Bitmap32& picture) {
  Bytes file = EncodeBmp(picture, 32);
  StoreU32(&file[22], static_cast<uint32_t>(-picture.height));
  Bytes flipped = file;
  const size_t stride = static_cast<size_t>(picture.width) * 4;
  for (int y = 0; y < picture.height; ++y)
    std::copy_n(&file[54 + y * stride], stride, &flipped[54 + (picture.height - 1 - y) * stride]);
  return flipped;
}

// The file with another value in the header's pixel-offset field, as some
// writers leave it; the pixels still follow the colour table.
Bytes WithOffsetField(Bytes file, uint32_t offset) {
  StoreU32(&file[10], offset);
  return file;
}

// An 8-bit BMP with a four-colour table: pixel (x, y) uses colour (x + y) % 4.
Bytes PalettedBmp(int width, int height, const uint32_t (&colours)[4]) {
  const uint32_t stride = (static_cast<uint32_t>(width) + 3) / 4 * 4;
  Bytes file;
  PutU16(file, 0x4D42);
  PutU32(file, 54 + 16 + stride * height);
  PutU32(file, 0);
  PutU32(file, 54 + 16);
  PutU32(file, 40);
  PutU32(file, static_cast<uint32_t>(width));
  PutU32(file, static_cast<uint32_t>(height));
  PutU16(file, 1);
  PutU16(file, 8);
  PutU32(file, BI_RGB);
  PutU32(file, stride * height);
  PutU32(file, 0);
  PutU32(file, 0);
  PutU32(file, 4);  // colours used
  PutU32(file, 0);
  for (uint32_t c : colours) PutU32(file, c);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) PutU8(file, static_cast<uint8_t>((x + y) % 4));
    for (uint32_t pad = width; pad < stride; ++pad) PutU8(file, 0);
  }
  return file;
}

std::optional<Bitmap32> BitmapFromClipboard(Win32Clipboard& clipboard) {
  Bytes image;
  if (!WaitClipboardFree() || !clipboard.AppendBitmapImage(image)) return std::nullopt;
  return DecodeBmp(image);
}

// ---------------------------------------------------------------------------

TEST(ClipboardRoundTrip, CapturesAnotherProgramsFormatsAndRestoresThem) {
  ClearClipboard();
  ClipWriter writer;
  ASSERT_TRUE(writer.WaitReady()) << "writer exit code " << writer.ExitCode();

  Win32Clipboard clipboard;
  const uint32_t privateFormat = clipboard.RegisterFormat(Utf16ToUtf8(fx::kPrivateFormatName));
  ASSERT_GE(privateFormat, 0xC000u);

  const Bytes captured = CaptureClipboard(clipboard);
  auto view = ParseSlotStream(captured);
  ASSERT_TRUE(view.has_value());
  ASSERT_TRUE(view->complete);
  ASSERT_TRUE(ValidateSlotData(captured));

  ExpectRecordStartsWith(*view, CF_TEXT, fx::AnsiTextBytes(), "CF_TEXT");
  ExpectRecordStartsWith(*view, CF_UNICODETEXT, fx::UnicodeTextBytes(), "CF_UNICODETEXT");
  ExpectRecordStartsWith(*view, privateFormat, fx::PrivateBytes(), "private format");
  ExpectRecordStartsWith(*view, CF_HDROP, fx::DropFilesBytes(), "CF_HDROP");
  for (const FormatRecord& rec : view->records) {
    EXPECT_FALSE(IsBitmapFormat(rec.id)) << "picture format " << rec.id << " copied as bytes";
    EXPECT_FALSE(IsMetafileFormat(rec.id)) << "metafile format " << rec.id << " copied as bytes";
  }
  EXPECT_EQ(view->header.hasBitmap, 1);
  EXPECT_EQ(view->header.hasMetafile, 0);
  auto layout = ParseBmpImage(view->bitmap);
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(layout->headerSize, 40u);
  std::cout << "  captured bitmap: " << layout->bitCount << " bits per pixel\n";
  auto pixels = DecodeBmp(view->bitmap);
  ASSERT_TRUE(pixels.has_value());
  EXPECT_EQ(*pixels, fx::ExpectedPixels());

  // The readers of the core see the writer's text and files.
  EXPECT_EQ(ReadFormatTextUtf8(captured, CF_UNICODETEXT), Utf16ToUtf8(fx::kUnicodeText));
  std::vector<std::string> expectedNames;
  for (const auto& name : fx::kFileNames) expectedNames.push_back(Utf16ToUtf8(name));
  EXPECT_EQ(ReadFileList(captured), expectedNames);

  // Capturing an unchanged clipboard gives the same stream.
  EXPECT_EQ(CaptureClipboard(clipboard), captured);

  EmptyTheClipboard(clipboard);
  EXPECT_EQ(EnumerateClipboardFormats(clipboard), std::vector<uint32_t>{});
  ASSERT_TRUE(RestoreToClipboard(clipboard, captured));

  for (const FormatRecord& rec : view->records) {
    auto back = ReadGlobalFormat(rec.id);
    ASSERT_TRUE(back.has_value()) << "format " << rec.id << " not restored";
    EXPECT_EQ(*back, Bytes(rec.data.begin(), rec.data.end())) << "format " << rec.id;
  }
  auto dib = ReadGlobalFormat(CF_DIB);
  ASSERT_TRUE(dib.has_value()) << "no CF_DIB synthesised from the restored bitmap";
  ASSERT_GE(dib->size(), 40u);
  std::cout << "  CF_DIB synthesised after restore: " << LoadU16(&(*dib)[14])
            << " bits per pixel\n";
  auto dibPixels = DecodeDib(*dib);
  ASSERT_TRUE(dibPixels.has_value());
  EXPECT_EQ(*dibPixels, fx::ExpectedPixels());

  // Capturing the restored clipboard gives the same records, in order.
  const Bytes again = CaptureClipboard(clipboard);
  auto againView = ParseSlotStream(again);
  ASSERT_TRUE(againView.has_value());
  ASSERT_EQ(againView->records.size(), view->records.size());
  for (size_t i = 0; i < view->records.size(); ++i) {
    const FormatRecord& a = view->records[i];
    const FormatRecord& b = againView->records[i];
    EXPECT_EQ(a.id, b.id) << "record " << i;
    EXPECT_TRUE(std::ranges::equal(a.data, b.data)) << "record " << i << " format " << a.id;
  }
  EXPECT_EQ(againView->header.hasBitmap, 1);
  auto againPixels = DecodeBmp(againView->bitmap);
  ASSERT_TRUE(againPixels.has_value());
  EXPECT_EQ(*againPixels, fx::ExpectedPixels());
  std::cout << "  bitmap bytes after restore: "
            << (std::ranges::equal(view->bitmap, againView->bitmap) ? "identical" : "different")
            << "\n";
}

TEST(ClipboardRoundTrip, OwnerWindowBecomesClipboardOwner) {
  ClearClipboard();
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 1, 1, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(owner, nullptr);
  Win32Clipboard clipboard;
  clipboard.SetOwnerWindow(owner);
  PutTextOnClipboard(clipboard, u"owned text");
  EXPECT_EQ(GetClipboardOwner(), owner);
  ClearClipboard();
  DestroyWindow(owner);
}

TEST(ClipboardPictures, BitmapImageKeepsPixelsAndRowOrder) {
  Win32Clipboard clipboard;
  const Bitmap32 picture = TestPicture(9, 4);
  const Bytes files[] = {EncodeBmp(picture, 24), EncodeBmp(picture, 32), TopDownBmp(picture),
                         WithOffsetField(EncodeBmp(picture, 24), 0),
                         WithOffsetField(EncodeBmp(picture, 24), 58)};
  for (const Bytes& file : files) {
    ASSERT_TRUE(SetBitmapOnClipboard(clipboard, file));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_BITMAP));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_PALETTE));

    Bytes image = {0xAB};  // what was there before must stay
    ASSERT_TRUE(WaitClipboardFree());
    ASSERT_TRUE(clipboard.AppendBitmapImage(image));
    EXPECT_EQ(image[0], 0xAB);
    ByteView bmp = ByteView(image).subspan(1);
    auto layout = ParseBmpImage(bmp);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->totalLength, bmp.size());
    EXPECT_EQ(LoadU32(&bmp[2]), bmp.size()) << "file size field";
    EXPECT_EQ(LoadU32(&bmp[10]), layout->pixelOffset) << "pixel offset field";
    EXPECT_GT(layout->height, 0) << "rows are stored bottom-up";
    auto decoded = DecodeBmp(bmp);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, picture);

    auto dib = ReadGlobalFormat(CF_DIB);
    ASSERT_TRUE(dib.has_value());
    auto dibPixels = DecodeDib(*dib);
    ASSERT_TRUE(dibPixels.has_value());
    EXPECT_EQ(*dibPixels, picture);
  }
}

TEST(ClipboardPictures, PalettedBitmapImageKeepsColours) {
  Win32Clipboard clipboard;
  const uint32_t colours[4] = {0x00102030, 0x00FF0000, 0x0000C000, 0x00FFFFFF};
  ASSERT_TRUE(SetBitmapOnClipboard(clipboard, PalettedBmp(6, 3, colours)));
  auto decoded = BitmapFromClipboard(clipboard);
  ASSERT_TRUE(decoded.has_value());
  ASSERT_EQ(decoded->width, 6);
  ASSERT_EQ(decoded->height, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(decoded->at(x, y), colours[(x + y) % 4]) << x << "," << y;
}

TEST(ClipboardPictures, MonochromeBitmapComesWithItsColourTable) {
  // 10 x 3 pixels, one bit each, rows padded to 16 bits as CreateBitmap wants.
  const uint8_t rows[3][2] = {{0xA5, 0x40}, {0x0F, 0x80}, {0xFF, 0x00}};
  GdiBitmap bitmap(CreateBitmap(10, 3, 1, 1, rows));
  ASSERT_TRUE(bitmap);
  ClearClipboard();
  {
    ClipboardOpen open(nullptr);
    ASSERT_TRUE(open.IsOpen());
    ASSERT_TRUE(EmptyClipboard());
    ASSERT_NE(SetClipboardData(CF_BITMAP, bitmap.Get()), nullptr);
    bitmap.Release();
  }
  Win32Clipboard clipboard;
  Bytes image;
  ASSERT_TRUE(WaitClipboardFree());
  ASSERT_TRUE(clipboard.AppendBitmapImage(image));
  auto layout = ParseBmpImage(image);
  ASSERT_TRUE(layout.has_value());
  EXPECT_EQ(layout->bitCount, 1);
  EXPECT_EQ(layout->paletteEntries, 2u);
  auto decoded = DecodeBmp(image);
  ASSERT_TRUE(decoded.has_value());
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 10; ++x) {
      const bool set = (rows[y][x / 8] >> (7 - x % 8)) & 1;
      EXPECT_EQ(decoded->at(x, y), set ? 0x00FFFFFFu : 0u) << x << "," << y;
    }
  }
}

TEST(ClipboardPictures, GdiHandlesAreNeverLockedAsMemory) {
  Win32Clipboard clipboard;
  ASSERT_TRUE(SetBitmapOnClipboard(clipboard, EncodeBmp(TestPicture(3, 3), 24)));
  ASSERT_TRUE(WaitClipboardFree());
  ASSERT_TRUE(clipboard.Open());
  EXPECT_EQ(clipboard.LockFormat(CF_BITMAP), nullptr);
  EXPECT_EQ(clipboard.LockFormat(CF_PALETTE), nullptr);
  EXPECT_EQ(clipboard.LockFormat(0x0300), nullptr);
  EXPECT_EQ(clipboard.LockFormat(CF_TEXT), nullptr) << "absent format";
  auto dib = clipboard.LockFormat(CF_DIB);
  ASSERT_NE(dib, nullptr) << "the synthesised CF_DIB is global memory";
  EXPECT_GE(dib->View().size(), 40u);
  dib.reset();
  clipboard.Close();
}

TEST(ClipboardPictures, MalformedPicturesAreRefused) {
  Win32Clipboard clipboard;
  const Bytes good = EncodeBmp(TestPicture(5, 5), 24);
  Bytes truncated(good.begin(), good.end() - 7);
  Bytes lyingSize = good;  // the header claims a 1-byte image: GDI would read past the end
  StoreU32(&lyingSize[34], 1);
  lyingSize.resize(54 + 1);
  const Bytes garbage = {'B', 'M', 1, 2, 3, 4, 5};
  const Bytes emf = RecordTestPicture(RGB(255, 0, 0));
  ASSERT_FALSE(emf.empty());
  Bytes shortEmf(emf.begin(), emf.begin() + 60);
  Bytes cutEmf(emf.begin(), emf.end() - 12);

  ClearClipboard();
  ASSERT_TRUE(clipboard.Open());
  ASSERT_TRUE(clipboard.Empty());
  EXPECT_FALSE(clipboard.SetBitmapImage(truncated));
  EXPECT_FALSE(clipboard.SetBitmapImage(lyingSize));
  EXPECT_FALSE(clipboard.SetBitmapImage(garbage));
  EXPECT_FALSE(clipboard.SetBitmapImage({}));
  EXPECT_FALSE(clipboard.SetEnhMetafile(shortEmf));
  EXPECT_FALSE(clipboard.SetEnhMetafile(cutEmf));
  EXPECT_FALSE(clipboard.SetEnhMetafile(garbage));
  EXPECT_FALSE(clipboard.SetFormat(CF_TEXT, {}));
  clipboard.Close();
  EXPECT_EQ(CountClipboardFormats(), 0);

  Bytes out = {1, 2, 3};
  EXPECT_FALSE(clipboard.AppendBitmapImage(out));
  EXPECT_FALSE(clipboard.AppendEnhMetafile(out));
  EXPECT_EQ(out, (Bytes{1, 2, 3}));
}

TEST(ClipboardMetafile, EnhMetafileRoundTrip) {
  const Bytes bits = RecordTestPicture(RGB(255, 0, 0));
  ASSERT_FALSE(bits.empty());
  Win32Clipboard clipboard;
  ClearClipboard();
  ASSERT_TRUE(clipboard.Open());
  ASSERT_TRUE(clipboard.Empty());
  ASSERT_TRUE(clipboard.SetEnhMetafile(bits));
  EXPECT_EQ(clipboard.LockFormat(CF_ENHMETAFILE), nullptr);
  clipboard.Close();
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_ENHMETAFILE));

  Bytes out = {0x5A};
  ASSERT_TRUE(clipboard.AppendEnhMetafile(out));
  ASSERT_EQ(out.size(), 1 + bits.size());
  EXPECT_EQ(out[0], 0x5A);
  EXPECT_TRUE(std::equal(bits.begin(), bits.end(), out.begin() + 1));

  Bytes none = {7};
  EXPECT_FALSE(clipboard.AppendBitmapImage(none)) << "a metafile is not a bitmap";
  EXPECT_EQ(none, Bytes{7});

  const Bytes captured = CaptureClipboard(clipboard);
  auto view = ParseSlotStream(captured);
  ASSERT_TRUE(view.has_value());
  EXPECT_EQ(view->header.hasMetafile, 1);
  EXPECT_TRUE(std::ranges::equal(view->metafile, bits));
  for (const FormatRecord& rec : view->records)
    EXPECT_FALSE(IsMetafileFormat(rec.id)) << "format " << rec.id;

  EmptyTheClipboard(clipboard);
  ASSERT_TRUE(RestoreToClipboard(clipboard, captured));
  Bytes restored;
  ASSERT_TRUE(clipboard.AppendEnhMetafile(restored));
  EXPECT_EQ(restored, bits);
}

TEST(ClipboardMetafile, RendererDrawsTheMetafile) {
  win32::Win32MetafileRenderer renderer;
  const Bytes red = RecordTestPicture(RGB(255, 0, 0));
  const Bytes blue = RecordTestPicture(RGB(0, 0, 255));
  ASSERT_FALSE(red.empty());

  auto first = renderer.Render(red);
  ASSERT_TRUE(first.has_value());
  ScreenDC screen;
  const PixelSize size =
      EmfPixelSize(*ParseEmfHeader(red), GetDeviceCaps(screen.Get(), LOGPIXELSX));
  EXPECT_EQ(first->width, size.width);
  EXPECT_EQ(first->height, size.height);
  EXPECT_EQ(first->pixels.size(), static_cast<size_t>(size.width) * size.height);
  EXPECT_EQ(first->at(30, 30), 0x00FF0000u) << "inside the red square";
  EXPECT_EQ(first->at(75, 30), 0x00008000u) << "inside the green bar";
  EXPECT_EQ(first->at(3, 55), win32::Win32MetafileRenderer::kBackground) << "outside the shapes";

  auto second = renderer.Render(red);
  ASSERT_TRUE(second.has_value());
  EXPECT_EQ(*first, *second);
  auto other = renderer.Render(blue);
  ASSERT_TRUE(other.has_value());
  EXPECT_NE(*first, *other);
  EXPECT_EQ(other->at(30, 30), 0x000000FFu);
}

TEST(ClipboardMetafile, RendererRefusesUnusableMetafiles) {
  win32::Win32MetafileRenderer renderer;
  const Bytes good = RecordTestPicture(RGB(255, 0, 0));
  ASSERT_FALSE(good.empty());
  EXPECT_FALSE(renderer.Render({}).has_value());
  EXPECT_FALSE(renderer.Render(ByteView(good).first(40)).has_value());
  EXPECT_FALSE(renderer.Render(ByteView(good).first(good.size() - 20)).has_value());

  Bytes empty = good;  // a frame of no size
  StoreU32(&empty[32], LoadU32(&empty[24]));
  EXPECT_FALSE(renderer.Render(empty).has_value());
  Bytes huge = good;  // a frame of 10 m
  StoreU32(&huge[32], 1000000);
  EXPECT_FALSE(renderer.Render(huge).has_value());
}

TEST(ClipboardFormatNames, LongNamesComeBackCutTo59Characters) {
  Win32Clipboard clipboard;
  std::string longName = "Quorvane format name of seventy characters ";
  while (longName.size() < 70) longName.push_back(static_cast<char>('a' + longName.size() % 26));
  const uint32_t id = clipboard.RegisterFormat(longName);
  ASSERT_GE(id, 0xC000u);
  EXPECT_EQ(clipboard.RegisteredName(id), longName.substr(0, 59));

  const std::string wide = "Quorvane Förmat – 日本";
  const uint32_t wideId = clipboard.RegisterFormat(wide);
  ASSERT_GE(wideId, 0xC000u);
  EXPECT_NE(wideId, id);
  EXPECT_EQ(clipboard.RegisteredName(wideId), wide);
  EXPECT_EQ(clipboard.RegisterFormat(wide), wideId) << "registering again gives the same id";

  EXPECT_EQ(clipboard.RegisteredName(CF_TEXT), std::nullopt);
}

TEST(ClipboardPlatformServices, AnsiCodePageAndRandomNumbers) {
  win32::InstallWin32AnsiCodePage();
  const std::u16string text = u"Grüße, café";
  EXPECT_EQ(AnsiToUtf16(Utf16ToAnsi(text)), text);
  EXPECT_EQ(Utf16ToAnsi(u"").size(), 0u);
  InstallAnsiCodePage({});

  win32::Win32System system;
  std::set<uint32_t> seen;
  for (int i = 0; i < 200; ++i) {
    const uint32_t value = system.Random(5);
    ASSERT_LT(value, 5u);
    seen.insert(value);
  }
  EXPECT_EQ(seen.size(), 5u);
  EXPECT_EQ(system.Random(0), 0u);
}

}  // namespace
}  // namespace qv::e2e
