#include <gtest/gtest.h>

#include "sim_fixture.h"
#include "snapshot/format_names.h"
#include "util/io_counts.h"

namespace qv {
namespace {

using test::Ansi;
using Items = std::vector<SimClipboard::Item>;

// The flags set, one letter each: Text, Rich text, Bitmap, Metafile, Files, Sound.
std::string Flags(const TClipRec& r) {
  std::string out;
  for (auto [set, letter] : {std::pair{r.HasText, 'T'},
                             {r.HasRichText, 'R'},
                             {r.HasBitmap, 'B'},
                             {r.HasMetafile, 'M'},
                             {r.HasFiles, 'F'},
                             {r.HasSound, 'S'}})
    if (set) out += letter;
  return out;
}

TEST(ClassifySnapshot, FlagsKindAndPictureSize) {
  test::SimFixture f;
  const uint32_t rtf1 = f.clipboard.RegisterFormat("Rich Text Format");
  const uint32_t rtf2 = f.clipboard.RegisterFormat("Rich Text Format Without Objects");
  struct Case {
    const char* name;
    Items items;
    std::string flags;
    uint8_t kind;
    int width = 0, height = 0;
    uint32_t richFormat = 0;
  } cases[] = {
      {"the first rich text format wins",
       {{rtf2, Ansi("{\\rtf1 b}")}, {rtf1, Ansi("{\\rtf1 a}")}},
       "R",
       kKindText,
       0,
       0,
       rtf2},
      {"a DIB alone is a picture through the synthesised bitmap",
       {{CF_DIB, test::Dib(test::Picture(9, 4))}},
       "B",
       kKindPicture,
       9,
       4},
      {"files override text", {{CF_TEXT, Ansi("a")}, {CF_HDROP, Bytes(24, 0)}}, "TF", kKindFiles},
      {"text and metafile",
       {{CF_TEXT, Ansi("a")}, {CF_ENHMETAFILE, MakeTestEmf(96, 48, {})}},
       "TM",
       kKindTextAndPicture,
       96,
       48},
      {"sound", {{CF_WAVE, Bytes{1, 2}}}, "S", kKindOther},
      {"display text counts as text though it is not stored",
       {{CF_DSPTEXT, Ansi("x")}},
       "T",
       kKindText},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TClipRec& r = f.CaptureNew(c.items);
    EXPECT_EQ(Flags(r), c.flags);
    EXPECT_EQ(r.Kind, c.kind);
    EXPECT_EQ(r.PictWidth, c.width);
    EXPECT_EQ(r.PictHeight, c.height);
    EXPECT_EQ(r.RichFormat, c.richFormat);
  }
}

TEST(ClassifySnapshot, ClassificationOnlySetsFlags) {
  test::SimFixture f;
  f.slots.emplace_back();
  f.slots[0].HasSound = true;
  f.ctx.CurrentFormats = {CF_TEXT};
  ClassifySnapshot(f.slots, 0, f.attrs);
  EXPECT_EQ(Flags(f.slots[0]), "TS");
  ClassifySnapshot(f.slots, 5, f.attrs);  // out of range: nothing
}

TEST(MakeClipRec, SetsSizeAndSizeText) {
  test::SimFixture f;
  TClipRec& r = f.CopyText(std::string(1500, 'x'));
  EXPECT_EQ(r.Size, r.GetSnapshotData().size());
  EXPECT_EQ(r.Size, 6052u);  // four text records
  EXPECT_EQ(r.SizeText, "5.91 kB");
  MakeClipRec(f.slots, 99, f.attrs);  // past the end: nothing happens
}

// Every attribute of a slot kept on disk comes from one read of its data file
// and one parse of its stream.
TEST(MakeClipRec, ReadsAndParsesAnOnDiskStreamOnce) {
  test::SimFixture f;
  f.ctx.maxsize = 0;
  f.clipboard.SetByOther({{CF_TEXT, Ansi("caption")}, {CF_DIB, test::Dib(test::Picture(9, 4))}});
  CapturedSnapshot captured = CaptureSnapshot(f.clipboard);
  f.slots.emplace_back();
  f.slots[0].SetSnapshotData(std::move(captured.stream), std::move(captured.formats), f.ctx);
  ASSERT_TRUE(f.slots[0].OnDisk);
  IoCounts& counts = GlobalIoCounts();
  const uint64_t reads = counts.wholeFileReads, parses = counts.streamParses;
  MakeClipRec(f.slots, 0, f.attrs);
  EXPECT_EQ(counts.wholeFileReads - reads, 1u);
  EXPECT_EQ(counts.streamParses - parses, 1u);
  EXPECT_EQ(f.slots[0].Kind, kKindTextAndPicture);
  EXPECT_TRUE(f.slots[0].Thumbnail.has_value());
  EXPECT_EQ(f.slots[0].Preview, "caption");
}

TEST(FormatNames, RegisteredNameOrTheStandardName) {
  test::SimFixture f;
  const uint32_t registered = f.clipboard.RegisterFormat(std::string(70, 'N'));
  const std::pair<uint32_t, std::string> cases[] = {
      {registered, std::string(59, 'N')},
      {CF_HDROP, "CF_HDROP"},
      {17, "CF_MAX (Win 95)"},
      {511, "UNKNOWN_FORMAT"},
      {512, "PRIVATE_FORMAT"},
      {767, "PRIVATE_FORMAT"},
      {768, "GDIObj"},
      {1023, "GDIObj"},
      {1024, "UNKNOWN_FORMAT"},
      {0xBEEF, "UNKNOWN_FORMAT"},
  };
  for (const auto& [id, name] : cases) EXPECT_EQ(GetFormatName(f.clipboard, id), name) << id;
}

TEST(SlotsIdentical, SameContentByKind) {
  const uint32_t rtf = 0xC000;  // the first format a fresh clipboard registers
  struct Case {
    const char* name;
    Items a, b;
    bool identical;
  } cases[] = {
      {"text: the whole text",
       {{CF_TEXT, Ansi("same start, different end A")}},
       {{CF_TEXT, Ansi("same start, different end B")}},
       false},
      {"text: equal", {{CF_TEXT, Ansi("same")}}, {{CF_TEXT, Ansi("same")}}, true},
      {"text: case matters", {{CF_TEXT, Ansi("Text")}}, {{CF_TEXT, Ansi("text")}}, false},
      {"binary: the flags alone", {{0xC101, Bytes{1}}}, {{0xC102, Bytes{2, 3}}}, true},
      {"pictures: other pixels",
       {{CF_DIB, test::Dib(test::Picture(6, 6, 1))}},
       {{CF_DIB, test::Dib(test::Picture(6, 6, 2))}},
       false},
      {"metafiles: rendered equal",
       {{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{1})}},
       {{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{1})}},
       true},
      {"metafiles: rendered different",
       {{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{1})}},
       {{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{2})}},
       false},
      {"files: sorted names",
       {{CF_HDROP, test::DropList({"C:\\b", "C:\\a"}, false)}},
       {{CF_HDROP, test::DropList({"C:\\a", "C:\\b"}, false)}},
       true},
      {"files: case matters",
       {{CF_HDROP, test::DropList({"C:\\a", "C:\\b"}, false)}},
       {{CF_HDROP, test::DropList({"C:\\a", "C:\\B"}, false)}},
       false},
      {"rich text: formatting alone differs",
       {{rtf, Ansi("{\\rtf1 \\b same words\\par}")}},
       {{rtf, Ansi("{\\rtf1 \\i same words\\par}")}},
       true},
      {"rich text: the text differs",
       {{rtf, Ansi("{\\rtf1 \\i same words\\par}")}},
       {{rtf, Ansi("{\\rtf1 \\i same w\\'f6rds\\par}")}},
       false},
  };
  for (const Case& c : cases) {
    test::SimFixture f;
    ASSERT_EQ(f.clipboard.RegisterFormat("Rich Text Format"), rtf);
    f.CaptureNew(c.a);
    f.CaptureNew(c.b);
    EXPECT_EQ(SlotsIdentical(f.slots, 0, 1, f.attrs), c.identical) << c.name;
  }
}

