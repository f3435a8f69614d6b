#include "ui/placement.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Size kScreen{1280, 800};
constexpr Size kWindow{300, 420};

TEST(FindTaskbarSide, EachSideOfTheScreen) {
  EXPECT_EQ(FindTaskbarSide({0, 770, 1280, 800}, kScreen), TaskbarSide::kBottom);
  EXPECT_EQ(FindTaskbarSide({0, 0, 1280, 30}, kScreen), TaskbarSide::kTop);
  EXPECT_EQ(FindTaskbarSide({0, 0, 60, 800}, kScreen), TaskbarSide::kLeft);
  EXPECT_EQ(FindTaskbarSide({1220, 0, 1280, 800}, kScreen), TaskbarSide::kRight);
}

TEST(FindTaskbarSide, SlackAtTheScreenEdges) {
  // A taskbar overhanging the screen by two pixels on three sides.
  EXPECT_EQ(FindTaskbarSide({-2, 768, 1282, 802}, kScreen), TaskbarSide::kBottom);
  EXPECT_EQ(FindTaskbarSide({-2, -2, 1282, 32}, kScreen), TaskbarSide::kTop);
  EXPECT_EQ(FindTaskbarSide({5, 770, 1280, 800}, kScreen), TaskbarSide::kBottom);
  EXPECT_EQ(FindTaskbarSide({6, 770, 1280, 800}, kScreen), TaskbarSide::kRight);
  EXPECT_EQ(FindTaskbarSide({0, 770, 1275, 800}, kScreen), TaskbarSide::kBottom);
  EXPECT_EQ(FindTaskbarSide({0, 770, 1274, 800}, kScreen), TaskbarSide::kLeft);
  EXPECT_EQ(FindTaskbarSide({0, 5, 1280, 35}, kScreen), TaskbarSide::kTop);
  EXPECT_EQ(FindTaskbarSide({0, 6, 1280, 36}, kScreen), TaskbarSide::kBottom);
}

TEST(PlaceNextToTray, OnePixelClearOfTaskbarAndScreenEdge) {
  const int w = kWindow.width, h = kWindow.height;
  EXPECT_EQ(PlaceNextToTray({0, 770, 1280, 800}, kScreen, kWindow),
            (Point{1280 - w - 1, 770 - h - 1}));
  EXPECT_EQ(PlaceNextToTray({0, 0, 1280, 30}, kScreen, kWindow), (Point{1280 - w - 1, 31}));
  EXPECT_EQ(PlaceNextToTray({0, 0, 60, 800}, kScreen, kWindow), (Point{61, 800 - h - 1}));
  EXPECT_EQ(PlaceNextToTray({1220, 0, 1280, 800}, kScreen, kWindow),
            (Point{1220 - w - 1, 800 - h - 1}));
}

PlaceRequest Request(uint8_t mode, Rect window, int clientHeight) {
  PlaceRequest r;
  r.alignMode = mode;
  r.window = window;
  r.clientHeight = clientHeight;
  r.taskbar = Rect{0, 770, 1280, 800};
  r.screen = kScreen;
  return r;
}

TEST(PlaceWindow, NextToTheTrayRemembersLeftTopAndHeight) {
  const Placement p = PlaceWindow(Request(kAlignTray, {10, 20, 310, 440}, 387), {1, 2, 3});
  EXPECT_EQ(p.position, (Point{979, 349}));
  EXPECT_EQ(p.saved, (SavedGeometry{979, 349, 387}));
}

TEST(PlaceWindow, WithoutATaskbarNothingHappens) {
  PlaceRequest r = Request(kAlignTray, {10, 20, 310, 440}, 387);
  r.taskbar.reset();
  const Placement p = PlaceWindow(r, {1, 2, 3});
  EXPECT_EQ(p.position, (Point{10, 20}));
  EXPECT_EQ(p.saved, (SavedGeometry{1, 2, 3}));
}

TEST(PlaceWindow, TopFixedStaysAndRemembersTopAndHeight) {
  const Placement p = PlaceWindow(Request(kAlignTop, {10, 20, 310, 440}, 387), {1, 2, 3});
  EXPECT_EQ(p.position, (Point{10, 20}));
  EXPECT_EQ(p.saved, (SavedGeometry{1, 20, 387}));  // left is kept for the tray placement
}

TEST(PlaceWindow, BottomFixedGrowingFromTwoToFourRows) {
  const SavedGeometry two{50, 400, 213};
  // Visualize has already grown the window by 116 pixels, downwards.
  const Placement p = PlaceWindow(Request(kAlignBottom, {50, 400, 350, 762}, 329), two);
  EXPECT_EQ(p.position, (Point{50, 400 - 116}));
  EXPECT_EQ(p.saved, (SavedGeometry{50, 284, 329}));

  // Placing again at the same height leaves it there.
  const Placement again = PlaceWindow(Request(kAlignBottom, {50, 284, 350, 646}, 329), p.saved);
  EXPECT_EQ(again.position, (Point{50, 284}));

  // Shrinking back brings the top down again.
  const Placement back = PlaceWindow(Request(kAlignBottom, {50, 284, 350, 530}, 213), p.saved);
  EXPECT_EQ(back.position, (Point{50, 400}));
}

