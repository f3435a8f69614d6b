#include <gtest/gtest.h>

#include "platform/sim/sim_text_case.h"
#include "rtf/rich_text.h"
#include "sim_fixture.h"
#include "attributes/previews.h"
#include "text_ops/add_text.h"
#include "text_ops/save_text.h"
#include "text_ops/styled_text.h"
#include "text_ops/text_conversion.h"
#include "util/codepage.h"

namespace qv {
namespace {

using enum TextMode;
using test::StyledText;

const SimTextCase kCases;

TEST(CaseRules, CharacterClasses) {
  auto in = [](std::u16string_view set, char16_t c) { return set.find(c) != set.npos; };
  for (char16_t c = 0x20; c < 0x7F; ++c) {
    const bool alnum = (c >= u'0' && c <= u'9') || ((c | 0x20) >= u'a' && (c | 0x20) <= u'z');
    EXPECT_EQ(IsWordChar(c), !in(u" \"'([<{", c)) << int(c);  // closing brackets do not end words
    EXPECT_EQ(IsSentenceEnd(c), in(u".?!", c)) << int(c);
    // Punctuation and the blank leave a sentence start waiting for a later character.
    EXPECT_EQ(CanStartSentence(c), alnum || in(u"_|.?!", c)) << int(c);
  }
  for (char16_t c : std::u16string_view(u"\t\r\n\u00e9\u0416"))
    EXPECT_TRUE(IsWordChar(c) && CanStartSentence(c) && !IsSentenceEnd(c)) << int(c);
  // The numero sign, as the Cyrillic code page's byte and as Unicode.
  EXPECT_FALSE(CanStartSentence(0x00B9) || CanStartSentence(0x2116));
  EXPECT_FALSE(TextModeFromNumber(6) || TextModeFromNumber(-1));
}

// Slots of text, and a reading of the streams the text commands hand back.
struct TextOps : test::SimFixture, ::testing::Test {
  TextOpsSettings settings;
  std::vector<uint32_t> plainIds{CF_UNICODETEXT, CF_TEXT}, richIds;
  TextOps() {
    slots.reserve(1024);  // tests hold references to records while capturing more
    settings.richFormat = clipboard.RegisterFormat(kRichTextFormatName);
    settings.previews.font.name = "Tahoma";
    settings.previews.font.color = 0x00808080;
    richIds = {settings.richFormat, CF_UNICODETEXT, CF_TEXT};
  }
  TClipRec& Copy(std::string_view text, bool rich) {
    if (!rich) return CopyText(std::string(text));
    return CaptureNew({{settings.richFormat, Bytes(text.begin(), text.end())}});
  }
  struct Output {
    std::vector<uint32_t> ids;
    std::string rtf, ansi;
    std::u16string wide;
  };
  Output Read(const std::optional<Bytes>& stream) {
    Output out;
    auto view = stream ? ParseSlotStream(*stream) : std::nullopt;
    EXPECT_TRUE(view && view->complete);
    for (const FormatRecord& r : view ? view->records : std::vector<FormatRecord>{}) {
      out.ids.push_back(r.id);
      if (r.id == settings.richFormat) out.rtf = CharsFromBytes(r.data);
      if (r.id == CF_UNICODETEXT) out.wide = Utf16FromBytes(r.data);
      if (r.id == CF_TEXT) out.ansi = CharsFromBytes(r.data);
    }
    return out;
  }
  Output Convert(const TClipRec& slot, TextMode mode, uint32_t seed = 0) {
    return Read(TextConversion(slot, mode, kCases, settings, seed));
  }
};

// Each example goes through the rules, a plain-text slot and a rich-text slot.
TEST_F(TextOps, CaseConversionExamplesOverTheModes) {
  const struct {
    TextMode mode;
    std::u16string in, out;
    uint32_t seed = 0;
  } cases[] = {
      {kUpper, u"Mixed 1-2 ca\u00dfe", u"MIXED 1-2 CA\u00dfE"},
      {kInvert, u"iNVERT tHE cASE 42!", u"Invert The Case 42!"},
      {kWord, u"o'neil (test) e-mail", u"O'Neil (Test) E-mail"},
      {kWord, u"ONE\r\nTWO\r\n", u"One\r\ntwo\r\n"},
      {kWord, u"a\tb [c]d <e>f {g}h \"i\"", u"A\tb [C]d <E>f {G}h \"I\""},
      {kSentence, u"mr. smith. ok?yes", u"Mr. Smith. Ok?Yes"},
      {kSentence, u"1. item", u"1. Item"},
      {kSentence, u"END. NEXT LINE", u"End. Next line"},
      {kSentence, u"end.\r\nNEXT", u"End.\r\nnext"},
      {kSentence, u"\"(quoted)\" text!  -- WOW", u"\"(Quoted)\" text!  -- Wow"},
      {kSentence, u"\u2116 5 is here", u"\u2116 5 is here"},
      {kUpper, u"\u043f\u0440\u0438\u0432\u0435\u0442 \u03ba\u03cc\u03c3\u03bc\u03bf\u03c2",
       u"\u041f\u0420\u0418\u0412\u0415\u0422 \u039a\u038c\u03a3\u039c\u039f\u03a3"},
      {kLower, u"\u0401\u041b\u041a\u0410 \u0391\u0398\u0397\u039d\u0391",
       u"\u0451\u043b\u043a\u0430 \u03b1\u03b8\u03b7\u03bd\u03b1"},
      {kWord, u"\u043d\u043e\u0432\u044b\u0439 \u0413\u041e\u0414 \u03b1\u03b2\u03b3",
       u"\u041d\u043e\u0432\u044b\u0439 \u0413\u043e\u0434 \u0391\u03b2\u03b3"},
      {kInvert, u"\u041c\u0438\u0440 \u0394\u03b5", u"\u043c\u0418\u0420 \u03b4\u0395"},
      // seed := seed * 134775813 + 1; upper case where seed / 2^32 >= 0.5.
      // Every character draws, whether it has case or not.
      {kRandom, u"aaaaaaaaaaaa", u"aaaAAaaaaAAa", 12345},
      {kRandom, u"aaaaaaaaaaaa", u"aaAaaAaaaaaa", 0},
      {kRandom, u"a.a.a.a.a.a.", u"a.a.A.a.a.A.", 12345},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf16ToUtf8(c.in));
    EXPECT_EQ(ConvertPlainText(c.in, c.mode, kCases, c.seed), c.out);
    Output plain = Convert(CaptureNew({{CF_UNICODETEXT, test::Wide(c.in)}}), c.mode, c.seed);
    EXPECT_EQ(plain.ids, plainIds);
    EXPECT_EQ(plain.wide, c.out);
    EXPECT_EQ(plain.ansi, Utf16ToAnsi(c.out));
    Output rich = Convert(Copy(PlainTextToRtf(Utf16ToUtf8(c.in), {}), true), c.mode, c.seed);
    EXPECT_EQ(rich.ids, richIds);
    EXPECT_EQ(RtfToPlainText(rich.rtf), c.out);
    EXPECT_EQ(rich.wide, c.out);  // no final paragraph mark added
  }
  EXPECT_DOUBLE_EQ(CaseRandom(12345).Next(), 1655067934.0 / 4294967296.0);
}

TEST_F(TextOps, EveryCharacterKeepsItsFormattingInEveryMode) {
  const std::string doc =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}"
      "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
      "\\pard plain {\\b BOLD word} and {\\f1\\cf1 Red\\'e9 one}.\\par "
      "next {\\cf2\\u1046?\\u1078?} end}";
  const auto before = StyledText(doc);
  ASSERT_EQ(before.size(), 42u);
  // The reading itself: the bold word, the red word, the blue pair.
  EXPECT_TRUE(before[6].bold);
  EXPECT_EQ(before[20], (test::StyledChar{u'R', false, "Courier New", 0x0000FF}));
  EXPECT_EQ(before[36].color, 0xFF0000u);
  for (int m = 0; m <= 5; ++m) {
    auto after = StyledText(Convert(Copy(doc, true), *TextModeFromNumber(m), 99).rtf);
    std::u16string text;
    for (size_t i = 0; i < after.size() && i < before.size(); ++i)
      text += std::exchange(after[i].c, before[i].c);
    EXPECT_EQ(after, before) << m;
    EXPECT_EQ(text, ConvertPlainText(RtfToPlainText(doc), *TextModeFromNumber(m), kCases, 99));
  }
  // Nothing to convert, nothing to write; nothing to add to, nothing joined.
  TClipRec none;
  TClipRec& picture = CaptureNew({{CF_DIB, test::Dib(test::Picture(2, 2))}});
  for (const TClipRec* slot : {&picture, &CaptureNew({{CF_UNICODETEXT, test::Wide(u"")}}),
                               &Copy("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}}", true), &none})
    EXPECT_FALSE(TextConversion(*slot, kUpper, kCases, settings));
  EXPECT_FALSE(AppendText(picture, Copy("def", false), 1, settings));
}

