#pragma once
// Joining two texts with a separator, as adding text to the clipboard does:
// plain to plain, or document to document with the fonts and colours of both.
#include <cstdint>
#include <string>
#include <string_view>

namespace qv {

struct JoinSeparator {
  // Spaces or tabs that go onto the last line that is not empty; the added
  // text follows them there, before any line breaks that end the first text.
  std::u16string inlineText;
  // Empty lines added after the whole first text, before the added text.
  uint8_t paragraphs = 0;
};

std::u16string JoinPlainText(std::u16string_view first, std::u16string_view added,
                             const JoinSeparator& separator);

// `first` with the text of `added` joined on. Every character keeps its
// formatting: the added document's fonts and colours join the first one's
// tables under new numbers, and its text starts from plain formatting in its
// own default font. Malformed documents give what the text engine reads of
// them; the result's groups are balanced.
std::string JoinRichText(std::string_view first, std::string_view added,
                         const JoinSeparator& separator);

}  // namespace qv
