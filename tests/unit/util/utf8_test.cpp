#include "util/utf8.h"

#include <gtest/gtest.h>

#include "util/codepage.h"

namespace qv {
namespace {

TEST(Utf8, DecodesWellFormedAndRefusesMalformedSequences) {
  struct Case {
    const char* name;
    std::string_view bytes;
    char32_t cp;
    uint8_t length;
    bool valid;
  };
  const Case cases[] = {
      {"ascii", "A", U'A', 1, true},
      {"two bytes", "\xC3\xA9", 0xE9, 2, true},
      {"three bytes", "\xE2\x82\xAC", 0x20AC, 3, true},
      {"four bytes", "\xF0\x9F\x98\x80", 0x1F600, 4, true},
      {"largest", "\xF4\x8F\xBF\xBF", 0x10FFFF, 4, true},
      {"overlong two", "\xC0\x80", 0xFFFD, 1, false},
      {"overlong three", "\xE0\x80\xAF", 0xFFFD, 1, false},
      {"overlong four", "\xF0\x8F\xBF\xBF", 0xFFFD, 1, false},
      {"surrogate", "\xED\xA0\x80", 0xFFFD, 1, false},
      {"past U+10FFFF", "\xF4\x90\x80\x80", 0xFFFD, 1, false},
      {"stray continuation", "\x80", 0xFFFD, 1, false},
      {"truncated", "\xE2\x82", 0xFFFD, 1, false},
      {"bad continuation", "\xC3\x41", 0xFFFD, 1, false},
      {"lead F5", "\xF5\x80\x80\x80", 0xFFFD, 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Utf8Char got = DecodeUtf8(c.bytes, 0);
    EXPECT_EQ(got.cp, c.cp);
    EXPECT_EQ(got.length, c.length);
    EXPECT_EQ(got.valid, c.valid);
  }
}

TEST(Utf8, ConversionToUtf16ReplacesEachBadByteAndKeepsTheRest) {
  EXPECT_EQ(Utf8ToUtf16("a\xC0\x80"
                        "b\xF0\x9F\x98\x80"),
            u"a\uFFFD\uFFFDb\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xE2\x82\xAC x")), "\xE2\x82\xAC x");
}

}  // namespace
}  // namespace qv
