#include "attributes/previews.h"

#include <gtest/gtest.h>

#include <fstream>

#include "snapshot/clip_fixture.h"
#include "rtf/rich_text.h"
#include "attributes/text_stats.h"
#include "util/codepage.h"

namespace qv {
namespace {

using test::Ansi;
using test::Wide;

std::u16string Joined(std::initializer_list<std::u16string_view> lines) {
  std::u16string out;
  bool first = true;
  for (auto line : lines) {
    if (!first) out += u"\r\n";
    first = false;
    out += line;
  }
  return out;
}

size_t LineCountOf(std::u16string_view text) {
  return AnalyzeText(text).lineCount;
}

struct PreviewFixture : test::ClipFixture {
  PreviewSettings settings;
  TClipRec& CopyWide(std::u16string_view text) {
    clipboard.SetByOther({{CF_UNICODETEXT, Wide(text)}});
    TClipRec& rec = CaptureNew();
    MakeTextView(rec, settings);
    FormatCount(rec);
    return rec;
  }
  // Windows form of a path in the temp folder: backslashes, as CF_HDROP holds it.
  static std::string WindowsName(const std::filesystem::path& p) {
    std::string s = p.string();
    for (char& c : s) {
      if (c == '/') c = '\\';
    }
    return s;
  }
  TClipRec& CopyFiles(const std::vector<std::string>& names) {
    Bytes drop;
    PutU32(drop, 20);  // DROPFILES: names follow the 20-byte header, wide
    PutU32(drop, 0);
    PutU32(drop, 0);
    PutU32(drop, 0);
    PutU32(drop, 1);
    for (const auto& n : names) {
      for (char16_t c : Utf8ToUtf16(n)) PutU16(drop, c);
      PutU16(drop, 0);
    }
    PutU16(drop, 0);
    clipboard.SetByOther({{CF_HDROP, drop}});
    return CaptureNew();
  }
};

class TextPreview : public PreviewFixture, public ::testing::Test {};

TEST_F(TextPreview, BlanksAroundAndTabInside) {
  TClipRec& rec = CopyText("  a  b\tc  ");
  MakeTextView(rec, settings);
  FormatCount(rec);
  EXPECT_EQ(rec.Preview, "a  b\tc");
  EXPECT_EQ(rec.LineCount, 1u);
  EXPECT_EQ(rec.WordCount, 2u) << "the tab does not separate words";
  EXPECT_EQ(rec.CharCount, 10u);
  EXPECT_EQ(rec.LineCountText, "1");
  EXPECT_EQ(rec.WordCountText, "2");
  EXPECT_EQ(rec.CharCountText, "10");
  EXPECT_EQ(RtfToPlainText(*rec.TextView), u"  a  b\tc  ");
}

TEST_F(TextPreview, FiveLongLinesGiveThreeCutLines) {
  std::u16string lines[5];
  for (int i = 0; i < 5; ++i) lines[i] = std::u16string(80, static_cast<char16_t>(u'a' + i));
  TClipRec& rec = CopyWide(Joined({lines[0], lines[1], lines[2], lines[3], lines[4]}));
  std::string cut =
      std::string(50, 'a') + "\r\n" + std::string(50, 'b') + "\r\n" + std::string(50, 'c');
  EXPECT_EQ(rec.Preview, cut);
  EXPECT_EQ(rec.LineCount, 5u);
  EXPECT_EQ(rec.WordCount, 5u);
  EXPECT_EQ(rec.CharCount, 400u) << "line breaks not counted";
}

TEST_F(TextPreview, LeadingEmptyLinesAreSkippedButCounted) {
  TClipRec& rec = CopyWide(u"\r\n\r\n \t \r\n first  line \r\nsecond\r\n");
  EXPECT_EQ(rec.Preview, "first  line\r\nsecond");
  EXPECT_EQ(rec.LineCount, 5u) << "a final break adds no empty line";
  EXPECT_EQ(rec.WordCount, 3u);
  EXPECT_EQ(rec.CharCount, 3u + 13u + 6u);
}

TEST_F(TextPreview, LoneCrAndLoneLfEachEndALine) {
  TClipRec& rec = CopyWide(u"a\rb\nc\r\n\r\nd");
  EXPECT_EQ(rec.LineCount, 5u);
  EXPECT_EQ(rec.Preview, "a\r\nb\r\nc");
  EXPECT_EQ(RtfToPlainText(*rec.TextView), u"a\r\nb\r\nc\r\n\r\nd") << "breaks become CR LF";
}

TEST_F(TextPreview, LongTextCountsLengthOnlyAndViewerIsCut) {
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
  EXPECT_EQ(RtfToPlainText(*rec.TextView), text.substr(0, 3000));
  EXPECT_EQ(rec.TextView->find('\0'), std::string::npos);

  // Just under the limit: words and line characters are counted.
  TClipRec& small = CopyWide(text.substr(0, 10000));
  EXPECT_EQ(small.CharCount, 10000u - 2u * 100u);
  EXPECT_GT(small.WordCount, 0u);
}

TEST_F(TextPreview, UnicodeTextIsCountedInUtf16AndKeptInTheViewer) {
  TClipRec& rec = CopyWide(u"café €  😀 Привет");
  EXPECT_EQ(rec.Preview, "caf\xE9 \x80  ? ??????") << "ANSI preview";
  EXPECT_EQ(rec.CharCount, 17u) << "the emoji is two UTF-16 units";
  EXPECT_EQ(rec.WordCount, 4u);
  EXPECT_EQ(RtfToPlainText(*rec.TextView), u"café €  😀 Привет");
}

TEST_F(TextPreview, EmptyTextLeavesPreviewAndCountsAlone) {
  clipboard.SetByOther({{CF_UNICODETEXT, Wide(u"")}, {CF_TEXT, Ansi("")}});
  TClipRec& rec = CaptureNew();
  rec.Preview = "old";
  rec.LineCount = 7;
  MakeTextView(rec, settings);
  EXPECT_EQ(rec.Preview, "old");
  EXPECT_EQ(rec.LineCount, 7u);
  ASSERT_TRUE(rec.TextView.has_value());
  EXPECT_TRUE(rec.TextView->empty());
}

TEST_F(TextPreview, RichTextIsShownWithItsFormatting) {
  uint32_t rtfId = clipboard.RegisterFormat("Rich Text Format");
  std::string doc = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 plain \\b bold\\b0\\par second}";
  clipboard.SetByOther({{rtfId, Ansi(doc)}, {CF_TEXT, Ansi("plain bold\r\nsecond")}});
  TClipRec& rec = CaptureNew();
  ASSERT_TRUE(rec.HasRichText);
  EXPECT_EQ(SnapshotToRichText(rec, settings), doc + '\0');
  MakeTextView(rec, settings);
  EXPECT_EQ(rec.Preview, "plain bold\r\nsecond");
  EXPECT_EQ(rec.WordCount, 3u);
  EXPECT_EQ(*rec.TextView, doc);

