#include <gtest/gtest.h>

#include "settings/options_file.h"
#include "test_support.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

IniDocument Written(const Options& o) {
  IniDocument doc;
  for (const OptionKey& key : OptionTable::Keys()) EXPECT_TRUE(OptionTable::Write(doc, key, o));
  return doc;
}

// Values are clamped, or defaults, as read; written back as kilobytes, $-colours, ANSI text.
TEST(Options, ReadClampedAndWrittenBackInTheFileEncodings) {
  const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
      {"[slots]\ncount=0", "slots", "count", "1"},
      {"[slots]\ncount=5000", "slots", "count", "1000"},
      {"[slots]\npage=0", "slots", "page", "1"},
      {"[slots]\npage=9", "slots", "page", "5"},
      {"[slots]\nmaxsize=50", "slots", "maxsize", "100"},
      {"[slots]\nmaxsize=4194304", "slots", "maxsize", "4194304"},  // 4 GB: no wrap
      {"[text]\nseparator=13", "text", "separator", "9"},
      {"[text]\nseparator=12", "text", "separator", "12"},
      {"[text]\nwidth=10", "text", "width", "20"},
      {"[text]\nheight=3000", "text", "height", "2000"},
      {"[main]\nwidth=200", "main", "width", "294"},
      {"[main]\nnodouble=true", "main", "nodouble", "0"},  // a word is no number: the default
      {"[main]\nautohide=5", "main", "autohide", "1"},
      {"[picture]\nbackground=white", "picture", "background", "$00FFFFFF"},
      {"[text]\nfontcolor=255", "text", "fontcolor", "$000000FF"},
      {"[addition]\nsnapvalue=$10", "addition", "snapvalue", "16"},
  };
  test::TempFolder dir;
  for (const auto& [text, section, key, written] : cases) {
    ASSERT_TRUE(WriteWholeFile(dir / "options.cfg", AsBytes(text)));
    EXPECT_EQ(Written(LoadOptions(IniFile(dir / "options.cfg")).options).Get(section, key), written)
        << text;
  }
  Options o;
  o.background = 0x00FF0000;
  o.maxsize = 300 * 1024;
  o.fontname = "Caf\xC3\xA9";  // UTF-8 inside, ANSI in the file
  o.count = 999;
  IniDocument doc = Written(o);
  EXPECT_EQ(doc.Get("text", "fontname"), "Caf\xE9");
  Options back;
  OptionTable::ReadAll(doc, back);
  EXPECT_EQ(Written(back).Text(), doc.Text()) << "every option reads back as written";
  EXPECT_EQ(back.fontname, o.fontname);
  EXPECT_FALSE(OptionTable::Write(doc, {"main", "nosuchkey"}, o));
}

// First run is cleared in the file, kept for this run; the exit writer keeps other keys or fails.
TEST(Options, FirstRunAndExitWriter) {
  test::TempFolder dir;
  const IniFile file(dir / "options.cfg");
  EXPECT_FALSE(LoadOptions(file).options.firstrun || FileExists(file.Path()));
  ASSERT_TRUE(file.WriteString("main", "firstrun", "1"));
  LoadOptionsResult r = LoadOptions(file);
  EXPECT_TRUE(r.options.firstrun && !r.firstRunWriteFailed);
  EXPECT_FALSE(LoadOptions(file).options.firstrun);
  ASSERT_TRUE(SaveWindowGeometry(file, {10, 20, 300, 400, std::make_pair(5, 6)}));
  EXPECT_EQ(file.Load().Text(),
            "[main]\r\nfirstrun=0\r\nleft=10\r\ntop=20\r\nwidth=300\r\nheight=400\r\n"
            "[param]\r\nleft=5\r\ntop=6\r\n");
  std::filesystem::create_directories(dir / "in the way" / "x");
  EXPECT_FALSE(SaveWindowGeometry(IniFile(dir / "in the way"), {1, 2, 3, 4, std::nullopt}));
}

}  // namespace
}  // namespace qv
