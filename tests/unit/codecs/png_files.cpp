#include "codecs/png_files.h"

#include <cstring>

#include <zlib.h>

namespace qv::test {
namespace {

void StoreU32BigEndian(uint8_t* at, uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<uint8_t>(v >> (24 - 8 * i));
}

// The samples of one pixel, most significant first as PNG stores them.
std::vector<uint32_t> Samples(uint8_t colourType, uint32_t v) {
  switch (colourType) {
    case 2:
      return {v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF};
    case 4:
      return {v & 0xFF, v >> 24};
    case 6:
      return {v >> 16 & 0xFF, v >> 8 & 0xFF, v & 0xFF, v >> 24};
    default:
      return {v};
  }
}

// One scanline of the given pixels (x = first, first + step, ...) with its filter byte.
void PutRow(Bytes& out, const PngSpec& spec, uint32_t y, uint32_t first, uint32_t step) {
  out.push_back(0);
  uint32_t bits = 0, pending = 0;
  for (uint32_t x = first; x < spec.width; x += step) {
    for (uint32_t s : Samples(spec.colourType, spec.pixels[y * spec.width + x])) {
      if (spec.bitDepth == 16) {
        out.push_back(static_cast<uint8_t>(s));
        out.push_back(static_cast<uint8_t>(s));
      } else if (spec.bitDepth == 8) {
        out.push_back(static_cast<uint8_t>(s));
      } else {
        pending = pending << spec.bitDepth | s;
        bits += spec.bitDepth;
        if (bits == 8) {
          out.push_back(static_cast<uint8_t>(pending));
          bits = pending = 0;
        }
      }
    }
  }
  if (bits) out.push_back(static_cast<uint8_t>(pending << (8 - bits)));
}

}  // namespace

Bytes PngChunk(const char (&type)[5], ByteView data) {
  const size_t n = data.size();
  Bytes out(12 + n);
  StoreU32BigEndian(&out[0], static_cast<uint32_t>(n));
  std::memcpy(&out[4], type, 4);
  if (n) std::memcpy(&out[8], data.data(), n);
  StoreU32BigEndian(&out[8 + n],
                    static_cast<uint32_t>(crc32(0, &out[4], static_cast<uInt>(4 + n))));
  return out;
}

Bytes PngHeader(const PngSpec& spec) {
  Bytes ihdr(8);
  StoreU32BigEndian(&ihdr[0], spec.width);
  StoreU32BigEndian(&ihdr[4], spec.height);
  for (uint8_t b : {spec.bitDepth, spec.colourType, uint8_t{0}, uint8_t{0},
                    static_cast<uint8_t>(spec.interlaced ? 1 : 0)})
    ihdr.push_back(b);
  return ihdr;
}

Bytes PngImageData(const PngSpec& spec) {
  Bytes raw;
  if (!spec.interlaced) {
    for (uint32_t y = 0; y < spec.height; ++y) PutRow(raw, spec, y, 0, 1);
  } else {
    // Adam7: first column, column step, first row, row step of each pass.
    const uint32_t passes[7][4] = {{0, 8, 0, 8}, {4, 8, 0, 8}, {0, 4, 4, 8}, {2, 4, 0, 4},
                                   {0, 2, 2, 4}, {1, 2, 0, 2}, {0, 1, 1, 2}};
    for (const auto& p : passes) {
      if (p[0] >= spec.width) continue;  // an empty pass has no rows at all
      for (uint32_t y = p[2]; y < spec.height; y += p[3]) PutRow(raw, spec, y, p[0], p[1]);
    }
  }
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(size);
  compress(packed.data(), &size, raw.data(), static_cast<uLong>(raw.size()));
  packed.resize(size);
  return packed;
}

Bytes PngFile(const PngSpec& spec) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  auto add = [&out](const Bytes& chunk) { out.insert(out.end(), chunk.begin(), chunk.end()); };
  add(PngChunk("IHDR", PngHeader(spec)));
  if (!spec.palette.empty()) {
    Bytes plte;
    for (uint32_t c : spec.palette)
      for (int shift : {16, 8, 0}) plte.push_back(static_cast<uint8_t>(c >> shift));
    add(PngChunk("PLTE", plte));
  }
  if (!spec.transparency.empty()) add(PngChunk("tRNS", spec.transparency));
  add(PngChunk("IDAT", PngImageData(spec)));
  add(PngChunk("IEND", {}));
  return out;
}

}  // namespace qv::test
