#include "ui/placement.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Size kScreen{1280, 800};
constexpr Size kWindow{300, 420};
using Side = TaskbarSide;

TEST(FindTaskbarSide, EachSideWithSlackAtTheScreenEdges) {
  const std::pair<Rect, Side> cases[] = {
      {{0, 770, 1280, 800}, Side::kBottom},
      {{0, 0, 1280, 30}, Side::kTop},
      {{0, 0, 60, 800}, Side::kLeft},
      {{1220, 0, 1280, 800}, Side::kRight},
      // Overhanging the screen by two pixels on three sides.
      {{-2, 768, 1282, 802}, Side::kBottom},
      {{-2, -2, 1282, 32}, Side::kTop},
      // Five pixels of slack, not six.
      {{5, 770, 1280, 800}, Side::kBottom},
      {{6, 770, 1280, 800}, Side::kRight},
      {{0, 770, 1275, 800}, Side::kBottom},
      {{0, 770, 1274, 800}, Side::kLeft},
      {{0, 5, 1280, 35}, Side::kTop},
      {{0, 6, 1280, 36}, Side::kBottom},
  };
  for (const auto& [taskbar, side] : cases)
    EXPECT_EQ(FindTaskbarSide(taskbar, kScreen), side) << taskbar.left << "," << taskbar.top;
}

TEST(PlaceNextToTray, OnePixelClearOfTaskbarAndScreenEdge) {
  const int w = kWindow.width, h = kWindow.height;
  const std::pair<Rect, Point> cases[] = {
      {{0, 770, 1280, 800}, {1280 - w - 1, 770 - h - 1}},
      {{0, 0, 1280, 30}, {1280 - w - 1, 31}},
      {{0, 0, 60, 800}, {61, 800 - h - 1}},
      {{1220, 0, 1280, 800}, {1220 - w - 1, 800 - h - 1}},
  };
  for (const auto& [taskbar, at] : cases) EXPECT_EQ(PlaceNextToTray(taskbar, kScreen, kWindow), at);
}

PlaceRequest Request(uint8_t mode, Rect window, int clientHeight) {
  return {mode, window, clientHeight, Rect{0, 770, 1280, 800}, kScreen};
}

TEST(PlaceWindow, EachAlignMode) {
  const SavedGeometry saved{1, 2, 3};
  PlaceRequest noTaskbar = Request(kAlignTray, {10, 20, 310, 440}, 387);
  noTaskbar.taskbar.reset();
  const struct {
    const char* name;
    PlaceRequest request;
    Placement placement;
  } cases[] = {
      {"next to the tray: left, top and height remembered",
       Request(kAlignTray, {10, 20, 310, 440}, 387),
       {{979, 349}, {979, 349, 387}}},
      {"no taskbar: nothing happens", noTaskbar, {{10, 20}, saved}},
      {"top fixed: stays, top and height remembered",
       Request(kAlignTop, {10, 20, 310, 440}, 387),
       {{10, 20}, {1, 20, 387}}},
      {"unknown mode", Request(7, {10, 20, 310, 440}, 387), {{10, 20}, saved}},
  };
  for (const auto& c : cases) {
    const Placement p = PlaceWindow(c.request, saved);
    EXPECT_EQ(p.position, c.placement.position) << c.name;
    EXPECT_EQ(p.saved, c.placement.saved) << c.name;
  }
}

TEST(PlaceWindow, BottomFixedGrowingFromTwoToFourRowsAndBack) {
  const SavedGeometry two{50, 400, 213};
  // Visualize has already grown the window by 116 pixels, downwards.
  const Placement p = PlaceWindow(Request(kAlignBottom, {50, 400, 350, 762}, 329), two);
  EXPECT_EQ(p.position, (Point{50, 400 - 116}));
  EXPECT_EQ(p.saved, (SavedGeometry{50, 284, 329}));
  const Placement again = PlaceWindow(Request(kAlignBottom, {50, 284, 350, 646}, 329), p.saved);
  EXPECT_EQ(again.position, (Point{50, 284})) << "the same height stays";
  const Placement back = PlaceWindow(Request(kAlignBottom, {50, 284, 350, 530}, 213), p.saved);
  EXPECT_EQ(back.position, (Point{50, 400}));
}

TEST(DockToWorkArea, EdgesCloserThanTheSnapValue) {
  const Rect area{0, 0, 1280, 770};
  const Rect belowTopTaskbar{0, 5, 1280, 800};
  const struct {
    Point from;
    Rect area;
    int snap;
    Point to;
  } cases[] = {
      {{7, 100}, area, 8, {0, 100}},
      {{-7, 100}, area, 8, {0, 100}},
      {{100, 7}, area, 8, {100, 0}},
      {{1280 - 300 - 7, 100}, area, 8, {980, 100}},
      {{1280 - 300 + 7, 100}, area, 8, {980, 100}},
      {{100, 770 - 420 - 7}, area, 8, {100, 350}},
      {{7, 770 - 420 - 1}, area, 8, {0, 350}},
      {{100, 100}, area, 8, {100, 100}},
      // Exactly the snap value away: stays.
      {{8, 100}, area, 8, {8, 100}},
      {{100, 8}, area, 8, {100, 8}},
      {{1280 - 300 - 8, 100}, area, 8, {972, 100}},
      {{100, 770 - 420 - 8}, area, 8, {100, 342}},
      {{1, 100}, area, 1, {1, 100}},
      // A work area away from the origin; (0, 0) itself is exempt.
      {{0, 0}, belowTopTaskbar, 8, {0, 0}},
      {{0, 1}, belowTopTaskbar, 8, {0, 5}},
      {{1, 0}, belowTopTaskbar, 8, {0, 5}},
      {{1285, 300}, {1280, 0, 2560, 1024}, 8, {1280, 300}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DockToWorkArea(c.from, kWindow, c.area, c.snap), c.to) << c.from.x << "," << c.from.y;
}

TEST(WindowMoved, DragsAreMovesNudgesAndResizesAreNot) {
  const Rect before{100, 100, 400, 520};
  const std::pair<Rect, bool> cases[] = {
      {before, false},
      {{105, 105, 405, 525}, false},  // 5-pixel nudge
      {{106, 106, 406, 526}, false},
      {{80, 100, 400, 520}, false},   // left edge dragged
      {{100, 100, 500, 700}, false},  // right and bottom edges dragged
      {{150, 100, 450, 520}, true},
      {{93, 100, 393, 520}, true},  // 7 pixels left
      {{100, 107, 400, 527}, true},
      {{100, 93, 400, 513}, true},
  };
  for (const auto& [after, moved] : cases)
    EXPECT_EQ(WindowMoved(before, after), moved) << after.left << "," << after.top;
}

TEST(AlignAfterMove, OnlyATrayPlacementGivesWay) {
  EXPECT_EQ(AlignAfterMove(kAlignTray, true), kAlignTop);
  EXPECT_EQ(AlignAfterMove(kAlignTray, false), kAlignTray);
  EXPECT_EQ(AlignAfterMove(kAlignTop, true), kAlignTop);
  EXPECT_EQ(AlignAfterMove(kAlignBottom, true), kAlignBottom);
}

}  // namespace
}  // namespace qv
