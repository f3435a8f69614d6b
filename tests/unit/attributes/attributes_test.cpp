#include "attributes/previews.h"

#include <gtest/gtest.h>

#include <fstream>

#include "attributes/display_numbers.h"
#include "attributes/text_stats.h"
#include "attributes/thumbnail.h"
#include "rtf/rich_text.h"
#include "sim_fixture.h"
#include "snapshot/format_names.h"
#include "util/codepage.h"
#include "util/io_counts.h"

namespace qv {
namespace {

using namespace test;
using Items = std::vector<SimClipboard::Item>;

// Flags (Text, Rich, Bitmap, Metafile, Files, Sound), kind, size: "TM 3 96x48".
std::string Summary(const TClipRec& r) {
  std::string out;
  for (size_t i = 0; i < 6; ++i) out += r.Flags()[i] ? std::string(1, "TRBMFS"[i]) : "";
  return out + " " + std::to_string(r.Kind) + " " + std::to_string(r.PictWidth) + "x" +
         std::to_string(r.PictHeight);
}

TEST(ClassifySnapshot, FlagsKindSizeAndFormatNames) {
  SimFixture f;
  const uint32_t rtf1 = f.clipboard.RegisterFormat("Rich Text Format");
  const uint32_t rtf2 = f.clipboard.RegisterFormat("Rich Text Format Without Objects");
  const std::pair<Items, std::string> cases[] = {
      {{{rtf2, Ansi("{\\rtf1 b}")}, {rtf1, Ansi("{\\rtf1 a}")}}, "R 1 0x0"},
      {{{CF_DIB, Dib(Picture(9, 4))}}, "B 2 9x4"},  // through the synthesised bitmap
      {{{CF_TEXT, Ansi("a")}, {CF_HDROP, Bytes(24, 0)}}, "TF 5 0x0"},
      {{{CF_TEXT, Ansi("a")}, {CF_ENHMETAFILE, MakeTestEmf(96, 48, {})}}, "TM 3 96x48"},
      {{{CF_WAVE, Bytes{1, 2}}}, "S 4 0x0"},
      {{{CF_DSPTEXT, Ansi("x")}}, "T 1 0x0"},  // counts as text though it is not stored
  };
  for (const auto& [items, summary] : cases) {
    const TClipRec& r = f.CaptureNew(items);
    EXPECT_EQ(Summary(r), summary);
    EXPECT_EQ(r.RichFormat, r.HasRichText ? rtf2 : 0) << "the first rich text format wins";
  }
  // Classifying only sets flags; an index out of range does nothing.
  f.slots.emplace_back().HasSound = true;
  f.ctx.CurrentFormats = {CF_TEXT};
  ClassifySnapshot(f.slots, f.slots.size() - 1, f.attrs);
  ClassifySnapshot(f.slots, f.slots.size(), f.attrs);
  MakeClipRec(f.slots, f.slots.size(), f.attrs);
  EXPECT_EQ(Summary(f.slots.back()), "TS 0 0x0");
  // Registered names are cut to 59 characters; standard ones by number.
  std::string e59, rest;
  for (int i = 0; i < 70; ++i) (i < 59 ? e59 : rest) += "\xC3\xA9";
  EXPECT_EQ(FormatNameOf(0xC000, e59 + rest), e59) << "59 characters, none split";
  const std::pair<uint32_t, const char*> names[] = {
      {CF_HDROP, "CF_HDROP"},  {17, "CF_MAX (Win 95)"},  {511, "UNKNOWN_FORMAT"},
      {512, "PRIVATE_FORMAT"}, {767, "PRIVATE_FORMAT"},  {768, "GDIObj"},
      {1023, "GDIObj"},        {1024, "UNKNOWN_FORMAT"}, {142, "CF_DSPENHMETAFILE"},
  };
  for (const auto& [id, name] : names) EXPECT_EQ(GetFormatName(f.clipboard, id), name) << id;
  // On disk: every attribute from one read of the data file and one parse.
  f.ctx.maxsize = 0;
  f.clipboard.SetByOther({{CF_TEXT, Ansi("caption")}, {CF_DIB, Dib(Picture(9, 4))}});
  CapturedSnapshot captured = CaptureSnapshot(f.clipboard);
  TClipRec& rec = f.slots.emplace_back();
  rec.SetSnapshotData(std::move(captured.stream), std::move(captured.formats), f.ctx);
  ASSERT_TRUE(rec.OnDisk);
  IoCounts& counts = GlobalIoCounts();
  const uint64_t reads = counts.wholeFileReads, parses = counts.streamParses;
  MakeClipRec(f.slots, f.slots.size() - 1, f.attrs);
  EXPECT_EQ(counts.wholeFileReads - reads, 1u);
  EXPECT_EQ(counts.streamParses - parses, 1u);
  EXPECT_EQ(Summary(rec), "TB 3 9x4");
  EXPECT_EQ(rec.Preview, "caption");
  EXPECT_TRUE(rec.Thumbnail.has_value());
  EXPECT_EQ(rec.SizeText, FormatSizeText(rec.GetSnapshotData().size()));
}

// Fitted sizes are width- or height-bound, halves round up (7.5 is 8), at
// least one pixel.
TEST(Thumbnails, FitAndAverage) {
  const std::tuple<int, int, int, int, int, int, bool> fits[] = {
      {4, 2, 2, 1, 2, 1, true},        {75, 56, 75, 56, 75, 56, false},
      {10, 5, 75, 56, 10, 5, false},   {4000, 3000, 75, 56, 75, 56, true},
      {100, 10, 75, 56, 75, 8, true},  {10, 100, 75, 56, 6, 56, true},
      {1000, 1, 75, 56, 75, 1, true},  {1, 1000, 75, 56, 1, 56, true},
      {0, 100, 75, 56, 0, 100, false}, {100, 0, 75, 56, 100, 0, false},  // no area: left alone
  };
  for (auto [w, h, maxWidth, maxHeight, width, height, scaled] : fits) {
    FittedSize fit = FitPicture(w, h, maxWidth, maxHeight);
    EXPECT_EQ(std::tuple(fit.width, fit.height, fit.scaled), std::tuple(width, height, scaled))
        << w << " x " << h;
  }
  // Pixels average inclusive boxes whose rounded boundaries neighbours share.
  const std::tuple<Bitmap32, int, int, Bitmap32> boxes[] = {
      {{4, 2, {10, 20, 30, 40, 50, 60, 70, 82}}, 2, 1, {2, 1, {40, 56}}},      // columns 0-2, 2-3
      {{3, 3, {0, 0, 0, 0, 0, 0, 0, 0, 90}}, 2, 2, {2, 2, {10, 30, 30, 90}}},  // 0-2 and 2-2
      {{5, 1, {0, 10, 20, 30, 40}}, 2, 1, {2, 1, {15, 35}}},  // the boundary 2.5 becomes 3
      {{10, 1, {0, 10, 20, 30, 40, 50, 60, 70, 80, 90}}, 3, 1, {3, 1, {15, 50, 80}}},  // 3.3, 6.7
      {{2, 2, {0xFF102030, 0xFF102032, 0x80102030, 0x00102031}}, 1, 1, {1, 1, {0x102031}}},
      {{3, 2, {0xFF000001, 2, 3, 4, 5, 6}}, 3, 2, {3, 2, {0xFF000001, 2, 3, 4, 5, 6}}},  // fits
      {{100, 0, {}}, 75, 56, {100, 0, {}}},  // nothing to scale
  };
  for (const auto& [picture, maxWidth, maxHeight, thumbnail] : boxes)
    EXPECT_EQ(MakeThumbnail(picture, maxWidth, maxHeight), thumbnail) << picture.width;
}

TEST(MakePictureViews, BitmapsAndMetafiles) {
  SimFixture f;
  PreviewSettings settings;
  settings.pictureSize = 40;  // the picture view fits 160 x 120
  f.clipboard.SetBitmapByOther({100, 200, std::vector<uint32_t>(100 * 200, 0x123456)});
  TClipRec& bitmap = f.CaptureNew();
  MakePictureViews(bitmap, f.renderer, settings);
  EXPECT_EQ(bitmap.Thumbnail, (Bitmap32{28, 56, std::vector<uint32_t>(28 * 56, 0x123456)}));
  EXPECT_EQ(bitmap.PictureView, (Bitmap32{60, 120, std::vector<uint32_t>(60 * 120, 0x123456)}));
  for (int width : {60, 300}) {
    const Bytes emf = MakeTestEmf(width, width / 2, Bytes{9});
    TClipRec& rec = f.CaptureNew({{CF_ENHMETAFILE, emf}});
    MakePictureViews(rec, f.renderer, settings);
    EXPECT_EQ(rec.Thumbnail,
              width < 75 ? f.renderer.Render(emf) : f.renderer.RenderStretched(emf, 75, 38));
    EXPECT_EQ(rec.PictureView,
              width < 160 ? f.renderer.Render(emf) : f.renderer.RenderStretched(emf, 160, 80));
  }
  TClipRec& text = f.CopyText("text");
  MakePictureViews(text, f.renderer, settings);
  EXPECT_FALSE(text.Thumbnail || text.PictureView);
}

TEST(SlotsIdentical, SameContentByKind) {
  const uint32_t rtf = 0xC000;  // the first format a fresh clipboard registers
  auto text = [](const char* s) { return Items{{CF_TEXT, Ansi(s)}}; };
  auto rich = [](const std::string& s) { return Items{{rtf, Ansi("{\\rtf1 " + s + "\\par}")}}; };
  auto dib = [](uint32_t seed) { return Items{{CF_DIB, Dib(Picture(6, 6, seed))}}; };
  auto emf = [](uint8_t p) { return Items{{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{p})}}; };
  auto drop = [](const char* a, const char* b) { return Items{{CF_HDROP, DropList({a, b})}}; };
  const std::tuple<const char*, Items, Items, bool> cases[] = {
      {"text: the whole", text("same start A"), text("same start B"), false},
      {"text: equal", text("same"), text("same"), true},
      {"text: case matters", text("Text"), text("text"), false},
      {"binary: the flags alone", {{0xC101, Bytes{1}}}, {{0xC102, Bytes{2, 3}}}, true},
      {"pictures: other pixels", dib(1), dib(2), false},
      {"pictures: one without its bitmap", Items{{CF_DIB, Dib(Picture(20, 10))}, emf(1)[0]},
       Items{{CF_DSPBITMAP, Bytes{1}}, emf(1)[0]}, false},
      {"metafiles: rendered equal", emf(1), emf(1), true},
      {"metafiles: rendered different", emf(1), emf(2), false},
      {"files: sorted names", drop("C:\\b", "C:\\a"), drop("C:\\a", "C:\\b"), true},
      {"files: case matters", drop("C:\\a", "C:\\b"), drop("C:\\a", "C:\\B"), false},
      {"rich text: formatting alone differs", rich("\\b same"), rich("\\i same"), true},
      {"rich text: the text differs", rich("\\i same"), rich("\\i s\\'f6me"), false},
  };
  for (const auto& [name, a, b, identical] : cases) {
    SimFixture f;
    ASSERT_EQ(f.clipboard.RegisterFormat("Rich Text Format"), rtf);
    f.CaptureNew(a);
    f.CaptureNew(b);
    EXPECT_EQ(SlotsIdentical(f.slots, 0, 1, f.attrs), identical) << name;
  }
}

TEST(SlotsIdentical, PicturesComparePixelsNotBytes) {
  SimFixture f;
  f.clipboard.SetBitmapByOther(Picture(6, 6), 24);
  f.CaptureNew();
  f.clipboard.SetBitmapByOther(Picture(6, 6), 32);
  f.CaptureNew();
  EXPECT_NE(f.slots[0].GetSnapshotData(), f.slots[1].GetSnapshotData());
  EXPECT_TRUE(SlotsIdentical(f.slots, 0, 1, f.attrs));
  f.CaptureNew({{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{2})}});
  f.CaptureNew({{CF_ENHMETAFILE, MakeTestEmf(30, 10, Bytes{2})}});
  const int renders = f.renderer.renders;
  EXPECT_FALSE(SlotsIdentical(f.slots, 2, 3, f.attrs));
  EXPECT_EQ(f.renderer.renders, renders) << "metafiles of different sizes are not rendered";
  EXPECT_FALSE(SlotsIdentical(f.slots, 1, 4, f.attrs) || SlotsIdentical(f.slots, 4, 1, f.attrs));
  f.slots.resize(6);
  EXPECT_FALSE(SlotsIdentical(f.slots, 4, 5, f.attrs)) << "empty slots";
}

