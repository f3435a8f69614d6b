#include "ui/slot_filter.h"

#include <algorithm>

#include "ui/key_codes.h"

namespace qv {

void MapFilteredRows(SlotFills& fills, const std::vector<int>& matches, int listLength, int page) {
  const int shownLength = FilteredLength(matches);
  const int rows = std::min(page, std::max(1, listLength - 1));
  for (int k = 0; k < kSlotViewCount; ++k) {
    SlotFill& fill = fills[static_cast<size_t>(k)];
    if (fill.action == SlotFill::Action::kSnapshot) {
      // Index v of the shorter list is its (shownLength - 2 - v)-th newest match.
      const int v = fill.index;
      fill.index =
          v == shownLength - 1 ? listLength - 1 : matches[static_cast<size_t>(shownLength - 2 - v)];
    } else if (k >= 1 && k <= rows) {  // a kept Slot0 (a scroll refill) stays kept
      fill = {SlotFill::Action::kEmptySlot, -1};
    }
  }
}

VisualizePlan PlanFilteredVisualize(const std::vector<int>& matches, int listLength, int page,
                                    const ScrollState& scroll) {
  VisualizePlan plan = PlanVisualize(FilteredLength(matches), page, scroll);
  plan.clientHeight = ClientHeightFor(page, listLength);
  MapFilteredRows(plan.slots, matches, listLength, page);
  return plan;
}

FindKey ClassifyFindKey(const KeyPress& press) {
  const uint16_t key = press.key;
  switch (key) {
    case kKeyUp:
    case kKeyDown:
    case kKeyPageUp:
    case kKeyPageDown:
      return FindKey::kNavigate;
    case kKeyEscape:
      return FindKey::kClose;
    case kKeyBack:
    case kKeyDelete:
    case kKeyLeft:
    case kKeyRight:
    case kKeyHome:
    case kKeyEnd:
      return press.alt ? FindKey::kTable : FindKey::kEdit;
    default:
      break;
  }
  // Keys that type a character: letters, digits, space, the number pad's
  // digits and operators, and the punctuation keys of the layout.
  const bool typing = key == kKeySpace || (key >= '0' && key <= '9') ||
                      (key >= 'A' && key <= 'Z') || (key >= kKeyNumpad0 && key <= kKeyDivide) ||
                      (key >= kKeyOem1 && key <= kKeyOem3) ||
                      (key >= kKeyOem4 && key <= kKeyOem8) || key == kKeyOem102;
  // Ctrl and Alt together are AltGr, which types characters on many layouts.
  if (press.ctrl && press.alt) return typing ? FindKey::kEdit : FindKey::kTable;
  if (press.alt) return FindKey::kTable;
  if (press.ctrl)
    return key == 'A' || key == 'C' || key == 'V' || key == 'X' ? FindKey::kEdit : FindKey::kTable;
  return typing ? FindKey::kEdit : FindKey::kTable;
}

}  // namespace qv
