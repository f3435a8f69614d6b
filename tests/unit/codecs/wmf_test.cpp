#include "codecs/wmf.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_metafile.h"
#include "util/le_io.h"

namespace qv {
namespace {

// The EMF bytes carried by the comment records, reassembled.
Bytes EmbeddedEmf(const Bytes& wmf, uint32_t* chunkCount = nullptr) {
  Bytes emf;
  size_t at = 22 + 18;
  while (at + 6 <= wmf.size()) {
    uint32_t words = LoadU32(&wmf[at]);
    uint16_t function = LoadU16(&wmf[at + 4]);
    if (function == 0 || words < 3) break;
    if (function == 0x0626 && LoadU16(&wmf[at + 6]) == 15 &&
        LoadU32(&wmf[at + 10]) == kEmbeddedEmfIdent) {
      if (chunkCount) *chunkCount = LoadU32(&wmf[at + 28]);
      uint32_t size = LoadU32(&wmf[at + 32]);
      emf.insert(emf.end(), wmf.begin() + static_cast<ptrdiff_t>(at + 44),
                 wmf.begin() + static_cast<ptrdiff_t>(at + 44 + size));
    }
    at += 2 * static_cast<size_t>(words);
  }
  return emf;
}

TEST(PlaceableWmfFromEmf, HeaderChecksumSizesAndTheEmbeddedMetafile) {
  for (size_t payload : {size_t{4}, kEmfChunkBytes, 3 * kEmfChunkBytes + 100}) {
    Bytes emf = MakeTestEmf(200, 100, Bytes(payload, 0x5A));
    auto wmf = PlaceableWmfFromEmf(emf);
    ASSERT_TRUE(wmf);
    EXPECT_EQ(LoadU32(wmf->data()), kPlaceableKey);
    uint16_t xorSum = 0;
    for (size_t i = 0; i < 20; i += 2) xorSum ^= LoadU16(&wmf->data()[i]);
    EXPECT_EQ(LoadU16(&(*wmf)[20]), xorSum) << "placeable header checksum";
    // 200 x 100 pixels at 96 dpi in twips.
    EXPECT_EQ(LoadU16(&(*wmf)[10]), 3000);
    EXPECT_EQ(LoadU16(&(*wmf)[12]), 1500);
    EXPECT_EQ(LoadU16(&(*wmf)[14]), 1440);
    EXPECT_EQ(LoadU32(&(*wmf)[22 + 6]) * 2, wmf->size() - 22) << "size in words";
    uint16_t sum = 0;
    for (size_t i = 22; i < wmf->size(); i += 2)
      sum = static_cast<uint16_t>(sum + LoadU16(&(*wmf)[i]));
    EXPECT_EQ(sum, 0) << "the words of the metafile sum to zero";
    uint32_t chunks = 0;
    EXPECT_EQ(EmbeddedEmf(*wmf, &chunks), emf);
    EXPECT_EQ(chunks, (emf.size() + kEmfChunkBytes - 1) / kEmfChunkBytes);
    EXPECT_EQ(LoadU16(&(*wmf)[wmf->size() - 2]), 0) << "ends with the end-of-file record";
  }
}

TEST(PlaceableWmfFromEmf, LargePicturesScaleTheUnitsToFit16Bits) {
  auto wmf = PlaceableWmfFromEmf(MakeTestEmf(4000, 50, Bytes{1, 2, 3, 4}));
  ASSERT_TRUE(wmf);
  const uint16_t wide = LoadU16(&(*wmf)[10]), inch = LoadU16(&(*wmf)[14]);
  EXPECT_LE(wide, 32767);
  EXPECT_LT(inch, 1440);
  EXPECT_NEAR(static_cast<double>(wide) / inch, 4000 / 96.0, 0.05) << "the size in inches is kept";
}

TEST(PlaceableWmfFromEmf, RefusesWhatIsNotAnEnhancedMetafile) {
  Bytes emf = MakeTestEmf(10, 10, Bytes{1, 2, 3, 4});
  Bytes notEmf = emf;
  notEmf[0] = 2;  // not EMR_HEADER
  EXPECT_FALSE(PlaceableWmfFromEmf(notEmf));
  EXPECT_FALSE(PlaceableWmfFromEmf(Bytes(emf.begin(), emf.begin() + 20)));
  EXPECT_FALSE(PlaceableWmfFromEmf({}));
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

TEST(PlaceableWmf, TheSystemsRecordsBehindThePlaceableHeader) {
  const Bytes emf = MakeTestEmf(200, 100, Bytes(4, 0x5A));
  Bytes records(18 + 6, 0);
  records[0] = 1;  // a memory metafile
  records[2] = 9;  // with its 9-word header
  records[5] = 3;  // version 3
  auto wmf = PlaceableWmf(emf, records);
  ASSERT_TRUE(wmf);
  const Bytes embedded = *PlaceableWmfFromEmf(emf);
  EXPECT_EQ(Bytes(wmf->begin(), wmf->begin() + 22), Bytes(embedded.begin(), embedded.begin() + 22))
      << "the same placeable header";
  EXPECT_EQ(Bytes(wmf->begin() + 22, wmf->end()), records);
  records[2] = 8;  // not a metafile header
  EXPECT_FALSE(PlaceableWmf(emf, records));
  EXPECT_FALSE(PlaceableWmf(emf, Bytes(10, 0))) << "shorter than a header";
  EXPECT_FALSE(PlaceableWmf(Bytes(40, 0), Bytes(24, 0))) << "not an enhanced metafile";
}

}  // namespace
}  // namespace qv
