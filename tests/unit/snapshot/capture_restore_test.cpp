// Capture and restore over the in-memory clipboard: the faults and choices of
// the core. What every clipboard must do is in platform/clipboard_contract.h.
#include <gtest/gtest.h>

#include "codecs/bmp.h"
#include "platform/sim/sim_clipboard.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/slot_stream.h"
#include "test_support.h"

namespace qv {
namespace {

using test::Ansi;
using test::Wide;

std::vector<uint32_t> RecordIds(ByteView stream) {
  std::vector<uint32_t> ids;
  if (auto view = ParseSlotStream(stream))
    for (const auto& r : view->records) ids.push_back(r.id);
  return ids;
}

TEST(CaptureClipboard, StoresOnlyFormatsWithData) {
  const std::vector<uint32_t> text = {CF_TEXT, CF_LOCALE, CF_UNICODETEXT, CF_OEMTEXT};
  struct Case {
    const char* name;
    std::vector<SimClipboard::Item> items;
    std::vector<uint32_t> ids;
  } cases[] = {
      {"display text", {{CF_DSPTEXT, Ansi("shown")}, {0xC123, Bytes{9}}}, {0xC123}},
      {"empty block", {{CF_TEXT, Ansi("a")}, {0xC200, Bytes{}}}, text},
      {"owner renders nothing", {{CF_TEXT, Ansi("a")}, {0xC201, Bytes{5}}}, text},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SimClipboard cb;
    cb.unrenderable.insert(0xC201);
    cb.SetByOther(c.items);
    EXPECT_EQ(RecordIds(CaptureClipboard(cb)), c.ids);
  }
}

TEST(CaptureClipboard, UnbuildablePictureLeavesNoImageAndNoFlag) {
  SimClipboard cb;
  cb.SetByOther({{CF_TEXT, Ansi("a")}, {CF_PALETTE, Bytes{1}}});  // a palette alone
  Bytes s = CaptureClipboard(cb);
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(view && view->complete);
  EXPECT_EQ(view->header.hasBitmap, 0);
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

TEST(PutTextOnClipboard, WritesAnsiAndWideText) {
  SimClipboard cb;
  PutTextOnClipboard(cb, u"a€b😀");
  EXPECT_EQ(cb.Data(CF_TEXT), (Bytes{'a', 0x80, 'b', '?', 0}));
  EXPECT_EQ(cb.Data(CF_UNICODETEXT), Wide(u"a€b😀"));
}

TEST(WriteSnapshotWithBitmap, KeepsRecordsExceptEmbedSourceAndUsesTheNewPicture) {
  SimClipboard cb;
  uint32_t embed = cb.RegisterFormat("Embed Source");
  cb.SetByOther({{CF_TEXT, Ansi("a")}, {embed, Bytes{1}}});
  Bytes s = CaptureClipboard(cb);
  Bitmap32 pic = test::Picture(3, 2);
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
