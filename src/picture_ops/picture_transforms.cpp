#include "picture_ops/picture_transforms.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "util/le_io.h"

namespace qv {
namespace {

// Tiles keep both the rows read and the rows written in cache during turns.
constexpr int kTile = 256;
// Every this many destination rows of a tile, the source cache line that the
// coming rows read is fetched ahead: the tile's source rows are far apart in
// memory, so the hardware does not foresee them.
constexpr int kPrefetchEvery = 16;
constexpr size_t kCacheLine = 64;

struct Mapping {
  PictureTransform transform;
  int w, h;  // source size
  // Source column and row of destination pixel (x, y).
  int SourceX(int x, int y) const {
    switch (transform) {
      case PictureTransform::RotateLeft:
        return w - 1 - y;
      case PictureTransform::RotateRight:
        return y;
      case PictureTransform::RotateHalf:
      case PictureTransform::FlipVertical:
        return w - 1 - x;
      default:
        return x;
    }
  }
  int SourceY(int x, int y) const {
    switch (transform) {
      case PictureTransform::RotateLeft:
        return x;
      case PictureTransform::RotateRight:
        return h - 1 - x;
      case PictureTransform::RotateHalf:
      case PictureTransform::FlipHorizontal:
        return h - 1 - y;
      default:
        return y;
    }
  }
};

bool Turns(PictureTransform t) {
  return t == PictureTransform::RotateLeft || t == PictureTransform::RotateRight;
}

// Whole-byte pixels: Bytes per pixel known at compile time so the copy is one move.
template <int Bytes_>
void MoveWholePixels(const PixelImage& src, PixelImage& dst, const Mapping& map,
                     const std::vector<const uint8_t*>& rows) {
  if (!Turns(map.transform)) {
    // Each destination row comes from one source row.
    for (int y = 0; y < dst.height; ++y) {
      const uint8_t* from = rows[static_cast<size_t>(map.SourceY(0, y))];
      uint8_t* to = dst.Row(y);
      if (map.transform == PictureTransform::FlipHorizontal) {
        std::memcpy(to, from, static_cast<size_t>(dst.width) * Bytes_);
        continue;
      }
      for (int x = 0; x < dst.width; ++x)
        std::memcpy(to + x * Bytes_, from + (src.width - 1 - x) * Bytes_, Bytes_);
    }
    return;
  }
  // Along a destination row the source column is fixed and the source row
  // steps by one: up for a left turn, down for a right one. `order` lists the
  // source rows in that order so both turns run the same loop.
  std::vector<const uint8_t*> order(rows);
  if (map.transform == PictureTransform::RotateRight) std::reverse(order.begin(), order.end());
  const bool left = map.transform == PictureTransform::RotateLeft;
  for (int ty = 0; ty < dst.height; ty += kTile) {
    const int yEnd = std::min(dst.height, ty + kTile);
    for (int tx = 0; tx < dst.width; tx += kTile) {
      const int xEnd = std::min(dst.width, tx + kTile);
      for (int y = ty; y < yEnd; ++y) {
        uint8_t* to = dst.Row(y);
        const size_t sx = static_cast<size_t>(left ? src.width - 1 - y : y) * Bytes_;
        const uint8_t* const* from = order.data();
        if ((y - ty) % kPrefetchEvery == 0) {
          // A left turn walks the source columns leftwards, a right turn rightwards.
          const bool ahead = left ? sx >= kCacheLine : sx + kCacheLine < src.stride;
          if (ahead) {
            const size_t next = left ? sx - kCacheLine : sx + kCacheLine;
            for (int x = tx; x < xEnd; ++x) __builtin_prefetch(from[x] + next);
          }
        }
        if constexpr (Bytes_ == 3) {
          // Four pixels at a time: four 32-bit loads, packed into three
          // 32-bit stores. A last source column, whose fourth byte may lie
          // past the data, and the tile's remainder take three-byte moves.
          int x = tx;
          if (sx + 4 <= src.stride) {
            for (; x + 4 <= xEnd; x += 4) {
              const uint32_t p0 = LoadU32(from[x] + sx) & 0xFFFFFFu;
              const uint32_t p1 = LoadU32(from[x + 1] + sx) & 0xFFFFFFu;
              const uint32_t p2 = LoadU32(from[x + 2] + sx) & 0xFFFFFFu;
              const uint32_t p3 = LoadU32(from[x + 3] + sx);
              uint8_t* out = to + x * 3;
              StoreU32(out, p0 | p1 << 24);
              StoreU32(out + 4, p1 >> 8 | p2 << 16);
              StoreU32(out + 8, p2 >> 16 | p3 << 8);
            }
          }
          for (; x < xEnd; ++x) std::memcpy(to + x * 3, from[x] + sx, 3);
        } else {
          for (int x = tx; x < xEnd; ++x) std::memcpy(to + x * Bytes_, from[x] + sx, Bytes_);
        }
      }
    }
  }
}

// 1- and 4-bit pixels, packed from the high bits of each byte.
void MovePackedPixels(const PixelImage& src, PixelImage& dst, const Mapping& map,
                      const std::vector<const uint8_t*>& rows) {
  const int bits = src.bitCount;
  const int perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  auto shift = [&](int x) { return (perByte - 1 - x % perByte) * bits; };
  for (int y = 0; y < dst.height; ++y) {
    uint8_t* to = dst.Row(y);
    for (int x = 0; x < dst.width; ++x) {
      const int sx = map.SourceX(x, y);
      const uint8_t* from = rows[static_cast<size_t>(map.SourceY(x, y))];
      const unsigned v = (from[sx / perByte] >> shift(sx)) & mask;
      to[x / perByte] =
          static_cast<uint8_t>((to[x / perByte] & ~(mask << shift(x))) | (v << shift(x)));
    }
  }
}

void Invert(PixelImage& image) {
  if (image.bitCount <= 8) {
    // The colour table holds the colours: complement its B, G, R bytes.
    for (uint32_t i = 0; i < image.paletteEntries; ++i) {
      uint8_t* entry = &image.head[image.paletteOffset + i * image.paletteEntrySize];
      for (int c = 0; c < 3; ++c) entry[c] = static_cast<uint8_t>(~entry[c]);
    }
    return;
  }
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = image.Row(y);
    switch (image.bitCount) {
      case 24:
        for (int i = 0; i < image.width * 3; ++i) row[i] = static_cast<uint8_t>(~row[i]);
        break;
      case 16:
        for (int x = 0; x < image.width; ++x)
          StoreU16(row + 2 * x, static_cast<uint16_t>(LoadU16(row + 2 * x) ^ image.colourMask));
        break;
      case 32:
        for (int x = 0; x < image.width; ++x)
          StoreU32(row + 4 * x, LoadU32(row + 4 * x) ^ image.colourMask);
        break;
    }
  }
}

}  // namespace

