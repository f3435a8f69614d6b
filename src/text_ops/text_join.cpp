#include "text_ops/text_join.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <vector>

#include "rtf/rich_text.h"
#include "rtf/rtf_reader.h"

namespace qv {
namespace {

constexpr size_t kNone = static_cast<size_t>(-1);

bool IsBreak(char16_t c) {
  return c == u'\r' || c == u'\n';
}

// Top-level groups of the added document that describe the document rather
// than hold its text (sorted). Its font and colour tables are merged apart.
constexpr std::array<std::string_view, 20> kHeaderGroups = {"colorschememapping",
                                                            "colortbl",
                                                            "datastore",
                                                            "defchp",
                                                            "defpap",
                                                            "docvar",
                                                            "filetbl",
                                                            "fonttbl",
                                                            "generator",
                                                            "info",
                                                            "latentstyles",
                                                            "listoverridetable",
                                                            "listtable",
                                                            "mmathPr",
                                                            "pgdsctbl",
                                                            "revtbl",
                                                            "rsidtbl",
                                                            "stylesheet",
                                                            "themedata",
                                                            "xmlnstbl"};
static_assert(std::is_sorted(kHeaderGroups.begin(), kHeaderGroups.end()));

// Top-level words of the added document's header, which would change the
// whole first document (sorted).
constexpr std::array<std::string_view, 14> kHeaderWords = {
    "adeff",    "ansi", "ansicpg", "deff", "deflang", "deflangfe", "fromhtml",
    "fromtext", "mac",  "pc",      "pca",  "rtf",     "stshfbi",   "stshfdbch"};
static_assert(std::is_sorted(kHeaderWords.begin(), kHeaderWords.end()));

// Words whose parameter is an index into the colour table (sorted).
constexpr std::array<std::string_view, 15> kColorWords = {
    "brdrcf",     "cb",      "cbpat",      "cf",        "cfpat",   "chcbpat", "chcfpat", "clcbpat",
    "clcbpatraw", "clcfpat", "clcfpatraw", "highlight", "trcbpat", "trcfpat", "ulc"};
static_assert(std::is_sorted(kColorWords.begin(), kColorWords.end()));

template <size_t N>
bool In(const std::array<std::string_view, N>& sorted, std::string_view name) {
  return std::binary_search(sorted.begin(), sorted.end(), name);
}

bool IsFontWord(std::string_view name) {
  return name == "f" || name == "af";
}
// Style references point into a style sheet the added text does not bring along.
bool IsStyleWord(std::string_view name) {
  return name == "s" || name == "cs" || name == "ds" || name == "ts";
}

void AppendWord(std::string& out, std::string_view name, int64_t param) {
  char buf[24];
  out += '\\';
  out += name;
  out.append(buf, std::to_chars(buf, buf + sizeof buf, param).ptr);
  out += ' ';
}

size_t Offset(std::string_view src, const RtfToken& t) {
  return static_cast<size_t>(t.raw.data() - src.data());
}

// What the first document offers the join: where its tables end, where its
// text ends, and the numbers already taken.
struct FirstScan {
  size_t header = kNone;         // after the \rtf word, else after the first brace
  size_t fontTableEnd = kNone;   // its closing brace
  size_t colorTableEnd = kNone;  // its closing brace
  bool colorTableClosed = true;  // the last entry ends with ';'
  int64_t maxFont = -1;
  int64_t colorCount = 0;
  size_t lineEnd = kNone;  // after the last character that is not a line break
  size_t end = 0;          // the document's closing brace, or the end of the input
};

// Which table group, if any, the reader is inside: the group's depth and kind.
struct TableTracker {
  enum Kind { kOther, kFonts, kColors } kind = kOther;
  size_t depth = 0;
  bool firstWord = false;  // the group just opened; its first word names it

