// The picture half of Win32Clipboard: CF_BITMAP as a BMP file image and back,
// CF_ENHMETAFILE as metafile bits and back.
//
// codecs/bmp.h declares BI_* constants that <windows.h> defines as macros, so
// it comes first.
#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "util/le_io.h"

#include "platform/win32/clipboard_win32.h"
#include "platform/win32/handles_win32.h"

#include <cstring>
#include <vector>

namespace qv::win32 {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
// The largest pixel block we read from or build for the clipboard.
constexpr uint64_t kMaxPixelBytes = 512ull << 20;

// A BITMAPINFO with room for the largest colour table.
struct BitmapInfo256 {
  BITMAPINFOHEADER header;
  RGBQUAD colours[256];
};

// The nearest bit count a DIB can have for a device bitmap of `bits` per pixel.
uint16_t DibBitCount(int bits) {
  if (bits <= 1) return 1;
  if (bits <= 4) return 4;
  if (bits <= 8) return 8;
  if (bits <= 16) return 16;
  if (bits <= 24) return 24;
  return 32;
}

// Reads a device-dependent bitmap as DIB pixels in its own bit count.
// Appends the BMP file image to `out`; false (nothing appended) on failure.
bool AppendBitmapAsBmp(HBITMAP bitmap, HPALETTE palette, Bytes& out) {
  BITMAP object{};
  if (GetObjectW(bitmap, sizeof(object), &object) != sizeof(object)) return false;
  if (object.bmWidth <= 0 || object.bmHeight <= 0) return false;
  const uint16_t bitCount = DibBitCount(object.bmBitsPixel * object.bmPlanes);
  const uint64_t stride = (static_cast<uint64_t>(object.bmWidth) * bitCount + 31) / 32 * 4;
  const uint64_t imageSize = stride * static_cast<uint64_t>(object.bmHeight);
  if (imageSize > kMaxPixelBytes) return false;

  BitmapInfo256 info{};
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = object.bmWidth;
  info.header.biHeight = object.bmHeight;  // bottom-up rows
  info.header.biPlanes = 1;
  info.header.biBitCount = bitCount;
  info.header.biCompression = BI_RGB;
  std::vector<uint8_t> pixels(static_cast<size_t>(imageSize));
  {
    ScreenDC screen;
    if (!screen.Get()) return false;
    SelectedPalette selected(screen.Get(), palette);
    int rows = GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(object.bmHeight), pixels.data(),
                         reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    if (rows != object.bmHeight) return false;
  }

  const uint32_t colours = bitCount <= 8 ? 1u << bitCount : 0u;
  const uint32_t pixelOffset =
      static_cast<uint32_t>(kFileHeaderSize + kInfoHeaderSize) + 4 * colours;
  const uint32_t fileSize = pixelOffset + static_cast<uint32_t>(imageSize);
  Bytes image;
  image.reserve(fileSize);
  PutU16(image, 0x4D42);  // "BM"
  PutU32(image, fileSize);
  PutU32(image, 0);
  PutU32(image, pixelOffset);
  PutU32(image, static_cast<uint32_t>(kInfoHeaderSize));
  PutU32(image, static_cast<uint32_t>(object.bmWidth));
  PutU32(image, static_cast<uint32_t>(object.bmHeight));
  PutU16(image, 1);
  PutU16(image, bitCount);
  PutU32(image, BI_RGB);
  PutU32(image, static_cast<uint32_t>(imageSize));
  PutU32(image, static_cast<uint32_t>(info.header.biXPelsPerMeter));
  PutU32(image, static_cast<uint32_t>(info.header.biYPelsPerMeter));
  PutU32(image, 0);  // every colour of the table is used
  PutU32(image, 0);
  for (uint32_t i = 0; i < colours; ++i) {
    const RGBQUAD& c = info.colours[i];
    PutU8(image, c.rgbBlue);
    PutU8(image, c.rgbGreen);
    PutU8(image, c.rgbRed);
    PutU8(image, 0);
  }
  PutBytes(image, pixels);
  out.insert(out.end(), image.begin(), image.end());
  return true;
}

}  // namespace

bool Win32Clipboard::AppendBitmapImage(Bytes& out) {
  ClipboardOpen open(nullptr);
  if (!open.IsOpen()) return false;
  auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
  if (!bitmap) return false;
  HPALETTE palette = nullptr;
  if (IsClipboardFormatAvailable(CF_PALETTE))
    palette = static_cast<HPALETTE>(GetClipboardData(CF_PALETTE));
  return AppendBitmapAsBmp(bitmap, palette, out);
}

bool Win32Clipboard::AppendEnhMetafile(Bytes& out) {
  EnhMetafile copy;
  {
    ClipboardOpen open(nullptr);
    if (!open.IsOpen()) return false;
    auto metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    if (!metafile) return false;
    copy.Reset(CopyEnhMetaFileW(metafile, nullptr));
  }
  if (!copy) return false;
  UINT size = GetEnhMetaFileBits(copy.Get(), 0, nullptr);
  if (size == 0) return false;
  Bytes bits(size);
  if (GetEnhMetaFileBits(copy.Get(), size, bits.data()) != size) return false;
  out.insert(out.end(), bits.begin(), bits.end());
  return true;
}

bool Win32Clipboard::SetBitmapImage(ByteView bmpFile) {
  auto layout = ParseBmpImage(bmpFile);
  if (!layout) return false;
  // The headers, masks and colour table, in that order as GDI expects them,
  // copied to aligned memory. The pixel bits follow the colour table directly;
  // the file header's own offset field is not trusted.
  const size_t headerBytes = layout->pixelOffset - kFileHeaderSize;
  std::vector<uint32_t> header((headerBytes + 3) / 4);
  std::memcpy(header.data(), bmpFile.data() + kFileHeaderSize, headerBytes);

  const uint64_t rows = static_cast<uint64_t>(
      layout->height < 0 ? -static_cast<int64_t>(layout->height) : layout->height);
  const bool compressed = layout->compression == BI_RLE4 || layout->compression == BI_RLE8;
  if (!compressed) {
    // GDI reads stride x rows bytes whatever the header's image size says.
    const uint64_t needed = layout->Stride() * rows;
    if (needed > kMaxPixelBytes || needed > bmpFile.size() - layout->pixelOffset) return false;
  }
  if (static_cast<uint64_t>(layout->width) * rows > kMaxDecodedPixels) return false;

  ScreenDC screen;
  if (!screen.Get()) return false;
  const auto* info = reinterpret_cast<const BITMAPINFO*>(header.data());
  GdiBitmap bitmap(CreateDIBitmap(screen.Get(), &info->bmiHeader, CBM_INIT,
                                  bmpFile.data() + layout->pixelOffset, info, DIB_RGB_COLORS));
  if (!bitmap) return false;
  if (!SetClipboardData(CF_BITMAP, bitmap.Get())) return false;
  bitmap.Release();  // the clipboard owns it now
  return true;
}

bool Win32Clipboard::SetEnhMetafile(ByteView emfBits) {
  auto header = ParseEmfHeader(emfBits);
  if (!header || header->totalBytes > emfBits.size()) return false;
  EnhMetafile metafile(SetEnhMetaFileBits(static_cast<UINT>(emfBits.size()), emfBits.data()));
  if (!metafile) return false;
  if (!SetClipboardData(CF_ENHMETAFILE, metafile.Get())) return false;
  metafile.Release();
  return true;
}

}  // namespace qv::win32