void ApplyTransform(PixelImage& image, PictureTransform transform) {
  if (transform == PictureTransform::InvertColors) {
    Invert(image);
    return;
  }
  // Copy the headers and colour table without the pixels.
  Bytes sourcePixels = std::move(image.pixels);
  PixelImage result = image;
  image.pixels = std::move(sourcePixels);
  if (Turns(transform)) result.Resize(image.height, image.width);
  result.pixels.assign(result.stride * static_cast<size_t>(result.height), 0);

  MovePixels(image, result, transform);
  if (Turns(transform) && !result.coreHeader && result.head.size() >= 14 + 32) {
    // Resolution follows the axes: horizontal and vertical pixels per metre swap.
    std::swap_ranges(result.head.begin() + 14 + 24, result.head.begin() + 14 + 28,
                     result.head.begin() + 14 + 28);
  }
  image = std::move(result);
}

void MovePixels(const PixelImage& image, PixelImage& result, PictureTransform transform) {
  const Mapping map{transform, image.width, image.height};
  // The source row addresses, gathered once.
  std::vector<const uint8_t*> rows(static_cast<size_t>(image.height));
  for (int y = 0; y < image.height; ++y) rows[static_cast<size_t>(y)] = image.Row(y);
  switch (image.bitCount) {
    case 8:
      MoveWholePixels<1>(image, result, map, rows);
      break;
    case 16:
      MoveWholePixels<2>(image, result, map, rows);
      break;
    case 24:
      MoveWholePixels<3>(image, result, map, rows);
      break;
    case 32:
      MoveWholePixels<4>(image, result, map, rows);
      break;
    default:
      MovePackedPixels(image, result, map, rows);
      break;
  }
}

}  // namespace qv
