#include "rtf/rich_text.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <string>

#include "rtf/rtf_tokenizer.h"
#include "test_support.h"
#include "util/codepage.h"

namespace qv {
namespace {

std::u16string Plain(std::string_view rtf) {
  return RtfToPlainText(rtf);
}

TEST(RtfToPlainText, DecodesEscapesThroughTheDocumentCodePage) {
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\u8364? x}"), u"café € x");
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1252 caf\xE9 \\'80}"), u"café €") << "raw 8-bit text";
  EXPECT_EQ(Plain("{\\rtf1 \\u-10179?\\u-8704?}"), u"😀") << "negative \\uN, surrogate pair";
  EXPECT_EQ(Plain("{\\rtf1 \\\\ \\{ \\} a\\~b \\emdash \\lquote x\\rquote}"),
            u"\\ { } a\u00A0b \u2014\u2018x\u2019");
}

TEST(RtfToPlainText, UnicodeFallbacksFollowUc) {
  EXPECT_EQ(Plain("{\\rtf1\\uc2 a\\u8364ab c}"), u"a€ c") << "two fallback characters";
  EXPECT_EQ(Plain("{\\rtf1\\uc0\\u8364 x}"), u"€x");
  EXPECT_EQ(Plain("{\\rtf1\\uc1\\u8364\\'80 y}"), u"€ y") << "a hex escape is one fallback";
  EXPECT_EQ(Plain("{\\rtf1\\uc3 {\\u8364}x}"), u"€x") << "a group end stops the skipping";
  EXPECT_EQ(Plain("{\\rtf1{\\uc3 a}\\u8364?b}"), u"a€b") << "\\uc is scoped to its group";
}

TEST(RtfToPlainText, InstalledCodePageUnlessTheDocumentSays1252) {
  // A stand-in single-byte page: byte 0x80 + k is U+0410 + k (Cyrillic-like).
  InstallAnsiCodePage({nullptr, [](std::string_view s) {
                         std::u16string out;
                         for (char c : s) {
                           auto b = static_cast<uint8_t>(c);
                           out += b < 0x80 ? char16_t{b} : static_cast<char16_t>(0x0410 + b - 0x80);
                         }
                         return out;
                       }});
  EXPECT_EQ(Plain("{\\rtf1\\ansi \\'80\\'81}"), u"\u0410\u0411");
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1251 \\'80}"), u"\u0410");
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1252\\fs24 \\'80\\'e9}"), u"€é")
      << "only \\ansicpg sets the code page";
  InstallAnsiCodePage({});
}

TEST(RtfToPlainText, LineBreaksAndTabsAsTheControlShowsThem) {
  EXPECT_EQ(Plain("{\\rtf1 a\\par b\\line c\\tab d\\cell e\\row f\\sect g\\page h}"),
            u"a\r\nb\r\nc\td\te\r\nf\r\ng\r\nh");
  EXPECT_EQ(Plain("{\\rtf1 a\r\nb\n\rc}"), u"abc") << "source line breaks mean nothing";
  EXPECT_EQ(Plain("{\\rtf1 a\\zwbo z\\Zz b}"), u"azb") << "unknown control words of any letters";
}

TEST(RtfToPlainText, HidesIgnorableDestinations) {
  std::string rtf =
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
      "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}{\\*\\generator G;}{\\*\\unknown u}"
      "{\\header H}{\\footer F}{\\pict\\bin5 {}}\\x}{\\object{\\*\\objdata 01}}"
      "{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt link}} visible}";
  EXPECT_EQ(Plain(rtf), u"link visible");
}

TEST(RtfToPlainText, StopsAtTheDocumentEnd) {
  EXPECT_EQ(Plain(std::string("{\\rtf1 a}b\0c", 12)), u"a");
  EXPECT_EQ(Plain("lead {\\rtf1 x}"), u"x") << "bytes before the document are not part of it";
  EXPECT_EQ(Plain("plain text"), u"") << "no group, no document";
}

