#include "search/slot_text.h"

#include <array>

#include "platform/clipboard.h"
#include "rtf/rich_text.h"
#include "snapshot/clipboard_io.h"
#include "util/codepage.h"
#include "util/utf8.h"

namespace qv {
namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

std::string SlotSearchText(const TClipRec& rec, const SlotStreamView& view) {
  std::string text;
  if (rec.HasText) text = ReadFormatTextUtf8(view, CF_TEXT);
  if (text.empty() && rec.HasRichText && rec.RichFormat != 0) {
    const std::string rtf = ReadFormatText(view, rec.RichFormat);
    text = LooksLikeRtf(rtf) ? Utf16ToUtf8(RtfToPlainText(rtf)) : AnsiToUtf8(rtf);
  }
  if (rec.HasFiles) {
    for (const std::string& name : ReadFileList(view)) {
      if (!text.empty()) text += '\n';
      text += name;
    }
  }
  return text;
}

std::string FoldCase(std::string_view utf8, const TextCase& textCase) {
  // ASCII through a table taken from the system's mapping (which may differ
  // from plain ASCII, as the Turkish I does): most text is mostly ASCII.
  std::array<char32_t, 128> ascii{};
  for (char32_t c = 0; c < 128; ++c) ascii[c] = textCase.Lower(c);
  std::string folded;
  folded.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      if (ascii[c] < 0x80)
        folded += static_cast<char>(ascii[c]);
      else
        AppendUtf8(folded, ascii[c]);
      ++i;
      continue;
    }
    const Utf8Char ch = DecodeUtf8(utf8, i);
    AppendUtf8(folded, textCase.Lower(ch.cp));
    i += ch.length;
  }
  return folded;
}

SearchQuery MakeSearchQuery(std::string_view utf8, const TextCase& textCase) {
  SearchQuery query;
  for (size_t i = 0; i < utf8.size();) {
    while (i < utf8.size() && IsSpace(utf8[i])) ++i;
    size_t end = i;
    while (end < utf8.size() && !IsSpace(utf8[end])) ++end;
    if (end > i) query.words.push_back(FoldCase(utf8.substr(i, end - i), textCase));
    i = end;
  }
  return query;
}

bool MatchesQuery(std::string_view foldedText, const SearchQuery& query) {
  for (const std::string& word : query.words) {
    if (foldedText.find(word) == std::string_view::npos) return false;
  }
  return true;
}

}  // namespace qv
