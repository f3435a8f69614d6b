// The slot data stream, capture and restore, and slot records. What every
// clipboard must do is in platform/clipboard_contract.h.
#include "snapshot/slot_stream.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "sim_fixture.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

using namespace test;

TEST(SlotStream, HeaderThenIdSizeBytesPerRecordThenPictures) {
  EXPECT_EQ(CheckValue(0, true, false), 2009u);
  EXPECT_EQ(CheckValue(2, true, true), 2064u);
  Bytes empty;
  SlotStreamWriter(empty).Finish(false, false);
  EXPECT_EQ(empty, (Bytes{0xC1, 0x07, 0, 0, 0, 0, 0, 0x40, 0, 0, 0, 0}));  // 1985, 2.0
  const Bytes one = Stream({{13, Bytes{'a', 0, 0, 0}}});
  EXPECT_EQ(one, (Bytes{0xD2, 0x07, 0, 0, 0, 0, 0, 0x40, 1,   0, 0, 0,
                        13,   0,    0, 0, 4, 0, 0, 0,    'a', 0, 0, 0}));
  EXPECT_TRUE(ValidateSlotData(one));
  EXPECT_TRUE(ValidateSlotData(Stream({}, {}, Bytes{1, 2, 3}))) << "15 bytes: long enough";
  const Bytes bmp = EncodeBmp(Picture(5, 3)), emf(100, 0x11);
  const Bytes s = Stream({{1, Bytes{'x', 0}}, {0xC001, Bytes(300, 7)}}, bmp, emf);
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(ValidateSlotData(s) && view && view->complete && view->records.size() == 2);
  EXPECT_EQ(view->records[1].id, 0xC001u);
  EXPECT_EQ(view->bitmap.size(), bmp.size()) << "the BMP ends where its headers say";
  EXPECT_EQ(view->metafile.size(), emf.size()) << "the EMF runs to the end";
}

TEST(SlotStream, MalformedStreamsAreRefused) {
  const Bytes good = Stream({{1, Bytes{'h', 'i', 0}}}), bmp = EncodeBmp(Picture(8, 8));
  auto header = [&](auto edit, bool fixCheck = true) { return WithHeader(good, edit, fixCheck); };
  const Bytes three = header([](SlotHeader& h) { h.recordCount = 3; });
  const std::pair<const char*, Bytes> cases[] = {
      {"empty", {}},
      {"11 bytes", Bytes(good.begin(), good.begin() + 11)},
      {"14 bytes", Bytes(good.begin(), good.begin() + 14)},
      {"version 2.5", header([](SlotHeader& h) { h.versionBits = 0x40200000; })},
      {"check value", header([](SlotHeader& h) { h.checkValue = 2003; }, false)},
      {"three records announced, one there", three},
      {"the largest count", header([](SlotHeader& h) { h.recordCount = 0xFFFF; })},
      {"a 4 GB record in 20 bytes", Patched(Stream({{1, Bytes{}}}), 16, 0xFFFFFFF0)},
      {"a record one byte longer than the data", Patched(Stream({{1, Bytes{'a', 0}}}), 16, 3)},
      {"bitmap cut short", Stream({}, ByteView(bmp).first(bmp.size() - 1))},
      {"bitmap of absurd size",
       Stream({}, Patched(Patched(Patched(bmp, 18, ~0u >> 1), 22, ~0u >> 1), 34, 0))},
      {"bitmap without its signature", Stream({}, Patched(bmp, 0, 0))},
      {"metafile flag without a metafile", header([](SlotHeader& h) { h.hasMetafile = 1; })},
  };
  for (const auto& [name, stream] : cases) EXPECT_FALSE(ValidateSlotData(stream)) << name;
  // What parses stops cleanly where the data runs out, never past the end.
  EXPECT_EQ(ParseSlotStream(three)->records.size(), 1u);
  for (size_t n = 0; n <= three.size(); ++n) {
    auto partial = ParseSlotStream(ByteView(three).first(n));
    EXPECT_EQ(partial.has_value(), n >= kSlotHeaderSize);
    EXPECT_FALSE(partial && partial->complete);
  }
}

