// codecs/ headers before <windows.h>: they declare names <windows.h> defines as macros.
#include "codecs/emf.h"

#include "platform/win32/metafile_renderer_win32.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/handles_win32.h"

namespace qv::win32 {

std::optional<Bitmap32> Win32MetafileRenderer::Render(ByteView emfBits) {
  auto header = ParseEmfHeader(emfBits);
  if (!header || header->totalBytes > emfBits.size()) return std::nullopt;
  ScreenDC screen;
  if (!screen.Get()) return std::nullopt;
  const PixelSize size = EmfPixelSize(*header, GetDeviceCaps(screen.Get(), LOGPIXELSX));
  if (size.width <= 0 || size.height <= 0 || size.width > kMaxSide || size.height > kMaxSide)
    return std::nullopt;

  EnhMetafile metafile(SetEnhMetaFileBits(static_cast<UINT>(emfBits.size()), emfBits.data()));
  if (!metafile) return std::nullopt;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = size.width;
  info.bmiHeader.biHeight = -size.height;  // top-down, like Bitmap32
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiBitmap section(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return std::nullopt;
  MemoryDC dc(CreateCompatibleDC(screen.Get()));
  if (!dc) return std::nullopt;
  {
    SelectedObject selected(dc.Get(), section.Get());
    if (!selected.Ok()) return std::nullopt;
    const RECT area{0, 0, size.width, size.height};
    GdiBrush background(CreateSolidBrush(
        RGB((kBackground >> 16) & 0xFF, (kBackground >> 8) & 0xFF, kBackground & 0xFF)));
    if (!background) return std::nullopt;
    FillRect(dc.Get(), &area, background.Get());
    SetBkMode(dc.Get(), TRANSPARENT);
    if (!PlayEnhMetaFile(dc.Get(), metafile.Get(), &area)) return std::nullopt;
    GdiFlush();
  }

  Bitmap32 out;
  out.width = size.width;
  out.height = size.height;
  out.pixels.resize(static_cast<size_t>(size.width) * size.height);
  std::memcpy(out.pixels.data(), bits, out.pixels.size() * sizeof(uint32_t));
  for (uint32_t& pixel : out.pixels) pixel &= 0x00FFFFFF;  // BGRA in memory is 0x00RRGGBB
  return out;
}

}  // namespace qv::win32
