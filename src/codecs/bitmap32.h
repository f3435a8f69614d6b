#pragma once
// A 32-bit top-down bitmap: the form pictures take for comparison and scaling.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace qv {

struct Bitmap32 {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // width * height values 0x00RRGGBB, top row first

  uint32_t& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
  uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  bool operator==(const Bitmap32&) const = default;
};

// A picture that may be partly transparent: while hasAlpha its pixels are
// 0xAARRGGBB (straight, not premultiplied alpha), else 0x00RRGGBB.
struct AlphaBitmap {
  Bitmap32 bitmap;
  bool hasAlpha = false;
};

// The picture drawn over an opaque background colour 0x00RRGGBB.
Bitmap32 FlattenOver(const AlphaBitmap& picture, uint32_t background);

}  // namespace qv
