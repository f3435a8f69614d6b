#include "ui/gdi_bitmaps_win32.h"

#include <cstring>

namespace qv::win32 {
namespace {

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

std::optional<Bitmap32> ReadBitmap(HBITMAP bitmap) {
  BITMAP object{};
  if (!bitmap || GetObjectW(bitmap, sizeof(object), &object) == 0) return std::nullopt;
  if (object.bmWidth <= 0 || object.bmHeight <= 0) return std::nullopt;
  Bitmap32 out{object.bmWidth, object.bmHeight, {}};
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  BITMAPINFO info = TopDown32(out.width, out.height);
  ScreenDC screen;
  if (!screen.Get()) return std::nullopt;
  if (GetDIBits(screen.Get(), bitmap, 0, static_cast<UINT>(out.height), out.pixels.data(), &info,
                DIB_RGB_COLORS) != out.height) {
    return std::nullopt;
  }
  for (uint32_t& p : out.pixels) p &= 0xFFFFFFu;
  return out;
}

std::optional<Bitmap32> LoadBitmapResource(HINSTANCE instance, const wchar_t* name) {
  GdiBitmap bitmap(
      static_cast<HBITMAP>(LoadImageW(instance, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!bitmap) return std::nullopt;
  return ReadBitmap(bitmap.Get());
}

GdiBitmap CreateDib(const Bitmap32& picture) {
  if (picture.width <= 0 || picture.height <= 0) return GdiBitmap();
  BITMAPINFO info = TopDown32(picture.width, picture.height);
  void* bits = nullptr;
  GdiBitmap section(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || !bits) return GdiBitmap();
  std::memcpy(bits, picture.pixels.data(), picture.pixels.size() * sizeof(uint32_t));
  GdiFlush();
  return section;
}

GdiBitmap CreateMono(const MonoBitmap& mask) {
  if (mask.width <= 0 || mask.height <= 0) return GdiBitmap();
  return GdiBitmap(CreateBitmap(mask.width, mask.height, 1, 1, mask.bits.data()));
}

}  // namespace qv::win32
