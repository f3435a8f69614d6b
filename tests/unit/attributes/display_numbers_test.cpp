#include "attributes/display_numbers.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(FormatCountText, WorkedValues) {
  EXPECT_EQ(FormatCountText(0), "n/a");
  EXPECT_EQ(FormatCountText(1), "1");
  EXPECT_EQ(FormatCountText(9999), "9999");
  EXPECT_EQ(FormatCountText(10000), "10k");
  EXPECT_EQ(FormatCountText(10499), "10k");
  EXPECT_EQ(FormatCountText(10500), "11k");
  EXPECT_EQ(FormatCountText(999499), "999k");
  EXPECT_EQ(FormatCountText(999500), "1m");
  EXPECT_EQ(FormatCountText(1234567), "1.2m");
  EXPECT_EQ(FormatCountText(12345678), "12.3");
  EXPECT_EQ(FormatCountText(4294967295u), "4295");
}

TEST(FormatSizeText, WorkedValues) {
  EXPECT_EQ(FormatSizeText(0), "0 B");
  EXPECT_EQ(FormatSizeText(512), "512 B");
  EXPECT_EQ(FormatSizeText(1023), "1023 B");
  EXPECT_EQ(FormatSizeText(1024), "1 kB");
  EXPECT_EQ(FormatSizeText(1536), "1.5 kB");
  EXPECT_EQ(FormatSizeText(12800), "12.5 kB");
  EXPECT_EQ(FormatSizeText(130000), "127 kB");
  EXPECT_EQ(FormatSizeText(1048575), "1024 kB");
  EXPECT_EQ(FormatSizeText(1048576), "1 MB");
  EXPECT_EQ(FormatSizeText(4294967295u), "4096 MB");
}

TEST(FormatSizeText, ExactHalvesRoundUp) {
  // 10.125 kB = 10368 bytes: two decimals, the exact half goes up.
  EXPECT_EQ(FormatSizeText(10368), "10.13 kB");
  // 100.5 kB = 102912 bytes: one decimal, stays 100.5.
  EXPECT_EQ(FormatSizeText(102912), "100.5 kB");
  // 1000.5 kB = 1024512 bytes: four digits leave no decimals.
  EXPECT_EQ(FormatSizeText(1024512), "1001 kB");
}

TEST(FormatSizeText, UsesTheDecimalSeparator) {
  SetDecimalSeparator(',');
  EXPECT_EQ(FormatSizeText(1536), "1,5 kB");
  SetDecimalSeparator('.');
}

}  // namespace
}  // namespace qv
