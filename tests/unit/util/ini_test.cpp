#include "util/ini.h"

#include <gtest/gtest.h>

#include "test_support.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

TEST(IniDocument, SectionsAndKeysAreCaseInsensitiveAndFirstMatchWins) {
  auto doc = IniDocument::Parse("[Main]\r\nCount = 7 \r\ncount=8\r\n[main]\r\ncount=9\r\n");
  EXPECT_EQ(doc.Get("main", "COUNT"), "7");
  EXPECT_EQ(doc.Get("MAIN", "count"), "7");
  EXPECT_FALSE(doc.Get("main", "missing"));
  EXPECT_FALSE(doc.Get("other", "count"));
}

TEST(IniDocument, ValuesAreTrimmedAndQuotesRemoved) {
  auto doc =
      IniDocument::Parse("[s]\nplain=  a b  \nquoted=\" x \"\nsingle='y'\nhalf=\"z\nempty=\n");
  EXPECT_EQ(doc.Get("s", "plain"), "a b");
  EXPECT_EQ(doc.Get("s", "quoted"), " x ");
  EXPECT_EQ(doc.Get("s", "single"), "y");
  EXPECT_EQ(doc.Get("s", "half"), "\"z");
  EXPECT_EQ(doc.Get("s", "empty"), "");
}

TEST(IniDocument, SetReplacesInPlaceAppendsToTheSectionOrAddsOne) {
  auto doc = IniDocument::Parse("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
  doc.Set("A", "X", "5");
  doc.Set("a", "z", "6");
  doc.Set("c", "w", "7");
  EXPECT_EQ(doc.Text(), "[a]\r\nX=5\r\nz=6\r\n\r\n[b]\r\ny=2\r\n[c]\r\nw=7\r\n");
}

TEST(IniDocument, EraseSectionAndKeys) {
  auto doc = IniDocument::Parse("[a]\nx=1\ny=2\n[b]\nz=3\n");
  EXPECT_EQ(doc.Keys("a"), (std::vector<std::string>{"x", "y"}));
  doc.EraseSection("A");
  EXPECT_FALSE(doc.HasSection("a"));
  EXPECT_EQ(doc.Get("b", "z"), "3");
}

TEST(IniDocument, MalformedTextNeverBreaksReading) {
  // No section, unterminated headers, lines without '=', binary bytes, NULs.
  std::string junk = "x=1\n[unterminated\n=novalue\n[]\nkey\n\x01\x02=\x03\n[ok]\nk=v";
  junk.push_back('\0');
  junk += "\n";
  auto doc = IniDocument::Parse(junk);
  EXPECT_FALSE(doc.Get("", "x"));
  EXPECT_EQ(doc.Get("ok", "k"), std::string("v\0", 2));
  EXPECT_FALSE(doc.Get("unterminated", "anything"));
  auto empty = IniDocument::Parse("[a]\nx=1\n[]\ny=2\n");
  EXPECT_EQ(empty.Get("", "y"), "2") << "\"[]\" starts a section without a name";
  EXPECT_FALSE(empty.Get("a", "y"));
}

TEST(ParseIniInteger, DecimalAndDollarHexOnly) {
  const std::pair<const char*, std::optional<int32_t>> cases[] = {
      {"42", 42},
      {" -7 ", -7},
      {"$FF", 255},
      {"$00FF0000", 0xFF0000},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"$100000000", std::nullopt},
      {"true", std::nullopt},
      {"0x10", std::nullopt},
      {"12abc", std::nullopt},
      {"", std::nullopt},
      {"$", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseIniInteger(text), value) << text;
}

TEST(IniValues, TypedReadsFallBackToDefaults) {
  auto doc = IniDocument::Parse("[m]\nb=true\nn=$10\ns=" + std::string(3000, 's') + "\nz=0\n");
  EXPECT_FALSE(IniBool(doc, "m", "b", false)) << "a word is not an integer: default";
  EXPECT_TRUE(IniBool(doc, "m", "n", false));
  EXPECT_FALSE(IniBool(doc, "m", "z", true));
  EXPECT_EQ(IniInteger(doc, "m", "n", 0), 16);
  EXPECT_EQ(IniString(doc, "m", "s", "").size(), 2047u);
  EXPECT_EQ(FormatIniColour(0x00FFFFFF), "$00FFFFFF");
  EXPECT_EQ(FormatIniColour(0x00FF0000), "$00FF0000");
}

TEST(IniFile, MissingFileReadsDefaultsAndWritesCreateIt) {
  test::TempFolder dir;
  IniFile ini(dir / "options.cfg");
  EXPECT_EQ(ini.ReadInteger("slots", "count", 15), 15);
  EXPECT_FALSE(FileExists(ini.Path())) << "reading creates nothing";
  ASSERT_TRUE(ini.WriteInteger("slots", "count", 20));
  ASSERT_TRUE(ini.WriteBool("main", "nodouble", true));
  EXPECT_EQ(ini.ReadInteger("slots", "count", 15), 20);
  EXPECT_TRUE(ini.ReadBool("main", "nodouble", false));
  EXPECT_FALSE(FileExists(dir / "options.cfg.tmp")) << "no temporary file is left behind";
}

TEST(IniFile, RefusedWriteIsReportedAndLeavesTheFile) {
  test::TempFolder dir;
  IniFile ini(dir / "no" / "such" / "folder" / "x.cfg");
  EXPECT_FALSE(ini.WriteString("a", "b", "c"));
}

// A file that exists but cannot be read must not be replaced by one holding
// only the written key: every other setting would be lost.
TEST(IniFile, UnreadableFileIsNotOverwritten) {
  test::TempFolder dir;
  IniFile ini(dir / "options.cfg");
  std::string text = "[slots]\r\ncount=42\r\n";
  text.resize((16u << 20) + 1, ';');  // larger than the reader takes
  ASSERT_TRUE(WriteWholeFile(ini.Path(), AsBytes(text)));
  EXPECT_FALSE(ini.WriteInteger("slots", "page", 3));
  EXPECT_EQ(ReadWholeFile(ini.Path(), UINT64_MAX)->size(), text.size()) << "the file is as it was";
}

}  // namespace
}  // namespace qv
