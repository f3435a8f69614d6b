#include "platform/sim/sim_text_case.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(SimTextCase, TableIsConsistentOverItsRange) {
  SimTextCase cases;
  for (char32_t c = 0; c < 0x0600; ++c) {
    SCOPED_TRACE(static_cast<uint32_t>(c));
    const char32_t up = cases.Upper(c), low = cases.Lower(c);
    EXPECT_FALSE(cases.IsUpper(c) && cases.IsLower(c));
    if (cases.IsUpper(c) || cases.IsLower(c)) {
      EXPECT_TRUE(cases.IsLetter(c));
    }
    if (!cases.IsLetter(c)) {
      EXPECT_EQ(up, c);
      EXPECT_EQ(low, c);
    }
    // A mapping lands on a letter of the other case that maps back, except
    // for the few letters whose partner has a closer partner of its own.
    if (up != c) {
      EXPECT_TRUE(cases.IsLower(c));
      EXPECT_TRUE(cases.IsUpper(up));
    }
    if (low != c) {
      EXPECT_TRUE(cases.IsUpper(c));
      EXPECT_TRUE(cases.IsLower(low));
    }
    const bool oddOne = c == 0xB5 || c == 0x0130 || c == 0x0131 || c == 0x017F || c == 0x03C2;
    if (!oddOne && up != c) {
      EXPECT_EQ(cases.Lower(up), c);
    }
    if (!oddOne && low != c) {
      EXPECT_EQ(cases.Upper(low), c);
    }
  }
}

TEST(SimTextCase, WorkedValues) {
  SimTextCase cases;
  struct Case {
    char32_t upper, lower;
  } pairs[] = {{U'A', U'a'},     {U'Z', U'z'},     {0xC9, 0xE9},     {0x0178, 0xFF},
               {0x0152, 0x0153}, {0x0391, 0x03B1}, {0x03A9, 0x03C9}, {0x038F, 0x03CE},
               {0x0401, 0x0451}, {0x0416, 0x0436}, {0x042F, 0x044F}, {0x0490, 0x0491}};
  for (const Case& p : pairs) {
    EXPECT_EQ(cases.Upper(p.lower), p.upper);
    EXPECT_EQ(cases.Lower(p.upper), p.lower);
  }
  EXPECT_EQ(cases.Upper(0x03C2), 0x03A3u);  // final sigma
  EXPECT_EQ(cases.Upper(0xDF), 0xDFu);      // sharp s has no one-letter capital
  EXPECT_TRUE(cases.IsLower(0xDF));
  for (char32_t c : {U'1', U' ', U'\r', char32_t{0xD7}, char32_t{0x20AC}, char32_t{0x4E2D}}) {
    EXPECT_FALSE(cases.IsLetter(c));
    EXPECT_EQ(cases.Upper(c), c);
  }
}

}  // namespace
}  // namespace qv