// `count` lines of "n/a n/a ... n/" (98 characters) and CR LF.
std::u16string Lines(int count) {
  std::u16string text;
  for (int i = 0; i < 100 * count; ++i) text += i % 100 < 98 ? u"n/a "[i % 4] : u"\r\n"[i % 2];
  return text;
}

// Above 10000 characters words are not counted and breaks count as characters.
TEST(AnalyzeText, PreviewAndCounts) {
  std::u16string five, cut;
  for (char16_t c = u'a'; c <= u'e'; ++c) five += std::u16string(80, c) + u"\r\n";
  for (char16_t c = u'a'; c <= u'c'; ++c) cut += std::u16string(50, c) + (c < u'c' ? u"\r\n" : u"");
  const std::u16string n50 = Lines(1).substr(0, 50), n3 = n50 + u"\r\n" + n50 + u"\r\n" + n50;
  const std::tuple<std::u16string, std::u16string, uint32_t, uint32_t, uint32_t> cases[] = {
      {u"  a  b\tc  ", u"a  b\tc", 1, 2, 10},  // a tab is no word break
      {five, cut, 5, 5, 400},                  // three lines cut to 50 characters
      {u"\r\n\r\n \t \r\n first  line \r\nsecond\r\n", u"first  line\r\nsecond", 5, 3, 22},
      {u"a\rb\nc\r\n\r\nd", u"a\r\nb\r\nc", 5, 4, 4},
      {u"😀 Привет", u"😀 Привет", 1, 2, 9},
      {Lines(100), n3, 100, 2500, 9800},  // 10000 characters
      {Lines(120), n3, 120, 0, 12000},
      {u"", u"", 0, 0, 0},
  };
  for (const auto& [text, preview, lines, words, chars] : cases) {
    TextStats s = AnalyzeText(text);
    EXPECT_EQ(std::tuple(s.preview, s.lineCount, s.wordCount, s.charCount, s.wordsCounted),
              std::tuple(preview, lines, words, chars, text.size() <= 10000))
        << Utf16ToUtf8(text.substr(0, 20));
  }
}