  // Feeds one item; returns the kind of table the item belongs to.
  Kind Feed(const RtfItem& item, size_t depthAfter) {
    const RtfToken& t = item.token;
    if (t.kind == RtfTokenKind::kGroupStart) {
      firstWord = depthAfter == 2 && kind == kOther;
    } else if (t.kind == RtfTokenKind::kGroupEnd) {
      firstWord = false;
      if (kind != kOther && depthAfter < depth) {
        kind = kOther;
        return kOther;
      }
    } else if (firstWord && !(t.kind == RtfTokenKind::kControlSymbol && t.name == "*")) {
      firstWord = false;
      if (t.kind == RtfTokenKind::kControlWord && (t.name == "fonttbl" || t.name == "colortbl")) {
        kind = t.name == "fonttbl" ? kFonts : kColors;
        depth = depthAfter;
      }
    }
    return kind;
  }
};

FirstScan ScanFirst(std::string_view src) {
  FirstScan scan;
  scan.end = src.size();
  RtfReader reader(src);
  RtfItem item;
  TableTracker tables;
  uint32_t fallback = 0;  // \uN fallback characters after the last visible one
  char lastColorChar = ';';
  while (reader.Next(item)) {
    if (item.outside) continue;
    const RtfToken& t = item.token;
    const size_t at = Offset(src, t);
    const size_t after = at + t.raw.size();
    if (scan.header == kNone) scan.header = after;  // the first brace
    const TableTracker::Kind before = tables.kind;
    const TableTracker::Kind kind = tables.Feed(item, reader.Depth());
    if (before != TableTracker::kOther && kind == TableTracker::kOther) {
      (before == TableTracker::kFonts ? scan.fontTableEnd : scan.colorTableEnd) = at;
      if (before == TableTracker::kColors) scan.colorTableClosed = lastColorChar == ';';
    }
    if (t.kind == RtfTokenKind::kGroupEnd && reader.Depth() == 0) scan.end = at;
    if (t.kind == RtfTokenKind::kControlWord && t.hasParam) {
      if (t.name == "rtf" && reader.Depth() == 1) scan.header = after;
      if ((t.name == "deff" && reader.Depth() == 1) ||
          (t.name == "f" && kind == TableTracker::kFonts))
        scan.maxFont = std::max<int64_t>(scan.maxFont, t.param);
    }
    if (kind == TableTracker::kColors && t.kind == RtfTokenKind::kText) {
      scan.colorCount += std::count(t.raw.begin(), t.raw.end(), ';');
      auto last = t.raw.find_last_not_of(" ");
      if (last != std::string_view::npos) lastColorChar = t.raw[last];
    } else if (kind == TableTracker::kColors && t.kind == RtfTokenKind::kControlWord) {
      lastColorChar = '\\';
    }
    // The line end follows the last visible character and any fallback of it.
    if (item.VisibleCount() > 0 && !item.isBreak) {
      scan.lineEnd = after;
      fallback = item.isUnicode ? reader.UnicodeSkip() : 0;
    } else if (fallback > 0) {
      if (t.kind == RtfTokenKind::kGroupStart || t.kind == RtfTokenKind::kGroupEnd) {
        fallback = 0;
      } else if (t.kind == RtfTokenKind::kText) {
        scan.lineEnd = at + item.skipped;
        fallback -= std::min<uint32_t>(fallback, item.skipped);
      } else if (t.kind != RtfTokenKind::kSkip) {
        scan.lineEnd = after;
        --fallback;
      }
    }
  }
  return scan;
}

// The added document split for the join: its font and colour table entries
// renumbered, and its text with every reference to them renumbered.
struct AddedParts {
  std::string fonts;
  std::string colors;
  std::string body;
  std::optional<int64_t> defaultFont;  // renumbered
};

class AddedReader {
 public:
  AddedReader(std::string_view src, int64_t fontBase, int64_t colorBase)
      : reader_(src), fontBase_(fontBase), colorBase_(colorBase) {}

