#include <gtest/gtest.h>

#include "snapshot/clipboard_io.h"
#include "codecs/bmp.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "snapshot/slot_stream.h"
#include "test_support.h"

namespace qv {
namespace {

using test::Ansi;
using test::Wide;

std::vector<uint32_t> RecordIds(ByteView stream) {
  std::vector<uint32_t> ids;
  auto view = ParseSlotStream(stream);
  if (view) {
    for (const auto& r : view->records) ids.push_back(r.id);
  }
  return ids;
}

Bitmap32 Picture(int w, int h) {
  Bitmap32 b{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  for (size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = static_cast<uint32_t>(i * 0x030507);
  return b;
}

TEST(CaptureClipboard, TextFamilyBecomesFourRecordsInEnumerationOrder) {
  SimClipboard cb;
  cb.SetByOther({{CF_UNICODETEXT, Wide(u"Grüße")}});
  Bytes s = CaptureClipboard(cb);
  EXPECT_EQ(RecordIds(s), (std::vector<uint32_t>{CF_UNICODETEXT, CF_LOCALE, CF_TEXT, CF_OEMTEXT}));
  EXPECT_EQ(s[10], 0);
  EXPECT_EQ(s[11], 0);
  EXPECT_TRUE(ValidateSlotData(s));
}

TEST(CaptureClipboard, RestoreReproducesEveryFormatByteForByte) {
  SimClipboard cb;
  uint32_t privateId = cb.RegisterFormat("Private Binary");
  Bytes binary(300);
  for (size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<uint8_t>(i);
  cb.SetByOther({{privateId, binary}, {CF_UNICODETEXT, Wide(u"x")}, {CF_HDROP, Bytes(40, 1)}});
  std::vector<uint32_t> before = cb.Formats();
  std::vector<std::pair<uint32_t, Bytes>> bytesBefore;
  for (uint32_t id : before)
    if (auto d = cb.Data(id)) bytesBefore.emplace_back(id, *d);

  Bytes s = CaptureClipboard(cb);
  EmptyTheClipboard(cb);
  EXPECT_TRUE(cb.Formats().empty());
  ASSERT_TRUE(RestoreToClipboard(cb, s));

  std::vector<std::pair<uint32_t, Bytes>> bytesAfter;
  for (uint32_t id : cb.Formats())
    if (auto d = cb.Data(id)) bytesAfter.emplace_back(id, *d);
  EXPECT_EQ(bytesAfter, bytesBefore);
  EXPECT_EQ(CaptureClipboard(cb), s) << "a second capture gives the same stream";
}

TEST(CaptureClipboard, PictureIsStoredOnceAsOneBmpImage) {
  SimClipboard cb;
  Bitmap32 pic = Picture(7, 5);
  Bytes dib = EncodeBmp(pic, 24);
  dib.erase(dib.begin(), dib.begin() + 14);
  cb.SetByOther({{CF_DIB, dib}});
  Bytes s = CaptureClipboard(cb);
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(view && view->complete);
  EXPECT_TRUE(view->records.empty()) << "no CF_DIB, CF_BITMAP or CF_PALETTE records";
  EXPECT_EQ(view->header.hasBitmap, 1);
  EXPECT_EQ(view->header.checkValue, 2009u);
  EXPECT_EQ(DecodeBmp(view->bitmap), pic);

  EmptyTheClipboard(cb);
  ASSERT_TRUE(RestoreToClipboard(cb, s));
  EXPECT_EQ(cb.Bitmap(), pic);
  EXPECT_EQ(CaptureClipboard(cb), s);
}

TEST(CaptureClipboard, MetafileIsStoredAfterTheBitmap) {
  SimClipboard cb;
  Bytes emf = MakeTestEmf(10, 10, Bytes{1, 2, 3});
  cb.SetByOther({{CF_TEXT, Ansi("t")}, {CF_ENHMETAFILE, emf}});
  Bytes s = CaptureClipboard(cb);
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(view && view->complete);
  EXPECT_EQ(view->header.hasMetafile, 1);
  EXPECT_EQ(Bytes(view->metafile.begin(), view->metafile.end()), emf);
  EmptyTheClipboard(cb);
  RestoreToClipboard(cb, s);
  EXPECT_EQ(cb.Metafile(), emf);
}

TEST(CaptureClipboard, DisplayTextIsNeverStored) {
  SimClipboard cb;
  cb.SetByOther({{CF_DSPTEXT, Ansi("shown")}, {0xC123, Bytes{9}}});
  EXPECT_EQ(RecordIds(CaptureClipboard(cb)), (std::vector<uint32_t>{0xC123}));
}

TEST(CaptureClipboard, FormatsWithoutDataDropOut) {
  SimClipboard cb;
  cb.SetByOther({{CF_TEXT, Ansi("a")}, {0xC200, Bytes{}}, {0xC201, Bytes{5}}});
  cb.unrenderable.insert(0xC201);
  EXPECT_EQ(RecordIds(CaptureClipboard(cb)),
            (std::vector<uint32_t>{CF_TEXT, CF_LOCALE, CF_UNICODETEXT, CF_OEMTEXT}));
}

TEST(CaptureClipboard, UnbuildablePictureLeavesNoImageAndNoFlag) {
  SimClipboard cb;
  cb.SetByOther({{CF_TEXT, Ansi("a")}, {CF_PALETTE, Bytes{1}}});  // a palette alone
  Bytes s = CaptureClipboard(cb);
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(view && view->complete);
  EXPECT_EQ(view->header.hasBitmap, 0);
  EXPECT_EQ(view->header.checkValue, CheckValue(view->header.recordCount, false, false));
  EXPECT_TRUE(ValidateSlotData(s));
}

TEST(CaptureClipboard, BusyOrEmptyClipboardGivesAnEmptyStream) {
  SimClipboard cb;
  EXPECT_TRUE(CaptureClipboard(cb).empty());
  cb.SetByOther({{CF_TEXT, Ansi("a")}});
  cb.refuseOpens = 1;
  EXPECT_TRUE(CaptureClipboard(cb).empty());
  EXPECT_FALSE(cb.IsOpen());
  EXPECT_FALSE(CaptureClipboard(cb).empty());
  EXPECT_FALSE(cb.IsOpen()) << "the clipboard is always closed again";
}

TEST(RestoreToClipboard, EmptyStreamOrBusyClipboardWritesNothing) {
  SimClipboard cb;
  cb.SetByOther({{CF_TEXT, Ansi("keep")}});
  EXPECT_FALSE(RestoreToClipboard(cb, {}));
  Bytes s = CaptureClipboard(cb);
  cb.refuseAllOpens = true;
  EXPECT_FALSE(RestoreToClipboard(cb, s));
  cb.refuseAllOpens = false;
  EXPECT_EQ(cb.Data(CF_TEXT), Ansi("keep"));
}

TEST(RestoreToClipboard, TruncatedStreamPutsBackTheRecordsThatAreWhole) {
  SimClipboard cb;
  cb.SetByOther({{0xC001, Bytes{1, 2}}, {0xC002, Bytes(100, 3)}});
  Bytes s = CaptureClipboard(cb);
  s.resize(s.size() - 10);
  ASSERT_TRUE(RestoreToClipboard(cb, s));
  EXPECT_EQ(cb.Formats(), (std::vector<uint32_t>{0xC001}));
}

TEST(PutTextOnClipboard, WritesAnsiAndWideTextWithOwner) {
  SimClipboard cb;
  PutTextOnClipboard(cb, u"a€b😀");
  EXPECT_TRUE(cb.LastOpenHadOwner());
  EXPECT_EQ(cb.Data(CF_TEXT), (Bytes{'a', 0x80, 'b', '?', 0}));
  EXPECT_EQ(cb.Data(CF_UNICODETEXT), Wide(u"a€b😀"));
  EXPECT_EQ(cb.Data(CF_UNICODETEXT)->size(), 2u * 5 + 2);
}

TEST(WriteSnapshotWithBitmap, KeepsRecordsExceptEmbedSourceAndUsesTheNewPicture) {
  SimClipboard cb;
  uint32_t embed = cb.RegisterFormat("Embed Source");
  cb.SetByOther({{CF_TEXT, Ansi("a")}, {embed, Bytes{1}}});
  Bytes s = CaptureClipboard(cb);
  Bitmap32 pic = Picture(3, 2);
  ASSERT_TRUE(WriteSnapshotWithBitmap(cb, s, {PictureObject::Type::Bitmap, EncodeBmp(pic)}));
  auto formats = cb.Formats();
  EXPECT_EQ(std::count(formats.begin(), formats.end(), embed), 0);
  EXPECT_EQ(cb.Data(CF_TEXT), Ansi("a"));
  EXPECT_EQ(cb.Bitmap(), pic);
}

TEST(ClipboardHasData, FollowsTheClipboard) {
  SimClipboard cb;
  EXPECT_FALSE(ClipboardHasData(cb));
  cb.SetByOther({{CF_TEXT, Ansi("a")}});
  EXPECT_TRUE(ClipboardHasData(cb));
  cb.refuseOpens = 1;
  EXPECT_FALSE(ClipboardHasData(cb)) << "a clipboard that cannot be opened counts as empty";
  EmptyTheClipboard(cb);
  EXPECT_FALSE(ClipboardHasData(cb));
}

}  // namespace
}  // namespace qv
