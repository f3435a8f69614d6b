#include <gtest/gtest.h>

#include "snapshot/format_names.h"
#include "snapshot/clip_fixture.h"
#include "codecs/bmp.h"
#include "util/io_counts.h"

namespace qv {
namespace {

using test::Ansi;
using test::ClipFixture;
using test::Wide;

Bitmap32 Picture(int w, int h, uint32_t seed) {
  Bitmap32 b{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  for (size_t i = 0; i < b.pixels.size(); ++i)
    b.pixels[i] = static_cast<uint32_t>((i + seed) * 0x010101) & 0xFFFFFF;
  return b;
}

TEST(ClassifySnapshot, FirstRichTextFormatWins) {
  ClipFixture f;
  uint32_t rtf1 = f.clipboard.RegisterFormat("Rich Text Format");
  uint32_t rtf2 = f.clipboard.RegisterFormat("Rich Text Format Without Objects");
  f.clipboard.SetByOther({{rtf2, Ansi("{\\rtf1 b}")}, {rtf1, Ansi("{\\rtf1 a}")}});
  TClipRec& r = f.CaptureNew();
  EXPECT_TRUE(r.HasRichText);
  EXPECT_EQ(r.RichFormat, rtf2);
  EXPECT_FALSE(r.HasText);
  EXPECT_EQ(r.Kind, kKindText);
}

TEST(ClassifySnapshot, DibAloneIsAPictureThroughTheSynthesisedBitmap) {
  ClipFixture f;
  Bytes dib = EncodeBmp(Picture(9, 4, 0));
  dib.erase(dib.begin(), dib.begin() + 14);
  f.clipboard.SetByOther({{CF_DIB, dib}});
  TClipRec& r = f.CaptureNew();
  EXPECT_TRUE(r.HasBitmap);
  EXPECT_EQ(r.Kind, kKindPicture);
  EXPECT_EQ(r.PictWidth, 9);
  EXPECT_EQ(r.PictHeight, 4);
}

TEST(ClassifySnapshot, KindsFromFlags) {
  ClipFixture f;
  f.clipboard.SetByOther({{CF_TEXT, Ansi("a")}, {CF_HDROP, Bytes(24, 0)}});
  EXPECT_EQ(f.CaptureNew().Kind, kKindFiles) << "files override text";

  f.clipboard.SetByOther({{CF_TEXT, Ansi("a")}, {CF_ENHMETAFILE, MakeTestEmf(96, 48, {})}});
  TClipRec& both = f.CaptureNew();
  EXPECT_EQ(both.Kind, kKindTextAndPicture);
  EXPECT_TRUE(both.HasMetafile);
  EXPECT_EQ(both.PictWidth, 96);
  EXPECT_EQ(both.PictHeight, 48);

  f.clipboard.SetByOther({{CF_WAVE, Bytes{1, 2}}});
  TClipRec& sound = f.CaptureNew();
  EXPECT_TRUE(sound.HasSound);
  EXPECT_EQ(sound.Kind, kKindOther);

  f.clipboard.SetByOther({{CF_DSPTEXT, Ansi("x")}});
  EXPECT_TRUE(f.CaptureNew().HasText) << "display text counts as text though it is not stored";
}

TEST(ClassifySnapshot, ClassificationOnlySetsFlags) {
  ClipFixture f;
  f.slots.emplace_back();
  f.slots[0].HasSound = true;
  f.ctx.CurrentFormats = {CF_TEXT};
  ClassifySnapshot(f.slots, 0, f.attrs);
  EXPECT_TRUE(f.slots[0].HasSound);
  EXPECT_TRUE(f.slots[0].HasText);
  ClassifySnapshot(f.slots, 5, f.attrs);  // out of range: nothing
}

TEST(MakeClipRec, SetsSizeAndSizeText) {
  ClipFixture f;
  TClipRec& r = f.CopyText(std::string(1500, 'x'));
  EXPECT_EQ(r.Size, r.GetSnapshotData().size());
  EXPECT_EQ(r.Size, 6052u);  // four text records
  EXPECT_EQ(r.SizeText, "5.91 kB");
  MakeClipRec(f.slots, 99, f.attrs);  // past the end: nothing happens
}

// Every attribute of a slot kept on disk comes from one read of its data file
// and one parse of its stream.
TEST(MakeClipRec, ReadsAndParsesAnOnDiskStreamOnce) {
  ClipFixture f;
  f.ctx.maxsize = 0;
  Bytes dib = EncodeBmp(Picture(9, 4, 0));
  dib.erase(dib.begin(), dib.begin() + 14);
  f.clipboard.SetByOther({{CF_TEXT, Ansi("caption")}, {CF_DIB, dib}});
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

TEST(FormatNames, RegisteredNamesAreCutTo59Characters) {
  ClipFixture f;
  std::string longName(70, 'N');
  uint32_t id = f.clipboard.RegisterFormat(longName);
  EXPECT_EQ(GetFormatName(f.clipboard, id), std::string(59, 'N'));
  EXPECT_EQ(GetFormatName(f.clipboard, CF_HDROP), "CF_HDROP");
  EXPECT_EQ(GetFormatName(f.clipboard, 17), "CF_MAX (Win 95)");
  EXPECT_EQ(GetFormatName(f.clipboard, 600), "PRIVATE_FORMAT");
  EXPECT_EQ(GetFormatName(f.clipboard, 1000), "GDIObj");
  EXPECT_EQ(GetFormatName(f.clipboard, 0xBEEF), "UNKNOWN_FORMAT");
}

TEST(SlotsIdentical, TextComparesTheWholeText) {
  ClipFixture f;
  f.CopyText("same start, different end A");
  f.CopyText("same start, different end B");
  f.CopyText("same start, different end B");
  EXPECT_FALSE(SlotsIdentical(f.slots, 0, 1, f.attrs));
  EXPECT_TRUE(SlotsIdentical(f.slots, 1, 2, f.attrs));
  EXPECT_FALSE(SlotsIdentical(f.slots, 1, 7, f.attrs)) << "index out of range";
}

TEST(SlotsIdentical, CaseMattersAndEmptySlotsNeverMatch) {
  ClipFixture f;
  f.CopyText("Text");
  f.CopyText("text");
  EXPECT_FALSE(SlotsIdentical(f.slots, 0, 1, f.attrs));
  f.slots.emplace_back();
  f.slots.emplace_back();
  EXPECT_FALSE(SlotsIdentical(f.slots, 2, 3, f.attrs));
}

TEST(SlotsIdentical, BinarySlotsCompareByFlagsAlone) {
  ClipFixture f;
  f.clipboard.SetByOther({{0xC001, Bytes{1}}});
  f.CaptureNew();
  f.clipboard.SetByOther({{0xC002, Bytes{2, 3}}});
  f.CaptureNew();
  EXPECT_TRUE(SlotsIdentical(f.slots, 0, 1, f.attrs));
}

TEST(SlotsIdentical, PicturesCompareTheirPixels) {
  ClipFixture f;
  f.clipboard.SetBitmapByOther(Picture(6, 6, 1), 24);
  f.CaptureNew();
  f.clipboard.SetBitmapByOther(Picture(6, 6, 1), 32);  // other bytes, same pixels
  f.CaptureNew();
  f.clipboard.SetBitmapByOther(Picture(6, 6, 2), 24);
  f.CaptureNew();
  EXPECT_TRUE(SlotsIdentical(f.slots, 0, 1, f.attrs));
  EXPECT_FALSE(SlotsIdentical(f.slots, 1, 2, f.attrs));
}

TEST(SlotsIdentical, MetafilesCompareRenderedAndSizeFirst) {
  ClipFixture f;
  f.clipboard.SetByOther({{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{1})}});
  f.CaptureNew();
  f.clipboard.SetByOther({{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{1})}});
  f.CaptureNew();
  f.clipboard.SetByOther({{CF_ENHMETAFILE, MakeTestEmf(20, 10, Bytes{2})}});
  f.CaptureNew();
  f.clipboard.SetByOther({{CF_ENHMETAFILE, MakeTestEmf(30, 10, Bytes{2})}});
  f.CaptureNew();
  EXPECT_TRUE(SlotsIdentical(f.slots, 0, 1, f.attrs));
  EXPECT_FALSE(SlotsIdentical(f.slots, 1, 2, f.attrs));
  int renders = f.renderer.renders;
  EXPECT_FALSE(SlotsIdentical(f.slots, 2, 3, f.attrs));
  EXPECT_EQ(f.renderer.renders, renders) << "different sizes are refused before rendering";
}

TEST(SlotsIdentical, FileListsCompareSortedNames) {
  ClipFixture f;
  auto drop = [](std::initializer_list<const char*> names) {
    Bytes b;
    PutU32(b, 20);
    for (int i = 0; i < 4; ++i) PutU32(b, 0);
    for (const char* n : names) PutBytes(b, Ansi(n));
    b.push_back(0);
    return b;
  };
  f.clipboard.SetByOther({{CF_HDROP, drop({"C:\\b", "C:\\a"})}});
  f.CaptureNew();
  f.clipboard.SetByOther({{CF_HDROP, drop({"C:\\a", "C:\\b"})}});
  f.CaptureNew();
  f.clipboard.SetByOther({{CF_HDROP, drop({"C:\\a", "C:\\B"})}});
  f.CaptureNew();
  EXPECT_TRUE(SlotsIdentical(f.slots, 0, 1, f.attrs));
  EXPECT_FALSE(SlotsIdentical(f.slots, 1, 2, f.attrs));
}

TEST(SlotsIdentical, RichTextComparesTheTextItShows) {
  ClipFixture f;
  uint32_t rtf = f.clipboard.RegisterFormat("Rich Text Format");
  for (const char* doc : {"{\\rtf1 \\b same words\\par}", "{\\rtf1 \\i same words\\par}",
                          "{\\rtf1 \\i same w\\'f6rds\\par}"}) {
    f.clipboard.SetByOther({{rtf, Ansi(doc)}});
    f.CaptureNew();
  }
  EXPECT_TRUE(SlotsIdentical(f.slots, 0, 1, f.attrs)) << "formatting alone differs";
  EXPECT_FALSE(SlotsIdentical(f.slots, 1, 2, f.attrs));
}

}  // namespace
}  // namespace qv
