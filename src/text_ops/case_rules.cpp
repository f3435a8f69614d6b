#include "text_ops/case_rules.h"

#include <algorithm>
#include <array>

namespace qv {
namespace {

// 0xB9 stands for the numero sign of the Cyrillic code page; text decoded
// from other code pages holds it as U+00B9, Unicode text as U+2116.
constexpr std::array<char16_t, 30> kNoSentenceStart = {
    u',', u'@', u'#', u'$', u'%', u'^', u'&', u'*', u'(',  u')', u'-', u'+', u'=', u'\'',  u'"',
    u'[', u']', u' ', u'{', u'}', u'<', u'>', u'/', u'\\', u'`', u'~', u':', u';', 0x00B9, 0x2116};

}  // namespace

std::optional<TextMode> TextModeFromNumber(int32_t number) {
  if (number < 0 || number > 5) return std::nullopt;
  return static_cast<TextMode>(number);
}

bool IsWordChar(char16_t c) {
  switch (c) {
    case u' ':
    case u'"':
    case u'\'':
    case u'(':
    case u'[':
    case u'<':
    case u'{':
      return false;
    default:
      return true;
  }
}

bool IsSentenceEnd(char16_t c) {
  return c == u'.' || c == u'?' || c == u'!';
}

bool CanStartSentence(char16_t c) {
  return std::find(kNoSentenceStart.begin(), kNoSentenceStart.end(), c) == kNoSentenceStart.end();
}

char16_t InvertCharCase(char16_t c, const TextCase& cases) {
  auto narrow = [c](char32_t m) { return m <= 0xFFFF ? static_cast<char16_t>(m) : c; };
  const char16_t lower = narrow(cases.Lower(c));
  return lower == c ? narrow(cases.Upper(c)) : lower;
}

// A mapping that leaves the 16-bit range (or a surrogate, which maps to
// itself anyway) keeps the character: one unit stays one unit.
char16_t CaseConverter::Upper(char16_t c) const {
  const char32_t m = cases_.Upper(c);
  return m <= 0xFFFF ? static_cast<char16_t>(m) : c;
}

char16_t CaseConverter::Lower(char16_t c) const {
  const char32_t m = cases_.Lower(c);
  return m <= 0xFFFF ? static_cast<char16_t>(m) : c;
}

char16_t CaseConverter::operator()(char16_t c) {
  switch (mode_) {
    case TextMode::kUpper:
      return Upper(c);
    case TextMode::kLower:
      return Lower(c);
    case TextMode::kInvert:
      return InvertCharCase(c, cases_);
    case TextMode::kRandom:
      return random_.Next() >= 0.5 ? Upper(c) : Lower(c);
    case TextMode::kWord:
      if (!IsWordChar(c)) {
        inWord_ = false;
        return c;
      }
      if (!inWord_) {
        inWord_ = true;
        return Upper(c);
      }
      return Lower(c);
    case TextMode::kSentence:
      if (IsSentenceEnd(c)) {
        atStart_ = true;
        return c;
      }
      if (!atStart_) return Lower(c);
      if (!CanStartSentence(c)) return c;
      atStart_ = false;
      return Upper(c);
  }
  return c;
}

}  // namespace qv
