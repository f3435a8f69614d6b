#include "text_ops/text_conversion.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_text_case.h"
#include "rtf/rich_text.h"
#include "sim_fixture.h"
#include "text_ops/styled_text.h"
#include "util/codepage.h"

namespace qv {
namespace {

using test::StyledText;
using test::StylesOnly;

constexpr TextMode kModes[] = {TextMode::kUpper,    TextMode::kLower,  TextMode::kWord,
                               TextMode::kSentence, TextMode::kInvert, TextMode::kRandom};

struct Conversion : test::SimFixture, ::testing::Test {
  SimTextCase cases;
  TextOpsSettings settings;
  Conversion() {
    slots.reserve(256);  // tests hold references to records while capturing more
    settings.richFormat = clipboard.RegisterFormat(kRichTextFormatName);
  }

  TClipRec& CopyRich(std::string_view rtf) {
    return CaptureNew({{settings.richFormat, Bytes(rtf.begin(), rtf.end())}});
  }
  TClipRec& CopyWide(std::u16string_view text) {
    return CaptureNew({{CF_UNICODETEXT, test::Wide(text)}});
  }
  std::u16string Expected(TextMode mode, std::u16string_view text, uint32_t seed = 1) {
    CaseConverter convert(mode, cases, seed);
    std::u16string out;
    for (char16_t c : text) out += convert(c);
    return out;
  }
};

struct Output {
  std::vector<uint32_t> ids;
  std::string rtf;
  std::u16string wide;
  std::string ansi;
};

Output Read(const Bytes& stream, uint32_t rtfId) {
  Output out;
  auto view = ParseSlotStream(stream);
  EXPECT_TRUE(view && view->complete);
  for (const FormatRecord& r : view->records) {
    out.ids.push_back(r.id);
    if (r.id == rtfId) out.rtf = CharsFromBytes(r.data);
    if (r.id == CF_UNICODETEXT) out.wide = Utf16FromBytes(r.data);
    if (r.id == CF_TEXT) out.ansi = CharsFromBytes(r.data);
  }
  return out;
}

TEST_F(Conversion, RichAndPlainSlotsConvertTheSameText) {
  const std::u16string texts[] = {
      u"o'neil (test) e-mail", u"mr. smith. ok?yes", u"1. item",
      u"ONE\r\nTWO",           u"end.\r\nNEXT line", u"caf\u00e9 \u20ac 100"};
  for (TextMode mode : kModes) {
    for (const std::u16string& text : texts) {
      SCOPED_TRACE(static_cast<int>(mode));
      const std::u16string want = Expected(mode, text);
      auto plain = TextConversion(CopyWide(text), mode, cases, settings, 1);
      ASSERT_TRUE(plain);
      Output p = Read(*plain, settings.richFormat);
      EXPECT_EQ(p.ids, (std::vector<uint32_t>{CF_UNICODETEXT, CF_TEXT}));
      EXPECT_EQ(p.wide, want);
      EXPECT_EQ(p.ansi, Utf16ToAnsi(want));

      auto rich =
          TextConversion(CopyRich(PlainTextToRtf(Utf16ToUtf8(text), {})), mode, cases, settings, 1);
      ASSERT_TRUE(rich);
      Output r = Read(*rich, settings.richFormat);
      EXPECT_EQ(r.ids, (std::vector<uint32_t>{settings.richFormat, CF_UNICODETEXT, CF_TEXT}));
      EXPECT_EQ(RtfToPlainText(r.rtf), want);
      EXPECT_EQ(r.wide, want);  // no final paragraph mark added
    }
  }
}

TEST_F(Conversion, EveryCharacterKeepsItsFormattingInEveryMode) {
  const std::string doc =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
      "\\pard plain {\\b BOLD word} and {\\f1\\cf1 Red\\'e9 one}.\\par "
      "next {\\cf2\\u1046?\\u1078?} end}";
  const auto before = StyledText(doc);
  ASSERT_EQ(before.size(), 42u);
  for (TextMode mode : kModes) {
    SCOPED_TRACE(static_cast<int>(mode));
    auto result = TextConversion(CopyRich(doc), mode, cases, settings, 99);
    ASSERT_TRUE(result);
    const std::string rtf = Read(*result, settings.richFormat).rtf;
    const auto after = StyledText(rtf);
    EXPECT_EQ(StylesOnly(after), StylesOnly(before));
    std::u16string text;
    for (const auto& c : after) text += c.c;
    EXPECT_EQ(text, Expected(mode, RtfToPlainText(doc), 99));
  }
  // Spot checks of the reading itself: the bold word, the red word, the blue pair.
  EXPECT_TRUE(before[6].bold);
  EXPECT_EQ(before[20].font, "Courier New");
  EXPECT_EQ(before[20].color, 0x0000FFu);
  EXPECT_EQ(before[36].color, 0xFF0000u);
}

TEST_F(Conversion, CyrillicAndGreekSurviveInRichAndPlainText) {
  const std::string doc =
      "{\\rtf1\\ansi\\uc1 \\u1087?\\u1088?\\u1080?\\u1074?\\u1077?\\u1090? "
      "\\u954?\\u972?\\u963?\\u956?\\u959?\\u962?}";
  struct Case {
    TextMode mode;
    std::u16string want;
  } cases_[] = {
      {TextMode::kUpper,
       u"\u041f\u0420\u0418\u0412\u0415\u0422 \u039a\u038c\u03a3\u039c\u039f\u03a3"},
      {TextMode::kLower,
       u"\u043f\u0440\u0438\u0432\u0435\u0442 \u03ba\u03cc\u03c3\u03bc\u03bf\u03c2"},
      {TextMode::kWord,
       u"\u041f\u0440\u0438\u0432\u0435\u0442 \u039a\u03cc\u03c3\u03bc\u03bf\u03c2"},
      {TextMode::kInvert,
       u"\u041f\u0420\u0418\u0412\u0415\u0422 \u039a\u038c\u03a3\u039c\u039f\u03a3"},
  };
  for (const Case& c : cases_) {
    auto rich = TextConversion(CopyRich(doc), c.mode, cases, settings);
    ASSERT_TRUE(rich);
    Output r = Read(*rich, settings.richFormat);
    EXPECT_EQ(RtfToPlainText(r.rtf), c.want);
    EXPECT_EQ(r.wide, c.want);
    auto plain = TextConversion(CopyWide(RtfToPlainText(doc)), c.mode, cases, settings);
    ASSERT_TRUE(plain);
    EXPECT_EQ(Read(*plain, settings.richFormat).wide, c.want);
  }
}

TEST_F(Conversion, NothingToWriteWithoutText) {
  EXPECT_FALSE(TextConversion(CaptureNew({{CF_DIB, test::Dib(test::Picture(2, 2))}}),
                              TextMode::kUpper, cases, settings));
  EXPECT_FALSE(TextConversion(CopyWide(u""), TextMode::kUpper, cases, settings));
  EXPECT_FALSE(TextConversion(CopyRich("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}}"), TextMode::kUpper,
                              cases, settings));
  TClipRec none;
  EXPECT_FALSE(TextConversion(none, TextMode::kUpper, cases, settings));
}

TEST_F(Conversion, PlainTextKeepsItsLineBreaks) {
  auto result = TextConversion(CopyText("one\r\ntwo\r\n"), TextMode::kUpper, cases, settings);
  ASSERT_TRUE(result);
  EXPECT_EQ(Read(*result, settings.richFormat).ansi, "ONE\r\nTWO\r\n");
}

TEST_F(Conversion, MalformedRichTextGivesABalancedDocumentOfWhatWasRead) {
  std::string deep(100000, '{');
  deep += "deep text";
  const std::string cases_[] = {
      "{\\rtf1\\ansi {\\b bold te",          // cut inside a group
      "{\\rtf1\\ansi plain\\pa",             // cut inside a control word
      "{\\rtf1 a\\bin99999 xyz} after",      // \bin claims more than there is
      "{\\rtf1 a}}} b} c",                   // closes too often
      "{\\rtf1 {{{ open {{",                 // never closes
      "{\\rtf1\\uc99999 x\\u1046 yz tail}",  // absurd fallback count
      "{\\rtf1 text\\",                      // lone backslash at the end
      "{\\rtf1 \\'e",                        // cut inside \'hh
      "{\\*\\garbage}}}{",                   // no document to speak of
      "plain words, not a document",
      deep,
  };
  for (const std::string& input : cases_) {
    SCOPED_TRACE(input.substr(0, 40));
    auto result = TextConversion(CopyRich(input), TextMode::kUpper, cases, settings);
    const std::u16string text = RtfToPlainText(EnsureRtf(input, settings.previews.font));
    if (text.empty()) {
      EXPECT_FALSE(result);
      continue;
    }
    ASSERT_TRUE(result);
    Output r = Read(*result, settings.richFormat);
    EXPECT_TRUE(test::BalancedGroups(r.rtf));
    EXPECT_EQ(r.wide, Expected(TextMode::kUpper, text));
    EXPECT_EQ(RtfToPlainText(r.rtf), r.wide);
  }
}

}  // namespace
}  // namespace qv
