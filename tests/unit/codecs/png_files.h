#pragma once
// PNG files for tests, built chunk by chunk with zlib alone, so that each
// field can be made to lie.
#include <cstdint>
#include <vector>

#include "codecs/bitmap32.h"
#include "util/bytes.h"

namespace qv::test {

struct PngSpec {
  uint32_t width = 0, height = 0;
  uint8_t colourType = 2;  // 0 grey, 2 RGB, 3 palette, 4 grey and alpha, 6 RGBA
  uint8_t bitDepth = 8;    // 16 writes every 8-bit sample twice (v * 257)
  bool interlaced = false;
  // One value per pixel, top row first: a grey level or palette index,
  // 0xRRGGBB, 0xAA0000GG for grey and alpha, or 0xAARRGGBB.
  std::vector<uint32_t> pixels;
  std::vector<uint32_t> palette;  // 0xRRGGBB
  Bytes transparency;             // the tRNS chunk's data, none when empty
};

// One chunk: length, type, data, CRC.
Bytes PngChunk(const char (&type)[5], ByteView data);
// The signature, IHDR, PLTE and tRNS when given, one IDAT, IEND.
Bytes PngFile(const PngSpec& spec);
// The IHDR data alone (width, height, depth, type, 0, 0, interlace).
Bytes PngHeader(const PngSpec& spec);
// The picture's rows, filtered (filter 0) and compressed; Adam7 passes when interlaced.
Bytes PngImageData(const PngSpec& spec);

}  // namespace qv::test
