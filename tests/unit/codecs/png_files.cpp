#include "codecs/png_files.h"

#include <csetjmp>
#include <cstring>

#include <png.h>
#include <zlib.h>

namespace qv::test {
namespace {

void PutU32BigEndian(Bytes& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
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
  Bytes out;
  PutU32BigEndian(out, static_cast<uint32_t>(data.size()));
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4);
  // zlib takes a null buffer (an empty span's) as a request for the initial value.
  if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
  PutU32BigEndian(out, static_cast<uint32_t>(crc));
  return out;
}

Bytes PngHeader(const PngSpec& spec) {
  Bytes ihdr;
  PutU32BigEndian(ihdr, spec.width);
  PutU32BigEndian(ihdr, spec.height);
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

std::optional<AlphaBitmap> ReadPngRows(const Bytes& file) {
  struct Source {
    const Bytes* file;
    size_t at;
  } source{&file, 0};
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return std::nullopt;
  }
  // Only C calls and plain data below: a libpng error jumps back here.
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return std::nullopt;
  }
  png_set_read_fn(png, &source, [](png_structp p, png_bytep out, size_t n) {
    auto* s = static_cast<Source*>(png_get_io_ptr(p));
    if (n > s->file->size() - s->at) png_error(p, "truncated");
    std::memcpy(out, s->file->data() + s->at, n);
    s->at += n;
  });
  png_read_png(
      png, info,
      PNG_TRANSFORM_EXPAND | PNG_TRANSFORM_STRIP_16 | PNG_TRANSFORM_GRAY_TO_RGB | PNG_TRANSFORM_BGR,
      nullptr);
  const uint32_t width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  const int channels = png_get_channels(png, info);
  png_bytepp rows = png_get_rows(png, info);
  std::optional<AlphaBitmap> out(std::in_place);
  out->hasAlpha = channels == 4;
  out->bitmap.width = static_cast<int>(width);
  out->bitmap.height = static_cast<int>(height);
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) {
      const png_byte* p = rows[y] + static_cast<size_t>(x) * channels;
      uint32_t v = static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
      if (channels == 4) v |= static_cast<uint32_t>(p[3]) << 24;
      out->bitmap.pixels.push_back(v);
    }
  png_destroy_read_struct(&png, &info, nullptr);
  return out;
}

}  // namespace qv::test
