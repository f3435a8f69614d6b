#include "codecs/palette.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>

namespace qv {
namespace {

// The histogram works on 6 bits per channel: fine enough for photographs,
// small enough (256 K cells) to scan quickly.
constexpr int kBits = 6;
constexpr int kSide = 1 << kBits;
constexpr int kShift = 8 - kBits;

int CellOf(uint32_t c) {
  return static_cast<int>((((c >> 16) & 0xFF) >> kShift) << (2 * kBits) |
                          (((c >> 8) & 0xFF) >> kShift) << kBits | ((c & 0xFF) >> kShift));
}

// An occupied histogram cell: its pixel count, the sums of its full 8-bit
// channels (for exact means) and its mean colour, the key the cut sorts by.
struct Cell {
  uint32_t count = 0;
  uint32_t sum[3] = {0, 0, 0};  // 64 M pixels x 255 still fits
  uint8_t mean[3] = {0, 0, 0};
};

// A box of cells, a range of the cell list.
struct Box {
  size_t begin, end;
  uint64_t count;
  double error;  // count-weighted variance: the box that gains most is split next
  int axis;      // channel of largest variance
};

Box Measure(const std::vector<Cell>& cells, size_t begin, size_t end) {
  Box box{begin, end, 0, 0.0, 0};
  double s[3] = {0, 0, 0}, s2[3] = {0, 0, 0};
  for (size_t i = begin; i < end; ++i) {
    const Cell& c = cells[i];
    box.count += c.count;
    for (int k = 0; k < 3; ++k) {
      double m = c.mean[k];
      s[k] += m * c.count;
      s2[k] += m * m * c.count;
    }
  }
  double best = -1;
  for (int k = 0; k < 3; ++k) {
    double var = s2[k] - s[k] * s[k] / static_cast<double>(box.count);
    box.error += var;
    if (var > best) best = var, box.axis = k;
  }
  if (end - begin < 2) box.error = 0;  // one cell cannot be split
  return box;
}

// Splits the box at the pixel median of its axis: cells whose mean lies below
// the median value go first. Linear: counts per value, then one partition.
size_t Split(std::vector<Cell>& cells, const Box& box) {
  const int axis = box.axis;
  std::array<uint64_t, 256> perValue{};
  for (size_t i = box.begin; i < box.end; ++i) perValue[cells[i].mean[axis]] += cells[i].count;
  uint64_t seen = 0;
  int cut = 0;  // cells with mean < cut go first
  while (cut < 255 && seen + perValue[cut] <= box.count / 2) seen += perValue[cut++];
  auto first = cells.begin() + static_cast<ptrdiff_t>(box.begin);
  auto last = cells.begin() + static_cast<ptrdiff_t>(box.end);
  auto below = [&](int v) { return [axis, v](const Cell& c) { return c.mean[axis] < v; }; };
  size_t split = static_cast<size_t>(std::partition(first, last, below(cut)) - cells.begin());
  if (split == box.begin) {
    // The median value holds more than half: put that value alone first.
    split = static_cast<size_t>(std::partition(first, last, below(cut + 1)) - cells.begin());
  }
  if (split == box.end) split = box.end - 1;  // cannot happen for error > 0; stay safe
  if (split == box.begin) split = box.begin + 1;
  return split;
}

uint32_t Pack(double r, double g, double b) {
  auto ch = [](double v) { return static_cast<uint32_t>(std::clamp(v + 0.5, 0.0, 255.0)); };
  return ch(r) << 16 | ch(g) << 8 | ch(b);
}

// The picture's own colours, sorted, or empty when it has more than maxColours.
std::vector<uint32_t> ExactColours(const Bitmap32& picture, int maxColours) {
  std::vector<uint64_t> seen(1u << 18);  // one bit per 24-bit colour
  std::vector<uint32_t> colours;
  uint32_t last = 0xFFFFFFFF;
  for (uint32_t p : picture.pixels) {
    p &= 0xFFFFFF;
    if (p == last) continue;
    last = p;
    uint64_t& word = seen[p >> 6];
    const uint64_t bit = uint64_t{1} << (p & 63);
    if (word & bit) continue;
    if (static_cast<int>(colours.size()) == maxColours) return {};
    word |= bit;
    colours.push_back(p);
  }
  std::sort(colours.begin(), colours.end());
  return colours;
}

int Distance(uint32_t a, int r, int g, int b) {
  int dr = static_cast<int>((a >> 16) & 0xFF) - r;
  int dg = static_cast<int>((a >> 8) & 0xFF) - g;
  int db = static_cast<int>(a & 0xFF) - b;
  // Green weighs most for the eye; integer weights keep the search exact and fast.
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

// Every pixel's colour is a palette entry: look each up, nothing to diffuse.
IndexedPicture MapExactly(const Bitmap32& picture, std::vector<uint32_t> palette) {
  IndexedPicture out{picture.width, picture.height, std::move(palette), {}};
  std::unordered_map<uint32_t, uint8_t> index;
  for (size_t i = 0; i < out.palette.size(); ++i)
    index.emplace(out.palette[i], static_cast<uint8_t>(i));
  out.indices.resize(picture.pixels.size());
  uint32_t last = 0xFFFFFFFF;
  uint8_t lastIndex = 0;
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    uint32_t p = picture.pixels[i] & 0xFFFFFF;
    if (p != last) last = p, lastIndex = index.at(p);
    out.indices[i] = lastIndex;
  }
  return out;
}

}  // namespace

std::vector<uint32_t> OptimisedPalette(const Bitmap32& picture, int maxColours) {
  maxColours = std::clamp(maxColours, 1, 256);
  if (picture.pixels.empty()) return {0};
  if (auto exact = ExactColours(picture, maxColours); !exact.empty()) return exact;

  std::vector<Cell> hist(kSide * kSide * kSide);
  for (uint32_t p : picture.pixels) {
    Cell& c = hist[static_cast<size_t>(CellOf(p))];
    ++c.count;
    c.sum[0] += (p >> 16) & 0xFF;
    c.sum[1] += (p >> 8) & 0xFF;
    c.sum[2] += p & 0xFF;
  }
  std::vector<Cell> cells;
  for (Cell& c : hist) {
    if (!c.count) continue;
    for (int k = 0; k < 3; ++k)
      c.mean[k] = static_cast<uint8_t>((c.sum[k] + c.count / 2) / c.count);
    cells.push_back(c);
  }
  hist = {};

  // Median cut: split the box with the largest error at the pixel median of
  // its widest channel until there are enough boxes.
  std::vector<Box> boxes{Measure(cells, 0, cells.size())};
  while (static_cast<int>(boxes.size()) < maxColours) {
    auto worst = std::max_element(boxes.begin(), boxes.end(),
                                  [](const Box& a, const Box& b) { return a.error < b.error; });
    if (worst->error <= 0) break;
    Box box = *worst;
    size_t split = Split(cells, box);
    *worst = Measure(cells, box.begin, split);
    boxes.push_back(Measure(cells, split, box.end));
  }

  std::vector<uint32_t> palette;
  palette.reserve(boxes.size());
  for (const Box& box : boxes) {
    double s[3] = {0, 0, 0};
    for (size_t i = box.begin; i < box.end; ++i)
      for (int k = 0; k < 3; ++k) s[k] += cells[i].sum[k];
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

  // Nearest palette entry per 6-bit cell, searched from the cell's centre on
  // first use, so one search serves every colour of the cell.
  std::vector<int16_t> nearest(kSide * kSide * kSide, -1);
  auto find = [&](int r, int g, int b) -> uint8_t {
    int16_t& slot = nearest[static_cast<size_t>((r >> kShift) << (2 * kBits) |
                                                (g >> kShift) << kBits | (b >> kShift))];
    if (slot < 0) {
      const int half = (1 << kShift) / 2, low = ~((1 << kShift) - 1);
      int best = std::numeric_limits<int>::max();
      for (size_t i = 0; i < pal.size(); ++i) {
        int d = Distance(pal[i], (r & low) + half, (g & low) + half, (b & low) + half);
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
    const bool forward = (y % 2) == 0;  // serpentine: alternate directions
    const int step = forward ? 1 : -1;
    for (int i = 0; i < w; ++i) {
      const int x = forward ? i : w - 1 - i;
      const uint32_t p = picture.at(x, y);
      const std::array<int, 3>& e = cur[static_cast<size_t>(x) + 1];
      int want[3] = {static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
                     static_cast<int>(p & 0xFF)};
      for (int c = 0; c < 3; ++c)
        want[c] = std::clamp(want[c] + (e[c] + (e[c] > 0 ? 8 : -8)) / 16, 0, 255);
      uint8_t index = find(want[0], want[1], want[2]);
      out.indices[static_cast<size_t>(y) * w + x] = index;
      uint32_t got = pal[index];
      int have[3] = {static_cast<int>((got >> 16) & 0xFF), static_cast<int>((got >> 8) & 0xFF),
                     static_cast<int>(got & 0xFF)};
      for (int c = 0; c < 3; ++c) {
        int err = want[c] - have[c];
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
  if (auto exact = ExactColours(picture, 256); !exact.empty() && !picture.pixels.empty())
    return MapExactly(picture, std::move(exact));
  return MapWithDithering(picture, OptimisedPalette(picture, 256));
}

}  // namespace qv