struct Previews : SimFixture, ::testing::Test {
  PreviewSettings& settings = attrs.previews;
  // What the viewer shows, derived as the viewer derives it.
  std::u16string Viewer(TClipRec& rec) {
    EnsureTextView(rec, settings);
    return RtfToPlainText(rec.TextView.value_or(""));
  }
};

// The preview in the ANSI code page, the count texts, the viewer cut at 3000
// characters; rich text shown as it is.
TEST_F(Previews, TextViewAndCounts) {
  auto counts = [](const TClipRec& r) {
    return r.LineCountText.str() + " " + r.WordCountText.str() + " " + r.CharCountText.str();
  };
  TClipRec& rec = CaptureNew({{CF_UNICODETEXT, Wide(u"café €  😀 Привет\r\nx")}});
  EXPECT_EQ(rec.Preview, "caf\xE9 \x80  ? ??????\r\nx");
  EXPECT_EQ(counts(rec), "2 5 18");
  EXPECT_EQ(Viewer(rec), u"café €  😀 Привет\r\nx");
  TClipRec& large = CaptureNew({{CF_UNICODETEXT, Wide(Lines(120))}});
  EXPECT_EQ(counts(large), "120 n/a 12k");
  EXPECT_EQ(Viewer(large), Lines(120).substr(0, 3000));
  // Empty text leaves the preview and the counts alone.
  TClipRec& empty = CaptureNew({{CF_UNICODETEXT, Wide(u"")}, {CF_TEXT, Ansi("")}});
  empty.Preview = "old";
  empty.LineCount = 7;
  MakeTextView(empty, settings);
  EXPECT_EQ(std::tuple(empty.Preview.str(), empty.LineCount), std::tuple("old", 7u));
  EXPECT_EQ(empty.TextView, "");
  const uint32_t rtfId = clipboard.RegisterFormat("Rich Text Format");
  std::string doc = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 plain \\b bold\\b0\\par second}";
  TClipRec& rich = CaptureNew({{rtfId, Ansi(doc)}, {CF_TEXT, Ansi("plain bold\r\nsecond")}});
  EXPECT_EQ(SnapshotToRichText(rich, settings), doc + '\0');
  EXPECT_EQ(rich.Preview, "plain bold\r\nsecond");
  EXPECT_EQ(rich.WordCount, 3u);
  EnsureTextView(rich, settings);
  EXPECT_EQ(rich.TextView, doc);
}

