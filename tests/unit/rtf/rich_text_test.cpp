#include "rtf/rich_text.h"

#include <gtest/gtest.h>

#include <cwctype>

#include "test_support.h"
#include "util/codepage.h"

namespace qv {
namespace {

const auto Plain = RtfToPlainText;

TEST(RtfToPlainText, WhatAReaderShows) {
  const std::pair<std::string, std::u16string> cases[] = {
      // Escapes through the document's code page; raw 8-bit text too.
      {"{\\rtf1\\ansi\\ansicpg1252 caf\\'e9 \\u8364? \\'aa}", u"café € ª"},
      {"{\\rtf1\\ansi\\ansicpg1252 caf\xE9 \\'80}", u"café €"},
      {"{\\rtf1 \\u-10179?\\u-8704?}", u"😀"},  // negative \uN, a surrogate pair
      {"{\\rtf1 \\\\ \\{ \\} a\\~b \\emdash \\lquote x\\rquote}",
       u"\\ { } a\u00A0b \u2014\u2018x\u2019"},
      // \uN fallbacks follow \ucN.
      {"{\\rtf1\\uc2 a\\u8364ab c}", u"a€ c"},
      {"{\\rtf1\\uc0\\u8364 x}", u"€x"},
      {"{\\rtf1\\uc1\\u8364\\'80 y}", u"€ y"},  // a hex escape is one fallback
      {"{\\rtf1\\uc3 {\\u8364}x}", u"€x"},      // a group end stops the skipping
      {"{\\rtf1{\\uc3 a}\\u8364?b}", u"a€b"},   // \uc is scoped to its group
      // Line breaks and tabs as the control shows them; source breaks mean nothing.
      {"{\\rtf1 a\\par b\\line c\\tab d\\cell e\\row f\\sect g\\page h}",
       u"a\r\nb\r\nc\td\te\r\nf\r\ng\r\nh"},
      {"{\\rtf1 a\r\nb\n\rc}", u"abc"},
      {"{\\rtf1 a\\zwbo z\\Zz b}", u"azb"},  // unknown control words of any letters
      {"{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
       "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}{\\*\\generator G;}{\\*\\unknown u}"
       "{\\header H}{\\footer F}{\\pict\\bin5 {}}\\x}{\\object{\\*\\objdata 01}}"
       "{\\field{\\*\\fldinst HYPERLINK}{\\fldrslt link}} visible}",
       u"link visible"},
      // The document ends with its group.
      {std::string("{\\rtf1 a}b\0c", 12), u"a"},
      {"lead {\\rtf1 x}", u"x"},
      {"plain text", u""},
      // Malformed input gets a clear result.
      {"", u""},
      {"{", u""},
      {"}}}{\\rtf1 x}", u"x"},
      {"{\\rtf1 abc{\\b def", u"abcdef"},  // truncated
      {"{\\rtf1 a}}}b{", u"a"},            // unbalanced
      {"{\\rtf1 a\\", u"a"},
      {"{\\rtf1 a\\u-9", u"a\uFFF7"},  // a lone backslash at the end
      {"{\\rtf1 a\\'zz\\'4}", u"azz\u0004"},
      {"{\\rtf1 a\\bin999999999999 xyz}", u"a"},  // \bin beyond the input
      {"{\\rtf1 a\\bin-5 b}", u"ab"},
      {"{\\rtf1\\uc2000000000 \\u8364 abc}d", u"€"},
      {"{\\rtf1 \\u99999999999999999?x}", u"\uFFFFx"},  // a saturated parameter
      {"{\\rtf1 \\" + std::string(100000, 'a') + " z}", u"z"},
      {"{\\rtf1 " + std::string(200000, '{') + "deep" + std::string(200000, '}') + "}", u"deep"},
  };
  for (const auto& [rtf, plain] : cases) EXPECT_EQ(Plain(rtf), plain) << rtf.substr(0, 80);
}

TEST(RtfToPlainText, InstalledCodePageUnlessTheDocumentSays1252) {
  // A stand-in single-byte page: byte b is U+0400 + b.
  InstallAnsiCodePage({nullptr, [](std::string_view s) {
                         std::u16string out;
                         for (char c : s)
                           out += static_cast<char16_t>(0x400 + static_cast<uint8_t>(c));
                         return out;
                       }});
  EXPECT_EQ(Plain("{\\rtf1\\ansi \\'80\\'81}"), u"\u0480\u0481");
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1251 \\'80}"), u"\u0480");
  EXPECT_EQ(Plain("{\\rtf1\\ansi\\ansicpg1252\\fs24 \\'80\\'e9}"), u"€é");  // \\fs is no page
  InstallAnsiCodePage({});
}

TEST(RtfMalformedInput, RandomBytesNeverBreakTheInvariants) {
  const char alphabet[] = "{}\\\\\\'09afuc*bin par-1 x\xE9\r\n";
  uint32_t seed = 12345;
  auto next = [&seed] { return (seed = seed * 134775813u + 1) >> 16; };
  for (int round = 0; round < 3000; ++round) {
    std::string doc = "{\\rtf1 ";
    size_t length = next() % 80;
    for (size_t i = 0; i < length; ++i) doc += alphabet[next() % (sizeof alphabet - 1)];
    // An exact-size heap copy: AddressSanitizer catches a read past its end.
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

TEST(PlainTextToRtf, RoundTripsTheTextInTheFont) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"Hello {world} back\\slash\ttab\r\nline2\nline3\rline4 café € 😀 Привет",
       u"Hello {world} back\\slash\ttab\r\nline2\r\nline3\r\nline4 café € 😀 Привет"},
      {"", u""},
      {"a\r\n\r\n", u"a\r\n\r\n"},                            // final breaks kept
      {"\x01x", u"\x01x"},                                    // control characters
      {"a\x80\xC3(\xE2\x82", u"a\uFFFD\uFFFD(\uFFFD\uFFFD"},  // one replacement per bad byte
  };
  for (const auto& [text, plain] : cases) EXPECT_EQ(Plain(PlainTextToRtf(text, {})), plain);
  std::string made = EnsureRtf(std::string("caf\xE9\0junk", 9), {});
  EXPECT_EQ(Plain(made), u"café") << "non-RTF is taken as ANSI text";
  EXPECT_EQ(EnsureRtf(" \r\n{\\rtf1 x}", {}), " \r\n{\\rtf1 x}");
  // The font, its size kept within 16 bits, the escapes.
  const std::string head = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset1 ";
  EXPECT_EQ(PlainTextToRtf("a{b}\\ € 😀", {"Courier New", 12, 0x030201, true, false, true, false}),
            head +
                "Courier New;}}{\\colortbl ;\\red1\\green2\\blue3;}\\uc1\\pard\\plain\\f0\\cf1"
                "\\fs24\\b\\ul a\\{b\\}\\\\ \\u8364? \\u-10179?\\u-8704?}");
  EXPECT_EQ(PlainTextToRtf("x", {"We;ird\xC3\xA9", 0, 0, false, true, false, true}),
            head +
                "Weird\\u233?;}}{\\colortbl ;\\red0\\green0\\blue0;}\\uc1\\pard\\plain\\f0\\cf1"
                "\\fs2\\i\\strike x}");
  EXPECT_NE(PlainTextToRtf("x", {"A", 5000}).find("\\fs3276 x}"), std::string::npos);
}

TEST(TruncateRtf, KeepsFormattingAndClosesGroups) {
  const std::string doc = "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b bold {\\i italic} tail}";
  const std::string deep = "{\\rtf1 " + std::string(200000, '{') + "deep";
  const std::tuple<std::string, size_t, std::string> cases[] = {
      {doc, 7, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b bold {\\i it}}"},
      {doc, 0, "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0\\b }"},
      {doc + '\0', 3000, doc},                    // short: unchanged, the NUL dropped
      {"{\\rtf1 ab\\par cd}", 3, "{\\rtf1 ab}"},  // a break is not split
      {"{\\rtf1 ab\\par cd}", 4, "{\\rtf1 ab\\par }"},
      {"{\\rtf1 a\\u8364?b}", 2, "{\\rtf1 a\\u8364?}"},  // the fallback stays with its character
      {"{\\rtf1 a{\\b b", 5, "{\\rtf1 a{\\b b}}"},       // document cut short
      {"{\\rtf1 a{\\pict\\bin99 xy", 5, "{\\rtf1 a{\\pict\\bin2 xy}}"},  // a lying \bin corrected
      {"no document", 5, ""},
      {"{\\rtf1 a\\", 5, "{\\rtf1 a}"},  // a lone backslash would escape the brace
      {deep, 2, "{\\rtf1 " + std::string(200000, '{') + "de" + std::string(200001, '}')},
  };
  for (const auto& [rtf, chars, cut] : cases)
    EXPECT_EQ(TruncateRtf(rtf, chars), cut) << rtf.substr(0, 80);
}

TEST(MapRtfText, RewritesOnlyText) {
  auto upper = [](char16_t c) -> char16_t {
    return c == u'é' ? u'É' : c == u'ä' ? u'Ä' : c < 0x80 ? std::towupper(c) : c;
  };
  std::string mapped = MapRtfText(
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b bold\\b0 caf\\'e9 {\\*\\x hidden} \\u228?x \\{y\\}}",
      upper);
  EXPECT_EQ(
      mapped,
      "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\b BOLD\\b0 CAF\\u201? {\\*\\x hidden} \\u196 ?X \\{Y\\}}");

  std::u16string seen;
  mapped = MapRtfText("{\\rtf1 a\\par b\\tab c}", [&](char16_t c) { return seen += c, u'z'; });
  EXPECT_EQ(seen, u"a\r\nb\tc") << "breaks and tabs are visited but kept";
  EXPECT_EQ(Plain(mapped), u"z\r\nz\tz");
  // A new \uN gets the fallbacks \ucN asks for: none (the number delimited),
  // up to eight, or for an absurd count a group of its own with \uc1.
  auto euro = [](char16_t c) { return c == u'a' ? u'€' : c; };
  for (auto [doc, plain] : {std::pair{"{\\rtf1\\uc0 a1}", u"€1"},
                            {"{\\rtf1\\uc8 ab}", u"€b"},
                            {"{\\rtf1\\uc900000 ab}", u"€b"}})
    EXPECT_EQ(Plain(MapRtfText(doc, euro)), plain) << doc;
}

}  // namespace
}  // namespace qv
