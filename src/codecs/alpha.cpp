#include "codecs/bitmap32.h"

namespace qv {
namespace {

uint32_t Blend(uint32_t pixel, uint32_t background) {
  const uint32_t a = pixel >> 24;
  uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const uint32_t c = (pixel >> shift) & 0xFF;
    const uint32_t b = (background >> shift) & 0xFF;
    out |= ((c * a + b * (255 - a) + 127) / 255) << shift;
  }
  return out;
}

}  // namespace

Bitmap32 FlattenOver(const AlphaBitmap& picture, uint32_t background) {
  Bitmap32 out = picture.bitmap;
  if (!picture.hasAlpha) return out;
  for (uint32_t& p : out.pixels) p = Blend(p, background);
  return out;
}

}  // namespace qv
