// codecs/ headers before <windows.h>: they declare names <windows.h> defines as macros.
#include "codecs/emf.h"

#include "platform/win32/metafile_renderer_win32.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/handles_win32.h"

namespace qv::win32 {

namespace {

// Plays the metafile stretched over a width x height 32-bit DIB section.
std::optional<Bitmap32> Draw(HENHMETAFILE metafile, HDC screen, int width, int height,
                             uint32_t background) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, like Bitmap32
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiBitmap section(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return std::nullopt;
  MemoryDC dc(CreateCompatibleDC(screen));
  if (!dc) return std::nullopt;
  {
    SelectedObject selected(dc.Get(), section.Get());
    if (!selected.Ok()) return std::nullopt;
    const RECT area{0, 0, width, height};
    GdiBrush brush(CreateSolidBrush(
        RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF)));
    if (!brush) return std::nullopt;
    FillRect(dc.Get(), &area, brush.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    if (!PlayEnhMetaFile(dc.Get(), metafile, &area)) return std::nullopt;
    GdiFlush();
  }
  Bitmap32 out;
  out.width = width;
  out.height = height;
  out.pixels.resize(static_cast<size_t>(width) * height);
  std::memcpy(out.pixels.data(), bits, out.pixels.size() * sizeof(uint32_t));
  for (uint32_t& pixel : out.pixels) pixel &= 0x00FFFFFF;  // BGRA in memory is 0x00RRGGBB
  return out;
}

bool UsableSize(int width, int height, int maxSide) {
  return width > 0 && height > 0 && width <= maxSide && height <= maxSide;
}

}  // namespace

std::optional<Bitmap32> Win32MetafileRenderer::Render(ByteView emfBits) {
  auto header = ParseEmfHeader(emfBits);
  if (!header || header->totalBytes > emfBits.size()) return std::nullopt;
  ScreenDC screen;
  if (!screen.Get()) return std::nullopt;
  const PixelSize size = EmfPixelSize(*header, GetDeviceCaps(screen.Get(), LOGPIXELSX));
  if (!UsableSize(size.width, size.height, kMaxSide)) return std::nullopt;
  EnhMetafile metafile(SetEnhMetaFileBits(static_cast<UINT>(emfBits.size()), emfBits.data()));
  if (!metafile) return std::nullopt;
  return Draw(metafile.Get(), screen.Get(), size.width, size.height, kBackground);
}

std::optional<Bitmap32> Win32MetafileRenderer::RenderStretched(ByteView emfBits, int width,
                                                               int height) {
  auto header = ParseEmfHeader(emfBits);
  if (!header || header->totalBytes > emfBits.size()) return std::nullopt;
  if (!UsableSize(width, height, kMaxSide)) return std::nullopt;
  ScreenDC screen;
  if (!screen.Get()) return std::nullopt;
  EnhMetafile metafile(SetEnhMetaFileBits(static_cast<UINT>(emfBits.size()), emfBits.data()));
  if (!metafile) return std::nullopt;
  return Draw(metafile.Get(), screen.Get(), width, height, kBackground);
}

std::optional<Bytes> Win32MetafileRenderer::ToWindowsMetafile(ByteView emfBits) {
  auto header = ParseEmfHeader(emfBits);
  if (!header || header->totalBytes > emfBits.size()) return std::nullopt;
  ScreenDC screen;
  if (!screen.Get()) return std::nullopt;
  EnhMetafile metafile(SetEnhMetaFileBits(static_cast<UINT>(emfBits.size()), emfBits.data()));
  if (!metafile) return std::nullopt;
  const UINT size = GetWinMetaFileBits(metafile.Get(), 0, nullptr, MM_ANISOTROPIC, screen.Get());
  if (size == 0) return std::nullopt;
  Bytes records(size);
  if (GetWinMetaFileBits(metafile.Get(), size, records.data(), MM_ANISOTROPIC, screen.Get()) !=
      size)
    return std::nullopt;
  return records;
}

}  // namespace qv::win32