// A clipboard text ending in line breaks: blanks go onto its last non-empty
// line and the added text lands before the breaks.
TEST_F(TextOps, AddPlainTextWithEachSeparator) {
  ASSERT_EQ(kTextSeparators.size(), 13u);
  EXPECT_EQ(kTextSeparators[0], "(None)");
  for (int32_t v = -1; v <= 13; ++v) {
    // The caption's number is the count of what it inserts; outside the list, nothing.
    const std::string_view caption =
        v >= 1 && v <= 12 ? kTextSeparators[static_cast<size_t>(v)] : "0";
    const size_t count = static_cast<size_t>(caption[0] - '0');
    const bool tabs = caption.ends_with("tab"), blanks = tabs || caption.ends_with("space");
    EXPECT_EQ(SeparatorFor(v).inlineText, std::u16string(blanks ? count : 0, tabs ? u'\t' : u' '));
    EXPECT_EQ(SeparatorFor(v).paragraphs, caption.ends_with("paragraph") ? count : 0u) << v;
  }
  const std::tuple<const char*, int32_t, std::u16string> cases[] = {
      {"abc", 0, u"abcdef"},
      {"abc", 2, u"abc  def"},
      {"abc", 6, u"abc\t\tdef"},
      {"abc", 9, u"abc\r\ndef"},
      {"abc", 12, u"abc\r\n\r\n\r\n\r\ndef"},
      {"abc\r\n", 1, u"abc def\r\n"},
      {"x\r\nabc \r\n\r\n", 5, u"x\r\nabc \tdef\r\n\r\n"},
      {"abc\r\n", 0, u"abc\r\ndef"},
      {"abc\r\n", 10, u"abc\r\n\r\n\r\ndef"},
      {"\r\n", 1, u"\r\n def"}};
  TClipRec& added = Copy("def", false);
  for (const auto& [clip, separator, want] : cases) {
    Output r = Read(AppendText(Copy(clip, false), added, separator, settings));
    EXPECT_EQ(r.ids, plainIds);
    EXPECT_EQ(r.wide, want) << clip << " separator " << separator;
  }
}

