// Random damage to real streams: every reader must stop cleanly. Run under
// AddressSanitizer, an overread or an oversized allocation fails the test run.
#include <gtest/gtest.h>

#include <random>

#include "snapshot/clipboard_io.h"
#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "store/slot_attributes.h"
#include "snapshot/slot_stream.h"
#include "snapshot/clip_rec.h"
#include "test_support.h"

namespace qv {
namespace {

Bytes SampleStream() {
  SimClipboard cb;
  Bytes drop;
  PutU32(drop, 20);
  for (int i = 0; i < 3; ++i) PutU32(drop, 0);
  PutU32(drop, 1);
  PutBytes(drop, test::Wide(u"C:\\a.txt"));
  PutU16(drop, 0);
  Bitmap32 pic{5, 4, std::vector<uint32_t>(20, 0x123456)};
  Bytes dib = EncodeBmp(pic, 24);
  dib.erase(dib.begin(), dib.begin() + 14);
  cb.SetByOther({{CF_UNICODETEXT, test::Wide(u"héllo\r\nworld")},
                 {CF_HDROP, drop},
                 {CF_DIB, dib},
                 {CF_ENHMETAFILE, MakeTestEmf(10, 10, Bytes{1, 2, 3})}});
  return CaptureClipboard(cb);
}

void ReadEverything(ByteView stream) {
  ValidateSlotData(stream);
  auto view = ParseSlotStream(stream);
  ReadFormatText(stream, CF_TEXT);
  ReadFormatTextUtf8(stream, CF_UNICODETEXT, 100);
  ReadFileList(stream);
  auto pictures = ReadSnapshotPictures(stream);
  if (pictures.bitmap) DecodeBmp(*pictures.bitmap);
  if (pictures.metafile) ParseEmfHeader(*pictures.metafile);
  DecodeBmp(stream);
  TClipRec rec;
  ReadSlotAttributes(stream, rec);
}

TEST(DamagedStreams, EveryReaderStopsCleanly) {
  const Bytes good = SampleStream();
  ASSERT_TRUE(ValidateSlotData(good));
  std::mt19937 random(20261206);
  for (int round = 0; round < 3000; ++round) {
    Bytes damaged = good;
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int e = 0; e < edits; ++e) {
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
      if (damaged.empty()) break;
    }
    ReadEverything(damaged);
  }
  ReadEverything({});
}

}  // namespace
}  // namespace qv
