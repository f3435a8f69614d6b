#include "ui/flat_button_images.h"

#include <cstdlib>

namespace qv {
namespace {

Bitmap32 Filled(int width, int height, uint32_t colour) {
  return Bitmap32{width, height,
                  std::vector<uint32_t>(static_cast<size_t>(width) * height, colour)};
}

// Copies the whole glyph with its top-left corner at (x0, y0), clipped.
void CopyGlyph(Bitmap32& image, const Bitmap32& glyph, int x0, int y0) {
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      const int tx = x0 + x;
      const int ty = y0 + y;
      if (tx >= 0 && ty >= 0 && tx < image.width && ty < image.height) {
        image.at(tx, ty) = glyph.at(x, y) & 0xFFFFFFu;
      }
    }
  }
}

void Fill(Bitmap32& image, const ColourRect& r) {
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) image.at(x, y) = r.colour;
  }
}

}  // namespace

FlatButtonFace ChooseFlatButtonFace(bool inside, bool down, bool designing) {
  if (designing) return FlatButtonFace::Hot;
  if (inside && down) return FlatButtonFace::Pressed;
  if (!inside && !down) return FlatButtonFace::Normal;
  return FlatButtonFace::Hot;
}

bool InsideWithEdges(int x, int y, int left, int top, int width, int height) {
  return x >= left && x <= left + width && y >= top && y <= top + height;
}

std::vector<ColourRect> HotFrame(int width, int height) {
  if (width <= 0 || height <= 0) return {};
  return {
      {0, 0, width, 1, kFrameLight},
      {0, 0, 1, height, kFrameLight},
      {width - 1, 0, width, height, kFrameShade},
      {0, height - 1, width, height, kFrameShade},
  };
}

std::array<ColourRect, 4> ButtonEdges(int width, int height) {
  return {{
      {0, 0, width, 1, 0},
      {0, 0, 1, height, 0},
      {width - 1, 0, width, height, 0},
      {0, height - 1, width, height, 0},
  }};
}

const Bitmap32& FlatButtonImages::Face(FlatButtonFace face) const {
  switch (face) {
    case FlatButtonFace::Hot:
      return hot;
    case FlatButtonFace::Pressed:
      return pressed;
    case FlatButtonFace::Normal:
      break;
  }
  return normal;
}

FlatButtonImages BuildFlatButtonImages(const Bitmap32& glyph, int width, int height) {
  FlatButtonImages images;
  if (glyph.width <= 0 || glyph.height <= 0 || width <= 0 || height <= 0) return images;
  const uint32_t key = glyph.at(0, 0) & 0xFFFFFFu;
  images.key = key;
  const int x0 = std::abs(width - glyph.width) / 2;
  const int y0 = std::abs(height - glyph.height) / 2;

  images.normal = Filled(width, height, key);
  CopyGlyph(images.normal, glyph, x0, y0);

  images.hot = images.normal;
  for (const ColourRect& line : HotFrame(width, height)) Fill(images.hot, line);

  Bitmap32& pressed = images.pressed = Filled(width, height, key);
  Fill(pressed, {0, 0, width, 1, kFrameShade});
  Fill(pressed, {0, 0, 1, height, kFrameShade});
  CopyGlyph(pressed, glyph, x0 + 1, y0 + 1);
  pressed.at(width - 1, 0) = kFrameLight;
  for (int y = 1; y < height; ++y) {
    if (pressed.at(width - 1, y) == key) pressed.at(width - 1, y) = kFrameLight;
  }
  for (int x = 1; x < width; ++x) {
    if (pressed.at(x, height - 1) == key) pressed.at(x, height - 1) = kFrameLight;
  }
  pressed.at(0, height - 1) = kFrameLight;
  return images;
}

bool MonoBitmap::Get(int x, int y) const {
  const size_t byte = static_cast<size_t>(y) * Stride() + x / 8;
  return (bits[byte] & (0x80 >> (x % 8))) != 0;
}

MonoBitmap MakeKeyMask(const Bitmap32& image, uint32_t key) {
  MonoBitmap mask{image.width, image.height, {}};
  mask.bits.assign(static_cast<size_t>(mask.Stride()) * image.height, 0);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if ((image.at(x, y) & 0xFFFFFFu) == key) {
        mask.bits[static_cast<size_t>(y) * mask.Stride() + x / 8] |=
            static_cast<uint8_t>(0x80 >> (x % 8));
      }
    }
  }
  return mask;
}

Bitmap32 BlackenKey(const Bitmap32& image, uint32_t key) {
  Bitmap32 out = image;
  for (uint32_t& p : out.pixels) p = (p & 0xFFFFFFu) == key ? 0 : (p & 0xFFFFFFu);
  return out;
}

}  // namespace qv
