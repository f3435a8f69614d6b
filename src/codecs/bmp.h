#pragma once
// BMP file images: where one ends inside a longer stream, decoding to 32-bit
// pixels, and writing.
#include <cstdint>
#include <optional>

#include "codecs/bitmap32.h"
#include "util/bytes.h"

namespace qv {

// Compression codes (wingdi.h values); where <windows.h> came first its macros stand in.
#ifndef BI_RGB
enum : uint32_t { BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3 };
#endif

struct BmpLayout {
  int32_t width = 0;
  int32_t height = 0;  // negative: rows stored top-down
  uint16_t bitCount = 0;
  uint32_t compression = BI_RGB;
  uint32_t headerSize = 0;   // 12 (core), 40, 52, 56, 108 or 124
  size_t paletteOffset = 0;  // from the start of the file image
  uint32_t paletteEntries = 0;
  uint32_t paletteEntrySize = 0;  // 3 (core header) or 4
  size_t maskOffset = 0;          // BI_BITFIELDS masks, 0 when none
  size_t pixelOffset = 0;         // from the start of the file image
  size_t pixelBytes = 0;          // image size, or stride x rows when that is 0
  size_t totalLength = 0;         // file header + headers + colour table + pixels
  uint64_t Stride() const;        // bytes per pixel row
};

// Reads the headers of the BMP file image at the start of `data` and locates
// its parts. nullopt when the headers are malformed or the parts they imply do
// not fit inside `data`.
std::optional<BmpLayout> ParseBmpImage(ByteView data);

// Pictures larger than this many pixels are not decoded (a 32-bit process
// could not hold them anyway).
inline constexpr uint64_t kMaxDecodedPixels = 64ull << 20;

// 32-bit pixels of the BMP file image; nullopt when it cannot be decoded.
std::optional<Bitmap32> DecodeBmp(ByteView data);
// The same with the transparency of a 32-bit BI_RGB image: its fourth bytes
// are alpha unless they are all 0 (an opaque picture's unused byte).
std::optional<AlphaBitmap> DecodeBmpWithAlpha(ByteView data);

// A BMP file image with a 40-byte info header. bitCount 24 or 32; a 32-bit
// image stores each pixel's top byte (alpha) as its fourth byte.
Bytes EncodeBmp(const Bitmap32& bitmap, uint16_t bitCount = 24);

}  // namespace qv
