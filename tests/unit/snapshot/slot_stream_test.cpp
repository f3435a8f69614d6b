#include "snapshot/slot_stream.h"

#include <gtest/gtest.h>

#include "codecs/bmp.h"
#include "util/le_io.h"

namespace qv {
namespace {

Bytes Stream(uint16_t n, bool b, bool m, const std::vector<std::pair<uint32_t, Bytes>>& records,
             ByteView tail = {}) {
  Bytes out;
  SlotStreamWriter writer(out);
  for (const auto& [id, data] : records) writer.AddRecord(id, data);
  writer.Finish(b, m);
  PutBytes(out, tail);
  // Let tests lie about the count.
  StoreU16(&out[8], n);
  StoreU32(&out[0], CheckValue(n, b, m));
  return out;
}

Bitmap32 Picture(int w, int h) {
  Bitmap32 b{w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h)};
  for (size_t i = 0; i < b.pixels.size(); ++i) b.pixels[i] = static_cast<uint32_t>(i * 0x010203);
  return b;
}

TEST(CheckValue, WorkedValues) {
  EXPECT_EQ(CheckValue(3, false, false), 2036u);
  EXPECT_EQ(CheckValue(0, true, false), 2009u);
  EXPECT_EQ(CheckValue(2, true, true), 2064u);
  EXPECT_EQ(CheckValue(0, false, false), 1985u);
}

TEST(SlotStreamWriter, EmptyStreamIsTwelveBytesWithCheckValue1985) {
  Bytes out;
  SlotStreamWriter writer(out);
  writer.Finish(false, false);
  ASSERT_EQ(out.size(), 12u);
  EXPECT_EQ(LoadU32(&out[0]), 1985u);
  EXPECT_EQ(LoadU32(&out[4]), 0x40000000u);  // 2.0 as an IEEE single
  EXPECT_FALSE(ValidateSlotData(out)) << "shorter than 15 bytes";
}

TEST(SlotStreamWriter, RecordLayoutIsIdSizeBytes) {
  Bytes out;
  SlotStreamWriter writer(out);
  writer.AddRecord(13, Bytes{'a', 0, 0, 0});
  writer.Finish(false, false);
  const Bytes expected = {0xF5, 0x07, 0, 0, 0, 0, 0, 0x40, 1,   0, 0, 0,
                          13,   0,    0, 0, 4, 0, 0, 0,    'a', 0, 0, 0};
  // 2000 + 17 - 8 - 7 = 2002 = 0x7D2
  Bytes fixed = expected;
  StoreU32(&fixed[0], 2002);
  EXPECT_EQ(out, fixed);
  EXPECT_TRUE(ValidateSlotData(out));
}

TEST(ValidateSlotData, AcceptsWhatTheWriterProduces) {
  Bytes bmp = EncodeBmp(Picture(5, 3));
  Bytes emf(100, 0x11);
  Bytes tail = bmp;
  tail.insert(tail.end(), emf.begin(), emf.end());
  Bytes s = Stream(2, true, true, {{1, Bytes{'x', 0}}, {0xC001, Bytes(300, 7)}}, tail);
  EXPECT_TRUE(ValidateSlotData(s));
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(view && view->complete);
  ASSERT_EQ(view->records.size(), 2u);
  EXPECT_EQ(view->records[1].id, 0xC001u);
  EXPECT_EQ(view->bitmap.size(), bmp.size()) << "the BMP ends where its headers say";
  EXPECT_EQ(view->metafile.size(), emf.size()) << "the EMF runs to the end";
}

TEST(ValidateSlotData, RefusesMalformedHeaders) {
  Bytes good = Stream(1, false, false, {{1, Bytes{'h', 'i', 0}}});
  ASSERT_TRUE(ValidateSlotData(good));

  Bytes version = good;
  StoreU32(&version[4], 0x40200000);  // 2.5
  EXPECT_FALSE(ValidateSlotData(version)) << "version 2.5 with a fitting check value";

  Bytes check = good;
  StoreU32(&check[0], 2003);
  EXPECT_FALSE(ValidateSlotData(check));

  EXPECT_FALSE(ValidateSlotData(ByteView(good).first(11)));
  EXPECT_FALSE(ValidateSlotData(ByteView(good).first(14)));
  EXPECT_FALSE(ValidateSlotData({}));
}

TEST(ValidateSlotData, RefusesRecordsThatDoNotFit) {
  // N says 3 records, only one is there.
  EXPECT_FALSE(ValidateSlotData(Stream(3, false, false, {{1, Bytes{'a', 0}}})));
  // A 20-byte file claiming a 4 GB record.
  Bytes lying = Stream(1, false, false, {{1, Bytes{}}});
  StoreU32(&lying[16], 0xFFFFFFF0);
  ASSERT_EQ(lying.size(), 20u);
  EXPECT_FALSE(ValidateSlotData(lying));
  // A record length one byte too long.
  Bytes over = Stream(1, false, false, {{1, Bytes{'a', 'b', 'c', 0}}});
  StoreU32(&over[16], 5);
  EXPECT_FALSE(ValidateSlotData(over));
  // The maximum record count with nothing behind it.
  EXPECT_FALSE(ValidateSlotData(Stream(0xFFFF, false, false, {{1, Bytes{'a', 0}}})));
}

TEST(ValidateSlotData, RefusesBrokenPictures) {
  Bytes bmp = EncodeBmp(Picture(8, 8));
  Bytes truncated(bmp.begin(), bmp.end() - 1);
  EXPECT_FALSE(ValidateSlotData(Stream(0, true, false, {}, truncated)));

  Bytes absurd = bmp;
  StoreU32(&absurd[18], 0x7FFFFFFF);  // width
  StoreU32(&absurd[22], 0x7FFFFFFF);  // height
  StoreU32(&absurd[34], 0);           // image size: implied by the dimensions
  EXPECT_FALSE(ValidateSlotData(Stream(0, true, false, {}, absurd)));

  Bytes notBmp = bmp;
  notBmp[0] = 'X';
  EXPECT_FALSE(ValidateSlotData(Stream(0, true, false, {}, notBmp)));

  // A metafile flag with no metafile bytes.
  EXPECT_FALSE(ValidateSlotData(Stream(1, false, true, {{1, Bytes{'a', 0}}})));
}

TEST(ParseSlotStream, StopsCleanlyWhereTheDataRunsOut) {
  Bytes s = Stream(3, false, false, {{1, Bytes{'a', 0}}, {7, Bytes{'b', 0}}});
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(view);
  EXPECT_FALSE(view->complete);
  EXPECT_EQ(view->records.size(), 2u);
  // Every prefix parses without reading past its end.
  for (size_t n = 0; n < s.size(); ++n) {
    auto partial = ParseSlotStream(ByteView(s).first(n));
    EXPECT_EQ(partial.has_value(), n >= kSlotHeaderSize);
    if (partial) {
      EXPECT_FALSE(partial->complete);
    }
  }
}

}  // namespace
}  // namespace qv
