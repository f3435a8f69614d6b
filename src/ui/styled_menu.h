#pragma once
// The arithmetic of the program's own menu look: colours, item sizes and
// where each part of an item is drawn. The Win32 painter only measures text
// and draws what these functions place.
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

namespace qv {

using MenuColour = uint32_t;  // 0x00BBGGRR

// Each channel moves `percent` of its way to 255, rounded half up.
MenuColour BlendTowardWhite(MenuColour colour, int percent);

struct MenuStyle {
  MenuColour gutter = 0;
  MenuColour textArea = 0;
  MenuColour selection = 0;
  MenuColour checkFrame = 0;
  int minWidth = 0;
  int minHeight = 18;
};

// The painter's look before anything is asked of it, from the system's
// button face and highlight colours.
MenuStyle SystemMenuStyle(MenuColour buttonFace, MenuColour highlight);
// The look with the option `stylemenus` on.
MenuStyle ProgramMenuStyle();

constexpr MenuColour kMenuTextColour = 0x000000;
constexpr MenuColour kDisabledMenuTextColour = 0x808080;

struct MenuSize {
  int width = 0;
  int height = 0;
  bool operator==(const MenuSize&) const = default;
};

// What the painter measured for one item, in pixels.
struct MenuItemMetrics {
  bool separator = false;
  int textWidth = 0;               // the caption and the shortcut text, side by side
  int textHeight = 0;              // the height of "W" in the item's font
  std::optional<MenuSize> images;  // the image list's image size, if any
};

MenuSize MeasureMenuItem(const MenuStyle& style, const MenuItemMetrics& item);
// The width of the gutter of an item `itemHeight` high.
int MenuGutterWidth(const MenuStyle& style, const MenuItemMetrics& item, int itemHeight);

struct MenuRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const MenuRect&) const = default;
};

// Where the parts of a popup item go.
struct MenuItemLayout {
  MenuRect gutter;
  MenuRect textArea;
  MenuRect checkBox;    // the 16 x 16 box of a check without an image
  MenuRect checkFrame;  // the frame around the image of a checked item
  int glyphLeft = 0;    // the 12 x 12 check or radio glyph
  int glyphTop = 0;
  MenuRect caption;    // text from left + gutter + 5 to the right edge
  MenuRect shortcut;   // right-aligned, 5 pixels from the right edge
  int separatorY = 0;  // the separator line, from caption.left to the right edge
};
MenuItemLayout LayoutMenuItem(const MenuRect& item, int gutterWidth);

// The 12 x 12 monochrome glyphs: white with black pixels at these points,
// every one inside the square.
using GlyphPoint = std::pair<int, int>;
extern const std::array<GlyphPoint, 18> kCheckGlyph;
extern const std::array<GlyphPoint, 24> kRadioGlyph;
constexpr int kGlyphSize = 12;
// A glyph as the bits of a monochrome bitmap: two bytes a row, the leftmost
// pixel in the highest bit of a row's first byte, 1 for white.
using GlyphBits = std::array<uint8_t, kGlyphSize * 2>;
template <size_t N>
GlyphBits GlyphRows(const std::array<GlyphPoint, N>& points);

}  // namespace qv
