#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "sim_fixture.h"

namespace qv {
namespace {

using test::Ansi;
using test::SimFixture;
using test::WithHeader;
using ::testing::HasSubstr;

TEST(QvtoolCheck, ValidTextSlotShowsCheckValueAndEveryRecord) {
  SimFixture f;
  auto slot = f.SaveSlot("text.slot", {{CF_TEXT, Ansi("Hello world")}});
  auto result = f.Run("check", slot);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.err, "");
  // The sim clipboard adds the synthesised text formats, as Windows does.
  EXPECT_EQ(result.out,
            "valid: check value 2053, 4 formats\n"
            "format 1: id 1 CF_TEXT, 12 bytes\n"
            "format 2: id 16 CF_LOCALE, 4 bytes\n"
            "format 3: id 13 CF_UNICODETEXT, 24 bytes\n"
            "format 4: id 7 CF_OEMTEXT, 12 bytes\n");

  auto json = f.Run("check", slot, true);
  EXPECT_EQ(json.exitCode, 0);
  EXPECT_THAT(json.out,
              HasSubstr(R"("CheckValue":2053,"Formats":[{"id":1,"name":"CF_TEXT","size":12},)"
                        R"({"id":16,"name":"CF_LOCALE","size":4},)"));
  EXPECT_THAT(json.out, HasSubstr(R"("Kind":1,"HasText":true,)")) << "with the derived record";
  EXPECT_EQ(json.out.back(), '\n');
}

TEST(QvtoolCheck, PictureSlotsShowTheirDimensions) {
  SimFixture f;
  auto bitmap = [&](int width, int height, uint16_t bits) {
    f.clipboard.SetBitmapByOther(test::Picture(width, height), bits);
    return f.Write("bitmap" + std::to_string(bits) + ".slot", CaptureClipboard(f.clipboard));
  };
  const struct {
    std::filesystem::path slot;
    std::string line, json;
  } cases[] = {
      {bitmap(40, 30, 24), "bitmap: 40 x 30, 24 bits, 3654 bytes\n",
       R"("Bitmap":{"width":40,"height":30,"bitCount":24,"size":3654})"},
      {bitmap(7, 5, 32), "bitmap: 7 x 5, 32 bits, 194 bytes\n", R"("bitCount":32,"size":194})"},
      {f.SaveSlot("emf.slot", {{CF_ENHMETAFILE, MakeTestEmf(120, 80, Bytes{1, 2})}}),
       "metafile: 120 x 80 pixels at 96 dpi, 124 bytes\n",
       R"("Metafile":{"width":120,"height":80,"size":124})"},
  };
  for (const auto& c : cases) {
    auto result = f.Run("check", c.slot);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_THAT(result.out, HasSubstr(c.line));
    EXPECT_THAT(f.Run("check", c.slot, true).out, HasSubstr(c.json));
  }
}

// Each damaged stream is refused with the check that failed, on one line.
TEST(QvtoolCheck, RefusedStreamsNameTheFailedCheck) {
  SimFixture f;
  const Bytes text = f.Capture({{CF_TEXT, Ansi("Hello world")}});  // records of 12, 4, 24, 12 bytes
  f.clipboard.SetBitmapByOther(test::Picture(4, 3), 24);
  const Bytes bitmap = CaptureClipboard(f.clipboard);
  const Bytes withBitmapFlag = WithHeader(text, [](SlotHeader& h) { h.hasBitmap = 1; });
  const Bytes withMetafileFlag = WithHeader(text, [](SlotHeader& h) { h.hasMetafile = 1; });
  struct Case {
    const char* name;
    Bytes stream;
    std::string reason;
  };
  const Case cases[] = {
      {"empty", {}, "too short: 0 bytes, a slot file has at least 15"},
      {"header only", Bytes(text.begin(), text.begin() + 14),
       "too short: 14 bytes, a slot file has at least 15"},
      {"version 2.5", WithHeader(text, [](SlotHeader& h) { h.versionBits = 0x40200000; }),
       "version 2.5 is not the supported 2.0"},
      {"check value",
       WithHeader(
           text, [](SlotHeader& h) { h.checkValue = 7; }, false),
       "check value 7 does not match 2053 (4 records, bitmap no, metafile no)"},
      {"count raised, check value left",
       WithHeader(
           text, [](SlotHeader& h) { h.recordCount = 9; }, false),
       "check value 2053 does not match 2138 (9 records, bitmap no, metafile no)"},
      {"lying record count", WithHeader(text, [](SlotHeader& h) { h.recordCount = 6; }),
       "record 5 of 6 missing: the data ends after 4 records"},
      {"cut in a record header", Bytes(text.begin(), text.begin() + 15),
       "record 1 of 4 cut short: its 8-byte header has 3 bytes"},
      {"cut in the last record", Bytes(text.begin(), text.end() - 5),
       "record 4 of 4 (format 7) cut short: 12 bytes announced, 7 present"},
      {"bitmap missing", withBitmapFlag, "bitmap image missing"},
      {"bitmap cut short", Bytes(bitmap.begin(), bitmap.end() - 10),
       "bitmap image malformed or cut short (80 bytes after the records)"},
      {"metafile missing", withMetafileFlag, "metafile image missing"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto file = f.Write("damaged.slot", c.stream);
    auto result = f.Run("check", file);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, "invalid: " + c.reason + "\n");
  }
  auto json = f.Run("check", f.Write("damaged.slot", {}), true);
  EXPECT_EQ(json.exitCode, 1);
  EXPECT_EQ(json.out, "{\"Error\":\"too short: 0 bytes, a slot file has at least 15\"}\n");
}

TEST(QvtoolCheck, MissingFileIsAnErrorNotAVerdict) {
  SimFixture f;
  auto result = f.Run("check", f.root / "nothing.slot");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, HasSubstr("nothing.slot: cannot read the file"));
  EXPECT_EQ(f.Run("check", f.root.path()).exitCode, 1) << "a folder is no slot file";
}

}  // namespace
}  // namespace qv
