#pragma once
// Keeping the slot highlight on a panel that shows a slot after the list
// changed. Panels are 0 (the clipboard) to 5; -1 selects none.
#include <array>

#include "ui/display_kind.h"
#include "ui/window_layout.h"

namespace qv {

inline constexpr int kNoPanel = -1;

using PanelKinds = std::array<DisplayKind, kSlotViewCount>;

// After a delete, a move up or a rotation: a selected saved-slot panel whose
// slot no longer exists (panel > L − 1) passes the highlight up to the
// nearest panel that shows content, down to none when even panel 0 is empty.
int AutoSelectSlot(int selectedPanel, int listLength, const PanelKinds& shown);

// After "Clear all slots" only the clipboard panel shows anything.
int SelectionAfterClearAll(int selectedPanel, DisplayKind clipboardPanel);

// After the rows shrank to `page`, a highlight below them moves to the last row.
int SelectionForPage(int selectedPanel, int page);

// The pointer selects a panel only when it shows a slot (kinds 1 to 6).
inline bool HoverSelects(DisplayKind kind) {
  return ShowsContent(kind);
}

}  // namespace qv
