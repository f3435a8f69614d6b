#include "ui/opacity.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(OpacityFromTransparency, TheTransparencyMenu) {
  const int expected[] = {255, 229, 204, 178, 153, 127, 102, 76, 51, 25};
  for (int step = 0; step < 10; ++step) {
    EXPECT_EQ(OpacityFromTransparency(step * 10), expected[step]) << step * 10 << " %";
  }
}

TEST(OpacityFromTransparency, HalvesRoundUpAndOutOfRangeClamps) {
  EXPECT_EQ(OpacityFromTransparency(30), 178);  // 76.5 removed, rounded to 77
  EXPECT_EQ(OpacityFromTransparency(50), 127);  // 127.5 → 128
  EXPECT_EQ(OpacityFromTransparency(1), 252);   // 2.55 → 3
  EXPECT_EQ(OpacityFromTransparency(100), 0);
  EXPECT_EQ(OpacityFromTransparency(150), 0);
  EXPECT_EQ(OpacityFromTransparency(-5), 255);
}

TEST(ViewerOpacity, FollowsTheMainWindowOnlyWhenEnabled) {
  const uint8_t main = OpacityFromTransparency(50);
  EXPECT_EQ(ViewerOpacity(main, true), 127);
  EXPECT_EQ(ViewerOpacity(main, false), 255);
}

}  // namespace
}  // namespace qv