TEST(PlaceWindow, UnknownModeLeavesEverything) {
  const Placement p = PlaceWindow(Request(7, {10, 20, 310, 440}, 387), {1, 2, 3});
  EXPECT_EQ(p.position, (Point{10, 20}));
  EXPECT_EQ(p.saved, (SavedGeometry{1, 2, 3}));
}

TEST(DockToWorkArea, EdgesCloserThanTheSnapValue) {
  const Rect area{0, 0, 1280, 770};
  EXPECT_EQ(DockToWorkArea({7, 100}, kWindow, area, 8), (Point{0, 100}));
  EXPECT_EQ(DockToWorkArea({-7, 100}, kWindow, area, 8), (Point{0, 100}));
  EXPECT_EQ(DockToWorkArea({100, 7}, kWindow, area, 8), (Point{100, 0}));
  EXPECT_EQ(DockToWorkArea({1280 - 300 - 7, 100}, kWindow, area, 8), (Point{980, 100}));
  EXPECT_EQ(DockToWorkArea({1280 - 300 + 7, 100}, kWindow, area, 8), (Point{980, 100}));
  EXPECT_EQ(DockToWorkArea({100, 770 - 420 - 7}, kWindow, area, 8), (Point{100, 350}));
  EXPECT_EQ(DockToWorkArea({7, 770 - 420 - 1}, kWindow, area, 8), (Point{0, 350}));
  EXPECT_EQ(DockToWorkArea({100, 100}, kWindow, area, 8), (Point{100, 100}));
}

TEST(DockToWorkArea, AnEdgeExactlySnapValueAwayStays) {
  const Rect area{0, 0, 1280, 770};
  EXPECT_EQ(DockToWorkArea({8, 100}, kWindow, area, 8), (Point{8, 100}));
  EXPECT_EQ(DockToWorkArea({100, 8}, kWindow, area, 8), (Point{100, 8}));
  EXPECT_EQ(DockToWorkArea({1280 - 300 - 8, 100}, kWindow, area, 8), (Point{972, 100}));
  EXPECT_EQ(DockToWorkArea({100, 770 - 420 - 8}, kWindow, area, 8), (Point{100, 342}));
  EXPECT_EQ(DockToWorkArea({1, 100}, kWindow, area, 1), (Point{1, 100}));
}

TEST(DockToWorkArea, WorkAreaAwayFromTheOrigin) {
  const Rect belowTopTaskbar{0, 5, 1280, 800};
  EXPECT_EQ(DockToWorkArea({0, 0}, kWindow, belowTopTaskbar, 8), (Point{0, 0}));  // exempt
  EXPECT_EQ(DockToWorkArea({0, 1}, kWindow, belowTopTaskbar, 8), (Point{0, 5}));
  EXPECT_EQ(DockToWorkArea({1, 0}, kWindow, belowTopTaskbar, 8), (Point{0, 5}));

  const Rect secondMonitor{1280, 0, 2560, 1024};
  EXPECT_EQ(DockToWorkArea({1285, 300}, kWindow, secondMonitor, 8), (Point{1280, 300}));
}

TEST(WindowMoved, NudgesAndResizesAreNotMoves) {
  const Rect before{100, 100, 400, 520};
  EXPECT_FALSE(WindowMoved(before, before));
  EXPECT_FALSE(WindowMoved(before, {105, 105, 405, 525}));  // 5-pixel nudge
  EXPECT_FALSE(WindowMoved(before, {106, 106, 406, 526}));
  EXPECT_FALSE(WindowMoved(before, {80, 100, 400, 520}));   // left edge dragged
  EXPECT_FALSE(WindowMoved(before, {100, 100, 500, 700}));  // right and bottom edges dragged
}

TEST(WindowMoved, DragsAreMoves) {
  const Rect before{100, 100, 400, 520};
  EXPECT_TRUE(WindowMoved(before, {150, 100, 450, 520}));
  EXPECT_TRUE(WindowMoved(before, {93, 100, 393, 520}));  // 7 pixels left
  EXPECT_TRUE(WindowMoved(before, {100, 107, 400, 527}));
  EXPECT_TRUE(WindowMoved(before, {100, 93, 400, 513}));
}

TEST(AlignAfterMove, OnlyATrayPlacementGivesWay) {
  EXPECT_EQ(AlignAfterMove(kAlignTray, true), kAlignTop);
  EXPECT_EQ(AlignAfterMove(kAlignTray, false), kAlignTray);
  EXPECT_EQ(AlignAfterMove(kAlignTop, true), kAlignTop);
  EXPECT_EQ(AlignAfterMove(kAlignBottom, true), kAlignBottom);
}

}  // namespace
}  // namespace qv