// A capture keeps no copy of the text beyond its stream: the viewer's
// document waits until the viewer shows the slot, and is cut then.
TEST_F(Previews, LongTextsKeepNoViewerTextUntilShown) {
  const uint32_t rtfId = clipboard.RegisterFormat("Rich Text Format");
  std::string rtf = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 ";
  for (int i = 0; i < 1000; ++i) rtf += "\\b word\\b0 line\\par ";
  rtf += "}";
  const std::vector<SimClipboard::Item> cases[] = {
      {{CF_UNICODETEXT, Wide(std::u16string(10000, u'w'))}},
      {{CF_TEXT, Ansi(Utf16ToUtf8(Lines(1000)))}},
      {{rtfId, Ansi(rtf)}, {CF_TEXT, Ansi("word line")}},
  };
  for (const auto& items : cases) {
    TClipRec& rec = CaptureNew(items);
    EXPECT_GT(rec.CharCount, 3000u);
    EXPECT_FALSE(rec.TextView) << rec.Preview.str();
    EXPECT_EQ(Viewer(rec).size(), 3000u) << rec.Preview.str();
    EXPECT_LT(rec.TextView->size(), 3000u * 4) << "cut to the viewer's characters";
  }
  // Once made, a view is kept (a new font or content resets it).
  TClipRec& shown = CaptureNew({{CF_TEXT, Ansi("shown")}});
  shown.TextView = "kept";
  EnsureTextView(shown, settings);
  EXPECT_EQ(shown.TextView, "kept");
  // Text beside a file list is what the viewer shows.
  TClipRec& both = CaptureNew({{CF_HDROP, DropList({"C:\\a.txt"})}, {CF_TEXT, Ansi("words")}});
  EXPECT_EQ(SnapshotToRichText(both, settings), PlainTextToRtf("words", settings.font));
}

