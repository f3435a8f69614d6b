#include "snapshot/slot_stream.h"

#include <gtest/gtest.h>

#include "codecs/bmp.h"
#include "test_support.h"
#include "util/le_io.h"

namespace qv {
namespace {

using test::Stream;
using test::WithHeader;

TEST(CheckValue, WorkedValues) {
  EXPECT_EQ(CheckValue(0, false, false), 1985u);
  EXPECT_EQ(CheckValue(3, false, false), 2036u);
  EXPECT_EQ(CheckValue(0, true, false), 2009u);
  EXPECT_EQ(CheckValue(2, true, true), 2064u);
}

TEST(SlotStreamWriter, HeaderThenIdSizeBytesPerRecord) {
  Bytes empty;
  SlotStreamWriter(empty).Finish(false, false);
  EXPECT_EQ(empty, (Bytes{0xC1, 0x07, 0, 0, 0, 0, 0, 0x40, 0, 0, 0, 0}));  // 1985, 2.0
  EXPECT_FALSE(ValidateSlotData(empty)) << "shorter than 15 bytes";

  const Bytes one = Stream({{13, Bytes{'a', 0, 0, 0}}});
  EXPECT_EQ(one, (Bytes{0xD2, 0x07, 0, 0, 0, 0, 0, 0x40, 1,   0, 0, 0,
                        13,   0,    0, 0, 4, 0, 0, 0,    'a', 0, 0, 0}));
  EXPECT_TRUE(ValidateSlotData(one));
}

TEST(ValidateSlotData, AcceptsWhatTheWriterProduces) {
  const Bytes bmp = EncodeBmp(test::Picture(5, 3));
  const Bytes emf(100, 0x11);
  const Bytes s = Stream({{1, Bytes{'x', 0}}, {0xC001, Bytes(300, 7)}}, bmp, emf);
  EXPECT_TRUE(ValidateSlotData(s));
  auto view = ParseSlotStream(s);
  ASSERT_TRUE(view && view->complete);
  ASSERT_EQ(view->records.size(), 2u);
  EXPECT_EQ(view->records[1].id, 0xC001u);
  EXPECT_EQ(view->bitmap.size(), bmp.size()) << "the BMP ends where its headers say";
  EXPECT_EQ(view->metafile.size(), emf.size()) << "the EMF runs to the end";
}

TEST(ValidateSlotData, RefusesMalformedStreams) {
  const Bytes good = Stream({{1, Bytes{'h', 'i', 0}}});
  ASSERT_TRUE(ValidateSlotData(good));
  const Bytes bmp = EncodeBmp(test::Picture(8, 8));
  Bytes lying = Stream({{1, Bytes{}}});
  test::PatchU32(lying, 16, 0xFFFFFFF0);
  Bytes over = Stream({{1, Bytes{'a', 'b', 'c', 0}}});
  test::PatchU32(over, 16, 5);
  Bytes absurd = bmp;
  test::PatchU32(absurd, 18, 0x7FFFFFFF);  // width
  test::PatchU32(absurd, 22, 0x7FFFFFFF);  // height
  test::PatchU32(absurd, 34, 0);           // image size: implied by the dimensions
  Bytes notBmp = bmp;
  notBmp[0] = 'X';
  auto count = [&](uint16_t n) {
    return WithHeader(good, [n](SlotHeader& h) { h.recordCount = n; });
  };
  struct Case {
    const char* name;
    Bytes stream;
  } cases[] = {
      {"empty", {}},
      {"11 bytes", Bytes(good.begin(), good.begin() + 11)},
      {"14 bytes", Bytes(good.begin(), good.begin() + 14)},
      {"version 2.5", WithHeader(good, [](SlotHeader& h) { h.versionBits = 0x40200000; })},
      {"check value", WithHeader(
                          good, [](SlotHeader& h) { h.checkValue = 2003; }, false)},
      {"three records announced, one there", count(3)},
      {"the largest count, one record there", count(0xFFFF)},
      {"a 4 GB record in 20 bytes", lying},
      {"a record one byte longer than the data", over},
      {"bitmap cut short", Stream({}, ByteView(bmp).first(bmp.size() - 1))},
      {"bitmap of absurd dimensions", Stream({}, absurd)},
      {"bitmap without its signature", Stream({}, notBmp)},
      {"metafile flag without a metafile",
       WithHeader(good, [](SlotHeader& h) { h.hasMetafile = 1; })},
  };
  for (const Case& c : cases) EXPECT_FALSE(ValidateSlotData(c.stream)) << c.name;
}

TEST(ParseSlotStream, StopsCleanlyWhereTheDataRunsOut) {
  const Bytes s = WithHeader(Stream({{1, Bytes{'a', 0}}, {7, Bytes{'b', 0}}}),
                             [](SlotHeader& h) { h.recordCount = 3; });
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