  std::string longDoc = "{\\rtf1\\b " + std::string(5000, 'x') + "}";
  clipboard.SetByOther({{rtfId, Ansi(longDoc)}});
  TClipRec& big = CaptureNew();
  MakeTextView(big, settings);
  EXPECT_EQ(*big.TextView, "{\\rtf1\\b " + std::string(3000, 'x') + "}");
  EXPECT_EQ(big.CharCount, 5000u);
}

TEST_F(TextPreview, PlainTextIsSetInTheTextFont) {
  settings.font = TextFont{"Verdana", 10, 0x0000FF, false, true, false, false};
  TClipRec& rec = CopyText("x");
  std::string rtf = SnapshotToRichText(rec, settings);
  EXPECT_EQ(rtf, PlainTextToRtf("x", settings.font));
  rec.TextView.reset();
  MakeRichView(rec, settings);
  EXPECT_EQ(rec.TextView, rtf);
}

TEST_F(TextPreview, MakeRichViewCutsTheViewerOnly) {
  TClipRec& rec = CopyText(std::string(4000, 'y'));
  rec.LineCount = 42;
  MakeRichView(rec, settings);
  EXPECT_EQ(RtfToPlainText(*rec.TextView), std::u16string(3000, u'y'));
  EXPECT_EQ(rec.LineCount, 42u);
}

TEST_F(TextPreview, MakeRichViewKeepsWhatFitsWhole) {
  // A line break or a character beyond 16 bits counts two; the one that
  // straddles the 3000th position is left out.
  TClipRec& breakAtEnd = CopyText(std::string(2999, 'a') + "\r\nb");
  MakeRichView(breakAtEnd, settings);
  EXPECT_EQ(RtfToPlainText(*breakAtEnd.TextView), std::u16string(2999, u'a'));
  clipboard.SetByOther({{CF_UNICODETEXT, test::Wide(std::u16string(2999, u'a') + u"😀z")}});
  TClipRec& pairAtEnd = CaptureNew();
  MakeRichView(pairAtEnd, settings);
  EXPECT_EQ(RtfToPlainText(*pairAtEnd.TextView), std::u16string(2999, u'a'));
}

TEST_F(TextPreview, LoadedViewerShowsWhatTheCapturedOneShowed) {
  std::string text;
  for (int line = 0; line < 80; ++line) text += std::string(70, 'k') + "\r\n";
  TClipRec& rec = CopyText(text);
  const std::u16string captured = RtfToPlainText(*rec.TextView);
  MakeRichView(rec, settings);
  EXPECT_EQ(RtfToPlainText(*rec.TextView), captured);
  EXPECT_EQ(captured.size(), 3000u);
}

TEST(FormatCount, CountsBecomeTexts) {
  TClipRec rec;
  rec.LineCount = 0;
  rec.WordCount = 9999;
  rec.CharCount = 10000;
  FormatCount(rec);
  EXPECT_EQ(rec.LineCountText, "n/a");
  EXPECT_EQ(rec.WordCountText, "9999");
  EXPECT_EQ(rec.CharCountText, "10k");
}

TEST(DisplayFileName, NamesWithoutPaths) {
  EXPECT_EQ(DisplayFileName("C:\\", false), "C:\\") << "drive root";
  EXPECT_EQ(DisplayFileName("C:\\dir\\", false), "dir\\");
  EXPECT_EQ(DisplayFileName("C:\\dir\\file.txt", false), "file.txt");
  EXPECT_EQ(DisplayFileName("C:file.txt", false), "file.txt");
  EXPECT_EQ(DisplayFileName("\\\\server\\share\\", false), "share\\");
  EXPECT_EQ(DisplayFileName("D:\\", true), "D:\\");
  EXPECT_EQ(DisplayFileName("C:\\dir\\file.txt", true), "C:\\dir\\file.txt");
  EXPECT_EQ(DisplayFileName("name", false), "name");
  EXPECT_EQ(DisplayFileName("", false), "");
  EXPECT_EQ(DisplayFileName("\\", false), "\\");
  EXPECT_EQ(DisplayFileName("C:\\\xC3\xA9", false), "\xC3\xA9") << "three characters, four bytes";
}

class FilePreview : public PreviewFixture, public ::testing::Test {};

TEST_F(FilePreview, DriveRootFolderAndFile) {
  std::filesystem::create_directory(work / "folder");
  std::ofstream(work / "folder" / "file.txt") << "x";
  std::string folder = WindowsName(work / "folder");
  std::string file = folder + "\\file.txt";
  TClipRec& rec = CopyFiles({"C:\\", folder, file, "C:\\gone\\vanished.txt"});
  settings.pathfiles = false;
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview, "C:\\\r\nfolder\\\r\nfile.txt");
  EXPECT_EQ(RtfToPlainText(*rec.TextView), u"C:\\\r\nfolder\\\r\nfile.txt\r\nvanished.txt\\");
  EXPECT_EQ(FileListText(rec, settings), "C:\\\r\nfolder\\\r\nfile.txt\r\nvanished.txt\\");

