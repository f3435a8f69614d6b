#include <gtest/gtest.h>

#include "settings/options_file.h"
#include "test_support.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

Options Load(const std::string& text, test::TempFolder& dir) {
  WriteWholeFile(dir / "options.cfg", AsBytes(text));
  return LoadOptions(IniFile(dir / "options.cfg")).options;
}

// Every option written to a document, in the file's encodings.
std::string Written(const Options& o) {
  IniDocument doc;
  for (const OptionKey& key : OptionTable::Keys()) EXPECT_TRUE(OptionTable::Write(doc, key, o));
  return doc.Text();
}

TEST(Options, AMissingFileGivesTheDefaultsAndCreatesNothing) {
  test::TempFolder dir;
  const Options o = LoadOptions(IniFile(dir / "options.cfg")).options;
  EXPECT_EQ(Written(o), Written(Options{}));
  EXPECT_EQ(o.count, 15);
  EXPECT_EQ(o.maxsize, 1000u * 1024u);
  EXPECT_FALSE(FileExists(dir / "options.cfg")) << "reading creates no file";
}

TEST(Options, Clamping) {
  test::TempFolder dir;
  Options o = Load(
      "[slots]\ncount=0\npage=9\nmaxsize=50\n[text]\nseparator=13\nwidth=10\nheight=3000\n"
      "[main]\nwidth=200\n",
      dir);
  EXPECT_EQ(o.count, 1);
  EXPECT_EQ(o.page, 5);
  EXPECT_EQ(o.maxsize, 100u * 1024u);
  EXPECT_EQ(o.separator, 9);
  EXPECT_EQ(o.textWidth, 20);
  EXPECT_EQ(o.textHeight, 2000);
  EXPECT_EQ(o.width, 294);
  o = Load("[slots]\ncount=5000\npage=0\n[text]\nseparator=12\n", dir);
  EXPECT_EQ(o.count, 1000);
  EXPECT_EQ(o.page, 1);
  EXPECT_EQ(o.separator, 12);
  // Kilobytes past 4 GB in bytes must not wrap to a tiny limit.
  o = Load("[slots]\nmaxsize=4194304\n", dir);
  EXPECT_EQ(o.maxsize, uint64_t{4194304} * 1024u);
  o = Load("[slots]\nmaxsize=2147483647\n", dir);
  EXPECT_EQ(o.maxsize, uint64_t{2147483647} * 1024u);
}

TEST(Options, ValueEncodings) {
  test::TempFolder dir;
  Options o = Load(
      "[main]\nnodouble=true\nautohide=5\n[picture]\nbackground=$00FF0000\n"
      "[text]\nfontcolor=255\nfontname=Courier New\n[addition]\nsnapvalue=$10\n",
      dir);
  EXPECT_FALSE(o.nodouble) << "a word is not a number: the default";
  EXPECT_TRUE(o.autohide) << "any non-zero integer is true";
  EXPECT_EQ(o.background, 0x00FF0000u) << "blue";
  EXPECT_EQ(o.fontcolor, 255u);
  EXPECT_EQ(o.fontname, "Courier New");
  EXPECT_EQ(o.snapvalue, 16);
  o = Load("[picture]\nbackground=white\n", dir);
  EXPECT_EQ(o.background, 0x00FFFFFFu) << "a colour that is not a number takes the default";
}

TEST(Options, WritesUseTheFileEncodingsAndReadBack) {
  Options o;
  o.background = 0x00FF0000;
  o.nodouble = true;
  o.maxsize = 300 * 1024;
  o.fontname = "Caf\xC3\xA9";  // UTF-8 inside, ANSI in the file
  o.count = 999;
  IniDocument doc = IniDocument::Parse(Written(o));
  EXPECT_FALSE(OptionTable::Write(doc, {"main", "nosuchkey"}, o));
  EXPECT_EQ(doc.Get("picture", "background"), "$00FF0000");
  EXPECT_EQ(doc.Get("main", "nodouble"), "1");
  EXPECT_EQ(doc.Get("slots", "maxsize"), "300");
  EXPECT_EQ(doc.Get("text", "fontname"), "Caf\xE9");
  Options back;
  OptionTable::ReadAll(doc, back);
  EXPECT_EQ(Written(back), doc.Text()) << "every option reads back as written";
}

TEST(Options, FirstRunIsClearedInTheFileAndKeptForThisRun) {
  test::TempFolder dir;
  WriteWholeFile(dir / "options.cfg", AsBytes("[main]\nfirstrun=1\n"));
  LoadOptionsResult r = LoadOptions(IniFile(dir / "options.cfg"));
  EXPECT_TRUE(r.options.firstrun);
  EXPECT_FALSE(r.firstRunWriteFailed);
  EXPECT_EQ(IniFile(dir / "options.cfg").ReadString("main", "firstrun", ""), "0");
  EXPECT_FALSE(LoadOptions(IniFile(dir / "options.cfg")).options.firstrun);
}

TEST(Options, RefusedWritesAreReported) {
  test::TempFolder dir;
  std::filesystem::create_directories(dir / "options.cfg" / "in the way");
  EXPECT_FALSE(SaveWindowGeometry(IniFile(dir / "options.cfg"), {1, 2, 3, 4, std::nullopt}));
  EXPECT_EQ(UnableToWriteMessage(dir / "x.cfg").rfind("Unable to write to ", 0), 0u);
}

TEST(Options, ExitWriterWritesTheGeometryKeys) {
  test::TempFolder dir;
  IniFile ini(dir / "options.cfg");
  ASSERT_TRUE(ini.WriteString("main", "nodouble", "1"));
  ASSERT_TRUE(SaveWindowGeometry(ini, {10, 20, 300, 400, std::make_pair(5, 6)}));
  EXPECT_EQ(ini.ReadString("main", "left", ""), "10");
  EXPECT_EQ(ini.ReadString("main", "top", ""), "20");
  EXPECT_EQ(ini.ReadString("main", "width", ""), "300");
  EXPECT_EQ(ini.ReadString("main", "height", ""), "400");
  EXPECT_EQ(ini.ReadString("param", "left", ""), "5");
  EXPECT_EQ(ini.ReadString("main", "nodouble", ""), "1") << "other keys stay";
}

}  // namespace
}  // namespace qv
