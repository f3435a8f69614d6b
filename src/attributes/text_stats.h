#pragma once
// The preview and the counts of a text, taken line by line as the text
// viewer's control holds it.
//
// Lines: CR LF, a lone CR and a lone LF each end a line; a break at the very
// end adds no empty last line, and an empty text has no lines. Characters are
// UTF-16 units; the whole-text length counts CR LF as two.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

inline constexpr size_t kPreviewLines = 3;
inline constexpr size_t kPreviewLineChars = 50;
inline constexpr size_t kMaxCountedChars = 10000;  // above: no word count

struct TextStats {
  std::u16string preview;  // the first non-empty trimmed lines, cut, joined by CR LF
  uint32_t lineCount = 0;  // empty lines included
  uint32_t wordCount = 0;  // only when wordsCounted
  uint32_t charCount = 0;  // line characters, or the whole length when words are not counted
  bool wordsCounted = false;
};

TextStats AnalyzeText(std::u16string_view text);

// Without leading and trailing blanks and control characters (codes up to 32).
std::u16string_view TrimLine(std::u16string_view line);

}  // namespace qv