TEST(SlotsIdentical, EdgeCasesNeverMatch) {
  test::SimFixture f;
  f.CopyText("x");
  f.CopyText("x");
  EXPECT_FALSE(SlotsIdentical(f.slots, 1, 7, f.attrs)) << "index out of range";
  f.slots.emplace_back();
  f.slots.emplace_back();
  EXPECT_FALSE(SlotsIdentical(f.slots, 2, 3, f.attrs)) << "empty slots";
}

TEST(SlotsIdentical, PicturesComparePixelsNotBytes) {
  test::SimFixture f;
  f.clipboard.SetBitmapByOther(test::Picture(6, 6), 24);
  f.CaptureNew();
  f.clipboard.SetBitmapByOther(test::Picture(6, 6), 32);
  f.CaptureNew();
  EXPECT_NE(f.slots[0].GetSnapshotData(), f.slots[1].GetSnapshotData());
  EXPECT_TRUE(SlotsIdentical(f.slots, 0, 1, f.attrs));
}

TEST(SlotsIdentical, MetafilesOfDifferentSizesAreNotRendered) {
  test::SimFixture f;
  f.CaptureNew({{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{2})}});
  f.CaptureNew({{CF_ENHMETAFILE, MakeTestEmf(30, 10, Bytes{2})}});
  const int renders = f.renderer.renders;
  EXPECT_FALSE(SlotsIdentical(f.slots, 0, 1, f.attrs));
  EXPECT_EQ(f.renderer.renders, renders);
}

}  // namespace
}  // namespace qv
