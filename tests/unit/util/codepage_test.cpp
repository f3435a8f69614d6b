#include "util/codepage.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// The code points at each boundary of the UTF-8 lengths, both ways.
TEST(CodePage, Utf8AndUtf16AtEveryLengthBoundary) {
  const std::pair<std::u16string, std::string> cases[] = {
      {u"\u007F", "\x7F"},
      {u"\u0080", "\xC2\x80"},
      {u"\u07FF", "\xDF\xBF"},
      {u"\u0800", "\xE0\xA0\x80"},
      {u"\uFFFF", "\xEF\xBF\xBF"},
      {u"\U00010000", "\xF0\x90\x80\x80"},
      {u"\U0001F600", "\xF0\x9F\x98\x80"},
      {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
  };
  for (const auto& [utf16, utf8] : cases) {
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8) << utf8.size() << " bytes";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8.size() << " bytes";
  }
  const std::string text = "a é € 日本 😀";
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
}

TEST(CodePage, LoneSurrogateBecomesAReplacementCharacter) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'a', 0xDC00}),
            "\xEF\xBF\xBD"
            "a\xEF\xBF\xBD");
  const uint8_t pair[] = {0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xD8, 'a', 0};  // U+1F600, lone high, a
  EXPECT_EQ(Utf8FromUtf16Bytes(pair),
            "\xF0\x9F\x98\x80\xEF\xBF\xBD"
            "a");
}

TEST(CodePage, Windows1252) {
  EXPECT_EQ(Utf16ToAnsi(u"€‚ƒ„é"), "\x80\x82\x83\x84\xE9");
  EXPECT_EQ(AnsiToUtf16("\x80\x9F\xFF"), u"€Ÿÿ");
  EXPECT_EQ(Utf16ToAnsi(u"日😀x"), "??x") << "one replacement per character";
  EXPECT_EQ(Utf16ToAnsi(u"\u0080\u009F"), "??") << "C1 controls have no byte in Windows-1252";
  EXPECT_EQ(AnsiToUtf8("caf\xE9"), "café");
  EXPECT_EQ(Utf8ToAnsi("café"), "caf\xE9");
}

TEST(CodePage, BytesStopAtTheFirstNul) {
  const uint8_t wide[] = {'h', 0, 'i', 0, 0, 0, 'x', 0};
  EXPECT_EQ(Utf16FromBytes(wide), u"hi");
  const uint8_t odd[] = {'h', 0, 'i'};
  EXPECT_EQ(Utf16FromBytes(odd), u"h");
  EXPECT_EQ(Utf8FromUtf16Bytes(wide), "hi");
  EXPECT_EQ(Utf8FromUtf16Bytes(odd), "h");
  const uint8_t narrow[] = {'o', 'k', 0, 'x'};
  EXPECT_EQ(CharsFromBytes(narrow), "ok");
  EXPECT_EQ(CharsFromBytes({}), "");
}

}  // namespace
}  // namespace qv
