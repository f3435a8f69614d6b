#pragma once
// Enhanced metafile headers: the picture size the program shows for a metafile.
#include <cstdint>
#include <optional>

#include "util/bytes.h"

namespace qv {

struct EmfHeader {
  int32_t boundsLeft = 0, boundsTop = 0, boundsRight = 0, boundsBottom = 0;  // device pixels
  int32_t frameLeft = 0, frameTop = 0, frameRight = 0, frameBottom = 0;      // 0.01 mm
  uint32_t totalBytes = 0;
  uint32_t records = 0;
  int32_t deviceWidth = 0, deviceHeight = 0;  // reference device, pixels
  int32_t deviceWidthMm = 0, deviceHeightMm = 0;
};

// The EMR_HEADER record at the start of the bits; nullopt when it is not one.
std::optional<EmfHeader> ParseEmfHeader(ByteView bits);

// Width and height in screen pixels at `pixelsPerInch`, from the frame rectangle
// (0.01 mm units), rounded half up.
struct PixelSize {
  int width = 0;
  int height = 0;
};
PixelSize EmfPixelSize(const EmfHeader& header, int pixelsPerInch);

}  // namespace qv