// Text: the first text record, in the ANSI code page.
TEST(SlotStream, Readers) {
  const Bytes wideFirst = Stream({{CF_UNICODETEXT, Wide(u"wide é")}, {CF_TEXT, Ansi("ansi")}});
  const Bytes others =
      Stream({{0xC001, Bytes{'{', '\\', 'r', 't', 'f', 0, 'x'}}, {CF_OEMTEXT, Ansi("oem")}});
  const std::tuple<Bytes, uint32_t, std::string> texts[] = {
      {wideFirst, CF_TEXT, "wide \xE9"},
      {wideFirst, CF_UNICODETEXT, "wide \xE9"},
      {Stream({{CF_TEXT, Ansi("ansi")}, {CF_UNICODETEXT, Wide(u"w")}}), CF_UNICODETEXT, "ansi"},
      {others, 0xC001, "{\\rtf"},
      {others, CF_OEMTEXT, "oem"},
      {others, CF_TEXT, ""},
      {{}, CF_TEXT, ""},
      {Stream({{CF_TEXT, Bytes{'a', 'b'}}}), CF_TEXT, "ab"},
      {Stream({{CF_UNICODETEXT, Bytes{'a', 0, 'b'}}}), CF_TEXT, "a"},
  };
  for (const auto& [stream, id, text] : texts) EXPECT_EQ(ReadFormatText(stream, id), text);
  // Lossless: wide text wherever it is, else the ANSI text converted.
  Bytes s = Stream({{CF_TEXT, Ansi("lossy ?")}, {CF_UNICODETEXT, Wide(u"Привет 😀")}});
  EXPECT_EQ(ReadFormatTextUtf8(s, CF_TEXT), "Привет 😀");
  EXPECT_EQ(ReadFormatTextUtf8(Stream({{CF_TEXT, Ansi("caf\xE9")}}), CF_TEXT), "café");
  // File names up to the double NUL; none from a damaged header.
  auto drop = [](Bytes names) {
    Bytes header = DropHeader(false);
    PutBytes(header, names);
    return Stream({{CF_HDROP, header}});
  };
  using Names = std::vector<std::string>;
  const std::pair<Bytes, Names> lists[] = {
      {Stream({{CF_HDROP, DropList({"C:\\\xE9", "D"}, false)}}), {"C:\\é", "D"}},
      {drop({'a', 0, 'b', 0, 0, 'j', 'u', 'n', 'k', 0, 0}), {"a", "b"}},
      {drop({'a', 0, 'b', 'c'}), {"a", "bc"}},
      {Stream({{CF_HDROP, Bytes{1, 2, 3}}}), {}},
      {Stream({{CF_HDROP, Patched(DropList({"a"}, false), 0, 0xFFFFFFFF)}}), {}},
      {Stream({{CF_TEXT, Ansi("x")}}), {}},
      {{}, {}},
  };
  for (const auto& [stream, names] : lists) EXPECT_EQ(ReadFileList(stream), names);
}

// Randomly damaged streams that validate are read whole and restored as they
// are; under AddressSanitizer an overread or a huge allocation fails the run.
TEST(SlotStream, DamagedStreamsAreReadWholeOrRefused) {
  SimFixture f;
  const Bytes good = f.Capture({{CF_UNICODETEXT, Wide(u"héllo\r\nworld")},
                                {CF_HDROP, DropList({"C:\\a.txt"})},
                                {CF_DIB, Dib(Picture(5, 4))},
                                {CF_ENHMETAFILE, MakeTestEmf(10, 10, Bytes{1, 2, 3})}});
  std::mt19937 random(20261206);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = good;
    for (int e = 1 + static_cast<int>(random() % 8); e > 0; --e) {
      const size_t at = random() % damaged.size(), kind = random() % 4, value = random();
      if (kind == 0) damaged[at] = static_cast<uint8_t>(value);
      if (kind == 1) damaged[at] ^= static_cast<uint8_t>(1u << (value % 8));
      if (kind == 2 && at + 4 <= damaged.size()) StoreU32(&damaged[at], ~0u - value % 256);
      if (kind == 3) damaged.resize(std::max<size_t>(1, at));
    }
    SCOPED_TRACE(round);
    // Every reader of stream bytes, for the sanitizers.
    ReadFormatText(damaged, CF_TEXT);
    ReadFormatTextUtf8(damaged, CF_UNICODETEXT, 100);
    ReadFileList(damaged);
    auto pictures = ReadSnapshotPictures(damaged);
    if (pictures.bitmap) DecodeBmp(*pictures.bitmap);
    if (pictures.metafile) ParseEmfHeader(*pictures.metafile);
    if (ValidateSlotData(damaged)) {
      ++accepted;
      auto view = ParseSlotStream(damaged);
      ASSERT_TRUE(view && view->complete);
      ASSERT_EQ(view->records.size(), view->header.recordCount);
      ASSERT_EQ(view->bitmap.empty(), view->header.hasBitmap == 0);
      ASSERT_EQ(view->metafile.empty(), view->header.hasMetafile == 0);
      SimClipboard restored;
      ASSERT_TRUE(RestoreToClipboard(restored, damaged));
      std::map<uint32_t, ByteView> last;  // a later record replaces an earlier one
      for (const FormatRecord& r : view->records) last[r.id] = r.data;
      for (const auto& [id, data] : last)
        ASSERT_EQ(restored.Data(id), Bytes(data.begin(), data.end()));
    }
  }
  EXPECT_GT(accepted, 50) << "the damage leaves some streams valid";
}

// Not stored: display text, empty or unrendered blocks, a palette alone.
TEST(CaptureClipboard, StoresOnlyFormatsWithData) {
  SimClipboard cb;
  cb.unrenderable.insert(0xC201);
  cb.SetByOther({{CF_DSPTEXT, Ansi("shown")},
                 {0xC123, Bytes{9}},
                 {0xC200, Bytes{}},
                 {0xC201, Bytes{5}},
                 {CF_PALETTE, Bytes{1}},
                 {CF_TEXT, Ansi("a")}});
  const Bytes s = CaptureClipboard(cb);
  const auto view = ParseSlotStream(s);
  std::vector<uint32_t> stored;
  for (const auto& r : view->records) stored.push_back(r.id);
  EXPECT_EQ(stored,
            (std::vector<uint32_t>{0xC123, CF_TEXT, CF_LOCALE, CF_UNICODETEXT, CF_OEMTEXT}));
  EXPECT_TRUE(ValidateSlotData(s));
}