// The viewer only, cut at 3000 units; a break or a character beyond 16 bits
// counts two, and the one straddling the limit is left out.
TEST_F(Previews, MakeRichViewCutsTheViewerOnly) {
  settings.font = TextFont{"Verdana", 10, 0x0000FF, false, true, false, false};
  std::string lines;
  for (int line = 0; line < 80; ++line) lines += std::string(70, 'k') + "\r\n";
  const std::pair<std::u16string, std::u16string> cases[] = {
      {std::u16string(4000, u'y'), std::u16string(3000, u'y')},
      {std::u16string(2999, u'a') + u"\r\nb", std::u16string(2999, u'a')},
      {std::u16string(2999, u'a') + u"😀z", std::u16string(2999, u'a')},
      {Utf8ToUtf16(lines), Utf8ToUtf16(lines).substr(0, 3000)},  // as the capture cuts them
  };
  for (const auto& [text, viewer] : cases) {
    TClipRec& rec = CaptureNew({{CF_UNICODETEXT, Wide(text)}});
    rec.LineCount = 42;
    rec.TextView.reset();
    MakeRichView(rec, settings);
    EXPECT_EQ(rec.TextView, PlainTextToRtf(Utf16ToUtf8(viewer), settings.font));
    EXPECT_EQ(SnapshotToRichText(rec, settings), PlainTextToRtf(Utf16ToUtf8(text), settings.font));
    EXPECT_EQ(rec.LineCount, 42u);
  }
}

