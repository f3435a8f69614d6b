#pragma once
// BMP file images of any uncompressed depth, built field by field for the
// picture tests: a 40-byte header, the colour table, rows bottom-up unless the
// height is negative.
#include <cstdint>
#include <vector>

#include "codecs/bmp.h"
#include "util/le_io.h"

namespace qv::test {

// values: one pixel value (palette index or packed colour) per pixel, top row first.
inline Bytes BmpOf(int32_t width, int32_t height, uint16_t bits,
                   const std::vector<uint32_t>& palette, const std::vector<uint32_t>& values,
                   uint32_t compression = BI_RGB, const std::vector<uint32_t>& masks = {}) {
  const int32_t rows = height < 0 ? -height : height;
  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  Bytes pixels(stride * static_cast<size_t>(rows), 0);
  for (int32_t y = 0; y < rows; ++y) {
    uint8_t* row = &pixels[stride * static_cast<size_t>(height < 0 ? y : rows - 1 - y)];
    for (int32_t x = 0; x < width; ++x) {
      uint32_t v = values[static_cast<size_t>(y) * width + x];
      if (bits < 8) {
        int perByte = 8 / bits, shift = (perByte - 1 - x % perByte) * bits;
        row[x / perByte] |= static_cast<uint8_t>(v << shift);
      } else {
        for (int i = 0; i < bits / 8; ++i)
          row[x * (bits / 8) + i] = static_cast<uint8_t>(v >> (8 * i));
      }
    }
  }
  const uint32_t offset = static_cast<uint32_t>(54 + 4 * (masks.size() + palette.size()));
  Bytes out;
  PutU16(out, 0x4D42);
  PutU32(out, offset + static_cast<uint32_t>(pixels.size()));
  PutU32(out, 0);
  PutU32(out, offset);
  PutU32(out, 40);
  PutU32(out, static_cast<uint32_t>(width));
  PutU32(out, static_cast<uint32_t>(height));
  PutU16(out, 1);
  PutU16(out, bits);
  PutU32(out, compression);
  PutU32(out, static_cast<uint32_t>(pixels.size()));
  PutU32(out, 2835);  // 72 dpi across
  PutU32(out, 3780);  // 96 dpi down: a turn must swap them
  PutU32(out, static_cast<uint32_t>(palette.size()));
  PutU32(out, 0);
  for (uint32_t m : masks) PutU32(out, m);
  for (uint32_t c : palette) PutU32(out, c);
  PutBytes(out, pixels);
  return out;
}

}  // namespace qv::test
