// The system's letter case agrees with the in-memory table where both have
// one-to-one mappings: ASCII, Latin-1, Greek and Cyrillic.
#include "platform/sim/sim_text_case.h"
#include "platform/win32/text_case_win32.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(Win32TextCase, AgreesWithTheTableOnTheBasicAlphabets) {
  const SimTextCase table;
  const win32::Win32TextCase system;
  struct Range {
    char32_t first, last;
  } ranges[] = {{0x41, 0x5A},     {0x61, 0x7A},     {0xC0, 0xDE},     {0xE0, 0xFE},
                {0x0391, 0x03A9}, {0x03B1, 0x03C1}, {0x03C3, 0x03C9}, {0x0400, 0x045F}};
  for (const Range& r : ranges) {
    for (char32_t c = r.first; c <= r.last; ++c) {
      if (c == 0xD7 || c == 0xF7 || c == 0x03A2) continue;
      SCOPED_TRACE(static_cast<uint32_t>(c));
      EXPECT_EQ(system.Upper(c), table.Upper(c));
      EXPECT_EQ(system.Lower(c), table.Lower(c));
      EXPECT_TRUE(system.IsLetter(c));
      EXPECT_EQ(system.IsUpper(c), table.IsUpper(c));
      EXPECT_EQ(system.IsLower(c), table.IsLower(c));
    }
  }
  for (char32_t c : {U'1', U' ', U'.', char32_t{0x20AC}, char32_t{0xD83D}, char32_t{0x1F600}}) {
    EXPECT_EQ(system.Upper(c), c);
    EXPECT_EQ(system.Lower(c), c);
  }
}

}  // namespace
}  // namespace qv