TEST(RtfMalformedInput, GivesAClearResult) {
  EXPECT_EQ(Plain(""), u"");
  EXPECT_EQ(Plain("{"), u"");
  EXPECT_EQ(Plain("}}}{\\rtf1 x}"), u"x");
  EXPECT_EQ(Plain("{\\rtf1 abc{\\b def"), u"abcdef") << "truncated";
  EXPECT_EQ(Plain("{\\rtf1 a}}}b{"), u"a") << "unbalanced";
  EXPECT_EQ(Plain("{\\rtf1 a\\"), u"a") << "lone backslash at the end";
  EXPECT_EQ(Plain("{\\rtf1 a\\'zz\\'4}"), u"azz\u0004") << "bad hex digits";
  EXPECT_EQ(Plain("{\\rtf1 a\\bin999999999999 xyz}"), u"a") << "\\bin beyond the input";
  EXPECT_EQ(Plain("{\\rtf1 a\\bin-5 b}"), u"ab") << "negative \\bin";
  EXPECT_EQ(Plain("{\\rtf1\\uc2000000000 \\u8364 abc}d"), u"€") << "huge \\uc";
  EXPECT_EQ(Plain("{\\rtf1 \\u99999999999999999?x}"), u"\uFFFFx") << "saturated parameter";
  std::string name(100000, 'a');
  EXPECT_EQ(Plain("{\\rtf1 \\" + name + " z}"), u"z") << "very long control word";
}

TEST(RtfMalformedInput, DeepNestingCostsNoRecursionNorState) {
  const size_t depth = 200000;
  std::string deep = "{\\rtf1 " + std::string(depth, '{') + "deep" + std::string(depth, '}') + "}";
  EXPECT_EQ(Plain(deep), u"deep");
  std::string open = "{\\rtf1 " + std::string(depth, '{') + "deep";
  std::string cut = TruncateRtf(open, 2);
  EXPECT_TRUE(test::BalancedGroups(cut));
  EXPECT_EQ(Plain(cut), u"de");
}

TEST(RtfMalformedInput, RandomBytesNeverBreakTheInvariants) {
  // Truncation keeps exactly the visible prefix and yields balanced groups, and
  // an identity mapping keeps the text, whatever the bytes.
  const char alphabet[] = "{}\\\\\\'09afuc*bin par-1 x\xE9\r\n";
  uint32_t seed = 12345;
  auto next = [&seed] { return (seed = seed * 134775813u + 1) >> 16; };
  for (int round = 0; round < 3000; ++round) {
    std::string doc = "{\\rtf1 ";
    size_t length = next() % 80;
    for (size_t i = 0; i < length; ++i) doc += alphabet[next() % (sizeof alphabet - 1)];
    // An exact-size copy on the heap: under AddressSanitizer a read past the
    // end of the document fails the run.
    const std::vector<char> exact(doc.begin(), doc.end());
    std::u16string plain = Plain(std::string_view(exact.data(), exact.size()));
    size_t limit = next() % 12;
    std::string cut = TruncateRtf(doc, limit);
    ASSERT_TRUE(test::BalancedGroups(cut)) << doc;
    std::u16string expected = plain.substr(0, limit);
    if (expected.ends_with(u'\r') && plain.substr(limit).starts_with(u'\n')) expected.pop_back();
    ASSERT_EQ(Plain(cut), expected) << doc;
    std::string mapped = MapRtfText(doc, [](char16_t c) { return c; });
    ASSERT_EQ(Plain(mapped), plain) << doc;
  }
}

TEST(PlainTextToRtf, RoundTripsTheText) {
  TextFont font;
  std::string text = "Hello {world} back\\slash\ttab\r\nline2\nline3\rline4 café € 😀 Привет";
  EXPECT_EQ(Plain(PlainTextToRtf(text, font)),
            u"Hello {world} back\\slash\ttab\r\nline2\r\nline3\r\nline4 café € 😀 Привет");
  EXPECT_EQ(Plain(PlainTextToRtf("", font)), u"");
  EXPECT_EQ(Plain(PlainTextToRtf("a\r\n\r\n", font)), u"a\r\n\r\n") << "final breaks kept";
  EXPECT_EQ(Plain(PlainTextToRtf("\x01x", font)), u"\x01x") << "control characters";
  EXPECT_EQ(Plain(PlainTextToRtf("a\x80\xC3(\xE2\x82", font)), u"a\uFFFD\uFFFD(\uFFFD\uFFFD")
      << "malformed UTF-8: one replacement per bad byte";
}

