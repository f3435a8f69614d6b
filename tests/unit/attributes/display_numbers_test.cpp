#include "attributes/display_numbers.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(FormatCountText, WorkedValues) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0, "n/a"},        {1, "1"},           {9999, "9999"},        {10000, "10k"},
      {10499, "10k"},    {10500, "11k"},     {999499, "999k"},      {999500, "1m"},
      {1234567, "1.2m"}, {12345678, "12.3"}, {4294967295u, "4295"},
  };
  for (auto [count, text] : cases) EXPECT_EQ(FormatCountText(count), text) << count;
}

TEST(FormatSizeText, WorkedValues) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0, "0 B"},
      {512, "512 B"},
      {1023, "1023 B"},
      {1024, "1 kB"},
      {1536, "1.5 kB"},
      {12800, "12.5 kB"},
      {130000, "127 kB"},
      {1048575, "1024 kB"},
      {1048576, "1 MB"},
      {4294967295u, "4096 MB"},
      // Exact halves round up: 10.125 kB with two decimals, 100.5 kB with one,
      // 1000.5 kB with none.
      {10368, "10.13 kB"},
      {102912, "100.5 kB"},
      {1024512, "1001 kB"},
  };
  for (auto [size, text] : cases) EXPECT_EQ(FormatSizeText(size), text) << size;
  SetDecimalSeparator(',');
  EXPECT_EQ(FormatSizeText(1536), "1,5 kB");
  SetDecimalSeparator('.');
}

}  // namespace
}  // namespace qv