  settings.pathfiles = true;
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview.str(), "C:\\\r\n" + folder + "\\\r\n" + file);
  EXPECT_EQ(SnapshotToRichText(rec, settings),
            PlainTextToRtf("C:\\\r\n" + folder + "\\\r\n" + file + "\r\nC:\\gone\\vanished.txt\\",
                           settings.font))
      << "a file list alone is set in the text font";
}

TEST_F(FilePreview, HundredNames) {
  std::vector<std::string> names;
  for (int i = 0; i < 100; ++i) names.push_back("C:\\dir\\" + std::to_string(i) + ".txt\\");
  TClipRec& rec = CopyFiles(names);
  settings.pathfiles = false;
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview, "0.txt\\\r\n1.txt\\\r\n2.txt\\");
  std::u16string viewer = RtfToPlainText(*rec.TextView);
  EXPECT_EQ(LineCountOf(viewer), 52u);
  EXPECT_TRUE(viewer.ends_with(u"\r\n51.txt\\"));
  EXPECT_EQ(LineCountOf(Utf8ToUtf16(FileListText(rec, settings))), 100u);
}

TEST_F(FilePreview, LongPreviewIsCutTo200) {
  std::string longName = "C:\\" + std::string(300, 'n') + "\\";
  TClipRec& rec = CopyFiles({longName});
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview.size(), 200u);
}

}  // namespace
}  // namespace qv
