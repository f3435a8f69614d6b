#include "store/slot_attributes.h"

#include <gtest/gtest.h>

#include "snapshot/clip_rec.h"
#include "util/le_io.h"

namespace qv {
namespace {

TClipRec Sample() {
  TClipRec r;
  r.Kind = kKindTextAndPicture;
  r.HasText = true;
  r.HasBitmap = true;
  r.HasSound = true;
  r.Preview = "first line\r\nsecond";
  r.LineCount = 0x01020304;
  r.WordCount = 7;
  r.CharCount = 12345;
  r.LineCountText = "16m";
  r.WordCountText = "7";
  r.CharCountText = "12k";
  r.RichFormat = 0xC0DE;
  r.Size = 0xAABBCCDD;
  r.SizeText = "2.84 GB";
  r.PictWidth = 640;
  r.PictHeight = 0xFFFF;
  return r;
}

TEST(SlotAttributes, FieldsSitAtTheirOffsets) {
  Bytes b = WriteSlotAttributes(Sample());
  ASSERT_EQ(b.size(), 258u);
  EXPECT_EQ(b[0], kKindTextAndPicture);
  EXPECT_EQ((Bytes{b[1], b[2], b[3], b[4], b[5], b[6]}), (Bytes{1, 0, 1, 0, 0, 1}));
  EXPECT_EQ(b[7], 18);  // preview length byte
  EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 8 + 18), "first line\r\nsecond");
  EXPECT_EQ(b[8 + 18], 0) << "unused capacity is written as zero";
  EXPECT_EQ(LoadU32(&b[208]), 0x01020304u);
  EXPECT_EQ(LoadU32(&b[212]), 7u);
  EXPECT_EQ(LoadU32(&b[216]), 12345u);
  EXPECT_EQ(b[220], 3);
  EXPECT_EQ(std::string(b.begin() + 221, b.begin() + 224), "16m");
  EXPECT_EQ(b[225], 1);
  EXPECT_EQ(b[230], 3);
  EXPECT_EQ(LoadU32(&b[235]), 0xC0DEu);
  EXPECT_EQ(LoadU32(&b[239]), 0xAABBCCDDu);
  EXPECT_EQ(b[243], 7);
  EXPECT_EQ(std::string(b.begin() + 244, b.begin() + 251), "2.84 GB");
  EXPECT_EQ(LoadU16(&b[254]), 640);
  EXPECT_EQ(LoadU16(&b[256]), 0xFFFF);
}

TEST(SlotAttributes, RoundTripReadsOnlyTheCountedCharacters) {
  Bytes b = WriteSlotAttributes(Sample());
  b[8 + 18] = 'Z';  // garbage after the preview's counted characters
  TClipRec out;
  ASSERT_TRUE(ReadSlotAttributes(b, out));
  EXPECT_EQ(out.Preview, "first line\r\nsecond");
  EXPECT_EQ(WriteSlotAttributes(out), WriteSlotAttributes(Sample()));
}

TEST(SlotAttributes, RefusesMalformedFilesAndLeavesTheRecord) {
  const Bytes good = WriteSlotAttributes(Sample());
  auto patched = [&](size_t at, uint8_t value) {
    Bytes b = good;
    b[at] = value;
    return b;
  };
  const std::pair<const char*, Bytes> cases[] = {
      {"truncated", Bytes(good.begin(), good.end() - 1)},
      {"empty", {}},
      {"preview length above its capacity", patched(7, 201)},
      {"count text length above its capacity", patched(220, 5)},
      {"kind 6", patched(0, 6)},
      {"a flag of 2", patched(3, 2)},
  };
  TClipRec before;
  before.Kind = kKindOther;
  const Bytes untouched = WriteSlotAttributes(before);
  for (const auto& [name, bytes] : cases) {
    TClipRec out;
    out.Kind = kKindOther;
    EXPECT_FALSE(ReadSlotAttributes(bytes, out)) << name;
    EXPECT_EQ(WriteSlotAttributes(out), untouched) << name << ": the record is left as it was";
  }
}

TEST(SlotAttributes, ShortStringsAreCutToCapacity) {
  TClipRec r;
  r.Preview = std::string(300, 'p');
  r.SizeText = "12345678901234";
  EXPECT_EQ(r.Preview.size(), 200u);
  EXPECT_EQ(r.SizeText.str(), "1234567890");
  Bytes b = WriteSlotAttributes(r);
  EXPECT_EQ(b[7], 200);
  EXPECT_EQ(b[243], 10);
}

}  // namespace
}  // namespace qv