  AddedParts Read() {
    RtfItem item;
    int64_t deff = 0;
    size_t skipTo = 0;          // inside a header group: skip until the depth drops below this
    bool pendingGroup = false;  // a group opened in the text, not yet emitted
    bool pendingStar = false;
    while (reader_.Next(item)) {
      if (item.outside) continue;
      const RtfToken& t = item.token;
      const size_t depth = reader_.Depth();
      const TableTracker::Kind before = tables_.kind;
      const TableTracker::Kind kind = tables_.Feed(item, depth);
      if (skipTo > 0) {
        if (depth < skipTo) skipTo = 0;
        continue;
      }
      if (kind != TableTracker::kOther) {
        pendingGroup = pendingStar = false;
        Table(item, kind == TableTracker::kFonts ? parts_.fonts : parts_.colors);
        continue;
      }
      if (before != TableTracker::kOther) continue;  // the table's closing brace
      if (t.kind == RtfTokenKind::kGroupStart && depth == 2) {
        pendingGroup = true;  // decided by the group's first word
        continue;
      }
      if (pendingGroup) {
        if (t.kind == RtfTokenKind::kControlSymbol && t.name == "*") {
          pendingStar = true;
          continue;
        }
        pendingGroup = false;
        if (t.kind == RtfTokenKind::kControlWord && In(kHeaderGroups, t.name)) {
          pendingStar = false;
          skipTo = depth;
          continue;
        }
        parts_.body += pendingStar ? "{\\*" : "{";
        ++bodyDepth_;
        pendingStar = false;
      }
      if (t.kind == RtfTokenKind::kGroupEnd && depth == 0) break;  // the document's end
      if (t.kind == RtfTokenKind::kControlWord && depth == 1 && In(kHeaderWords, t.name)) {
        if (t.name == "deff" && t.hasParam) deff = t.param;
        continue;
      }
      Body(item);
    }
    // What a cut-short document left open.
    parts_.body.append(bodyDepth_, '}');
    if (tables_.kind != TableTracker::kOther) {
      std::string& part = tables_.kind == TableTracker::kFonts ? parts_.fonts : parts_.colors;
      part.append(reader_.Depth() - tables_.depth, '}');
    }
    if (auto it = fonts_.find(deff); it != fonts_.end()) parts_.defaultFont = it->second;
    return std::move(parts_);
  }

 private:
  int64_t Font(int64_t n) {
    auto [it, added] = fonts_.try_emplace(n, fontBase_ + static_cast<int64_t>(fonts_.size()));
    return it->second;
  }

  // A token of a table: copied, font numbers renumbered.
  void Table(const RtfItem& item, std::string& out) {
    const RtfToken& t = item.token;
    if (t.kind == RtfTokenKind::kControlWord && (t.name == "fonttbl" || t.name == "colortbl"))
      return;
    if (t.kind == RtfTokenKind::kControlWord && t.name == "f" && t.hasParam)
      AppendWord(out, t.name, Font(t.param));
    else
      AppendRtfToken(out, t);
  }

  void Body(const RtfItem& item) {
    const RtfToken& t = item.token;
    std::string& out = parts_.body;
    if (t.kind == RtfTokenKind::kControlWord && t.hasParam) {
      if (IsStyleWord(t.name)) return;
      if (IsFontWord(t.name)) {
        auto it = fonts_.find(t.param);
        if (it != fonts_.end()) return AppendWord(out, t.name, it->second);
      } else if (In(kColorWords, t.name)) {
        return AppendWord(out, t.name, t.param + colorBase_);
      }
    }
    // Visible bytes beyond ASCII go out as \uN, so the first document's code
    // page cannot change them.
    if (!item.hidden && t.kind == RtfTokenKind::kText) {
      out += t.raw.substr(0, item.skipped);
      for (char ch : t.raw.substr(item.skipped)) {
        if (static_cast<uint8_t>(ch) < 0x80)
          out += ch;
        else
          AppendRtfChar(out, reader_.DecodeByte(static_cast<uint8_t>(ch)), reader_.UnicodeSkip());
      }
      return;
    }
    if (!item.hidden && t.kind == RtfTokenKind::kHexByte && t.byte >= 0x80)
      return AppendRtfChar(out, item.chars[0], reader_.UnicodeSkip());
    if (t.kind == RtfTokenKind::kGroupStart) ++bodyDepth_;
    if (t.kind == RtfTokenKind::kGroupEnd) --bodyDepth_;
    AppendRtfToken(out, t);
  }

