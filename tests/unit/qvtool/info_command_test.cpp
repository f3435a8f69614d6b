#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "qvtool/format_namer.h"
#include "sim_fixture.h"

namespace qv {
namespace {

using test::Ansi;
using test::SimFixture;
using test::Wide;
using ::testing::HasSubstr;

TEST(QvtoolInfo, TextSlotAttributesAsLinesAndJson) {
  SimFixture f;
  auto slot = f.SaveSlot("text.slot", {{CF_TEXT, Ansi("Hello world\r\nsecond line")}});
  auto result = f.Run("info", slot);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out,
            "Kind: 1 (text)\n"
            "HasText: yes\nHasRichText: no\nHasBitmap: no\nHasMetafile: no\nHasFiles: no\n"
            "HasSound: no\n"
            "Preview: Hello world / second line\n"
            "LineCount: 2\nWordCount: 4\nCharCount: 22\n"
            "LineCountText: 2\nWordCountText: 4\nCharCountText: 22\n"
            "RichFormat: 0\nSize: 148\nSizeText: 148 B\nPictWidth: 0\nPictHeight: 0\n");
  EXPECT_EQ(f.Run("info", slot, true).out,
            R"({"Kind":1,"HasText":true,"HasRichText":false,"HasBitmap":false,"HasMetafile":false,)"
            R"("HasFiles":false,"HasSound":false,"Preview":"Hello world\u000D\u000Asecond line",)"
            R"("LineCount":2,"WordCount":4,"CharCount":22,"LineCountText":"2","WordCountText":"4",)"
            R"("CharCountText":"22","RichFormat":0,"Size":148,"SizeText":"148 B","PictWidth":0,)"
            R"("PictHeight":0})"
            "\n");
}

TEST(QvtoolInfo, PreviewStaysOnOneLineAndIsUtf8) {
  SimFixture f;
  auto control = f.SaveSlot("c.slot", {{CF_TEXT, Ansi("C:\\dir\tx\x01y")}});
  EXPECT_THAT(f.Run("info", control).out, HasSubstr("Preview: C:\\dir\tx y\n"));
  auto wide = f.SaveSlot("u.slot", {{CF_UNICODETEXT, Wide(u"Grüße €uro 日本")}});
  // The preview is held in the ANSI code page: what it cannot hold reads as '?'.
  EXPECT_THAT(f.Run("info", wide, true).out, HasSubstr(R"("Preview":"Grüße €uro ??",)"));
  EXPECT_THAT(f.Run("info", wide).out, HasSubstr("CharCount: 13\n"));
}

TEST(QvtoolInfo, TextAndPictureKindIsNamed) {
  SimFixture f;
  auto both = f.SaveSlot(
      "tm.slot", {{CF_TEXT, Ansi("caption")}, {CF_ENHMETAFILE, MakeTestEmf(96, 48, Bytes{})}});
  EXPECT_THAT(f.Run("info", both).out, HasSubstr("Kind: 3 (text+picture)\n"));
}

// Registered ids carry no name in the file: rich text is known by its content.
TEST(QvtoolInfo, RegisteredFormatsAreNamedByContent) {
  SimFixture f;
  const uint32_t rtf = f.clipboard.RegisterFormat("Rich Text Format");
  const uint32_t other = f.clipboard.RegisterFormat("Private Stuff");
  auto slot = f.SaveSlot("rtf.slot", {{other, Bytes{1, 2, 3}},
                                      {rtf, Ansi("{\\rtf1\\ansi Hello {\\b bold}\\par next}")}});
  auto info = f.Run("info", slot).out;
  EXPECT_THAT(info, HasSubstr("Kind: 1 (text)\nHasText: no\nHasRichText: yes\n"));
  EXPECT_THAT(info, HasSubstr("Preview: Hello bold / next\n"));
  EXPECT_THAT(info, HasSubstr("RichFormat: " + std::to_string(rtf) + "\n"));

  auto binary = f.SaveSlot("other.slot", {{other, Bytes{1, 2, 3}}});
  EXPECT_THAT(f.Run("info", binary).out, HasSubstr("Kind: 4 (other)\n"));
}

TEST(FormatNamer, SystemNamesWinAndContentFillsTheGaps) {
  Bytes rtf = Ansi("{\\rtf1 x}");
  Bytes one{1};  // the records only view their bytes
  std::vector<FormatRecord> records = {{0xC000, rtf}, {0xC001, rtf}, {0xC002, one}};
  SimClipboard system;
  ASSERT_EQ(system.RegisterFormat("HTML Format"), 0xC000u);
  tool::FormatNamer namer(records, &system);
  EXPECT_EQ(namer.RegisteredName(0xC000), "HTML Format");
  EXPECT_EQ(namer.RegisteredName(0xC001), "Rich Text Format");
  EXPECT_EQ(namer.RegisteredName(0xC002), std::nullopt);
  EXPECT_EQ(namer.RegisteredName(CF_TEXT), std::nullopt) << "standard ids keep fixed names";
  tool::FormatNamer alone(records, nullptr);
  EXPECT_EQ(alone.RegisteredName(0xC000), "Rich Text Format");
}

TEST(QvtoolInfo, InvalidFileIsRefusedWithTheReason) {
  SimFixture f;
  Bytes stream = f.Capture({{CF_TEXT, Ansi("abc")}});
  stream.resize(stream.size() - 1);
  auto result = f.Run("info", f.Write("cut.slot", stream), true);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, HasSubstr("cut.slot: not a valid slot file: record 4 of 4 (format 7)"));
}

}  // namespace
}  // namespace qv