// Folders and missing files end with a backslash.
TEST_F(Previews, FileLists) {
  std::filesystem::create_directory(root / "folder");
  std::ofstream(root / "folder" / "file.txt") << "x";
  std::string folder = (root / "folder").string();
  std::replace(folder.begin(), folder.end(), '/', '\\');  // as CF_HDROP holds it
  const std::string file = folder + "\\file.txt", gone = "C:\\gone\\vanished.txt";
  settings.pathfiles = false;
  TClipRec& rec = CaptureNew({{CF_HDROP, DropList({"C:\\", folder, file, gone})}});
  EXPECT_EQ(rec.Preview, "C:\\\r\nfolder\\\r\nfile.txt");
  EXPECT_EQ(Viewer(rec), u"C:\\\r\nfolder\\\r\nfile.txt\r\nvanished.txt\\");
  settings.pathfiles = true;
  GetFiles(rec, settings);
  EXPECT_EQ(rec.Preview.str(), "C:\\\r\n" + folder + "\\\r\n" + file);
  EXPECT_EQ(
      SnapshotToRichText(rec, settings),
      PlainTextToRtf("C:\\\r\n" + folder + "\\\r\n" + file + "\r\n" + gone + "\\", settings.font));
  std::vector<std::string> names;
  for (int i = 0; i < 100; ++i) names.push_back("C:\\d\\" + std::to_string(i) + ".txt\\");
  settings.pathfiles = false;
  EXPECT_EQ(AnalyzeText(Viewer(CaptureNew({{CF_HDROP, DropList(names)}}))).lineCount, 52u);
  // Names shown without their paths.
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\", "C:\\"}, {"C:\\d\\", "d\\"},    {"C:\\d\\f", "f"},
      {"C:ff", "ff"},   {"\\\\s\\d\\", "d\\"}, {"f", "f"},
      {"", ""},         {"\\", "\\"},          {"C:\\\xC3\xA9", "\xC3\xA9"},
  };
  for (auto [path, shown] : cases) EXPECT_EQ(DisplayFileName(path, false), shown) << path;
  EXPECT_EQ(DisplayFileName("C:\\d\\f", true), "C:\\d\\f");
}

TEST(DisplayNumbers, CountsAndSizes) {
  const std::pair<uint32_t, const char*> counts[] = {
      {0, "n/a"},        {1, "1"},           {9999, "9999"},        {10000, "10k"},
      {10499, "10k"},    {10500, "11k"},     {999499, "999k"},      {999500, "1m"},
      {1234567, "1.2m"}, {12345678, "12.3"}, {4294967295u, "4295"},
  };
  for (auto [count, text] : counts) EXPECT_EQ(FormatCountText(count), text) << count;
  // Exact halves round up: 10.125 kB with two decimals, 100.5 kB with one,
  // 1000.5 kB with none.
  const std::pair<uint32_t, const char*> sizes[] = {
      {0, "0 B"},           {1023, "1023 B"},     {1024, "1 kB"},
      {1536, "1.5 kB"},     {12800, "12.5 kB"},   {130000, "127 kB"},
      {1048575, "1024 kB"}, {1048576, "1 MB"},    {4294967295u, "4096 MB"},
      {10368, "10.13 kB"},  {102912, "100.5 kB"}, {1024512, "1001 kB"},
  };
  for (auto [size, text] : sizes) EXPECT_EQ(FormatSizeText(size), text) << size;
  SetDecimalSeparator(',');
  EXPECT_EQ(FormatSizeText(1536), "1,5 kB");
  SetDecimalSeparator('.');
}

}  // namespace
}  // namespace qv
