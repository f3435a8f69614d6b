#pragma once
// A BMP file image opened up for pixel work: its headers and colour table kept
// byte for byte, its pixel rows (top row first) in their stored bit depth.
#include <cstdint>
#include <optional>

#include "util/bytes.h"

namespace qv {

// Pictures with more pixels than this are not transformed in memory.
inline constexpr uint64_t kMaxTransformPixels = 64ull << 20;

struct PixelImage {
  Bytes head;  // file header, info header, masks and colour table
  int width = 0;
  int height = 0;
  uint16_t bitCount = 0;  // 1, 4, 8, 16, 24 or 32
  bool topDown = false;   // the file stores the top row first
  size_t stride = 0;      // bytes per row, a multiple of 4
  Bytes pixels;           // height rows of `stride` bytes, top row first

  // Where the colour table lies in `head` (entries 0 when there is none).
  size_t paletteOffset = 0;
  uint32_t paletteEntries = 0;
  uint32_t paletteEntrySize = 4;
  // Bits of a 16- or 32-bit pixel that hold colour (not alpha, not unused).
  uint32_t colourMask = 0;
  bool coreHeader = false;  // 12-byte header with 16-bit width and height

  uint8_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * stride; }
  const uint8_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * stride; }
  // Width and height swap when a picture is turned: the stride follows.
  void Resize(int newWidth, int newHeight);
};

enum class PixelImageError { Unreadable, TooLarge };

struct PixelImageResult {
  std::optional<PixelImage> image;
  PixelImageError error = PixelImageError::Unreadable;
};

// Opens an uncompressed (BI_RGB or BI_BITFIELDS) BMP file image. Compressed
// and malformed images are Unreadable; pictures over kMaxTransformPixels, or
// that do not fit in memory, are TooLarge.
PixelImageResult ReadPixelImage(ByteView bmp);

// The BMP file image again, with sizes and orientation fields written for the
// current width and height.
Bytes WritePixelImage(const PixelImage& image);

}  // namespace qv
