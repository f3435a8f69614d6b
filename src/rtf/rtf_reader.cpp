#include "rtf/rtf_reader.h"

#include <algorithm>
#include <string>

#include "util/codepage.h"

namespace qv {
namespace {

// Destinations whose content a rich edit control does not show (sorted).
constexpr std::array<std::string_view, 44> kHiddenDestinations = {"aftncn",
                                                                  "aftnsep",
                                                                  "aftnsepc",
                                                                  "annotation",
                                                                  "atnauthor",
                                                                  "atnid",
                                                                  "bkmkend",
                                                                  "bkmkstart",
                                                                  "colorschememapping",
                                                                  "colortbl",
                                                                  "comment",
                                                                  "datastore",
                                                                  "docvar",
                                                                  "fldinst",
                                                                  "fonttbl",
                                                                  "footer",
                                                                  "footerf",
                                                                  "footerl",
                                                                  "footerr",
                                                                  "footnote",
                                                                  "ftncn",
                                                                  "ftnsep",
                                                                  "ftnsepc",
                                                                  "generator",
                                                                  "header",
                                                                  "headerf",
                                                                  "headerl",
                                                                  "headerr",
                                                                  "info",
                                                                  "latentstyles",
                                                                  "listoverridetable",
                                                                  "listtable",
                                                                  "listtext",
                                                                  "nonshppict",
                                                                  "object",
                                                                  "pict",
                                                                  "pntext",
                                                                  "private",
                                                                  "revtbl",
                                                                  "rsidtbl",
                                                                  "stylesheet",
                                                                  "themedata",
                                                                  "userprops",
                                                                  "xmlnstbl"};

static_assert(std::is_sorted(kHiddenDestinations.begin(), kHiddenDestinations.end()));

bool IsHiddenDestination(std::string_view name) {
  return std::binary_search(kHiddenDestinations.begin(), kHiddenDestinations.end(), name);
}

struct SpecialWord {
  std::string_view name;
  char16_t ch;
};
// Words that stand for one character (sorted). Line breaks are handled apart.
constexpr std::array<SpecialWord, 13> kCharWords = {{{"bullet", 0x2022},
                                                     {"cell", u'\t'},
                                                     {"emdash", 0x2014},
                                                     {"emspace", 0x2003},
                                                     {"endash", 0x2013},
                                                     {"enspace", 0x2002},
                                                     {"ldblquote", 0x201C},
                                                     {"lquote", 0x2018},
                                                     {"qmspace", 0x2005},
                                                     {"rdblquote", 0x201D},
                                                     {"rquote", 0x2019},
                                                     {"tab", u'\t'},
                                                     {"zwnj", 0x200C}}};

static_assert(std::is_sorted(kCharWords.begin(), kCharWords.end(),
                             [](const SpecialWord& a, const SpecialWord& b) {
                               return a.name < b.name;
                             }));

bool IsBreakWord(std::string_view name) {
  return name == "par" || name == "line" || name == "row" || name == "sect" || name == "page";
}

}  // namespace

bool RtfReader::Next(RtfItem& item) {
  if (finished_) return false;
  item = RtfItem{};
  item.token = tokens_.Next();
  const RtfToken& t = item.token;
  if (t.kind == RtfTokenKind::kEnd) return false;

  if (!started_ && t.kind != RtfTokenKind::kGroupStart) {
    item.outside = item.hidden = true;
    return true;
  }
  if (t.kind == RtfTokenKind::kGroupStart || t.kind == RtfTokenKind::kGroupEnd) {
    pendingSkip_ = 0;  // a fallback never reaches across a group boundary
    item.hidden = true;
    if (t.kind == RtfTokenKind::kGroupStart) {
      started_ = true;
      ++depth_;
      if (states_.size() < kMaxTrackedDepth)
        states_.push_back(states_.empty() ? GroupState{} : states_.back());
    } else {
      if (states_.size() == depth_) states_.pop_back();
      if (--depth_ == 0) finished_ = true;
    }
    return true;
  }
  if (t.kind == RtfTokenKind::kSkip) {
    item.hidden = true;
    return true;
  }
  GroupState& state = states_.back();
  if (pendingSkip_ > 0) {
    if (t.kind == RtfTokenKind::kText) {
      item.skipped = static_cast<uint32_t>(std::min<size_t>(pendingSkip_, t.raw.size()));
      pendingSkip_ -= item.skipped;
    } else {
      --pendingSkip_;  // a control word, symbol, \'hh or \bin stands for one character
      item.hidden = true;
      return true;
    }
  }
  switch (t.kind) {
    case RtfTokenKind::kText:
      item.hidden = state.hidden;
      break;
    case RtfTokenKind::kHexByte:
      item.hidden = state.hidden;
      item.chars[0] = DecodeByte(t.byte);
      item.charCount = 1;
      break;
    case RtfTokenKind::kControlWord:
      ControlWord(item, state);
      break;
    case RtfTokenKind::kControlSymbol:
      if (t.name == "*") state.hidden = true;
      ControlSymbol(item);
      item.hidden = state.hidden || item.charCount == 0;
      break;
    default:  // kBinary: data of a picture or object
      item.hidden = true;
      break;
  }
  return true;
}

void RtfReader::ControlWord(RtfItem& item, GroupState& state) {
  const RtfToken& t = item.token;
  if (IsHiddenDestination(t.name)) state.hidden = true;
  if (t.name == "uc") state.uc = t.hasParam && t.param > 0 ? static_cast<uint32_t>(t.param) : 0;
  if (t.name == "ansicpg" && t.hasParam) codePage_ = t.param;
  item.hidden = true;
  if (state.hidden) return;
  if (t.name == "u" && t.hasParam) {
    // Negative values are the upper half of the 16-bit range.
    item.chars[0] = static_cast<char16_t>(static_cast<uint32_t>(t.param) & 0xFFFF);
    item.charCount = 1;
    item.isUnicode = true;
    pendingSkip_ = state.uc;
  } else if (IsBreakWord(t.name)) {
    item.chars[0] = u'\r';
    item.chars[1] = u'\n';
    item.charCount = 2;
    item.isBreak = true;
  } else {
    auto it = std::lower_bound(kCharWords.begin(), kCharWords.end(), t.name,
                               [](const SpecialWord& w, std::string_view n) { return w.name < n; });
    if (it == kCharWords.end() || it->name != t.name) return;
    item.chars[0] = it->ch;
    item.charCount = 1;
  }
  item.hidden = false;
}

void RtfReader::ControlSymbol(RtfItem& item) {
  std::string_view n = item.token.name;
  if (n.empty()) return;
  switch (n[0]) {
    case '\\':
    case '{':
    case '}':
      item.chars[0] = static_cast<char16_t>(n[0]);
      break;
    case '~':
      item.chars[0] = 0x00A0;
      break;
    case '_':
      item.chars[0] = 0x2011;
      break;
    default:
      return;  // \- \* \| \: and the rest show nothing
  }
  item.charCount = 1;
}

char16_t RtfReader::DecodeHigh(uint8_t b) {
  if (codePage_ == 1252) return Cp1252Char(b);
  if (!installedBuilt_) {
    // Bytes one at a time: a double-byte code page's lead bytes come out as '?'.
    for (int i = 0; i < 128; ++i) {
      std::u16string one = AnsiToUtf16(std::string(1, static_cast<char>(0x80 + i)));
      installed_[i] = one.size() == 1 ? one[0] : u'?';
    }
    installedBuilt_ = true;
  }
  return installed_[b - 0x80];
}

}  // namespace qv
