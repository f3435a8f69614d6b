#pragma once
// Pictures scaled down to fit a box, proportions kept, by area averaging.
#include <cstddef>  // bitmap32.h uses size_t without including it

#include "codecs/bitmap32.h"

namespace qv {

struct FittedSize {
  int width = 0;
  int height = 0;
  bool scaled = false;  // false: the picture already fits and is copied unchanged
};
// The size a w x h picture gets inside maxWidth x maxHeight (never enlarged).
FittedSize FitPicture(int w, int h, int maxWidth, int maxHeight);

// The picture reduced to fit, in 24-bit colour by area averaging; an
// unchanged copy when it already fits.
Bitmap32 MakeThumbnail(const Bitmap32& picture, int maxWidth, int maxHeight);

}  // namespace qv
