#include "ui/opacity.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(OpacityFromTransparency, HalvesRoundUpAndOutOfRangeClamps) {
  const std::pair<int, int> cases[] = {
      {0, 255},
      {1, 252} /* 2.55 → 3 */,
      {30, 178} /* 76.5 → 77 */,
      {50, 127} /* 127.5 → 128 */,
      {90, 25},
      {100, 0},
      {150, 0},
      {-5, 255},
  };
  for (auto [percent, opacity] : cases)
    EXPECT_EQ(OpacityFromTransparency(percent), opacity) << percent;
  for (int percent = 1; percent <= 100; ++percent)
    EXPECT_LT(OpacityFromTransparency(percent), OpacityFromTransparency(percent - 1)) << percent;
}

TEST(ViewerOpacity, FollowsTheMainWindowOnlyWhenEnabled) {
  EXPECT_EQ(ViewerOpacity(127, true), 127);
  EXPECT_EQ(ViewerOpacity(127, false), 255);
}

}  // namespace
}  // namespace qv
