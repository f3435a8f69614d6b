#include "platform/sim/sim_text_case.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// A mapping lands on a letter of the other case that maps back, except for the
// few letters whose partner has a closer partner of its own; what is no letter
// maps to itself.
TEST(SimTextCase, TableIsConsistentOverItsRange) {
  const SimTextCase cases;
  for (char32_t c = 0; c < 0x0600; ++c) {
    const char32_t up = cases.Upper(c), low = cases.Lower(c);
    const bool odd = c == 0xB5 || c == 0x0130 || c == 0x0131 || c == 0x017F || c == 0x03C2;
    EXPECT_FALSE(cases.IsUpper(c) && cases.IsLower(c)) << int(c);
    EXPECT_TRUE(cases.IsLetter(c) || (!cases.IsUpper(c) && !cases.IsLower(c) && up == low));
    EXPECT_TRUE(up == c ||
                (cases.IsLower(c) && cases.IsUpper(up) && (odd || cases.Lower(up) == c)));
    EXPECT_TRUE(low == c ||
                (cases.IsUpper(c) && cases.IsLower(low) && (odd || cases.Upper(low) == c)))
        << int(c);
  }
  const std::pair<char32_t, char32_t> pairs[] = {
      {U'Z', U'z'}, {0x0178, 0xFF}, {0x038F, 0x03CE}, {0x0401, 0x0451}, {0x0490, 0x0491}};
  for (auto [upper, lower] : pairs)
    EXPECT_TRUE(cases.Upper(lower) == upper && cases.Lower(upper) == lower) << int(upper);
  EXPECT_EQ(cases.Upper(0x03C2), 0x03A3u);                        // final sigma
  EXPECT_TRUE(cases.Upper(0xDF) == 0xDF && cases.IsLower(0xDF));  // no one-letter capital
  for (char32_t c : {U'1', U' ', char32_t{0xD7}, char32_t{0x20AC}, char32_t{0x4E2D}})
    EXPECT_TRUE(!cases.IsLetter(c) && cases.Upper(c) == c) << int(c);
}

}  // namespace
}  // namespace qv
