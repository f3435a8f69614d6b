#include "codecs/palette.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <unordered_map>
#include <unordered_set>

namespace qv {
namespace {

// The histogram works on 6 bits per channel: fine enough for photographs,
// small enough (256 K cells) to scan quickly.
constexpr int kBits = 6;
constexpr int kSide = 1 << kBits;
constexpr int kShift = 8 - kBits;

int Cell(uint32_t c) {
  return static_cast<int>((((c >> 16) & 0xFF) >> kShift) << (2 * kBits) |
                          (((c >> 8) & 0xFF) >> kShift) << kBits | ((c & 0xFF) >> kShift));
}

struct Bin {
  uint32_t count = 0;
  uint64_t sum[3] = {0, 0, 0};  // of the full 8-bit channels, for exact means
};

// A box of occupied histogram cells, as indices into `cells`.
struct Box {
  size_t begin, end;  // range in the cell list
  uint64_t count;
  double error;  // count-weighted variance: the box that gains most is split next
  int axis;      // channel of largest variance
};

// Channel c of the mean colour of a bin (c 0 red, 1 green, 2 blue).
double Mean(const Bin& b, int c) {
  return static_cast<double>(b.sum[c]) / b.count;
}

Box Measure(const std::vector<const Bin*>& cells, size_t begin, size_t end) {
  Box box{begin, end, 0, 0.0, 0};
  double s[3] = {0, 0, 0}, s2[3] = {0, 0, 0};
  for (size_t i = begin; i < end; ++i) {
    const Bin& b = *cells[i];
    box.count += b.count;
    for (int c = 0; c < 3; ++c) {
      double m = Mean(b, c);
      s[c] += m * b.count;
      s2[c] += m * m * b.count;
    }
  }
  double best = -1;
  for (int c = 0; c < 3; ++c) {
    double var = s2[c] - s[c] * s[c] / static_cast<double>(box.count);
    box.error += var;
    if (var > best) best = var, box.axis = c;
  }
  if (end - begin < 2) box.error = 0;  // one cell cannot be split
  return box;
}

uint32_t Pack(double r, double g, double b) {
  auto ch = [](double v) { return static_cast<uint32_t>(std::clamp(v + 0.5, 0.0, 255.0)); };
  return ch(r) << 16 | ch(g) << 8 | ch(b);
}

// The picture's own colours, or empty when it has more than maxColours.
std::vector<uint32_t> ExactColours(const Bitmap32& picture, int maxColours) {
  std::unordered_set<uint32_t> seen;
  uint32_t last = 0xFFFFFFFF;
  for (uint32_t p : picture.pixels) {
    p &= 0xFFFFFF;
    if (p == last) continue;
    last = p;
    if (seen.insert(p).second && static_cast<int>(seen.size()) > maxColours) return {};
  }
  std::vector<uint32_t> out(seen.begin(), seen.end());
  std::sort(out.begin(), out.end());
  return out;
}

int Distance(uint32_t a, int r, int g, int b) {
  int dr = static_cast<int>((a >> 16) & 0xFF) - r;
  int dg = static_cast<int>((a >> 8) & 0xFF) - g;
  int db = static_cast<int>(a & 0xFF) - b;
  // Green weighs most for the eye; integer weights keep the search exact and fast.
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

}  // namespace

std::vector<uint32_t> OptimisedPalette(const Bitmap32& picture, int maxColours) {
  maxColours = std::clamp(maxColours, 1, 256);
  if (picture.pixels.empty()) return {0};
  if (auto exact = ExactColours(picture, maxColours); !exact.empty()) return exact;

  std::vector<Bin> hist(kSide * kSide * kSide);
  for (uint32_t p : picture.pixels) {
    Bin& b = hist[Cell(p)];
    ++b.count;
    b.sum[0] += (p >> 16) & 0xFF;
    b.sum[1] += (p >> 8) & 0xFF;
    b.sum[2] += p & 0xFF;
  }
  std::vector<const Bin*> cells;
  for (const Bin& b : hist)
    if (b.count) cells.push_back(&b);

  // Median cut: split the box with the largest error at the pixel median of
  // its widest channel until there are enough boxes.
  std::vector<Box> boxes{Measure(cells, 0, cells.size())};
  while (static_cast<int>(boxes.size()) < maxColours) {
    auto worst = std::max_element(boxes.begin(), boxes.end(),
                                  [](const Box& a, const Box& b) { return a.error < b.error; });
    if (worst->error <= 0) break;
    Box box = *worst;
    int axis = box.axis;
    std::sort(cells.begin() + static_cast<ptrdiff_t>(box.begin),
              cells.begin() + static_cast<ptrdiff_t>(box.end),
              [axis](const Bin* a, const Bin* b) { return Mean(*a, axis) < Mean(*b, axis); });
    uint64_t half = box.count / 2, seen = 0;
    size_t split = box.begin;
    while (split < box.end - 1 && seen + cells[split]->count <= half) seen += cells[split++]->count;
    if (split == box.begin) split = box.begin + 1;
    *worst = Measure(cells, box.begin, split);
    boxes.push_back(Measure(cells, split, box.end));
  }

  std::vector<uint32_t> palette;
  palette.reserve(boxes.size());
  for (const Box& box : boxes) {
    double s[3] = {0, 0, 0};
    for (size_t i = box.begin; i < box.end; ++i)
      for (int c = 0; c < 3; ++c) s[c] += static_cast<double>(cells[i]->sum[c]);
    double n = static_cast<double>(box.count);
    palette.push_back(Pack(s[0] / n, s[1] / n, s[2] / n));
  }
  return palette;
}

IndexedPicture MapWithDithering(const Bitmap32& picture, const std::vector<uint32_t>& palette) {
  IndexedPicture out;
  out.width = picture.width;
  out.height = picture.height;
  out.palette = palette.empty() ? std::vector<uint32_t>{0} : palette;
  if (out.palette.size() > 256) out.palette.resize(256);
  out.indices.resize(picture.pixels.size());
  const auto& pal = out.palette;

  // Nearest palette entry per 6-bit cell, found on first use. Exact colours
  // of the palette are looked up directly so they survive unchanged.
  std::vector<int16_t> nearest(kSide * kSide * kSide, -1);
  std::unordered_map<uint32_t, uint8_t> exact;
  for (size_t i = 0; i < pal.size(); ++i) exact.emplace(pal[i] & 0xFFFFFF, static_cast<uint8_t>(i));
  auto find = [&](int r, int g, int b) -> uint8_t {
    uint32_t c =
        static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | static_cast<uint32_t>(b);
    if (auto it = exact.find(c); it != exact.end()) return it->second;
    int16_t& slot = nearest[Cell(c)];
    if (slot < 0) {
      // Search from the cell's centre so one answer serves the whole cell.
      int cr = (r & ~((1 << kShift) - 1)) + (1 << kShift) / 2;
      int cg = (g & ~((1 << kShift) - 1)) + (1 << kShift) / 2;
      int cb = (b & ~((1 << kShift) - 1)) + (1 << kShift) / 2;
      int best = std::numeric_limits<int>::max();
      for (size_t i = 0; i < pal.size(); ++i) {
        int d = Distance(pal[i], cr, cg, cb);
        if (d < best) best = d, slot = static_cast<int16_t>(i);
      }
    }
    return static_cast<uint8_t>(slot);
  };

  const int w = picture.width;
  // Errors in 1/16 units for this row and the next, with a cell of margin each side.
  std::vector<std::array<int, 3>> cur(static_cast<size_t>(w) + 2), next(cur.size());
  for (int y = 0; y < picture.height; ++y) {
    std::fill(next.begin(), next.end(), std::array<int, 3>{0, 0, 0});
    const bool forward = (y % 2) == 0;
    const int step = forward ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = forward ? i : w - 1 - i;
      const uint32_t p = picture.at(x, y);
      const std::array<int, 3>& e = cur[static_cast<size_t>(x) + 1];
      int want[3] = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                     static_cast<int>(p & 0xFF)};
      for (int c = 0; c < 3; ++c)
        want[c] = std::clamp(want[c] + (e[c] + 8 * (e[c] > 0 ? 1 : -1)) / 16, 0, 255);
      uint8_t index = find(want[0], want[1], want[2]);
      out.indices[static_cast<size_t>(y) * w + x] = index;
      uint32_t got = pal[index];
      int have[3] = {static_cast<int>((got >> 16) & 0xFF), static_cast<int>((got >> 8) & 0xFF),
                     static_cast<int>(got & 0xFF)};
      for (int c = 0; c < 3; ++c) {
        int err = want[c] - have[c];
        if (!err) continue;
        // 7/16 ahead, 3/16 behind below, 5/16 below, 1/16 ahead below.
        cur[static_cast<size_t>(x + 1 + step)][c] += 7 * err;
        next[static_cast<size_t>(x + 1 - step)][c] += 3 * err;
        next[static_cast<size_t>(x + 1)][c] += 5 * err;
        next[static_cast<size_t>(x + 1 + step)][c] += err;
      }
    }
    std::swap(cur, next);
  }
  return out;
}

IndexedPicture ReduceTo256Colours(const Bitmap32& picture) {
  return MapWithDithering(picture, OptimisedPalette(picture, 256));
}

}  // namespace qv
