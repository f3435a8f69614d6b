#include "text_ops/case_rules.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_text_case.h"

namespace qv {
namespace {

std::u16string Convert(TextMode mode, std::u16string_view text, uint32_t seed = 0) {
  static const SimTextCase cases;
  CaseConverter convert(mode, cases, seed);
  std::u16string out;
  for (char16_t c : text) out += convert(c);
  return out;
}

TEST(CaseRules, CharacterClasses) {
  // Letters, digits and the line characters behave alike in all three tests.
  for (char16_t c : std::u16string(u"aZ09\t\r\n\u00e9\u0416")) {
    EXPECT_TRUE(IsWordChar(c));
    EXPECT_FALSE(IsSentenceEnd(c));
    EXPECT_TRUE(CanStartSentence(c));
  }
  for (char16_t c : std::u16string(u" \"'([<{")) EXPECT_FALSE(IsWordChar(c)) << char(c);
  // Closing brackets and other punctuation do not end words.
  for (char16_t c : std::u16string(u")]>}-.,!?/")) EXPECT_TRUE(IsWordChar(c)) << char(c);
  for (char16_t c : std::u16string(u".?!")) EXPECT_TRUE(IsSentenceEnd(c));
  int punctuation = 0;
  for (char16_t c = 0x20; c < 0x7F; ++c) {
    const bool alnum =
        (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
    if (alnum) {
      EXPECT_TRUE(CanStartSentence(c));
    }
    if (!CanStartSentence(c)) ++punctuation;
  }
  // Every ASCII blank and punctuation mark except the sentence ends and the
  // underscore and the bar waits for a later character.
  EXPECT_EQ(punctuation, 95 - 62 - 3 - 2);
  EXPECT_TRUE(CanStartSentence(u'_'));
  EXPECT_TRUE(CanStartSentence(u'|'));
  // The numero sign, as the Cyrillic code page's byte and as Unicode.
  EXPECT_FALSE(CanStartSentence(0x00B9));
  EXPECT_FALSE(CanStartSentence(0x2116));
}

TEST(CaseRules, WorkedExamplesOverTheModes) {
  struct Case {
    TextMode mode;
    std::u16string in, out;
  } cases[] = {
      {TextMode::kUpper, u"Mixed 1-2 ca\u00dfe", u"MIXED 1-2 CA\u00dfE"},
      {TextMode::kLower, u"MiXeD \u00c9T\u00c9", u"mixed \u00e9t\u00e9"},
      {TextMode::kInvert, u"iNVERT tHE cASE 42!", u"Invert The Case 42!"},
      {TextMode::kWord, u"o'neil (test) e-mail", u"O'Neil (Test) E-mail"},
      {TextMode::kWord, u"ONE\r\nTWO", u"One\r\ntwo"},
      {TextMode::kWord, u"a\tb [c]d <e>f {g}h \"i\"", u"A\tb [C]d <E>f {G}h \"I\""},
      {TextMode::kSentence, u"mr. smith. ok?yes", u"Mr. Smith. Ok?Yes"},
      {TextMode::kSentence, u"1. item", u"1. Item"},
      {TextMode::kSentence, u"END. NEXT LINE", u"End. Next line"},
      {TextMode::kSentence, u"end.\r\nNEXT", u"End.\r\nnext"},
      {TextMode::kSentence, u"\"(quoted)\" text!  -- WOW", u"\"(Quoted)\" text!  -- Wow"},
      {TextMode::kSentence, u"\u2116 5 is here", u"\u2116 5 is here"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.mode));
    EXPECT_EQ(Convert(c.mode, c.in), c.out);
  }
}

TEST(CaseRules, EveryModeLeavesNonLettersAndLengthAlone) {
  const std::u16string text = u"0123 .,;:!? \t\r\n()[]{}<>\"'-+=*/\\ \u20ac \u4e2d";
  for (int m = 0; m <= 5; ++m) EXPECT_EQ(Convert(*TextModeFromNumber(m), text), text) << m;
  EXPECT_FALSE(TextModeFromNumber(6));
  EXPECT_FALSE(TextModeFromNumber(-1));
}

TEST(CaseRules, GreekAndCyrillic) {
  struct Case {
    TextMode mode;
    std::u16string in, out;
  } cases[] = {
      {TextMode::kUpper,
       u"\u043f\u0440\u0438\u0432\u0435\u0442 \u03ba\u03cc\u03c3\u03bc\u03bf\u03c2",
       u"\u041f\u0420\u0418\u0412\u0415\u0422 \u039a\u038c\u03a3\u039c\u039f\u03a3"},
      {TextMode::kLower, u"\u0401\u041b\u041a\u0410 \u0391\u0398\u0397\u039d\u0391",
       u"\u0451\u043b\u043a\u0430 \u03b1\u03b8\u03b7\u03bd\u03b1"},
      {TextMode::kWord, u"\u043d\u043e\u0432\u044b\u0439 \u0413\u041e\u0414 \u03b1\u03b2\u03b3",
       u"\u041d\u043e\u0432\u044b\u0439 \u0413\u043e\u0434 \u0391\u03b2\u03b3"},
      {TextMode::kInvert, u"\u041c\u0438\u0440 \u0394\u03b5", u"\u043c\u0418\u0420 \u03b4\u0395"},
  };
  for (const Case& c : cases) EXPECT_EQ(Convert(c.mode, c.in), c.out);
}

TEST(CaseRules, RandomFollowsTheGeneratorFromItsSeed) {
  // seed := seed * 134775813 + 1; upper case where seed / 2^32 >= 0.5.
  CaseRandom generator(12345);
  EXPECT_DOUBLE_EQ(generator.Next(), 1655067934.0 / 4294967296.0);
  EXPECT_EQ(Convert(TextMode::kRandom, u"aaaaaaaaaaaa", 12345), u"aaaAAaaaaAAa");
  EXPECT_EQ(Convert(TextMode::kRandom, u"aaaaaaaaaaaa", 0), u"aaAaaAaaaaaa");
  // Every character draws, whether it has case or not.
  EXPECT_EQ(Convert(TextMode::kRandom, u"a.a.a.a.a.a.", 12345), u"a.a.A.a.a.A.");
  const std::u16string letters(64, u'q');
  EXPECT_EQ(Convert(TextMode::kRandom, letters, 7), Convert(TextMode::kRandom, letters, 7));
  EXPECT_NE(Convert(TextMode::kRandom, letters, 7), Convert(TextMode::kRandom, letters, 8));
}

}  // namespace
}  // namespace qv
