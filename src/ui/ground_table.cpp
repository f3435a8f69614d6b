#include "ui/ground_table.h"

#include <algorithm>

namespace qv {

GroundTable::GroundTable() : colours_{0xFFFFFFu} {}

bool GroundTable::SetBitmap(const Bitmap32& bitmap) {
  if (bitmap.width <= 0 || bitmap.height <= 0) return false;
  Bitmap32 column{1, bitmap.height, {}};
  column.pixels.reserve(static_cast<size_t>(bitmap.height));
  for (int y = 0; y < bitmap.height; ++y) column.pixels.push_back(bitmap.at(0, y) & 0xFFFFFFu);
  colours_ = column.pixels;
  bitmap_ = std::move(column);
  return true;
}

std::vector<GroundLine> GroundTable::LinesFor(const EdgeRect& update) const {
  std::vector<GroundLine> lines;
  if (colours_.empty() || update.right < update.left) return lines;
  const int last = static_cast<int>(colours_.size()) - 1;
  const int y0 = std::clamp(update.top, 0, last);
  const int y1 = std::clamp(update.bottom, 0, last);
  for (int y = y0; y <= y1; ++y) {
    lines.push_back({y, colours_[static_cast<size_t>(y)], update.left, update.right + 1});
  }
  return lines;
}

}  // namespace qv
