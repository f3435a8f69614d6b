#include "attributes/text_stats.h"

#include <algorithm>

namespace qv {
namespace {

uint32_t Saturate(size_t n) {
  return static_cast<uint32_t>(std::min<size_t>(n, UINT32_MAX));
}

// Runs of spaces + 1; tabs and punctuation do not separate words.
uint32_t WordsOf(std::u16string_view trimmed) {
  uint32_t words = 1;
  for (size_t i = 1; i < trimmed.size(); ++i) {
    if (trimmed[i] == u' ' && trimmed[i - 1] != u' ') ++words;
  }
  return words;
}

}  // namespace

std::u16string_view TrimLine(std::u16string_view line) {
  size_t begin = 0, end = line.size();
  while (begin < end && line[begin] <= 32) ++begin;
  while (end > begin && line[end - 1] <= 32) --end;
  return line.substr(begin, end - begin);
}

TextStats AnalyzeText(std::u16string_view text) {
  TextStats stats;
  const bool countWords = text.size() <= kMaxCountedChars;
  size_t lines = 0, words = 0, chars = 0, taken = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = pos;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    std::u16string_view line = text.substr(pos, end - pos);
    ++lines;
    chars += line.size();
    if (countWords || taken < kPreviewLines) {
      std::u16string_view trimmed = TrimLine(line);
      if (!trimmed.empty()) {
        if (countWords) words += WordsOf(trimmed);
        if (taken < kPreviewLines) {
          if (taken++ > 0) stats.preview += u"\r\n";
          stats.preview += trimmed.substr(0, kPreviewLineChars);
        }
      }
    }
    pos = end;
    if (pos < text.size())
      pos += text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n' ? 2 : 1;
  }
  stats.lineCount = Saturate(lines);
  stats.wordsCounted = countWords;
  stats.wordCount = countWords ? Saturate(words) : 0;
  stats.charCount = Saturate(countWords ? chars : text.size());
  return stats;
}

}  // namespace qv
