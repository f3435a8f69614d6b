#include "ui/auto_select.h"

#include <algorithm>

namespace qv {

int AutoSelectSlot(int selectedPanel, int listLength, const PanelKinds& shown) {
  if (selectedPanel <= 0 || selectedPanel <= listLength - 1) return selectedPanel;
  // Panels from L on show no snapshot of the list: Visualize leaves them as they were.
  const int first = std::min({selectedPanel, listLength, kSlotViewCount}) - 1;
  for (int p = first; p >= 0; --p) {
    if (ShowsContent(shown[p])) return p;
  }
  return kNoPanel;
}

int SelectionAfterClearAll(int selectedPanel, DisplayKind clipboardPanel) {
  if (selectedPanel <= 0) return selectedPanel;
  return ShowsContent(clipboardPanel) ? 0 : kNoPanel;
}

int SelectionForPage(int selectedPanel, int page) {
  return selectedPanel > page ? page : selectedPanel;
}

}  // namespace qv
