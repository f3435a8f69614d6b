#include "ui/opacity.h"

#include <algorithm>

namespace qv {

uint8_t OpacityFromTransparency(int percent) {
  const int p = std::clamp(percent, 0, 100);
  // p × 2.55 in hundredths, so that halves (p = 10, 30, 50, ...) are exact.
  const int removed = (p * 255 + 50) / 100;
  return static_cast<uint8_t>(255 - removed);
}

uint8_t ViewerOpacity(uint8_t mainOpacity, bool viewerTransparent) {
  return viewerTransparent ? mainOpacity : 255;
}

}  // namespace qv
