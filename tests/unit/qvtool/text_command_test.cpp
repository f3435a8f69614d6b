#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include "sim_fixture.h"

namespace qv {
namespace {

using test::Ansi;
using test::SimFixture;
using test::Wide;
using ::testing::HasSubstr;

TEST(QvtoolText, PlainTextComesOutAsUtf8Unchanged) {
  SimFixture f;
  auto unicode = f.SaveSlot("u.slot", {{CF_UNICODETEXT, Wide(u"Grüße €uro 日本\r\nzwei")}});
  auto result = f.Run("text", unicode);
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "Grüße €uro 日本\r\nzwei") << "no character lost, no newline added";

  auto ansi = f.SaveSlot("a.slot", {{CF_TEXT, Ansi("caf\xE9")}});
  EXPECT_EQ(f.Run("text", ansi).out, "café");
}

TEST(QvtoolText, PlainTextWinsOverRichText) {
  SimFixture f;
  const uint32_t rtf = f.clipboard.RegisterFormat("Rich Text Format");
  auto both = f.SaveSlot("both.slot", {{rtf, Ansi("{\\rtf1 rich}")}, {CF_TEXT, Ansi("plain")}});
  EXPECT_EQ(f.Run("text", both).out, "plain");
  auto richOnly =
      f.SaveSlot("rich.slot", {{rtf, Ansi("{\\rtf1\\ansi Hello {\\b bold}\\par next}")}});
  EXPECT_EQ(f.Run("text", richOnly).out, "Hello bold\r\nnext");
}

TEST(QvtoolText, FileListOneNamePerLine) {
  SimFixture f;
  auto files = f.SaveSlot("f.slot", {{CF_HDROP, test::DropList({"C:\\a.txt", "C:\\dir"})}});
  EXPECT_EQ(f.Run("text", files).out, "C:\\a.txt\r\nC:\\dir");
}

TEST(QvtoolText, NoTextIsAnError) {
  SimFixture f;
  f.clipboard.SetBitmapByOther(test::Picture(2, 2));
  auto picture = f.Write("p.slot", CaptureClipboard(f.clipboard));
  auto result = f.Run("text", picture);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_THAT(result.err, HasSubstr("no text: the slot (picture)"));

  Bytes versionTwoFive = test::WithHeader(f.Capture({{CF_TEXT, Ansi("x")}}),
                                          [](SlotHeader& h) { h.versionBits = 0x40200000; });
  result = f.Run("text", f.Write("v.slot", versionTwoFive));
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "") << "text of a refused stream is not guessed at";
  EXPECT_THAT(result.err, HasSubstr("version 2.5"));
}

}  // namespace
}  // namespace qv
