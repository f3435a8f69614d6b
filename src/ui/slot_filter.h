#pragma once
// The rows while a search filters the history: the views show the matching
// saved slots, newest first, as if they were the whole list, while the window
// keeps the height of the full list (rows without a match show an empty slot).
// And which keys the search field takes while it has the keyboard focus.
#include <vector>

#include "ui/key_commands.h"
#include "ui/window_layout.h"

namespace qv {

// The length of the list the rows stand for: the matches and Slot 0.
inline int FilteredLength(const std::vector<int>& matches) {
  return static_cast<int>(matches.size()) + 1;
}

// Fills planned over a list of FilteredLength(matches) records, turned into
// fills of the real list of listLength records. Rows on screen that no match
// reaches show an empty slot; Slot0 always shows the clipboard.
void MapFilteredRows(SlotFills& fills, const std::vector<int>& matches, int listLength, int page);

// PlanVisualize for the filtered rows: the scroll bar ranges over the
// matches, the client height stays that of the whole list.
VisualizePlan PlanFilteredVisualize(const std::vector<int>& matches, int listLength, int page,
                                    const ScrollState& scroll);

enum class FindKey : uint8_t {
  kEdit,      // the field edits its text with it
  kNavigate,  // moves the slot focus (Up, Down, Page Up, Page Down)
  kClose,     // Esc: clears and hides the field
  kTable,     // the window's own keys (Enter pastes, F9, ...)
};

FindKey ClassifyFindKey(const KeyPress& press);

}  // namespace qv
