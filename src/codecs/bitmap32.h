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

}  // namespace qv
