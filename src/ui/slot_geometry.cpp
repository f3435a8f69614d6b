#include "ui/slot_geometry.h"

namespace qv {

namespace {

constexpr int kStripWidth = 9;
constexpr int kHalfStrip = kSlotHeight / 2;  // TEXT above RTF
constexpr int kLabelHeight = 16;

using E = SlotElement;

// The pieces every content kind (1 to 6) ends its frame with, right to left:
// the separator at W − 18 and the menu button in the last 15 pixels.
void AddMenu(std::vector<Element>& out, int w) {
  out.push_back({E::kMenuSeparator, {w - 18, 0, 2, kSlotHeight}});
  out.push_back({E::kMenuButton, {w - 15, 0, 15, kSlotHeight}});
}

void AddTextStrips(std::vector<Element>& out) {
  out.push_back({E::kTextStrip, {0, 0, kStripWidth, kHalfStrip}});
  out.push_back({E::kRtfStrip, {0, kHalfStrip, kStripWidth, kHalfStrip}});
}

// Stops short of the menu button so that the button keeps its own clicks.
Element ContentTopArea(int w) {
  return {E::kTopArea, {0, 0, w - 16, kSlotHeight}};
}

Element Preview(int width) {
  return {E::kPreview, {11, 0, width, kSlotHeight}};
}

}  // namespace

std::vector<Element> SlotElements(DisplayKind kind, int w) {
  std::vector<Element> out{{E::kGround, {0, 0, w, kSlotHeight}}};
  switch (kind) {
    case DisplayKind::kText:
      AddTextStrips(out);
      out.push_back({E::kSeparator, {w - 104, 0, 2, kSlotHeight}});
      AddMenu(out, w);
      out.push_back({E::kStringsCaption, {w - 98, 2, 45, kLabelHeight}});
      out.push_back({E::kWordsCaption, {w - 98, 20, 45, kLabelHeight}});
      out.push_back({E::kCharsCaption, {w - 98, 38, 45, kLabelHeight}});
      out.push_back({E::kStringsValue, {w - 52, 2, 28, kLabelHeight}});
      out.push_back({E::kWordsValue, {w - 52, 20, 28, kLabelHeight}});
      out.push_back({E::kCharsValue, {w - 52, 38, 28, kLabelHeight}});
      out.push_back(ContentTopArea(w));
      out.push_back(Preview(w - 118));
      break;
    case DisplayKind::kOnlyText:
      AddTextStrips(out);
      AddMenu(out, w);
      out.push_back(ContentTopArea(w));
      out.push_back(Preview(w - 32));
      break;
    case DisplayKind::kPicture:
      out.push_back({E::kBitmapStrip, {0, 0, kStripWidth, kSlotHeight}});
      out.push_back({E::kMetafileStrip, {kStripWidth, 0, kStripWidth, kSlotHeight}});
      out.push_back({E::kSeparator, {w - 112, 0, 2, kSlotHeight}});
      AddMenu(out, w);
      out.push_back({E::kWidthCaption, {w - 106, 9, 53, kLabelHeight}});
      out.push_back({E::kHeightCaption, {w - 106, 30, 53, kLabelHeight}});
      out.push_back({E::kWidthValue, {w - 52, 9, 28, kLabelHeight}});
      out.push_back({E::kHeightValue, {w - 52, 30, 28, kLabelHeight}});
      out.push_back(ContentTopArea(w));
      out.push_back({E::kPicture, {19, 0, w - 132, kSlotHeight}});
      break;
    case DisplayKind::kTextPicture:
      AddTextStrips(out);
      out.push_back({E::kBitmapStrip, {w - 117, 0, kStripWidth, kSlotHeight}});
      out.push_back({E::kMetafileStrip, {w - 108, 0, kStripWidth, kSlotHeight}});
      out.push_back({E::kSeparator, {w - 120, 0, 2, kSlotHeight}});
      AddMenu(out, w);
      out.push_back(ContentTopArea(w));
      out.push_back(Preview(w - 134));
      out.push_back({E::kPicture, {w - 96, 0, 75, kSlotHeight}});
      break;
    case DisplayKind::kFiles:
      out.push_back({E::kFilesStrip, {0, 0, kStripWidth, kSlotHeight}});
      AddMenu(out, w);
      out.push_back(ContentTopArea(w));
      out.push_back(Preview(w - 32));
      break;
    case DisplayKind::kBinary:
      out.push_back({E::kBinaryStrip, {0, 0, kStripWidth, kSlotHeight}});
      out.push_back({E::kSoundStrip, {kStripWidth, 0, kStripWidth, kSlotHeight}});
      AddMenu(out, w);
      out.push_back({E::kBinaryLabel, {21, 8, w - 42, 18}});
      out.push_back({E::kSizeLabel, {21, 32, w - 42, 18}});
      // Last, so that it covers both labels: the whole strip takes the clicks.
      out.push_back(ContentTopArea(w));
      break;
    case DisplayKind::kEmptySlot:
    case DisplayKind::kEmptyClipboard:
      out.push_back({E::kMessage, {2, 16, w - 4, 24}});
      out.push_back({E::kTopArea, {0, 0, w, kSlotHeight}});
      break;
  }
  return out;
}

Point SlotMenuPoint(int slotWidth) {
  return {slotWidth - 15, kSlotHeight};
}

}  // namespace qv
