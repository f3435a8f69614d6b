#include "codecs/bmp.h"

#include <bit>

#include "util/le_io.h"

namespace qv {
namespace {

constexpr size_t kFileHeaderSize = 14;

uint32_t MaskShift(uint32_t mask) {
  return mask ? static_cast<uint32_t>(std::countr_zero(mask)) : 0;
}

// Scales a masked channel to 8 bits.
uint8_t Channel(uint32_t value, uint32_t mask) {
  if (!mask) return 0;
  uint32_t v = (value & mask) >> MaskShift(mask);
  uint32_t bits = static_cast<uint32_t>(std::popcount(mask >> MaskShift(mask)));
  if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
  uint32_t max = (1u << bits) - 1;
  return static_cast<uint8_t>((v * 255 + max / 2) / max);
}

}  // namespace

uint64_t BmpLayout::Stride() const {
  uint64_t bits =
      static_cast<uint64_t>(width < 0 ? -static_cast<int64_t>(width) : width) * bitCount;
  return ((bits + 31) / 32) * 4;
}

std::optional<BmpLayout> ParseBmpImage(ByteView data) {
  ByteReader r(data);
  uint16_t magic;
  if (!r.U16(magic) || magic != 0x4D42 || !r.Skip(12)) return std::nullopt;
  BmpLayout b;
  if (!r.U32(b.headerSize)) return std::nullopt;
  uint32_t clrUsed = 0;
  if (b.headerSize == 12) {
    uint16_t w, h, planes;
    if (!r.U16(w) || !r.U16(h) || !r.U16(planes) || !r.U16(b.bitCount)) return std::nullopt;
    b.width = w;
    b.height = h;
    b.paletteEntrySize = 3;
  } else if (b.headerSize >= 40 && b.headerSize <= 124) {
    uint16_t planes;
    uint32_t sizeImage;
    if (!r.I32(b.width) || !r.I32(b.height) || !r.U16(planes) || !r.U16(b.bitCount) ||
        !r.U32(b.compression) || !r.U32(sizeImage) || !r.Skip(8) || !r.U32(clrUsed))
      return std::nullopt;
    b.pixelBytes = sizeImage;
    b.paletteEntrySize = 4;
  } else {
    return std::nullopt;
  }
  if (b.width <= 0 || b.height == 0 || b.height == INT32_MIN) return std::nullopt;
  switch (b.bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      return std::nullopt;
  }
  if (b.compression > BI_BITFIELDS) return std::nullopt;

  uint64_t offset = kFileHeaderSize + b.headerSize;
  if (b.compression == BI_BITFIELDS && b.headerSize == 40) {
    b.maskOffset = static_cast<size_t>(offset);
    offset += 12;
  } else if (b.compression == BI_BITFIELDS) {
    if (b.headerSize < 52) return std::nullopt;
    b.maskOffset = kFileHeaderSize + 40;  // the masks are part of the longer header
  }
  if (b.bitCount <= 8)
    b.paletteEntries = clrUsed ? clrUsed : (1u << b.bitCount);
  else
    b.paletteEntries = clrUsed;
  if (b.paletteEntries > 4096) return std::nullopt;
  b.paletteOffset = static_cast<size_t>(offset);
  offset += static_cast<uint64_t>(b.paletteEntries) * b.paletteEntrySize;
  b.pixelOffset = static_cast<size_t>(offset);

  uint64_t rows = static_cast<uint64_t>(b.height < 0 ? -static_cast<int64_t>(b.height) : b.height);
  // Both factors are bounded by the data size first, so the product cannot overflow.
  if (rows > data.size() || b.Stride() > data.size()) return std::nullopt;
  uint64_t implied = b.Stride() * rows;
  if (b.pixelBytes == 0) {
    if (b.compression == BI_RLE4 || b.compression == BI_RLE8) return std::nullopt;
    if (implied > data.size()) return std::nullopt;  // absurd dimensions
    b.pixelBytes = static_cast<size_t>(implied);
  }
  uint64_t total = offset + b.pixelBytes;
  if (total > data.size()) return std::nullopt;
  b.totalLength = static_cast<size_t>(total);
  return b;
}

namespace {

// The pixels as 0x00RRGGBB; with keepAlpha a 32-bit BI_RGB image keeps its
// fourth byte in the top byte of each pixel.
std::optional<Bitmap32> DecodePixels(ByteView data, bool keepAlpha) {
  auto layout = ParseBmpImage(data);
  if (!layout) return std::nullopt;
  const BmpLayout& b = *layout;
  if (b.compression == BI_RLE4 || b.compression == BI_RLE8) return std::nullopt;
  uint64_t rows = static_cast<uint64_t>(b.height < 0 ? -static_cast<int64_t>(b.height) : b.height);
  if (static_cast<uint64_t>(b.width) * rows > kMaxDecodedPixels) return std::nullopt;
  if (b.Stride() * rows > b.pixelBytes) return std::nullopt;

  uint32_t masks[3] = {0x00FF0000, 0x0000FF00, 0x000000FF};
  if (b.bitCount == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  }
  if (b.compression == BI_BITFIELDS) {
    if (b.bitCount != 16 && b.bitCount != 32) return std::nullopt;
    for (int i = 0; i < 3; ++i) masks[i] = LoadU32(&data[b.maskOffset + 4 * i]);
  }

  Bitmap32 out;
  out.width = b.width;
  out.height = static_cast<int>(rows);
  out.pixels.resize(static_cast<size_t>(out.width) * out.height);
  auto paletteColour = [&](uint32_t index) -> uint32_t {
    if (index >= b.paletteEntries) return 0;
    const uint8_t* p = &data[b.paletteOffset + static_cast<size_t>(index) * b.paletteEntrySize];
    return (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[0];
  };
  const size_t stride = static_cast<size_t>(b.Stride());
  const bool alpha = keepAlpha && b.bitCount == 32 && b.compression == BI_RGB;
  for (int y = 0; y < out.height; ++y) {
    int sourceRow = b.height < 0 ? y : out.height - 1 - y;
    const uint8_t* row = &data[b.pixelOffset + static_cast<size_t>(sourceRow) * stride];
    for (int x = 0; x < out.width; ++x) {
      uint32_t c = 0;
      switch (b.bitCount) {
        case 1:
          c = paletteColour((row[x >> 3] >> (7 - (x & 7))) & 1);
          break;
        case 4:
          c = paletteColour((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xF);
          break;
        case 8:
          c = paletteColour(row[x]);
          break;
        case 24: {
          const uint8_t* p = row + 3 * x;
          c = (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[0];
          break;
        }
        case 16:
        case 32: {
          uint32_t v = b.bitCount == 16 ? LoadU16(row + 2 * x) : LoadU32(row + 4 * x);
          c = (static_cast<uint32_t>(Channel(v, masks[0])) << 16) |
              (static_cast<uint32_t>(Channel(v, masks[1])) << 8) | Channel(v, masks[2]);
          if (alpha) c |= v & 0xFF000000u;
          break;
        }
      }
      out.pixels[static_cast<size_t>(y) * out.width + x] = c;
    }
  }
  return out;
}

}  // namespace

std::optional<Bitmap32> DecodeBmp(ByteView data) {
  return DecodePixels(data, false);
}

std::optional<AlphaBitmap> DecodeBmpWithAlpha(ByteView data) {
  auto pixels = DecodePixels(data, true);
  if (!pixels) return std::nullopt;
  // Alpha bytes all 0 are the unused fourth byte of an opaque picture; all
  // 255 change nothing.
  bool transparent = false, visible = false;
  for (uint32_t p : pixels->pixels) {
    transparent |= (p >> 24) != 0xFF;
    visible |= (p >> 24) != 0;
  }
  AlphaBitmap out{std::move(*pixels), transparent && visible};
  if (!out.hasAlpha)
    for (uint32_t& p : out.bitmap.pixels) p &= 0x00FFFFFF;
  return out;
}

Bytes EncodeBmp(const Bitmap32& bitmap, uint16_t bitCount) {
  const uint32_t bytesPerPixel = bitCount == 32 ? 4 : 3;
  const uint32_t stride = ((static_cast<uint32_t>(bitmap.width) * bytesPerPixel + 3) / 4) * 4;
  const uint32_t imageSize = stride * static_cast<uint32_t>(bitmap.height);
  Bytes out;
  out.reserve(54 + imageSize);
  PutU16(out, 0x4D42);
  PutU32(out, 54 + imageSize);
  PutU32(out, 0);
  PutU32(out, 54);
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(bitmap.width));
  PutU32(out, static_cast<uint32_t>(bitmap.height));
  PutU16(out, 1);
  PutU16(out, bitCount == 32 ? 32 : 24);
  PutU32(out, BI_RGB);
  PutU32(out, imageSize);
  PutU32(out, 3780);  // 96 dpi
  PutU32(out, 3780);
  PutU32(out, 0);
  PutU32(out, 0);
  size_t pixelStart = out.size();
  out.resize(pixelStart + imageSize, 0);
  for (int y = 0; y < bitmap.height; ++y) {
    uint8_t* row = &out[pixelStart + static_cast<size_t>(bitmap.height - 1 - y) * stride];
    for (int x = 0; x < bitmap.width; ++x) {
      uint32_t c = bitmap.at(x, y);
      row[bytesPerPixel * x] = static_cast<uint8_t>(c);
      row[bytesPerPixel * x + 1] = static_cast<uint8_t>(c >> 8);
      row[bytesPerPixel * x + 2] = static_cast<uint8_t>(c >> 16);
      if (bytesPerPixel == 4) row[4 * x + 3] = static_cast<uint8_t>(c >> 24);
    }
  }
  return out;
}

}  // namespace qv
