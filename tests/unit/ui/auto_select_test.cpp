#include "ui/auto_select.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

using DK = DisplayKind;

TEST(AutoSelectSlot, SelectionOnAnExistingSlotStays) {
  const PanelKinds kinds{DK::kText, DK::kText, DK::kText, DK::kText, DK::kText, DK::kText};
  EXPECT_EQ(AutoSelectSlot(kNoPanel, 3, kinds), kNoPanel);
  EXPECT_EQ(AutoSelectSlot(0, 1, kinds), 0);
  EXPECT_EQ(AutoSelectSlot(2, 3, kinds), 2);
  EXPECT_EQ(AutoSelectSlot(5, 6, kinds), 5);
}

TEST(AutoSelectSlot, StepsUpWhenTheSlotIsGone) {
  // The oldest of three saved slots was deleted while its panel 3 was selected.
  const PanelKinds kinds{DK::kText, DK::kPicture, DK::kFiles, DK::kText, DK::kText, DK::kText};
  EXPECT_EQ(AutoSelectSlot(3, 3, kinds), 2);
  EXPECT_EQ(AutoSelectSlot(1, 1, kinds), 0);
}

TEST(AutoSelectSlot, PassesOverEmptyPanels) {
  const PanelKinds kinds{DK::kBinary, DK::kEmptySlot, DK::kEmptySlot,
                         DK::kText,   DK::kText,      DK::kText};
  EXPECT_EQ(AutoSelectSlot(3, 3, kinds), 0);
}

TEST(AutoSelectSlot, NoneWhenTheClipboardPanelIsEmptyToo) {
  const PanelKinds emptyClipboard{DK::kEmptyClipboard, DK::kEmptySlot, DK::kText,
                                  DK::kText,           DK::kText,      DK::kText};
  EXPECT_EQ(AutoSelectSlot(1, 1, emptyClipboard), kNoPanel);
  EXPECT_EQ(AutoSelectSlot(2, 2, emptyClipboard), kNoPanel);
}

TEST(AutoSelectSlot, PanelsBeyondTheListAreNotConsidered) {
  // Panels 3 to 5 still show what they showed before the list got shorter.
  const PanelKinds stale{DK::kText, DK::kText, DK::kEmptySlot, DK::kText, DK::kText, DK::kText};
  EXPECT_EQ(AutoSelectSlot(5, 3, stale), 1);
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
  EXPECT_EQ(SelectionForPage(4, 2), 2);
  EXPECT_EQ(SelectionForPage(2, 2), 2);
  EXPECT_EQ(SelectionForPage(1, 5), 1);
  EXPECT_EQ(SelectionForPage(0, 1), 0);
  EXPECT_EQ(SelectionForPage(kNoPanel, 1), kNoPanel);
}

TEST(HoverSelects, OnlyPanelsShowingASlot) {
  for (int k = 1; k <= kDisplayKindCount; ++k) {
    EXPECT_EQ(HoverSelects(static_cast<DK>(k)), k <= 6) << k;
  }
}

}  // namespace
}  // namespace qv
