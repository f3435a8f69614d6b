#include <gtest/gtest.h>

#include <string>

#include "lang/language_text.h"
#include "test_support.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

TEST(LanguageText, Utf8WhenTheBytesAreValidUtf8AndAnsiOtherwise) {
  const struct {
    const char* why;
    std::string bytes;
    std::string expected;
  } cases[] = {
      {"ASCII", "btOk=OK", "btOk=OK"},
      {"UTF-8",
       "x=Gr\xC3\xB6\xC3\x9F"
       "e \xD0\x9F\xE2\x82\xAC\xF0\x9F\x98\x80",
       "x=Gr\xC3\xB6\xC3\x9F"
       "e \xD0\x9F\xE2\x82\xAC\xF0\x9F\x98\x80"},
      {"UTF-8 with a byte order mark", "\xEF\xBB\xBF[info]", "[info]"},
      {"ANSI",
       "x=Gr\xF6\xDF"
       "e \x80",
       "x=Gr\xC3\xB6\xC3\x9F"
       "e \xE2\x82\xAC"},
      {"a UTF-8 sequence cut at the end", "x=\xC3", "x=\xC3\x83"},
      {"an overlong form", "x=\xC0\xAF", "x=\xC3\x80\xC2\xAF"},
      {"a lone continuation byte", "x=\xA9", "x=\xC2\xA9"},
      {"a byte order mark, then a bad byte", "\xEF\xBB\xBFx=\xFF\xC3\xA4",
       "x=\xEF\xBF\xBD\xC3\xA4"},
      {"a byte order mark cut short", "\xEF\xBB", "\xC3\xAF\xC2\xBB"},
      {"nothing", "", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeLanguageText(c.bytes), c.expected) << c.why;
}

TEST(LanguageText, FilesMissingOrTooLargeReadAsEmpty) {
  test::TempFolder dir;
  EXPECT_FALSE(LoadLanguageFile(dir / "missing.lng").HasSection("info"));
  EXPECT_FALSE(LoadLanguageFile({}).HasSection("info"));
  std::string big = "[info]\nlanguage=Deutsch\n";
  big.resize(kMaxLanguageFileBytes + 1, ' ');
  ASSERT_TRUE(WriteWholeFile(dir / "big.lng", AsBytes(big)));
  EXPECT_FALSE(LoadLanguageFile(dir / "big.lng").HasSection("info"));
  big.resize(kMaxLanguageFileBytes);
  ASSERT_TRUE(WriteWholeFile(dir / "limit.lng", AsBytes(big)));
  EXPECT_EQ(LanguageValue(LoadLanguageFile(dir / "limit.lng"), "info", "language"), "Deutsch");
}

TEST(LanguageText, NulBytesAndBinaryGarbageGiveNoLanguage) {
  test::TempFolder dir;
  std::string garbage;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  ASSERT_TRUE(WriteWholeFile(dir / "garbage.lng", AsBytes(garbage)));
  EXPECT_EQ(LanguageValue(LoadLanguageFile(dir / "garbage.lng"), "info", "language"), "");
  // A UTF-16 file: every other byte is NUL, so no section name matches.
  const std::string wide("[\0i\0n\0f\0o\0]\0\n\0", 14);
  ASSERT_TRUE(WriteWholeFile(dir / "wide.lng", AsBytes(wide)));
  EXPECT_FALSE(LoadLanguageFile(dir / "wide.lng").HasSection("info"));
}

TEST(LanguageText, ValuesAreCutAfter2047CharactersNeverInsideOne) {
  const std::string umlaut = "\xC3\xA4";
  std::string longValue;
  for (int i = 0; i < 2100; ++i) longValue += umlaut;
  const IniDocument doc = IniDocument::Parse("[s]\nlong=" + longValue + "\nshort=ab\n");
  const std::string cut = LanguageValue(doc, "s", "long");
  EXPECT_EQ(cut.size(), kIniMaxString * umlaut.size());
  EXPECT_EQ(DecodeLanguageText(cut), cut) << "still valid UTF-8";
  EXPECT_EQ(LanguageValue(doc, "s", "short"), "ab");
  EXPECT_EQ(LanguageValue(doc, "s", "missing", "default"), "default");
  EXPECT_EQ(LanguageValue(doc, "S", "SHORT"), "ab") << "names compare without case";
}

}  // namespace
}  // namespace qv
