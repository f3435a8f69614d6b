// Text encodings and the INI files.
#include <gtest/gtest.h>

#include "test_support.h"
#include "util/codepage.h"
#include "util/file_io.h"
#include "util/ini.h"
#include "util/le_io.h"
#include "util/utf8.h"

namespace qv {
namespace {

// The code points at each boundary of the UTF-8 lengths, both ways.
TEST(CodePage, Utf8AndUtf16AtEveryLengthBoundary) {
  const std::pair<std::u16string, std::string> cases[] = {{u"\u007F", "\x7F"},
                                                          {u"\u0080", "\xC2\x80"},
                                                          {u"\u07FF", "\xDF\xBF"},
                                                          {u"\u0800", "\xE0\xA0\x80"},
                                                          {u"\uFFFF", "\xEF\xBF\xBF"},
                                                          {u"\U00010000", "\xF0\x90\x80\x80"},
                                                          {u"\U0001F600", "\xF0\x9F\x98\x80"},
                                                          {u"\U0010FFFF", "\xF4\x8F\xBF\xBF"}};
  for (const auto& [utf16, utf8] : cases) {
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8) << utf8.size() << " bytes";
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8.size() << " bytes";
  }
}

// Each byte of a malformed sequence gives U+FFFD; the rest is kept.
TEST(Utf8, DecodesWellFormedAndRefusesMalformedSequences) {
  const std::tuple<std::string_view, char32_t, uint8_t> good[] = {
      {"A", U'A', 1},
      {"\xC3\xA9", 0xE9, 2},
      {"\xE2\x82\xAC", 0x20AC, 3},
      {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4}};
  for (const auto& [bytes, cp, length] : good) {
    const Utf8Char got = DecodeUtf8(bytes, 0);
    EXPECT_EQ(std::tuple(got.cp, got.length, got.valid), std::tuple(cp, length, true))
        << uint32_t{cp};
  }
  const char* bad[] = {"\xC0\x80",     "\xE0\x80\xAF",     "\xF0\x8F\xBF\xBF",
                       "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80",
                       "\xE2\x82",     "\xC3\x41",         "\xF5\x80\x80\x80"};
  for (std::string_view bytes : bad) {
    const Utf8Char got = DecodeUtf8(bytes, 0);
    EXPECT_EQ(std::tuple(got.cp, got.length, got.valid), std::tuple(U'\uFFFD', 1, false))
        << bytes.size() << " bytes from " << int(uint8_t(bytes[0]));
  }
  EXPECT_EQ(Utf8ToUtf16("a\xC0\x80"
                        "b\xF0\x9F\x98\x80"),
            u"a\uFFFD\uFFFDb\U0001F600");
}

// A lone surrogate becomes U+FFFD; bytes stop at the first NUL; an odd last byte is no character.
TEST(CodePage, LoneSurrogatesAndNulTerminatedBytes) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'z', 0xDC00}), "\xEF\xBF\xBDz\xEF\xBF\xBD");
  const uint8_t pair[] = {0x3D, 0xD8, 0x00, 0xDE, 0x00, 0xD8, 'z', 0};  // U+1F600, lone high, z
  EXPECT_EQ(Utf8FromUtf16Bytes(pair), "\xF0\x9F\x98\x80\xEF\xBF\xBDz");
  const uint8_t wide[] = {'h', 0, 'i', 0, 0, 0, 'x', 0}, odd[] = {'h', 0, 'i'};
  EXPECT_EQ(Utf16FromBytes(wide) + Utf16FromBytes(odd), u"hih");
  EXPECT_EQ(Utf8FromUtf16Bytes(wide) + Utf8FromUtf16Bytes(odd), "hih");
  const uint8_t narrow[] = {'o', 'k', 0, 'x'};
  EXPECT_EQ(CharsFromBytes(narrow) + CharsFromBytes({}), "ok");
}

// Characters without a byte (C1 controls among them) become one "?" each.
TEST(CodePage, Windows1252) {
  EXPECT_EQ(Utf16ToAnsi(u"€‚ƒé日😀x\u0080\u009F"), "\x80\x82\x83\xE9??x??");
  EXPECT_EQ(AnsiToUtf16("\x80\x9F\xFF"), u"€Ÿÿ");
  EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8("caf\xE9")), "caf\xE9");
}

std::string Entries(const IniDocument& doc) {
  std::string out;
  doc.ForEachEntry([&](std::string_view s, std::string_view k, std::string_view v) {
    out += std::string(s) + "." + std::string(k) + "=" + std::string(v) + ";";
  });
  return out;
}

