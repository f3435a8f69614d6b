#pragma once
// The main window's rows: client height for the visible rows, the scroll
// bar, which snapshot each slot view shows, the wheel, snapping a resized
// height to whole rows, and the width limits. The shell applies the results.
#include <array>

namespace qv {

inline constexpr int kSlotViewCount = 6;  // Slot0 (the clipboard) and Slot1..Slot5
inline constexpr int kMaxPage = 5;
inline constexpr int kRowHeight = 58;         // a 56-pixel slot view and the gap below it
inline constexpr int kClientHeightBase = 97;  // everything but the saved-slot rows
inline constexpr int kMinClientWidth = 294;
inline constexpr int kToolButtonsWidth = 290;

// 97 + 58 × min(page, max(1, L − 1)): the first row stays even with no saved
// slot, where Slot1 says the slot is empty.
int ClientHeightFor(int page, int listLength);

struct ScrollState {
  bool enabled = false;
  int position = 0;
  int pageSize = 5;
  int largeChange = 5;
  int maximum = 5;
  bool operator==(const ScrollState&) const = default;
};

// The bar for a list of listLength snapshots (the last is the clipboard).
// A disabled bar keeps its range; only its position returns to 0.
ScrollState UpdateScroll(const ScrollState& current, int listLength, int page);

// What one slot view is told to show.
struct SlotFill {
  enum class Action { kKeep, kSnapshot, kEmptySlot };
  Action action = Action::kKeep;
  int index = -1;  // for kSnapshot: the snapshot shown, also the view's Tag
  bool operator==(const SlotFill&) const = default;
};
using SlotFills = std::array<SlotFill, kSlotViewCount>;

struct VisualizePlan {
  int clientHeight = 0;
  ScrollState scroll;
  SlotFills slots;  // views beyond the page are kept: they lie outside the client area
};

VisualizePlan PlanVisualize(int listLength, int page, const ScrollState& scroll);

// After the user moved the bar: the position, clamped, and the saved-slot
// rows refilled for it (Slot0 is kept).
struct ScrollRefill {
  int position = 0;
  SlotFills slots;
};

ScrollRefill PlanScrollChange(int listLength, int page, int position);

// One row per wheel notch: towards the newest slots for a positive delta.
int WheelPosition(const ScrollState& scroll, int wheelDelta, int listLength, int page);

struct RowSnap {
  int clientHeight = 0;  // 155, 213, 271, 329 or 387
  int page = 0;          // 1..5
  bool operator==(const RowSnap&) const = default;
};

// A client height the user dragged to, rounded to the nearest whole row
// count (a half row rounds up), 1 to 5 rows.
RowSnap SnapClientHeight(int clientHeight);

int ClampClientWidth(int clientWidth);
// Left of a child centred in its parent (integer division, as the toolbar's
// buttons are placed).
int CenteredLeft(int parentWidth, int childWidth);

}  // namespace qv
