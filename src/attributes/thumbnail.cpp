#include "attributes/thumbnail.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qv {
namespace {

// a * b / c rounded to nearest with an exact half up, in integers so halves are exact.
int64_t MulDivRound(int64_t a, int64_t b, int64_t c) {
  return (2 * a * b + c) / (2 * c);
}

// Truncate, then one more when the fraction is at least one half.
int RoundBoundary(float b) {
  int whole = static_cast<int>(b);
  return b - static_cast<float>(whole) >= 0.5f ? whole + 1 : whole;
}

struct Span {
  int first;
  int last;  // inclusive, already limited to the picture
};

// The source rows (or columns) each target row takes: boundaries accumulated in
// single precision, both ends inclusive, so neighbouring boxes share one.
std::vector<Span> Boxes(int source, int target) {
  std::vector<Span> boxes(static_cast<size_t>(target));
  const float step = static_cast<float>(source) / static_cast<float>(target);
  auto limit = [source](float b) {
    return b > static_cast<float>(source) ? static_cast<float>(source - 1) : b;
  };
  float b = 0;
  for (int j = 0; j < target; ++j) {
    float next = b + step;
    int first = RoundBoundary(limit(b));
    int last = RoundBoundary(limit(next));
    boxes[static_cast<size_t>(j)] = {std::clamp(first, 0, source - 1),
                                     std::clamp(last, 0, source - 1)};
    b = next;
  }
  return boxes;
}

uint32_t Average(uint64_t sum, uint64_t count) {
  return static_cast<uint32_t>((2 * sum + count) / (2 * count));
}

}  // namespace

FittedSize FitPicture(int w, int h, int maxWidth, int maxHeight) {
  // A picture without area has nothing to scale (and would divide by zero).
  if (w <= 0 || h <= 0 || (w <= maxWidth && h <= maxHeight)) return {w, h, false};
  FittedSize fit{std::max(maxWidth, 0), 0, true};
  fit.height = static_cast<int>(MulDivRound(h, std::max(maxWidth, 0), w));
  if (fit.height > maxHeight) {
    fit.width = static_cast<int>(MulDivRound(w, std::max(maxHeight, 0), h));
    fit.height = maxHeight;
  }
  fit.width = std::max(fit.width, 1);
  fit.height = std::max(fit.height, 1);
  return fit;
}

Bitmap32 MakeThumbnail(const Bitmap32& picture, int maxWidth, int maxHeight) {
  FittedSize fit = FitPicture(picture.width, picture.height, maxWidth, maxHeight);
  if (!fit.scaled || picture.width <= 0 || picture.height <= 0) return picture;
  const std::vector<Span> cols = Boxes(picture.width, fit.width);
  const std::vector<Span> rows = Boxes(picture.height, fit.height);
  Bitmap32 out{fit.width, fit.height,
               std::vector<uint32_t>(static_cast<size_t>(fit.width) * fit.height)};
  // One pass over the rows of each box, summing every target column at once.
  std::vector<uint64_t> sums(static_cast<size_t>(fit.width) * 3);
  for (int j = 0; j < fit.height; ++j) {
    std::fill(sums.begin(), sums.end(), 0);
    const Span rowBox = rows[static_cast<size_t>(j)];
    for (int y = rowBox.first; y <= rowBox.last; ++y) {
      const uint32_t* line = &picture.pixels[static_cast<size_t>(y) * picture.width];
      for (int i = 0; i < fit.width; ++i) {
        const Span colBox = cols[static_cast<size_t>(i)];
        uint32_t r = 0, g = 0, b = 0;  // at most 65535 pixels of 255: no overflow
        for (int x = colBox.first; x <= colBox.last; ++x) {
          uint32_t p = line[x];
          r += (p >> 16) & 0xFF;
          g += (p >> 8) & 0xFF;
          b += p & 0xFF;
        }
        uint64_t* s = &sums[static_cast<size_t>(i) * 3];
        s[0] += r;
        s[1] += g;
        s[2] += b;
      }
    }
    const uint64_t height = static_cast<uint64_t>(rowBox.last - rowBox.first + 1);
    for (int i = 0; i < fit.width; ++i) {
      const Span colBox = cols[static_cast<size_t>(i)];
      const uint64_t count = height * static_cast<uint64_t>(colBox.last - colBox.first + 1);
      const uint64_t* s = &sums[static_cast<size_t>(i) * 3];
      out.at(i, j) = Average(s[0], count) << 16 | Average(s[1], count) << 8 | Average(s[2], count);
    }
  }
  return out;
}

}  // namespace qv
