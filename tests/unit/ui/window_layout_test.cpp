#include "ui/window_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace qv {
namespace {

using Action = SlotFill::Action;

SlotFill Shows(int index) {
  return {Action::kSnapshot, index};
}
const SlotFill kKeep{};

TEST(ClientHeightFor, OneRowPerSavedSlotUpToThePage) {
  EXPECT_EQ(ClientHeightFor(5, 1), 155) << "none saved: Slot1 still shows \"empty\"";
  EXPECT_EQ(ClientHeightFor(5, 2), 155);
  EXPECT_EQ(ClientHeightFor(5, 4), 271);
  EXPECT_EQ(ClientHeightFor(5, 6), 387);
  EXPECT_EQ(ClientHeightFor(3, 8), 271) << "seven saved slots, page 3";
  for (int page = 1; page <= 5; ++page) {
    for (int length = 2; length < 10; ++length) {
      const int grows = ClientHeightFor(page, length + 1) - ClientHeightFor(page, length);
      EXPECT_EQ(grows, length <= page ? 58 : 0) << page << "/" << length;
    }
  }
}

TEST(UpdateScroll, DisabledWhileTheSavedSlotsFitThePage) {
  const ScrollState scrolled{true, 3, 2, 2, 9};
  const ScrollState one = UpdateScroll(scrolled, 2, 5);  // one saved slot, page 5
  EXPECT_FALSE(one.enabled);
  EXPECT_EQ(one.position, 0);
  // The range is left as it was.
  EXPECT_EQ(one.pageSize, 2);
  EXPECT_EQ(one.largeChange, 2);
  EXPECT_EQ(one.maximum, 9);

  EXPECT_FALSE(UpdateScroll(scrolled, 6, 5).enabled);  // five saved, page 5: exactly fits
  EXPECT_TRUE(UpdateScroll(scrolled, 7, 5).enabled);
}

TEST(UpdateScroll, SevenSavedSlotsOnThreeRows) {
  const ScrollState s = UpdateScroll(ScrollState{}, 8, 3);
  EXPECT_EQ(s, (ScrollState{true, 0, 3, 3, 6}));

  ScrollState far{};
  far.position = 9;
  EXPECT_EQ(UpdateScroll(far, 8, 3).position, 4);  // L − 1 − Page
  far.position = 4;
  EXPECT_EQ(UpdateScroll(far, 8, 3).position, 4);
  far.position = -2;
  EXPECT_EQ(UpdateScroll(far, 8, 3).position, 0);
}

TEST(PlanVisualize, SevenSavedSlotsScrolledToTheEnd) {
  const int L = 8;
  ScrollState s{};
  s.position = 4;
  const VisualizePlan plan = PlanVisualize(L, 3, s);
  EXPECT_EQ(plan.clientHeight, 271);
  EXPECT_EQ(plan.scroll, (ScrollState{true, 4, 3, 3, 6}));
  EXPECT_EQ(plan.slots[0], Shows(L - 1));
  EXPECT_EQ(plan.slots[1], Shows(L - 6));
  EXPECT_EQ(plan.slots[2], Shows(L - 7));
  EXPECT_EQ(plan.slots[3], Shows(L - 8));
  EXPECT_EQ(plan.slots[4], kKeep);  // below the page
  EXPECT_EQ(plan.slots[5], kKeep);
}

TEST(PlanVisualize, RowsUseTheClampedPosition) {
  ScrollState s{};
  s.position = 50;
  const VisualizePlan plan = PlanVisualize(8, 3, s);
  EXPECT_EQ(plan.scroll.position, 4);
  EXPECT_EQ(plan.slots[1], Shows(2));
}

TEST(PlanVisualize, ShortLists) {
  const VisualizePlan none = PlanVisualize(1, 5, ScrollState{});
  EXPECT_EQ(none.clientHeight, 155);
  EXPECT_FALSE(none.scroll.enabled);
  EXPECT_EQ(none.slots[0], Shows(0));
  EXPECT_EQ(none.slots[1], (SlotFill{Action::kEmptySlot, -1}));
  for (int k = 2; k < kSlotViewCount; ++k) EXPECT_EQ(none.slots[k], kKeep) << k;

  // Two saved slots on five rows: the rows without a slot are not touched,
  // and a scrolled position no longer applies.
  ScrollState s{true, 3, 5, 5, 9};
  const VisualizePlan two = PlanVisualize(3, 5, s);
  EXPECT_EQ(two.clientHeight, 213);
  EXPECT_EQ(two.scroll.position, 0);
  EXPECT_EQ(two.slots[0], Shows(2));
  EXPECT_EQ(two.slots[1], Shows(1));
  EXPECT_EQ(two.slots[2], Shows(0));
  EXPECT_EQ(two.slots[3], kKeep);
}

TEST(PlanScrollChange, ClampsAndRefillsTheVisibleRows) {
  const ScrollRefill end = PlanScrollChange(8, 3, 6);
  EXPECT_EQ(end.position, 4);
  EXPECT_EQ(end.slots[0], kKeep);  // the clipboard does not scroll
  EXPECT_EQ(end.slots[1], Shows(2));
  EXPECT_EQ(end.slots[2], Shows(1));
  EXPECT_EQ(end.slots[3], Shows(0));
  EXPECT_EQ(end.slots[4], kKeep);

  const ScrollRefill mid = PlanScrollChange(8, 3, 2);
  EXPECT_EQ(mid.position, 2);
  EXPECT_EQ(mid.slots[1], Shows(4));
  EXPECT_EQ(mid.slots[3], Shows(2));
}

TEST(PlanScrollChange, ListShorterThanThePage) {
  // No clamp applies when L − 1 − Page is negative; rows without a snapshot are kept.
  const ScrollRefill r = PlanScrollChange(3, 5, 1);
  EXPECT_EQ(r.position, 1);
  EXPECT_EQ(r.slots[1], Shows(0));
  EXPECT_EQ(r.slots[2], kKeep);
  EXPECT_EQ(r.slots[5], kKeep);
}

TEST(WheelPosition, OneRowPerNotchWithinTheRange) {
  ScrollState s = UpdateScroll(ScrollState{}, 8, 3);  // positions 0..4
  s.position = 2;
  EXPECT_EQ(WheelPosition(s, 120, 8, 3), 1);
  EXPECT_EQ(WheelPosition(s, -120, 8, 3), 3);
  EXPECT_EQ(WheelPosition(s, 0, 8, 3), 2);
  s.position = 0;
  EXPECT_EQ(WheelPosition(s, 120, 8, 3), 0);
  s.position = 4;
  EXPECT_EQ(WheelPosition(s, -240, 8, 3), 4);

  ScrollState off{};
  off.position = 2;
  EXPECT_EQ(WheelPosition(off, 120, 8, 3), 2);
  EXPECT_EQ(WheelPosition(off, -120, 8, 3), 2);
}

// The nearest of the five row heights, a half row rounding up.
TEST(SnapClientHeight, NearestWholeRowCount) {
  for (int dragged = 0; dragged <= 500; ++dragged) {
    RowSnap best{155, 1};
    for (int rows = 2; rows <= 5; ++rows) {
      const int height = 97 + 58 * rows;
      if (std::abs(height - dragged) <= std::abs(best.clientHeight - dragged))
        best = {height, rows};
    }
    EXPECT_EQ(SnapClientHeight(dragged), best) << dragged;
  }
  EXPECT_EQ(SnapClientHeight(184), (RowSnap{213, 2})) << "half way between one and two rows";
  EXPECT_EQ(SnapClientHeight(183), (RowSnap{155, 1}));
}

TEST(ClientWidth, AtLeastTheDesignedWidthAndCentredButtons) {
  EXPECT_EQ(ClampClientWidth(200), 294);
  EXPECT_EQ(ClampClientWidth(294), 294);
  EXPECT_EQ(ClampClientWidth(500), 500);
  EXPECT_EQ(CenteredLeft(290, kToolButtonsWidth), 0);
  EXPECT_EQ(CenteredLeft(490, kToolButtonsWidth), 100);
  EXPECT_EQ(CenteredLeft(295, kToolButtonsWidth), 2);  // an odd pixel goes to the right
}

}  // namespace
}  // namespace qv
