#pragma once
// The six case conversions, character by character in text order: the
// character classes the rules test, and the per-run state of each mode.
#include <cstdint>
#include <optional>

#include "platform/text_case.h"

namespace qv {

// Numbered as the commands pass them.
enum class TextMode : uint8_t {
  kUpper = 0,
  kLower = 1,
  kWord = 2,
  kSentence = 3,
  kInvert = 4,
  kRandom = 5,
};
std::optional<TextMode> TextModeFromNumber(int32_t number);

// False for the characters that end a word: space " ' ( [ < {.
// Tab, CR and LF are word characters.
bool IsWordChar(char16_t c);
// . ? !
bool IsSentenceEnd(char16_t c);
// False for punctuation and the blank, which leave a sentence start waiting
// for a later character; digits, letters, tab, CR and LF take the capital.
bool CanStartSentence(char16_t c);
// The lower case when that differs, else the upper case.
char16_t InvertCharCase(char16_t c, const TextCase& cases);

// The random mode's generator: seed = seed * 134775813 + 1 (mod 2^32), and
// the drawn value is the new seed / 2^32.
class CaseRandom {
 public:
  explicit CaseRandom(uint32_t seed) : seed_(seed) {}
  double Next() {
    seed_ = seed_ * 134775813u + 1u;
    return seed_ / 4294967296.0;
  }

 private:
  uint32_t seed_;
};

// Converts one character after another, in text order, keeping the mode's
// state (inside a word, at a sentence start, the generator). Every character
// must be passed, line breaks (CR, LF) and tabs included, even where the
// caller keeps them, since they move the state on.
class CaseConverter {
 public:
  // `seed` starts the generator of the random mode; the others ignore it.
  CaseConverter(TextMode mode, const TextCase& cases, uint32_t seed = 0)
      : mode_(mode), cases_(cases), random_(seed) {}
  char16_t operator()(char16_t c);

 private:
  char16_t Upper(char16_t c) const;
  char16_t Lower(char16_t c) const;

  TextMode mode_;
  const TextCase& cases_;
  CaseRandom random_;
  bool inWord_ = false;
  bool atStart_ = true;
};

}  // namespace qv