// Each character of the result has the formatting it had in its own document
// (plain text: the text font); the separator takes that of the text before it.
TEST_F(TextOps, AddedRichTextKeepsEveryCharactersFormatting) {
  const std::string times =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times;}{\\f1 Courier;}}"
      "{\\colortbl ;\\red0\\green128\\blue0;}\\pard x {\\b\\f1 bold} {\\cf1 green}}";
  const std::string redArial =
      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}{\\colortbl ;\\red255\\green0\\blue0;}";
  const std::string courier =
      "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Courier;}}{\\*\\generator Pad;}"
      "{\\stylesheet{\\s0 Normal;}}{\\colortbl ;\\red0\\green0\\blue255;}\\cf1 tw\\'f6}";
  const std::tuple<std::string, std::string, int32_t, std::u16string> cases[] = {
      {"plain\r\n", times, 3, u"plain    x bold green\r\n"},
      {"{\\rtf1\\ansi\\deff0 one}", courier, 1, u"one tw\u00f6"},  // no tables at all
      {redArial + "{\\cf1\\b red}\\par\\par }", "more", 1, u"red more\r\n\r\n"},
      // Both use font 0 and colour 1 for different things.
      {redArial + "\\cf1 one}", courier, 9, u"one\r\ntw\u00f6"},
      // No font table; the last colour entry lacks its ';'; the added colour table has no
      // automatic entry.
      {"{\\rtf1\\ansi\\deff0{\\colortbl ;\\red255\\green0\\blue0} one}",
       "{\\rtf1{\\fonttbl{\\f0 Courier;}}{\\colortbl\\red0\\green0\\blue255;}\\cf0 two}", 1,
       u" one two"},
  };
  for (const auto& [first, added, separator, want] : cases) {
    SCOPED_TRACE(first);
    auto styled = [&](const std::string& t) {
      return StyledText(EnsureRtf(t, settings.previews.font));
    };
    const auto a = styled(first), b = styled(added);
    const JoinSeparator join = SeparatorFor(separator);
    size_t at = a.size();
    while (!join.inlineText.empty() && at > 0 && (a[at - 1].c == u'\r' || a[at - 1].c == u'\n'))
      --at;
    std::u16string inserted = join.inlineText;
    for (int i = 0; i < join.paragraphs; ++i) inserted += u"\r\n";
    std::vector<test::StyledChar> expected(a.begin(), a.begin() + at);
    for (char16_t c : inserted)
      expected.push_back({c, a[at - 1].bold, a[at - 1].font, a[at - 1].color});
    expected.insert(expected.end(), b.begin(), b.end());
    expected.insert(expected.end(), a.begin() + at, a.end());
    Output r = Read(AppendText(Copy(first, first[0] == '{'), Copy(added, added[0] == '{'),
                               separator, settings));
    EXPECT_EQ(r.ids, richIds);
    EXPECT_EQ(r.wide, want);
    EXPECT_TRUE(test::BalancedGroups(r.rtf) && r.rtf.starts_with("{\\rtf1")) << r.rtf;
    EXPECT_LT(r.rtf.find("\\fonttbl"), r.rtf.find("\\colortbl"));
    EXPECT_EQ(StyledText(r.rtf), expected);
  }
}

