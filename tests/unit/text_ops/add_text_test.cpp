#include "text_ops/add_text.h"

#include <gtest/gtest.h>

#include "rtf/rich_text.h"
#include "sim_fixture.h"
#include "text_ops/styled_text.h"
#include "util/codepage.h"

namespace qv {
namespace {

using test::StyledChar;
using test::StyledText;

struct AddText : test::SimFixture, ::testing::Test {
  TextOpsSettings settings;
  AddText() {
    slots.reserve(256);  // tests hold references to records while capturing more
    settings.richFormat = clipboard.RegisterFormat(kRichTextFormatName);
    settings.previews.font.name = "Tahoma";
    settings.previews.font.color = 0x00808080;
  }
  TClipRec& CopyRich(std::string_view rtf) {
    return CaptureNew({{settings.richFormat, Bytes(rtf.begin(), rtf.end())}});
  }
  // The clipboard formats and texts of an AppendText result.
  struct Result {
    std::vector<uint32_t> ids;
    std::string rtf;
    std::u16string wide;
  };
  Result Append(const TClipRec& slot0, const TClipRec& added, int32_t separator) {
    auto stream = AppendText(slot0, added, separator, settings);
    EXPECT_TRUE(stream);
    Result r;
    if (!stream) return r;
    auto view = ParseSlotStream(*stream);
    for (const FormatRecord& f : view->records) {
      r.ids.push_back(f.id);
      if (f.id == settings.richFormat) r.rtf = CharsFromBytes(f.data);
      if (f.id == CF_UNICODETEXT) r.wide = Utf16FromBytes(f.data);
    }
    return r;
  }
};

TEST(Separators, CaptionsAndWhatTheyInsert) {
  ASSERT_EQ(kTextSeparators.size(), 13u);
  EXPECT_EQ(kTextSeparators[0], "(None)");
  EXPECT_EQ(kTextSeparators[3], "4 space");
  EXPECT_EQ(kTextSeparators[8], "4 tab");
  EXPECT_EQ(kTextSeparators[12], "4 paragraph");
  for (int32_t v = 0; v < 13; ++v) {
    SCOPED_TRACE(v);
    const JoinSeparator s = SeparatorFor(v);
    // The caption's number is the count of what it inserts.
    const std::string_view caption = kTextSeparators[static_cast<size_t>(v)];
    const size_t count = v == 0 ? 0 : static_cast<size_t>(caption[0] - '0');
    const bool spaces = caption.ends_with("space"), tabs = caption.ends_with("tab");
    EXPECT_EQ(s.inlineText, std::u16string(spaces || tabs ? count : 0, tabs ? u'\t' : u' '));
    EXPECT_EQ(s.paragraphs, caption.ends_with("paragraph") ? count : 0u);
  }
  for (int32_t v : {-1, 13, 1000}) {
    EXPECT_TRUE(SeparatorFor(v).inlineText.empty());
    EXPECT_EQ(SeparatorFor(v).paragraphs, 0);
  }
}

TEST_F(AddText, PlainTextWithEachSeparator) {
  struct Case {
    const char* clip;
    int32_t separator;
    const char16_t* want;
  } cases[] = {
      {"abc", 0, u"abcdef"},
      {"abc", 2, u"abc  def"},
      {"abc", 6, u"abc\t\tdef"},
      {"abc", 9, u"abc\r\ndef"},
      {"abc", 12, u"abc\r\n\r\n\r\n\r\ndef"},
      // A clipboard text ending in line breaks: blanks go onto its last
      // non-empty line and the added text lands before the breaks.
      {"abc\r\n", 1, u"abc def\r\n"},
      {"x\r\nabc \r\n\r\n", 5, u"x\r\nabc \tdef\r\n\r\n"},
      {"abc\r\n", 0, u"abc\r\ndef"},
      {"abc\r\n", 10, u"abc\r\n\r\n\r\ndef"},
      {"\r\n", 1, u"\r\n def"},  // no non-empty line: at the end
  };
  TClipRec& added = CopyText("def");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clip);
    SCOPED_TRACE(c.separator);
    Result r = Append(CopyText(c.clip), added, c.separator);
    EXPECT_EQ(r.ids, (std::vector<uint32_t>{CF_UNICODETEXT, CF_TEXT}));
    EXPECT_EQ(r.wide, c.want);
  }
}

