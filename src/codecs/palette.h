#pragma once
// Reducing a true-colour picture to at most 256 colours: an optimised palette
// (exact when the picture has few enough colours, else median cut) and a
// Floyd–Steinberg mapping onto it.
#include <cstdint>
#include <vector>

#include "codecs/bitmap32.h"

namespace qv {

// One palette index per pixel, top row first.
struct IndexedPicture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB, at most 256 entries
  std::vector<uint8_t> indices;   // width * height
};

// At most maxColours (1..256) colours of 8 bits per channel chosen for the
// picture; its own colours when it has no more than that.
std::vector<uint32_t> OptimisedPalette(const Bitmap32& picture, int maxColours = 256);

// Maps every pixel onto the palette (1..256 entries) with Floyd–Steinberg
// error diffusion in serpentine order; the nearest entry is looked up per
// cell of 6 bits per channel.
IndexedPicture MapWithDithering(const Bitmap32& picture, const std::vector<uint32_t>& palette);

// Both steps; a picture of at most 256 colours keeps them exactly.
IndexedPicture ReduceTo256Colours(const Bitmap32& picture);

}  // namespace qv
