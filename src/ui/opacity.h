#pragma once
// Window opacity (0 transparent .. 255 opaque) from the transparency options.
#include <cstdint>

namespace qv {

// 255 − p × 2.55, the product rounded to nearest with a half rounded up.
// Percentages outside 0..100 are taken as the nearest end.
uint8_t OpacityFromTransparency(int percent);

// The text and picture viewers follow the main window when their own
// transparency option is on, and stay opaque otherwise.
uint8_t ViewerOpacity(uint8_t mainOpacity, bool viewerTransparent);

}  // namespace qv