// An empty or busy clipboard; what a restore, a new picture or text write.
TEST(ClipboardIo, EmptyBusyRestored) {
  SimClipboard cb;
  EXPECT_TRUE(CaptureClipboard(cb).empty());
  EXPECT_FALSE(ClipboardHasData(cb));
  cb.SetByOther({{CF_TEXT, Ansi("keep")}});
  EXPECT_TRUE(ClipboardHasData(cb));
  const Bytes s = CaptureClipboard(cb);
  EXPECT_FALSE(RestoreToClipboard(cb, {}));
  cb.refuseOpens = 2;
  EXPECT_TRUE(CaptureClipboard(cb).empty());
  EXPECT_FALSE(ClipboardHasData(cb));
  cb.refuseAllOpens = true;
  EXPECT_FALSE(RestoreToClipboard(cb, s));
  cb.refuseAllOpens = false;
  EXPECT_FALSE(cb.IsOpen());
  EXPECT_EQ(cb.Data(CF_TEXT), Ansi("keep"));
  cb.SetByOther({{0xC001, Bytes{1, 2}}, {0xC002, Bytes(100, 3)}});
  Bytes cut = CaptureClipboard(cb);
  cut.resize(cut.size() - 10);
  ASSERT_TRUE(RestoreToClipboard(cb, cut));
  EXPECT_EQ(cb.Formats(), (std::vector<uint32_t>{0xC001})) << "only the records that are whole";
  // A new picture replaces the old one, and with it any Embed Source.
  const uint32_t embed = cb.RegisterFormat("Embed Source");
  cb.SetByOther({{CF_TEXT, Ansi("a")}, {embed, Bytes{1}}});
  const Bitmap32 pic = Picture(3, 2);
  ASSERT_TRUE(WriteSnapshotWithBitmap(cb, CaptureClipboard(cb),
                                      {PictureObject::Type::Bitmap, EncodeBmp(pic)}));
  EXPECT_EQ(cb.Formats(), (std::vector<uint32_t>{CF_TEXT, CF_LOCALE, CF_UNICODETEXT, CF_OEMTEXT,
                                                 CF_BITMAP, CF_DIB, CF_DIBV5}));
  EXPECT_EQ(cb.Bitmap(), pic);
  PutTextOnClipboard(cb, u"a€b😀");
  EXPECT_EQ(cb.Data(CF_TEXT), (Bytes{'a', 0x80, 'b', '?', 0}));
}

TEST(TClipRec, LargeStreamsGoToDataFilesInTheWorkFolder) {
  SimFixture f;
  f.ctx.maxsize = 100 * 1024;
  EXPECT_TRUE(f.CopyText(std::string(1000, 's')).Data);
  TClipRec& big = f.CopyText(std::string(60 * 1024, 'b'));  // four records: over 100 kB
  ASSERT_TRUE(big.OnDisk && !big.Data);
  EXPECT_EQ(big.FileName.parent_path(), f.root.path());
  EXPECT_EQ(big.FileName.extension(), ".dat");
  EXPECT_EQ(ReadWholeFile(big.FileName)->size(), big.Size);
  TClipRec own;
  ASSERT_TRUE(DuplicateSnapshot(own, big, f.ctx));
  EXPECT_NE(own.FileName, big.FileName);
  EXPECT_EQ(own.GetSnapshotData(), big.GetSnapshotData());
  EXPECT_EQ(own.SizeText, big.SizeText);
  big.FreeSnapshotData(false);  // moving a record: its file stays
  EXPECT_EQ(big.GetSnapshotData().size(), big.Size);
  big.FreeSnapshotData(true);
  EXPECT_TRUE(big.GetSnapshotData().empty()) << "a vanished data file reads as empty";
  EXPECT_TRUE(FileExists(own.FileName));
  EXPECT_FALSE(DuplicateSnapshot(own, big, f.ctx) || own.OnDisk) << "nothing to copy: in memory";
  big.ClearSnapshot();
  EXPECT_FALSE(big.Kind || big.OnDisk || big.HasText || big.Size);
  f.ctx.write2disk = false;
  EXPECT_FALSE(f.CopyText(std::string(60 * 1024, 'c')).OnDisk);
  f.ctx.write2disk = true;
  f.ctx.workFolder = f.root.path() / "missing" / "deeper";
  TClipRec& kept = f.CopyText(std::string(60 * 1024, 'k'));
  EXPECT_FALSE(kept.OnDisk) << "an unwritable work folder keeps the stream in memory";
  EXPECT_EQ(kept.GetSnapshotData().size(), kept.Size);
}

}  // namespace
}  // namespace qv