  RtfReader reader_;
  TableTracker tables_;
  int64_t fontBase_;
  int64_t colorBase_;
  std::map<int64_t, int64_t> fonts_;
  AddedParts parts_;
  size_t bodyDepth_ = 0;  // groups the body has opened and not closed
};

}  // namespace

std::u16string JoinPlainText(std::u16string_view first, std::u16string_view added,
                             const JoinSeparator& separator) {
  std::u16string out(first);
  size_t at = out.size();
  if (!separator.inlineText.empty()) {
    const auto last =
        std::find_if(out.rbegin(), out.rend(), [](char16_t c) { return !IsBreak(c); });
    if (last != out.rend()) at = static_cast<size_t>(out.rend() - last);
  }
  std::u16string insert = separator.inlineText;
  for (uint8_t i = 0; i < separator.paragraphs; ++i) insert += u"\r\n";
  insert += added;
  out.insert(at, insert);
  return out;
}

std::string JoinRichText(std::string_view first, std::string_view added,
                         const JoinSeparator& separator) {
  const FirstScan scan = ScanFirst(first);
  // A last entry without its ';' is still an entry: the join closes it below.
  const int64_t colors = scan.colorCount + (scan.colorTableClosed ? 0 : 1);
  AddedParts parts = AddedReader(added, scan.maxFont + 1, colors).Read();

  // Insertions into the first document at byte offsets, in order.
  std::vector<std::pair<size_t, std::string>> inserts;
  const size_t headerAt = scan.header;
  if (!parts.fonts.empty()) {
    if (scan.fontTableEnd != kNone)
      inserts.emplace_back(scan.fontTableEnd, parts.fonts);
    else
      inserts.emplace_back(headerAt, "{\\fonttbl" + parts.fonts + "}");
  }
  if (!parts.colors.empty()) {
    if (scan.colorTableEnd != kNone)
      inserts.emplace_back(scan.colorTableEnd, (scan.colorTableClosed ? "" : ";") + parts.colors);
    else
      inserts.emplace_back(scan.fontTableEnd != kNone ? scan.fontTableEnd + 1 : headerAt,
                           "{\\colortbl" + parts.colors + "}");
  }
  // The join sits in a group of its own, so no control word before it can
  // take its first blank as a delimiter.
  std::string join = "{";
  for (char16_t c : separator.inlineText) join += c == u'\t' ? "\\tab " : " ";
  for (uint8_t i = 0; i < separator.paragraphs; ++i) join += "\\par ";
  join += "{\\plain";
  if (parts.defaultFont) AppendWord(join, "f", *parts.defaultFont);
  join += "\\uc1 ";
  join += parts.body;
  join += "}}";
  const bool onLine = !separator.inlineText.empty() && scan.lineEnd != kNone;
  inserts.emplace_back(onLine ? scan.lineEnd : scan.end, std::move(join));
  std::stable_sort(inserts.begin(), inserts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });

  std::string out;
  out.reserve(first.size() + added.size() + 64);
  auto next = inserts.begin();
  auto flushTo = [&](size_t offset) {
    for (; next != inserts.end() && next->first <= offset; ++next) out += next->second;
  };
  RtfReader reader(first);
  RtfItem item;
  bool started = false;
  while (reader.Next(item)) {
    if (item.outside) continue;
    const RtfToken& t = item.token;
    const size_t at = Offset(first, t);
    if (t.kind == RtfTokenKind::kText) {
      // An insertion may fall inside a run (after the fallback of a \uN).
      size_t done = 0;
      for (; next != inserts.end() && next->first < at + t.raw.size(); ++next) {
        const size_t cut = std::max(next->first, at) - at;
        out += t.raw.substr(done, cut - done);
        done = cut;
        out += next->second;
      }
      out += t.raw.substr(done);
      continue;
    }
    flushTo(at);
    AppendRtfToken(out, t);
    started = true;
  }
  // A document cut short: the join goes after its groups are closed, at the
  // top level where its text would have continued.
  if (!started) out += "{\\rtf1";
  if (reader.Depth() > 1) out.append(reader.Depth() - 1, '}');
  flushTo(kNone);
  if (!started || reader.Depth() > 0) out += '}';
  return out;
}

}  // namespace qv
