#pragma once
// The three pictures of a flat button (normal, hot, pressed) built from its
// glyph, the choice among them, and what transparent drawing needs: the mask of
// key-coloured pixels and the picture with those pixels blacked out.
#include <array>
#include <cstdint>
#include <vector>

#include "codecs/bitmap32.h"

namespace qv {

inline constexpr uint32_t kFrameLight = 0xFFFFFFu;  // white
inline constexpr uint32_t kFrameShade = 0x808080u;  // grey 128,128,128

enum class FlatButtonFace { Normal, Hot, Pressed };

// Pressed when the pointer is inside and the button is down, normal when it is
// outside and up, hot otherwise (and always while designing).
FlatButtonFace ChooseFlatButtonFace(bool inside, bool down, bool designing = false);

// Whether (x, y) lies in the rectangle at (left, top) of the given size with
// all four edges included, so also on the column x = left + width and the row
// y = top + height.
bool InsideWithEdges(int x, int y, int left, int top, int width, int height);

// A filled rectangle, right and bottom exclusive.
struct ColourRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  uint32_t colour = 0;
  bool operator==(const ColourRect&) const = default;
};

// The raised frame of a button under the pointer, in drawing order: white top
// row and left column, then grey right column and bottom row.
std::vector<ColourRect> HotFrame(int width, int height);

// The four one-pixel edges of a button (top, left, right, bottom); colour unused.
std::array<ColourRect, 4> ButtonEdges(int width, int height);

struct FlatButtonImages {
  uint32_t key = 0;  // the glyph's pixel (0, 0)
  Bitmap32 normal;
  Bitmap32 hot;
  Bitmap32 pressed;
  const Bitmap32& Face(FlatButtonFace face) const;
};

// The three width x height images of a button showing `glyph`, centred
// (offsets are half the absolute size difference). Empty images when the
// glyph or the size is empty.
FlatButtonImages BuildFlatButtonImages(const Bitmap32& glyph, int width, int height);

// A monochrome picture in the layout CreateBitmap takes: rows top first, each
// padded to a multiple of 16 bits, most significant bit leftmost.
struct MonoBitmap {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bits;
  int Stride() const { return (width + 15) / 16 * 2; }
  bool Get(int x, int y) const;
};

// Bits set where `image` has the key colour (where the background stays).
MonoBitmap MakeKeyMask(const Bitmap32& image, uint32_t key);

// `image` with its key-coloured pixels black: ORed over a background that the
// mask has cleared everywhere else.
Bitmap32 BlackenKey(const Bitmap32& image, uint32_t key);

}  // namespace qv