// Malformed documents give a balanced document of what the text engine reads of them.
TEST_F(TextOps, MalformedRichTextIsConvertedAndJoinedAsRead) {
  std::string deep(100000, '{');
  deep += "deep text";
  const std::string docs[] = {
      "{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}{\\b bold te",  // cut inside a group
      "{\\rtf1\\ansi plain\\pa",                             // cut inside a control word
      "{\\rtf1 a\\bin99999 xyz} after",                      // \bin claims more than there is
      "{\\rtf1 a}}} b} c",                                   // closes too often
      "{\\rtf1 {{{ open {{",                                 // never closes
      "{\\rtf1\\uc99999 x\\u1046 yz tail}",                  // absurd fallback count
      "{\\rtf1 text\\",                                      // lone backslash at the end
      "{\\rtf1 \\'e",                                        // cut inside \'hh
      "{\\rtf1 \\u1046",                                     // cut after a \u word
      "{\\rtf1{\\fonttbl{\\f0 Ari",                          // cut inside the font table
      "{\\*\\garbage}}}{",                                   // no document to speak of
      "plain words, not a document",
      deep,
  };
  for (const std::string& first : docs) {
    SCOPED_TRACE(first.substr(0, 40));
    const std::u16string text = RtfToPlainText(EnsureRtf(first, settings.previews.font));
    if (text.empty()) {
      EXPECT_FALSE(TextConversion(Copy(first, true), kUpper, kCases, settings));
    } else {
      Output r = Convert(Copy(first, true), kUpper);
      EXPECT_TRUE(test::BalancedGroups(r.rtf));
      EXPECT_EQ(r.wide, ConvertPlainText(text, kUpper, kCases));
      EXPECT_EQ(RtfToPlainText(r.rtf), r.wide);
    }
    for (const std::string& second : docs) {
      if (second.size() > 1000) continue;
      Output r = Read(AppendText(Copy(first, true), Copy(second, true), 2, settings));
      EXPECT_TRUE(test::BalancedGroups(r.rtf)) << second;
      EXPECT_EQ(r.wide, JoinPlainText(text, RtfToPlainText(EnsureRtf(second, {})), SeparatorFor(2)))
          << second;
    }
  }
}

