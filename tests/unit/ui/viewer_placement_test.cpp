#include "ui/viewer_placement.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Rect kWorkArea{0, 0, 1280, 770};  // taskbar 30 pixels high at the bottom
constexpr Size kTextViewer{294, 184};

TEST(CenterViewer, CentredOnThePreviewElement) {
  // Element 272 × 56 at (100, 200): centre (236, 228).
  EXPECT_EQ(CenterViewer(kTextViewer, {100, 200, 372, 256}, kWorkArea), (Point{89, 136}));
  // Odd sizes: both halves are taken with integer division.
  EXPECT_EQ(CenterViewer({52, 32}, {101, 301, 110, 310}, kWorkArea), (Point{79, 289}));
}

TEST(CenterViewer, KeepsTwoPixelsFromEachEdge) {
  // Left: the centred left would be −11.
  EXPECT_EQ(CenterViewer(kTextViewer, {0, 300, 272, 356}, kWorkArea).x, 2);
  // Top row of a window at the top of the screen: pushed down below the top.
  EXPECT_EQ(CenterViewer(kTextViewer, {900, 30, 1172, 86}, kWorkArea), (Point{889, 2}));
  // Right: the centred viewer would end at 1337.
  EXPECT_EQ(CenterViewer(kTextViewer, {1100, 300, 1280, 356}, kWorkArea).x, 1280 - 2 - 294);
  // Bottom: above the taskbar, not the screen's bottom.
  EXPECT_EQ(CenterViewer(kTextViewer, {100, 700, 372, 756}, kWorkArea).y, 770 - 2 - 184);
}

TEST(CenterViewer, OnePixelPastTheGap) {
  EXPECT_EQ(CenterViewer({10, 10}, {-1, 100, 13, 110}, kWorkArea).x, 2);         // centred at 1
  EXPECT_EQ(CenterViewer({10, 10}, {1267, 100, 1281, 110}, kWorkArea).x, 1268);  // at 1269
  EXPECT_EQ(CenterViewer({10, 10}, {100, 757, 114, 771}, kWorkArea).y, 758);     // at 759
}

TEST(CenterViewer, WorkAreaBesideATaskbarOnTheLeftOrTop) {
  const Rect area{60, 30, 1280, 800};
  EXPECT_EQ(CenterViewer(kTextViewer, {62, 30, 334, 86}, area), (Point{62, 32}));
}

TEST(CenterViewer, LargerThanTheWorkAreaAlignsToTheLeftAndTopGap) {
  const Size huge{1400, 900};
  EXPECT_EQ(CenterViewer(huge, {600, 350, 680, 420}, kWorkArea), (Point{2, 2}));
  EXPECT_EQ(CenterViewer(huge, {1200, 700, 1280, 760}, kWorkArea), (Point{2, 2}));
  EXPECT_EQ(CenterViewer(huge, {1200, 700, 1280, 760}, {60, 30, 1280, 800}), (Point{62, 32}));
}

TEST(ViewerSizes, ClientAreasIncludeTheFrame) {
  EXPECT_EQ(TextViewerClientSize(290, 180), (Size{294, 184}));
  EXPECT_EQ(TextViewerClientSize(2000, 20), (Size{2004, 24}));
  EXPECT_EQ(PictureViewerClientSize(120), (Size{484, 364}));  // 480 × 360 pictures
  EXPECT_EQ(PictureViewerClientSize(60), (Size{244, 184}));
  EXPECT_EQ(PictureViewerClientSize(40), (Size{164, 124}));
}

}  // namespace
}  // namespace qv
