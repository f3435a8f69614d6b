#include "picture_ops/pixel_image.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "codecs/bmp.h"
#include "util/le_io.h"

namespace qv {
namespace {

constexpr size_t kFileHeaderSize = 14;

size_t StrideOf(int width, uint16_t bitCount) {
  return ((static_cast<size_t>(width) * bitCount + 31) / 32) * 4;
}

uint32_t ColourMask(const BmpLayout& b, ByteView bmp) {
  if (b.compression == BI_BITFIELDS)
    return LoadU32(&bmp[b.maskOffset]) | LoadU32(&bmp[b.maskOffset + 4]) |
           LoadU32(&bmp[b.maskOffset + 8]);
  if (b.bitCount == 16) return 0x7FFF;
  if (b.bitCount == 32) return 0xFFFFFF;
  return 0;
}

}  // namespace

void PixelImage::Resize(int newWidth, int newHeight) {
  width = newWidth;
  height = newHeight;
  stride = StrideOf(width, bitCount);
}

PixelImageResult ReadPixelImage(ByteView bmp) {
  PixelImageResult result;
  auto layout = ParseBmpImage(bmp);
  if (!layout || (layout->compression != BI_RGB && layout->compression != BI_BITFIELDS))
    return result;
  const BmpLayout& b = *layout;
  // Bit fields only describe 16- and 32-bit pixels.
  if (b.compression == BI_BITFIELDS && b.bitCount != 16 && b.bitCount != 32) return result;
  const uint64_t rows = b.height < 0 ? -static_cast<int64_t>(b.height) : b.height;
  const uint64_t stride = b.Stride();
  if (stride * rows > b.pixelBytes) return result;  // the header lies about the pixel size
  if (static_cast<uint64_t>(b.width) * rows > kMaxTransformPixels) {
    result.error = PixelImageError::TooLarge;
    return result;
  }
  try {
    PixelImage image;
    image.head.assign(bmp.begin(), bmp.begin() + static_cast<ptrdiff_t>(b.pixelOffset));
    image.width = b.width;
    image.height = static_cast<int>(rows);
    image.bitCount = b.bitCount;
    image.topDown = b.height < 0;
    image.stride = static_cast<size_t>(stride);
    image.paletteOffset = b.paletteOffset;
    image.paletteEntries = b.paletteEntries;
    image.paletteEntrySize = b.paletteEntrySize;
    image.colourMask = ColourMask(b, bmp);
    image.coreHeader = b.headerSize == 12;
    image.pixels.resize(image.stride * rows);
    const uint8_t* source = bmp.data() + b.pixelOffset;
    for (int y = 0; y < image.height; ++y) {
      int stored = image.topDown ? y : image.height - 1 - y;
      std::memcpy(image.Row(y), source + static_cast<size_t>(stored) * image.stride, image.stride);
    }
    result.image = std::move(image);
  } catch (const std::bad_alloc&) {
    result.error = PixelImageError::TooLarge;
  }
  return result;
}

Bytes WritePixelImage(const PixelImage& image) {
  const size_t pixelBytes = image.stride * static_cast<size_t>(image.height);
  Bytes out;
  out.reserve(image.head.size() + pixelBytes);
  out = image.head;
  StoreU32(&out[2], static_cast<uint32_t>(image.head.size() + pixelBytes));
  StoreU32(&out[10], static_cast<uint32_t>(image.head.size()));  // pixels follow the table
  if (image.coreHeader) {
    StoreU16(&out[kFileHeaderSize + 4], static_cast<uint16_t>(image.width));
    StoreU16(&out[kFileHeaderSize + 6], static_cast<uint16_t>(image.height));
  } else {
    StoreU32(&out[kFileHeaderSize + 4], static_cast<uint32_t>(image.width));
    int32_t height = image.topDown ? -image.height : image.height;
    StoreU32(&out[kFileHeaderSize + 8], static_cast<uint32_t>(height));
    StoreU32(&out[kFileHeaderSize + 20], static_cast<uint32_t>(pixelBytes));
  }
  out.resize(image.head.size() + pixelBytes);
  uint8_t* target = out.data() + image.head.size();
  for (int y = 0; y < image.height; ++y) {
    int stored = image.topDown ? y : image.height - 1 - y;
    std::memcpy(target + static_cast<size_t>(stored) * image.stride, image.Row(y), image.stride);
  }
  return out;
}

}  // namespace qv