TEST_F(TextOps, SaveTextDialogNameAndContent) {
  EXPECT_EQ(SaveTextDialog(false).filter, "Plain Text (*.txt)|*.txt");
  const SaveDialogSetup rich = SaveTextDialog(true);
  EXPECT_EQ(rich.filter, "Plain Text (*.txt)|*.txt|Rich Text Format (*.rtf)|*.rtf");
  // The dialog neither adds an extension nor asks about the typed name: the
  // name written is SaveTextName's. A typed .txt or .rtf wins over the filter.
  EXPECT_TRUE(rich.filterIndex == 1 && rich.defaultExtension.empty() && !rich.overwritePrompt);
  using enum SavedText;
  const std::tuple<const char*, int32_t, bool, const char*, SavedText> cases[] = {
      {"notes", 1, false, "notes.txt", kPlain},
      {"notes.doc", 1, false, "notes.doc.txt", kPlain},
      {"NOTES.TXT", 1, false, "NOTES.TXT", kPlain},
      {"notes.rtf", 2, false, "notes.rtf.txt", kPlain},
      {"report", 2, true, "report.rtf", kRich},
      {"report", 1, true, "report.txt", kPlain},
      {"report.doc", 2, true, "report.doc.rtf", kRich},
      {"report.Rtf", 1, true, "report.Rtf", kRich},
      {"report.txt", 2, true, "report.txt", kPlain},
      {"report.", 2, true, "report..rtf", kRich}};
  for (const auto& [chosen, filterIndex, hasRich, written, content] : cases) {
    const SaveTextTarget t = SaveTextName(chosen, filterIndex, hasRich);
    EXPECT_EQ(t.fileName, written);
    EXPECT_EQ(t.content, content) << chosen;
  }
  // Rich: the document as stored. Plain: CF_TEXT, else the document's text, else the file list.
  auto saved = [&](const std::vector<SimClipboard::Item>& items, SavedText content) {
    const Bytes b = SaveTextContent(CaptureNew(items), content, settings.previews);
    return std::string(b.begin(), b.end());
  };
  const std::string doc = "{\\rtf1\\ansi r\\'e9sum\\'e9\\par two}";
  const SimClipboard::Item both[] = {{settings.richFormat, Bytes(doc.begin(), doc.end())},
                                     {CF_TEXT, test::Ansi("plain")}};
  EXPECT_EQ(saved({both[0], both[1]}, kRich), doc);
  EXPECT_EQ(saved({both[0], both[1]}, kPlain), "plain");
  EXPECT_EQ(saved({both[0]}, kPlain), "r\xE9sum\xE9\r\ntwo");
  EXPECT_EQ(saved({both[1]}, kRich), "");
  TClipRec& files = CaptureNew({{CF_HDROP, test::DropList({"C:\\a.txt", "C:\\b.txt"})}});
  const Bytes names = SaveTextContent(files, kPlain, settings.previews);
  EXPECT_EQ(std::string(names.begin(), names.end()),
            Utf8ToAnsi(FileListText(files, settings.previews)));
  EXPECT_NE(FileListText(files, settings.previews).find("C:\\b.txt"), std::string::npos);
}

}  // namespace
}  // namespace qv
