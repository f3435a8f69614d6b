#include "ui/viewer_placement.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

constexpr Rect kWorkArea{0, 0, 1280, 770};  // taskbar 30 pixels high at the bottom
constexpr Size kTextViewer{294, 184};

// Centred on the target, then kept 2 pixels inside the work area.
TEST(CenterViewer, CentredOnTheTargetAndKeptInsideTheWorkArea) {
  const Rect leftTop{60, 30, 1280, 800};  // beside a taskbar on the left or top
  const Size huge{1400, 900};
  const struct {
    const char* name;
    Size viewer;
    Rect target, area;
    Point at;
  } cases[] = {
      // Element 272 × 56 at (100, 200): centre (236, 228).
      {"centred", kTextViewer, {100, 200, 372, 256}, kWorkArea, {89, 136}},
      {"odd sizes: integer halves", {52, 32}, {101, 301, 110, 310}, kWorkArea, {79, 289}},
      {"left edge", kTextViewer, {0, 300, 272, 356}, kWorkArea, {2, 236}},
      {"top edge", kTextViewer, {900, 30, 1172, 86}, kWorkArea, {889, 2}},
      {"right edge", kTextViewer, {1100, 300, 1280, 356}, kWorkArea, {1280 - 2 - 294, 236}},
      {"above the taskbar", kTextViewer, {100, 700, 372, 756}, kWorkArea, {89, 770 - 2 - 184}},
      {"one pixel past the left gap", {10, 10}, {-1, 100, 13, 110}, kWorkArea, {2, 100}},
      {"one pixel past the right gap", {10, 10}, {1267, 100, 1281, 110}, kWorkArea, {1268, 100}},
      {"one pixel past the bottom gap", {10, 10}, {100, 757, 114, 771}, kWorkArea, {102, 758}},
      {"work area off the origin", kTextViewer, {62, 30, 334, 86}, leftTop, {62, 32}},
      {"larger than the work area", huge, {600, 350, 680, 420}, kWorkArea, {2, 2}},
      {"larger, near the far corner", huge, {1200, 700, 1280, 760}, kWorkArea, {2, 2}},
      {"larger, area off the origin", huge, {1200, 700, 1280, 760}, leftTop, {62, 32}},
  };
  for (const auto& c : cases) EXPECT_EQ(CenterViewer(c.viewer, c.target, c.area), c.at) << c.name;
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