TEST(PlainTextToRtf, SetsTheFontAndEscapes) {
  TextFont font{"Courier New", 12, 0x00030201, true, false, true, false};
  std::string rtf = PlainTextToRtf("a{b}\\ € 😀", font);
  EXPECT_TRUE(LooksLikeRtf(rtf));
  EXPECT_TRUE(test::BalancedGroups(rtf));
  EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset1 Courier New;}}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("{\\colortbl ;\\red1\\green2\\blue3;}"), std::string::npos) << rtf;
  EXPECT_NE(rtf.find("\\f0\\cf1\\fs24\\b\\ul a\\{b\\}\\\\ \\u8364? \\u-10179?\\u-8704?}"),
            std::string::npos)
      << rtf;
  EXPECT_EQ(rtf.find("\\i"), std::string::npos);
  EXPECT_EQ(rtf.find("\\strike"), std::string::npos);

  TextFont other{"We;ird\xC3\xA9", 9, 0, false, true, false, true};
  std::string rtf2 = PlainTextToRtf("x", other);
  EXPECT_NE(rtf2.find("\\fcharset1 Weird\\u233?;}"), std::string::npos) << rtf2;
  EXPECT_NE(rtf2.find("\\fs18\\i\\strike x}"), std::string::npos) << rtf2;
}

TEST(EnsureRtf, TakesNonRtfAsAnsiText) {
  EXPECT_EQ(EnsureRtf("{\\rtf1 x}", {}), "{\\rtf1 x}");
  EXPECT_TRUE(LooksLikeRtf(" \r\n{\\rtf1 x}"));
  std::string made = EnsureRtf(std::string("caf\xE9\0junk", 9), {});
  EXPECT_EQ(Plain(made), u"café");
}

TEST(TruncateRtf, KeepsFormattingAndClosesGroups) {
  std::string doc = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b bold {\\i italic} tail}";
  EXPECT_EQ(TruncateRtf(doc, 7), "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b bold {\\i it}}");
  EXPECT_EQ(TruncateRtf(doc, 0), "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b }");
  EXPECT_EQ(TruncateRtf(doc + '\0', 3000), doc) << "short: unchanged, the NUL dropped";
  EXPECT_EQ(TruncateRtf("{\\rtf1 ab\\par cd}", 3), "{\\rtf1 ab}") << "a break is not split";
  EXPECT_EQ(TruncateRtf("{\\rtf1 ab\\par cd}", 4), "{\\rtf1 ab\\par }");
  EXPECT_EQ(TruncateRtf("{\\rtf1 a\\u8364?b}", 2), "{\\rtf1 a\\u8364?}")
      << "the fallback stays with its character";
  EXPECT_EQ(TruncateRtf("{\\rtf1 a{\\b b", 5), "{\\rtf1 a{\\b b}}") << "document cut short";
  EXPECT_EQ(TruncateRtf("{\\rtf1 a{\\pict\\bin99 xy", 5), "{\\rtf1 a{\\pict\\bin2 xy}}")
      << "a lying \\bin count is corrected";
  EXPECT_EQ(TruncateRtf("no document", 5), "");
  EXPECT_EQ(TruncateRtf("{\\rtf1 a\\", 5), "{\\rtf1 a}")
      << "a lone backslash would escape the brace";
}

TEST(MapRtfText, RewritesOnlyText) {
  auto upper = [](char16_t c) -> char16_t {
    if (c == u'é') return u'É';
    if (c == u'ä') return u'Ä';
    return c < 0x80 ? static_cast<char16_t>(std::towupper(c)) : c;
  };
  std::string doc =
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b bold\\b0 caf\\'e9 {\\*\\x hidden} \\u228?x \\{y\\}}";
  std::string mapped = MapRtfText(doc, upper);
  EXPECT_EQ(
      mapped,
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b BOLD\\b0 CAF\\u201? {\\*\\x hidden} \\u196 ?X \\{Y\\}}");
  EXPECT_EQ(Plain(mapped), u"BOLDCAFÉ  ÄX {Y}");

  std::u16string seen;
  MapRtfText("{\\rtf1 a\\par b\\tab c}", [&](char16_t c) {
    seen += c;
    return u'z';
  });
  EXPECT_EQ(seen, u"a\r\nb\tc") << "breaks and tabs are visited but kept";
  EXPECT_EQ(Plain(MapRtfText("{\\rtf1 a\\par b\\tab c}", [](char16_t) { return u'z'; })),
            u"z\r\nz\tz");
  EXPECT_EQ(Plain(MapRtfText("{\\rtf1\\uc0 a1}", [](char16_t c) { return c == u'a' ? u'€' : c; })),
            u"€1")
      << "no fallback: the number is delimited";
  EXPECT_EQ(
      Plain(MapRtfText("{\\rtf1\\uc900000 ab}", [](char16_t c) { return c == u'a' ? u'€' : c; })),
      u"€b")
      << "an absurd \\uc gets no matching run of fallbacks";
}

}  // namespace
}  // namespace qv
