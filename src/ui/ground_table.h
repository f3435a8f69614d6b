#pragma once
// The colour table of a ground: one colour per pixel row, taken from the first
// column of a bitmap, and the lines that paint an update rectangle with it.
#include <cstdint>
#include <vector>

#include "codecs/bitmap32.h"

namespace qv {

// A rectangle with inclusive edges, as the painting rules below use it.
struct EdgeRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// One horizontal line: pixels xFrom .. xTo - 1 of row y in `colour` (0x00RRGGBB).
struct GroundLine {
  int y = 0;
  uint32_t colour = 0;
  int xFrom = 0;
  int xTo = 0;
  bool operator==(const GroundLine&) const = default;
};

class GroundTable {
 public:
  // Starts with one white entry.
  GroundTable();

  // Takes a new source picture. A picture wider than one pixel is cut to its
  // first column; the table gets one entry per row. An empty picture leaves
  // bitmap and table unchanged and returns false.
  bool SetBitmap(const Bitmap32& bitmap);

  // The stored source picture (at most one pixel wide).
  const Bitmap32& Bitmap() const { return bitmap_; }
  const std::vector<uint32_t>& Colours() const { return colours_; }

  // The lines painting `update`: rows from top to bottom, each clamped to the
  // table, from x = left to right inclusive. Rows below the last entry are
  // never painted; an empty table paints nothing.
  std::vector<GroundLine> LinesFor(const EdgeRect& update) const;

 private:
  Bitmap32 bitmap_;
  std::vector<uint32_t> colours_;
};

}  // namespace qv