TEST_F(AddText, NoTextOnTheClipboardLeavesItToTheCaller) {
  TClipRec& picture = CaptureNew({{CF_DIB, test::Dib(test::Picture(2, 2))}});
  EXPECT_FALSE(AppendText(picture, CopyText("def"), 1, settings));
}

TEST_F(AddText, RichTextAddedToPlainKeepsItsFormatting) {
  TClipRec& clip = CopyText("plain\r\n");
  TClipRec& added = CopyRich(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times;}{\\f1 Courier;}}"
      "{\\colortbl ;\\red0\\green128\\blue0;}"
      "\\pard x {\\b\\f1 bold} {\\cf1 green}}");
  Result r = Append(clip, added, 3);
  EXPECT_EQ(r.ids, (std::vector<uint32_t>{settings.richFormat, CF_UNICODETEXT, CF_TEXT}));
  EXPECT_EQ(r.wide, u"plain    x bold green\r\n");
  EXPECT_TRUE(test::BalancedGroups(r.rtf));
  const auto styled = StyledText(r.rtf);
  ASSERT_EQ(styled.size(), r.wide.size());
  const StyledChar font{0, false, "Tahoma", 0x00808080};
  for (size_t i : {0u, 4u, 5u, 8u}) EXPECT_EQ(test::StylesOnly({styled[i]})[0], font) << i;
  EXPECT_EQ(styled[9], (StyledChar{u'x', false, "Times", 0}));
  EXPECT_EQ(styled[11], (StyledChar{u'b', true, "Courier", 0}));
  EXPECT_EQ(styled[16], (StyledChar{u'g', false, "Times", 0x008000}));
}

TEST_F(AddText, PlainTextAddedToRichTakesTheTextFont) {
  TClipRec& clip = CopyRich(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
      "{\\cf1\\b red}\\par\\par }");
  Result r = Append(clip, CopyText("more"), 1);
  EXPECT_EQ(r.wide, u"red more\r\n\r\n");
  const auto styled = StyledText(r.rtf);
  ASSERT_EQ(styled.size(), r.wide.size());
  EXPECT_EQ(styled[0], (StyledChar{u'r', true, "Arial", 0x0000FF}));
  EXPECT_EQ(styled[3], (StyledChar{u' ', true, "Arial", 0x0000FF}));  // typed after "red"
  EXPECT_EQ(styled[4], (StyledChar{u'm', false, "Tahoma", 0x00808080}));
}

TEST_F(AddText, FontsAndColoursOfBothDocumentsStayApart) {
  // Both use font 0 and colour 1 for different things.
  TClipRec& clip = CopyRich(
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}"
      "\\cf1 one}");
  TClipRec& added = CopyRich(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Courier;}}"
      "{\\colortbl ;\\red0\\green0\\blue255;}\\cf1 tw\\'f6}");
  Result r = Append(clip, added, 9);
  EXPECT_EQ(r.wide, u"one\r\ntw\u00f6");
  const auto styled = StyledText(r.rtf);
  ASSERT_EQ(styled.size(), 8u);
  EXPECT_EQ(styled[0], (StyledChar{u'o', false, "Arial", 0x0000FF}));
  EXPECT_EQ(styled[5], (StyledChar{u't', false, "Courier", 0xFF0000}));
  EXPECT_EQ(styled[7], (StyledChar{u'\u00f6', false, "Courier", 0xFF0000}));
}

TEST_F(AddText, MalformedDocumentsJoinWhatWasRead) {
  const std::string docs[] = {
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\b cut sho",
      "{\\rtf1 closed}}} too often",
      "{\\rtf1{\\fonttbl{\\f0 Ari",
      "{\\rtf1 a\\bin500 xy",
      "not a document at all",
      "{\\rtf1 \\u1046",
  };
  for (const std::string& first : docs) {
    for (const std::string& second : docs) {
      SCOPED_TRACE(first + " + " + second);
      Result r = Append(CopyRich(first), CopyRich(second), 2);
      EXPECT_TRUE(test::BalancedGroups(r.rtf)) << r.rtf;
      const std::u16string a = RtfToPlainText(EnsureRtf(first, settings.previews.font));
      const std::u16string b = RtfToPlainText(EnsureRtf(second, settings.previews.font));
      EXPECT_EQ(r.wide, JoinPlainText(a, b, SeparatorFor(2)));
    }
  }
}

}  // namespace
}  // namespace qv
