#pragma once
// The six picture transformations, on pixels in their stored bit depth: turns
// and mirrors move pixel values (palette indices included), so a palette
// picture keeps its bits per pixel and its exact colours.
#include "picture_ops/pixel_image.h"

namespace qv {

// Mode numbers as the menus and hotkeys pass them.
enum class PictureTransform : int {
  RotateLeft = 0,      // H wide, W high: dest(x, y) = src(W-1-y, x)
  RotateRight = 1,     // H wide, W high: dest(x, y) = src(y, H-1-x)
  RotateHalf = 2,      // dest(x, y) = src(W-1-x, H-1-y)
  FlipVertical = 3,    // left and right swap: dest(x, y) = src(W-1-x, y)
  FlipHorizontal = 4,  // top and bottom swap: dest(x, y) = src(x, H-1-y)
  InvertColors = 5,    // every colour channel c becomes its complement
};
inline constexpr int kPictureTransformCount = 6;

// Applies the transform. Inversion complements the colour table of palette
// pictures and the colour bits of direct-colour pixels. Throws std::bad_alloc
// when the turned picture does not fit in memory (the image is then unchanged).
void ApplyTransform(PixelImage& image, PictureTransform transform);

// The pixel moves of a turn or mirror (not InvertColors) from `source` into
// `target`, which has the result's size and bit depth and zeroed row padding.
void MovePixels(const PixelImage& source, PixelImage& target, PictureTransform transform);

}  // namespace qv
