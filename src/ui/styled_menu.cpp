#include "ui/styled_menu.h"

#include <algorithm>

namespace qv {
namespace {

constexpr int kSeparatorHeight = 5;
constexpr int kTallSeparatorHeight = 11;
constexpr int kTallItem = 21;  // from this height on, separators are tall
constexpr int kRequestedHeight = 20;
constexpr int kCheckBox = 16;
constexpr int kTextGap = 5;

int SeparatorHeight(int height) {
  return height >= kTallItem ? kTallSeparatorHeight : kSeparatorHeight;
}

}  // namespace

MenuColour BlendTowardWhite(MenuColour colour, int percent) {
  MenuColour blended = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int v = static_cast<int>((colour >> shift) & 0xFF);
    const int moved = v + ((255 - v) * percent + 50) / 100;
    blended |= static_cast<MenuColour>(moved) << shift;
  }
  return blended;
}

MenuStyle SystemMenuStyle(MenuColour buttonFace, MenuColour highlight) {
  MenuStyle style;
  style.gutter = buttonFace;
  style.textArea = BlendTowardWhite(buttonFace, 85);
  style.selection = BlendTowardWhite(highlight, 65);
  style.checkFrame = BlendTowardWhite(highlight, 75);
  return style;
}

MenuStyle ProgramMenuStyle() {
  MenuStyle style;
  style.gutter = 0xE6E6E6;
  style.textArea = 0xE1FFFF;
  style.selection = 0xFFDDDD;
  style.checkFrame = BlendTowardWhite(style.selection, 75);
  style.minHeight = std::max(style.minHeight, kRequestedHeight);
  return style;
}

MenuSize MeasureMenuItem(const MenuStyle& style, const MenuItemMetrics& item) {
  if (item.images) {
    const MenuSize image = *item.images;
    if (item.separator) return {0, SeparatorHeight(std::max(style.minHeight, image.height))};
    const int imageSpace = image.width + (image.width < 8 ? 16 : 8);
    return {std::max(imageSpace + item.textWidth + 15, style.minWidth),
            std::max(std::max(item.textHeight, image.height) + 4, style.minHeight)};
  }
  const int height = std::max(item.textHeight, style.minHeight);
  return {std::max(item.textWidth + 35, style.minWidth),
          item.separator ? SeparatorHeight(height) : height};
}

int MenuGutterWidth(const MenuStyle& style, const MenuItemMetrics& item, int itemHeight) {
  if (item.images) return item.images->width + 9;
  if (item.separator) return std::max(item.textHeight, style.minHeight) + 4;
  return itemHeight + 4;
}

MenuItemLayout LayoutMenuItem(const MenuRect& item, int gutterWidth) {
  MenuItemLayout layout;
  const int split = item.left + gutterWidth;
  layout.gutter = {item.left, item.top, split, item.bottom};
  layout.textArea = {split, item.top, item.right, item.bottom};
  const int boxLeft = item.left + (gutterWidth - kCheckBox) / 2;
  const int boxTop = item.top + (item.bottom - item.top - kCheckBox) / 2;
  layout.checkBox = {boxLeft, boxTop, boxLeft + kCheckBox, boxTop + kCheckBox};
  layout.glyphLeft = boxLeft + (kCheckBox - kGlyphSize) / 2;
  layout.glyphTop = boxTop + (kCheckBox - kGlyphSize) / 2;
  layout.checkFrame = {item.left + 2, item.top, split - 3, item.bottom};
  layout.caption = {split + kTextGap, item.top, item.right, item.bottom};
  layout.shortcut = {split + kTextGap, item.top, item.right - kTextGap, item.bottom};
  layout.separatorY = item.top + (item.bottom - item.top) / 2;
  return layout;
}

const std::array<GlyphPoint, 18> kCheckGlyph = {{{2, 6},
                                                 {3, 7},
                                                 {4, 8},
                                                 {5, 9},
                                                 {6, 8},
                                                 {7, 7},
                                                 {3, 6},
                                                 {4, 7},
                                                 {5, 8},
                                                 {6, 7},
                                                 {7, 6},
                                                 {8, 5},
                                                 {9, 4},
                                                 {10, 3},
                                                 {11, 2},
                                                 {3, 5},
                                                 {4, 6},
                                                 {5, 7}}};
const std::array<GlyphPoint, 24> kRadioGlyph = {{{3, 5}, {3, 6}, {4, 7}, {5, 8}, {6, 8}, {7, 7},
                                                 {8, 6}, {8, 5}, {7, 4}, {6, 3}, {5, 3}, {4, 4},
                                                 {4, 5}, {4, 6}, {5, 7}, {6, 7}, {7, 6}, {7, 5},
                                                 {6, 4}, {5, 4}, {5, 5}, {5, 6}, {6, 6}, {6, 5}}};

template <size_t N>
GlyphBits GlyphRows(const std::array<GlyphPoint, N>& points) {
  GlyphBits bits;
  bits.fill(0xFF);
  for (const auto& [x, y] : points)
    bits[static_cast<size_t>(y * 2 + x / 8)] &= static_cast<uint8_t>(~(0x80u >> (x % 8)));
  return bits;
}

template GlyphBits GlyphRows(const std::array<GlyphPoint, 18>&);
template GlyphBits GlyphRows(const std::array<GlyphPoint, 24>&);

}  // namespace qv
