#pragma once
// Reads an RTF document token by token the way a rich edit control does: it
// keeps the group state (ignorable destinations, \ucN), decodes \'hh through
// the document's code page and says which characters each token adds to the
// visible text. Nothing is copied; the tokens stay views into the source, so
// callers can re-emit the document with changes (truncation, text mapping).
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "rtf/rtf_tokenizer.h"

namespace qv {

struct RtfItem {
  RtfToken token;
  bool outside = false;  // before the document's first group: not part of it
  bool hidden = false;   // adds nothing: ignorable destination, \uN fallback, formatting
  uint32_t skipped = 0;  // kText: leading bytes eaten as the fallback of a \uN
  char16_t chars[2] = {};
  uint8_t charCount = 0;   // characters a non-text token adds
  bool isBreak = false;    // the token ends a line (chars is CR LF)
  bool isUnicode = false;  // a \uN word (chars[0] is N)

  // Visible characters: one per byte of a text run, else charCount.
  size_t VisibleCount() const {
    if (hidden) return 0;
    if (token.kind == RtfTokenKind::kText) return token.raw.size() - skipped;
    return charCount;
  }
};

class RtfReader {
 public:
  explicit RtfReader(std::string_view rtf) : tokens_(rtf) {}
  // False at the end of the input and after the outermost group has closed.
  bool Next(RtfItem& item);
  // One byte of text (raw or \'hh) through the document's code page.
  char16_t DecodeByte(uint8_t b) { return b < 0x80 ? b : DecodeHigh(b); }
  // Groups open now; the document's own group counts.
  size_t Depth() const { return depth_; }
  // Fallback characters that follow a \uN in the current group.
  uint32_t UnicodeSkip() const { return states_.empty() ? 1 : states_.back().uc; }

 private:
  struct GroupState {
    uint32_t uc = 1;
    bool hidden = false;
  };
  // Deeper groups share the innermost tracked state, so nesting costs no memory.
  static constexpr size_t kMaxTrackedDepth = 512;

  char16_t DecodeHigh(uint8_t b);
  void ControlWord(RtfItem& item, GroupState& state);
  void ControlSymbol(RtfItem& item);

  RtfTokenizer tokens_;
  std::vector<GroupState> states_;
  size_t depth_ = 0;
  bool started_ = false;
  bool finished_ = false;
  uint32_t pendingSkip_ = 0;  // fallback characters still to skip
  int32_t codePage_ = 0;      // \ansicpgN; 0: the installed ANSI code page
  bool installedBuilt_ = false;
  std::array<char16_t, 128> installed_{};
};

}  // namespace qv
