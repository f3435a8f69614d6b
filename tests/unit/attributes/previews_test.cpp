#include "attributes/previews.h"

#include <gtest/gtest.h>

#include <fstream>

#include "attributes/text_stats.h"
#include "rtf/rich_text.h"
#include "sim_fixture.h"
#include "util/codepage.h"

namespace qv {
namespace {

using test::Ansi;
using test::Wide;

struct Previews : test::SimFixture, ::testing::Test {
  PreviewSettings settings;
  TClipRec& CopyWide(std::u16string_view text) {
    TClipRec& rec = CaptureNew({{CF_UNICODETEXT, Wide(text)}});
    MakeTextView(rec, settings);
    FormatCount(rec);
    return rec;
  }
  std::u16string Viewer(const TClipRec& rec) { return RtfToPlainText(*rec.TextView); }
};

TEST_F(Previews, TextPreviewCountsAndViewer) {
  std::u16string five;
  for (char16_t c = u'a'; c <= u'e'; ++c)
    five += std::u16string(80, c) + (c < u'e' ? u"\r\n" : u"");
  struct Case {
    const char* name;
    std::u16string text;
    std::string preview;
    uint32_t lines, words, chars;
    std::u16string viewer;
  } cases[] = {
      {"blanks around, a tab inside (no word break)", u"  a  b\tc  ", "a  b\tc", 1, 2, 10,
       u"  a  b\tc  "},
      {"three lines cut to 50 characters", five,
       std::string(50, 'a') + "\r\n" + std::string(50, 'b') + "\r\n" + std::string(50, 'c'), 5, 5,
       400, five},
      {"leading empty lines skipped but counted", u"\r\n\r\n \t \r\n first  line \r\nsecond\r\n",
       "first  line\r\nsecond", 5, 3, 22, u"\r\n\r\n \t \r\n first  line \r\nsecond\r\n"},
      {"a lone CR or LF ends a line", u"a\rb\nc\r\n\r\nd", "a\r\nb\r\nc", 5, 4, 4,
       u"a\r\nb\r\nc\r\n\r\nd"},
      {"counted in UTF-16, ANSI preview", u"café €  😀 Привет", "caf\xE9 \x80  ? ??????", 1, 4, 17,
       u"café €  😀 Привет"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TClipRec& rec = CopyWide(c.text);
    EXPECT_EQ(rec.Preview, c.preview);
    EXPECT_EQ(rec.LineCount, c.lines);
    EXPECT_EQ(rec.WordCount, c.words);
    EXPECT_EQ(rec.CharCount, c.chars);
    EXPECT_EQ(rec.LineCountText, std::to_string(c.lines));
    EXPECT_EQ(Viewer(rec), c.viewer);
  }
}

TEST_F(Previews, LongTextCountsLengthOnlyAndViewerIsCut) {
  // 120 lines of 98 letters: 12000 characters with the breaks; words of "n/a" kind.
  std::u16string line;
  while (line.size() < 98) line += u"n/a ";
  line.resize(98);
  std::u16string text;
  for (int i = 0; i < 120; ++i) text += line + u"\r\n";
  ASSERT_EQ(text.size(), 12000u);
  TClipRec& rec = CopyWide(text);
  EXPECT_EQ(rec.CharCount, 12000u) << "the whole length, breaks included";
  EXPECT_EQ(rec.WordCount, 0u);
  EXPECT_EQ(rec.WordCountText, "n/a");
  EXPECT_EQ(rec.CharCountText, "12k");
  EXPECT_EQ(rec.LineCount, 120u);
  EXPECT_EQ(Viewer(rec), text.substr(0, 3000));
  EXPECT_EQ(rec.TextView->find('\0'), std::string::npos);

  // Just under the limit: words and line characters are counted.
  TClipRec& small = CopyWide(text.substr(0, 10000));
  EXPECT_EQ(small.CharCount, 10000u - 2u * 100u);
  EXPECT_GT(small.WordCount, 0u);
}

TEST_F(Previews, EmptyTextLeavesPreviewAndCountsAlone) {
  TClipRec& rec = CaptureNew({{CF_UNICODETEXT, Wide(u"")}, {CF_TEXT, Ansi("")}});
  rec.Preview = "old";
  rec.LineCount = 7;
  MakeTextView(rec, settings);
  EXPECT_EQ(rec.Preview, "old");
  EXPECT_EQ(rec.LineCount, 7u);
  ASSERT_TRUE(rec.TextView.has_value());
  EXPECT_TRUE(rec.TextView->empty());
}

TEST_F(Previews, RichTextIsShownWithItsFormatting) {
  uint32_t rtfId = clipboard.RegisterFormat("Rich Text Format");
  std::string doc = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 plain \\b bold\\b0\\par second}";
  TClipRec& rec = CaptureNew({{rtfId, Ansi(doc)}, {CF_TEXT, Ansi("plain bold\r\nsecond")}});
  ASSERT_TRUE(rec.HasRichText);
  EXPECT_EQ(SnapshotToRichText(rec, settings), doc + '\0');
  MakeTextView(rec, settings);
  EXPECT_EQ(rec.Preview, "plain bold\r\nsecond");
  EXPECT_EQ(rec.WordCount, 3u);
  EXPECT_EQ(*rec.TextView, doc);

  std::string longDoc = "{\\rtf1\\b " + std::string(5000, 'x') + "}";
  TClipRec& big = CaptureNew({{rtfId, Ansi(longDoc)}});
  MakeTextView(big, settings);
  EXPECT_EQ(*big.TextView, "{\\rtf1\\b " + std::string(3000, 'x') + "}");
  EXPECT_EQ(big.CharCount, 5000u);
}

TEST_F(Previews, PlainTextIsSetInTheTextFont) {
  settings.font = TextFont{"Verdana", 10, 0x0000FF, false, true, false, false};
  TClipRec& rec = CopyText("x");
  std::string rtf = SnapshotToRichText(rec, settings);
  EXPECT_EQ(rtf, PlainTextToRtf("x", settings.font));
  rec.TextView.reset();
  MakeRichView(rec, settings);
  EXPECT_EQ(rec.TextView, rtf);
}

// MakeRichView (for slots loaded with their counts) fills the viewer only and
// cuts it at 3000 characters; a line break or a character beyond 16 bits
// counts two, and the one straddling the limit is left out.
TEST_F(Previews, MakeRichViewCutsTheViewerOnly) {
  std::string lines;
  for (int line = 0; line < 80; ++line) lines += std::string(70, 'k') + "\r\n";
  struct Case {
    const char* name;
    std::u16string text;
    std::u16string viewer;
  } cases[] = {
      {"long", std::u16string(4000, u'y'), std::u16string(3000, u'y')},
      {"a break at the limit", std::u16string(2999, u'a') + u"\r\nb", std::u16string(2999, u'a')},
      {"a pair at the limit", std::u16string(2999, u'a') + u"😀z", std::u16string(2999, u'a')},
      {"lines, as the capture cuts them", Utf8ToUtf16(lines), Utf8ToUtf16(lines).substr(0, 3000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TClipRec& rec = CaptureNew({{CF_UNICODETEXT, Wide(c.text)}});
    rec.LineCount = 42;
    rec.TextView.reset();
    MakeRichView(rec, settings);
    EXPECT_EQ(Viewer(rec), c.viewer);
    EXPECT_EQ(rec.LineCount, 42u);
  }
}

TEST(DisplayFileName, NamesWithoutPaths) {
  const struct {
    const char* path;
    bool showPaths;
    const char* shown;
  } cases[] = {
      {"C:\\", false, "C:\\"},  // drive root
      {"C:\\dir\\", false, "dir\\"},
      {"C:\\dir\\file.txt", false, "file.txt"},
      {"C:file.txt", false, "file.txt"},
      {"\\\\server\\share\\", false, "share\\"},
      {"D:\\", true, "D:\\"},
      {"C:\\dir\\file.txt", true, "C:\\dir\\file.txt"},
      {"name", false, "name"},
      {"", false, ""},
      {"\\", false, "\\"},
      {"C:\\\xC3\xA9", false, "\xC3\xA9"},  // three characters, four bytes
  };
  for (const auto& c : cases) EXPECT_EQ(DisplayFileName(c.path, c.showPaths), c.shown) << c.path;
}

TEST_F(Previews, FileListsShowNamesFoldersAndMissingFiles) {
  std::filesystem::create_directory(root / "folder");
  std::ofstream(root / "folder" / "file.txt") << "x";
  std::string folder = (root / "folder").string();
  std::replace(folder.begin(), folder.end(), '/', '\\');  // as CF_HDROP holds it
  const std::string file = folder + "\\file.txt";
  TClipRec& rec =
      CaptureNew({{CF_HDROP, test::DropList({"C:\\", folder, file, "C:\\gone\\vanished.txt"})}});
  settings.pathfiles = false;
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview, "C:\\\r\nfolder\\\r\nfile.txt");
  EXPECT_EQ(Viewer(rec), u"C:\\\r\nfolder\\\r\nfile.txt\r\nvanished.txt\\");
  EXPECT_EQ(FileListText(rec, settings), "C:\\\r\nfolder\\\r\nfile.txt\r\nvanished.txt\\");

  settings.pathfiles = true;
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview.str(), "C:\\\r\n" + folder + "\\\r\n" + file);
  EXPECT_EQ(SnapshotToRichText(rec, settings),
            PlainTextToRtf("C:\\\r\n" + folder + "\\\r\n" + file + "\r\nC:\\gone\\vanished.txt\\",
                           settings.font))
      << "a file list alone is set in the text font";
}

TEST_F(Previews, FileListLimits) {
  std::vector<std::string> names;
  for (int i = 0; i < 100; ++i) names.push_back("C:\\dir\\" + std::to_string(i) + ".txt\\");
  TClipRec& rec = CaptureNew({{CF_HDROP, test::DropList(names)}});
  settings.pathfiles = false;
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview, "0.txt\\\r\n1.txt\\\r\n2.txt\\");
  std::u16string viewer = Viewer(rec);
  EXPECT_EQ(AnalyzeText(viewer).lineCount, 52u) << "the viewer lists 52 names";
  EXPECT_TRUE(viewer.ends_with(u"\r\n51.txt\\"));
  EXPECT_EQ(AnalyzeText(Utf8ToUtf16(FileListText(rec, settings))).lineCount, 100u);

  TClipRec& one = CaptureNew({{CF_HDROP, test::DropList({"C:\\" + std::string(300, 'n') + "\\"})}});
  GetFiles(one, settings);
  EXPECT_EQ(one.Preview.size(), 200u);
}

}  // namespace
}  // namespace qv
