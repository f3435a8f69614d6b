#pragma once
// The controls of each of a slot view's eight sub-views, with their
// rectangles for a slot of width W and height 56. The Win32 slot view
// creates its controls from these lists and moves them on Relayout.
#include <vector>

#include "ui/display_kind.h"
#include "ui/placement.h"

namespace qv {

inline constexpr int kSlotHeight = 56;

enum class SlotElement {
  kGround,  // fills the sub-view; created first, so everything lies above it
  kTextStrip,
  kRtfStrip,
  kBitmapStrip,
  kMetafileStrip,
  kFilesStrip,
  kBinaryStrip,
  kSoundStrip,
  kSeparator,      // between the preview and the counts, sizes or thumbnail
  kMenuSeparator,  // left of the menu button
  kMenuButton,
  kStringsCaption,
  kWordsCaption,
  kCharsCaption,
  kStringsValue,
  kWordsValue,
  kCharsValue,
  kWidthCaption,
  kHeightCaption,
  kWidthValue,
  kHeightValue,
  kTopArea,  // transparent hit area for clicks and the pointer
  kPreview,  // preview text label (file names in kind 5)
  kPicture,
  kBinaryLabel,
  kSizeLabel,
  kMessage,  // "<THE SLOT IS EMPTY>" or "<THE CLIPBOARD IS EMPTY>"
};

// Relative to the slot's top-left corner.
struct ElementBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const ElementBox&) const = default;
};

struct Element {
  SlotElement id;
  ElementBox box;
  bool operator==(const Element&) const = default;
};

// In creation order, which is also the order from bottom to top.
std::vector<Element> SlotElements(DisplayKind kind, int slotWidth);

// Where a slot's context menu opens after a menu button click, in slot
// client coordinates: the button's bottom-left corner.
Point SlotMenuPoint(int slotWidth);

}  // namespace qv
