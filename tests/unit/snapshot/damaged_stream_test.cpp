// Random damage to a real stream. Whatever the damage, a stream validation
// accepts is read whole, and one it refuses changes nothing. Under
// AddressSanitizer an overread or an oversized allocation also fails the run.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "sim_fixture.h"
#include "snapshot/slot_stream.h"
#include "store/slot_attributes.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

using test::Wide;

// Every reader of stream bytes, for the sanitizers; the results are checked below.
void ReadEverything(ByteView stream) {
  ReadFormatText(stream, CF_TEXT);
  ReadFormatTextUtf8(stream, CF_UNICODETEXT, 100);
  ReadFileList(stream);
  auto pictures = ReadSnapshotPictures(stream);
  if (pictures.bitmap) DecodeBmp(*pictures.bitmap);
  if (pictures.metafile) ParseEmfHeader(*pictures.metafile);
  DecodeBmp(stream);
}

TEST(DamagedStreams, AcceptedAreReadWholeRefusedChangeNothing) {
  test::ModelFixture f;
  const Bytes good = f.Capture({{CF_UNICODETEXT, Wide(u"héllo\r\nworld")},
                                {CF_HDROP, test::DropList({"C:\\a.txt"})},
                                {CF_DIB, test::Dib(test::Picture(5, 4))},
                                {CF_ENHMETAFILE, MakeTestEmf(10, 10, Bytes{1, 2, 3})}});
  ASSERT_TRUE(ValidateSlotData(good));
  f.Copy("before");
  const test::Texts texts = f.Texts();
  const auto file = f.root / "damaged.slot";
  std::mt19937 random(20261206);
  int accepted = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = good;
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits && !damaged.empty(); ++e) {
      const size_t at = random() % damaged.size();
      switch (random() % 4) {
        case 0:
          damaged[at] = static_cast<uint8_t>(random());
          break;
        case 1:
          damaged[at] ^= static_cast<uint8_t>(1u << (random() % 8));
          break;
        case 2:  // a length or count field becomes huge
          if (at + 4 <= damaged.size()) StoreU32(&damaged[at], 0xFFFFFF00u | random() % 256);
          break;
        case 3:
          damaged.resize(std::max<size_t>(1, at));
          break;
      }
    }
    SCOPED_TRACE(round);
    ReadEverything(damaged);
    TClipRec rec;
    const Bytes attributes = WriteSlotAttributes(rec);
    if (!ReadSlotAttributes(damaged, rec)) {
      ASSERT_EQ(WriteSlotAttributes(rec), attributes) << "a refused file changes nothing";
    }

    if (ValidateSlotData(damaged)) {
      ++accepted;
      auto view = ParseSlotStream(damaged);
      ASSERT_TRUE(view && view->complete);
      ASSERT_EQ(view->records.size(), view->header.recordCount);
      ASSERT_EQ(view->bitmap.empty(), view->header.hasBitmap == 0);
      ASSERT_EQ(view->metafile.empty(), view->header.hasMetafile == 0);
      SimClipboard restored;
      ASSERT_TRUE(RestoreToClipboard(restored, damaged));
      // Each format as its last record holds it (a later record replaces an earlier one).
      std::map<uint32_t, ByteView> last;
      for (const FormatRecord& r : view->records) last[r.id] = r.data;
      for (const auto& [id, data] : last)
        ASSERT_EQ(restored.Data(id), Bytes(data.begin(), data.end())) << "format " << id;
    } else if (round % 10 == 0) {
      const uint32_t sequence = f.clipboard.SequenceNumber();
      ASSERT_TRUE(WriteWholeFile(file, damaged));
      ASSERT_TRUE(f.core->commands.LoadSlotFile(file)) << "refused with a message";
      ASSERT_EQ(f.clipboard.SequenceNumber(), sequence);
      ASSERT_EQ(f.Texts(), texts);
    }
  }
  EXPECT_GT(accepted, 50) << "the damage leaves some streams valid";
  ReadEverything({});
}

}  // namespace
}  // namespace qv