// Case-insensitive, first match wins; values are trimmed and lose matching quotes.
TEST(IniDocument, Lookup) {
  auto doc = IniDocument::Parse(
      "[Main]\r\nCount = 7 \r\ncount=8\r\n[main]\r\ncount=9\r\n[s]\nplain=  a b  \n"
      "quoted=\" x \"\nsingle='y'\nhalf=\"z\nempty=\n");
  EXPECT_EQ(doc.Get("MAIN", "COUNT"), "7");
  EXPECT_FALSE(doc.Get("main", "missing") || doc.Get("other", "count"));
  EXPECT_EQ(doc.Get("s", "quoted"), " x ");
  EXPECT_EQ(Entries(doc),
            "Main.Count=7;Main.count=8;main.count=9;s.plain=a b;s.quoted= x ;s.single=y;"
            "s.half=\"z;s.empty=;");
}

TEST(IniDocument, SetReplacesInPlaceAppendsToTheSectionOrAddsOneAndEraseTakesASection) {
  auto doc = IniDocument::Parse("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
  doc.Set("A", "X", "5");
  doc.Set("a", "z", "6");
  doc.Set("c", "w", "7");
  EXPECT_EQ(doc.Text(), "[a]\r\nX=5\r\nz=6\r\n\r\n[b]\r\ny=2\r\n[c]\r\nw=7\r\n");
  doc.EraseSection("B");
  EXPECT_EQ(doc.Text(), "[a]\r\nX=5\r\nz=6\r\n\r\n[c]\r\nw=7\r\n");
  EXPECT_TRUE(doc.HasSection("a") && !doc.HasSection("b"));
  doc.EraseSection("c");  // the last one
  EXPECT_EQ(doc.Text(), "[a]\r\nX=5\r\nz=6\r\n\r\n");
}

TEST(IniDocument, MalformedTextNeverBreaksReading) {
  // No section, unterminated headers, lines without '=', binary bytes, NULs.
  std::string junk = "x=1\n[unterminated\n=novalue\n[]\nkey\n\x01\x02=\x03\n[ok]\nk=v";
  junk.push_back('\0');
  junk += "\n";
  auto doc = IniDocument::Parse(junk);
  EXPECT_EQ(Entries(doc), std::string(".\x01\x02=\x03;ok.k=v\0;", 14))
      << "\"[]\" starts a section without a name";
  EXPECT_FALSE(doc.Get("", ""));
  EXPECT_EQ(doc.Get("ok", "k"), std::string("v\0", 2));
}

TEST(ParseIniInteger, DecimalAndDollarHexOnly) {
  const std::pair<const char*, std::optional<int32_t>> cases[] = {
      {"42", 42},         {" -7 ", -7},
      {"$FF", 255},       {"$00FF0000", 0xFF0000},
      {"$FFFFFFFF", -1},  {"2147483647", INT32_MAX},
      {"2147483648", {}}, {"$100000000", {}},
      {"true", {}},       {"0x10", {}},
      {"12abc", {}},      {"", {}},
      {"$", {}}};
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseIniInteger(text), value) << text;
}

TEST(IniValues, TypedReadsFallBackToDefaults) {
  auto doc = IniDocument::Parse("[m]\nn=$10\ns=" + std::string(3000, 's') + "\nz=0\n");
  EXPECT_TRUE(IniBool(doc, "m", "n", false) && !IniBool(doc, "m", "z", true));
  EXPECT_EQ(IniInteger(doc, "m", "n", 0), 16);
  EXPECT_EQ(IniString(doc, "m", "s", "").size(), 2047u);
}

// Writes replace the file through a temporary one; an unreadable file is never replaced.
TEST(IniFile, WritesReplaceTheFileOrFail) {
  test::TempFolder dir;
  IniFile ini(dir / "options.cfg");
  ASSERT_TRUE(ini.WriteInteger("slots", "count", 20));
  EXPECT_EQ(ini.ReadInteger("slots", "count", 15), 20);
  EXPECT_FALSE(FileExists(dir / "options.cfg.tmp"));
  EXPECT_FALSE(IniFile(dir / "no" / "x.cfg").WriteString("a", "b", "c"));
  std::string text = "[slots]\r\ncount=42\r\n";
  text.resize((16u << 20) + 1, ';');  // larger than the reader takes
  ASSERT_TRUE(WriteWholeFile(ini.Path(), AsBytes(text)));
  EXPECT_FALSE(ini.WriteInteger("slots", "page", 3));
  EXPECT_EQ(ReadWholeFile(ini.Path(), UINT64_MAX)->size(), text.size()) << "the file is as it was";
  EXPECT_FALSE(WriteWholeFile("/dev/full", Bytes(1 << 16, 'x')));
}

}  // namespace
}  // namespace qv
