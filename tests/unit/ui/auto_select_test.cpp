#include "ui/auto_select.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using DK = DisplayKind;

TEST(AutoSelectSlot, KeepsOrStepsUpToAPanelShowingASlot) {
  const PanelKinds texts{DK::kText, DK::kText, DK::kText, DK::kText, DK::kText, DK::kText};
  const PanelKinds mixed{DK::kText, DK::kPicture, DK::kFiles, DK::kText, DK::kText, DK::kText};
  const PanelKinds gaps{DK::kBinary, DK::kEmptySlot, DK::kEmptySlot,
                        DK::kText,   DK::kText,      DK::kText};
  const PanelKinds noClipboard{DK::kEmptyClipboard, DK::kEmptySlot, DK::kText,
                               DK::kText,           DK::kText,      DK::kText};
  // Panels 3 to 5 still show what they showed before the list got shorter.
  const PanelKinds stale{DK::kText, DK::kText, DK::kEmptySlot, DK::kText, DK::kText, DK::kText};
  const struct {
    const char* name;
    int selected, slots;
    const PanelKinds& kinds;
    int expected;
  } cases[] = {
      {"none selected", kNoPanel, 3, texts, kNoPanel},
      {"an existing slot stays", 0, 1, texts, 0},
      {"an existing slot stays", 2, 3, texts, 2},
      {"an existing slot stays", 5, 6, texts, 5},
      {"the selected slot is gone", 3, 3, mixed, 2},
      {"the selected slot is gone", 1, 1, mixed, 0},
      {"empty panels are passed over", 3, 3, gaps, 0},
      {"none when the clipboard panel is empty too", 1, 1, noClipboard, kNoPanel},
      {"none when the clipboard panel is empty too", 2, 2, noClipboard, kNoPanel},
      {"panels beyond the list are not considered", 5, 3, stale, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AutoSelectSlot(c.selected, c.slots, c.kinds), c.expected) << c.name;
}

TEST(SelectionAfterClearAll, ClipboardPanelOrNone) {
  EXPECT_EQ(SelectionAfterClearAll(3, DK::kText), 0);
  EXPECT_EQ(SelectionAfterClearAll(1, DK::kBinary), 0);
  EXPECT_EQ(SelectionAfterClearAll(3, DK::kEmptyClipboard), kNoPanel);
  EXPECT_EQ(SelectionAfterClearAll(3, DK::kEmptySlot), kNoPanel);
  // Panel 0 or none selected: nothing to fix.
  EXPECT_EQ(SelectionAfterClearAll(0, DK::kEmptyClipboard), 0);
  EXPECT_EQ(SelectionAfterClearAll(kNoPanel, DK::kText), kNoPanel);
}

TEST(SelectionForPage, HighlightBelowTheRowsMovesToTheLastRow) {
  const std::tuple<int, int, int> cases[] = {
      {4, 2, 2}, {2, 2, 2}, {1, 5, 1}, {0, 1, 0}, {kNoPanel, 1, kNoPanel}};
  for (auto [selected, page, expected] : cases)
    EXPECT_EQ(SelectionForPage(selected, page), expected) << selected << "/" << page;
}

TEST(HoverSelects, OnlyPanelsShowingASlot) {
  for (int k = 1; k <= kDisplayKindCount; ++k)
    EXPECT_EQ(HoverSelects(static_cast<DK>(k)), k <= 6) << k;
}

}  // namespace
}  // namespace qv
