#include "rtf/rich_text.h"

#include <algorithm>
#include <charconv>

#include "rtf/rtf_reader.h"
#include "util/codepage.h"
#include "util/utf8.h"

namespace qv {
namespace {

void AppendNumber(std::string& out, int64_t value) {
  char buf[24];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, res.ptr);
}

// \uN for a UTF-16 unit, N signed 16-bit as readers expect, then the fallback:
// `fallbacks` question marks (what the current \ucN makes readers skip), or a
// delimiting blank when there are none. An absurd \ucN gets a group of its own
// with \uc1 instead of that many question marks.
void AppendUnicode(std::string& out, char16_t c, uint32_t fallbacks) {
  constexpr uint32_t kMaxFallbacks = 8;
  if (fallbacks > kMaxFallbacks) out += "{\\uc1";
  out += "\\u";
  AppendNumber(out, static_cast<int16_t>(c));
  if (fallbacks == 0)
    out += ' ';
  else if (fallbacks > kMaxFallbacks)
    out += "?}";
  else
    out.append(fallbacks, '?');
}

void AppendTextChar(std::string& out, char16_t c, uint32_t fallbacks) {
  if (c == u'\\' || c == u'{' || c == u'}') {
    out += '\\';
    out += static_cast<char>(c);
  } else if (c >= 0x20 && c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x20) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += "\\'";
    out += kHex[c >> 4];
    out += kHex[c & 15];
  } else {
    AppendUnicode(out, c, fallbacks);
  }
}

void AppendToken(std::string& out, const RtfToken& t) {
  if (t.kind == RtfTokenKind::kControlSymbol && t.name.empty()) return;
  if (t.kind == RtfTokenKind::kBinary &&
      (t.param < 0 || static_cast<size_t>(t.param) != t.data.size())) {
    out += "\\bin";
    AppendNumber(out, static_cast<int64_t>(t.data.size()));
    out += ' ';
    out += t.data;
    return;
  }
  out += t.raw;
}

// Printable ASCII that stands for itself in RTF.
bool IsLiteral(char c) {
  return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

// The code point of the UTF-8 sequence at `i`, advancing `i` past it.
char32_t NextCodePoint(std::string_view s, size_t& i) {
  const Utf8Char c = DecodeUtf8(s, i);
  i += c.length;
  return c.cp;
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

}  // namespace

void AppendRtfToken(std::string& out, const RtfToken& token) {
  AppendToken(out, token);
}

void AppendRtfChar(std::string& out, char16_t c, uint32_t fallbacks) {
  AppendTextChar(out, c, fallbacks);
}

bool LooksLikeRtf(std::string_view data) {
  size_t i = 0;
  while (i < data.size() && IsBlank(data[i])) ++i;
  return data.substr(i).starts_with("{\\rtf");
}

std::u16string RtfToPlainText(std::string_view rtf) {
  std::u16string out;
  RtfReader reader(rtf);
  RtfItem item;
  while (reader.Next(item)) {
    if (item.hidden) continue;
    if (item.token.kind == RtfTokenKind::kText) {
      std::string_view run = item.token.raw.substr(item.skipped);
      size_t at = out.size();
      out.resize(at + run.size());
      for (char ch : run) out[at++] = reader.DecodeByte(static_cast<uint8_t>(ch));
    } else {
      out.append(item.chars, item.charCount);
    }
  }
  return out;
}

std::string PlainTextToRtf(std::string_view utf8, const TextFont& font) {
  std::string out;
  out.reserve(utf8.size() + utf8.size() / 16 + 160 + font.name.size());
  out += "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil\\fcharset1 ";
  for (char16_t c : Utf8ToUtf16(font.name)) {
    if (c != u';') AppendTextChar(out, c, 1);  // ';' would end the entry
  }
  out += ";}}{\\colortbl ;\\red";
  AppendNumber(out, font.color & 0xFF);
  out += "\\green";
  AppendNumber(out, (font.color >> 8) & 0xFF);
  out += "\\blue";
  AppendNumber(out, (font.color >> 16) & 0xFF);
  out += ";}\\uc1\\pard\\plain\\f0\\cf1\\fs";
  AppendNumber(out, 2 * std::clamp<int64_t>(font.size, 1, 1638));  // \fs stays within 16 bits
  if (font.bold) out += "\\b";
  if (font.italic) out += "\\i";
  if (font.underline) out += "\\ul";
  if (font.strike) out += "\\strike";
  out += ' ';
  size_t i = 0;
  while (i < utf8.size()) {
    // Most text needs no escaping: copy such runs whole.
    size_t run = i;
    while (run < utf8.size() && IsLiteral(utf8[run])) ++run;
    out.append(utf8.substr(i, run - i));
    if (run == utf8.size()) break;
    i = run;
    const char c = utf8[i];
    if (c == '\r' || c == '\n') {
      i += c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n' ? 2 : 1;
      out += "\\par\r\n";
    } else if (c == '\t') {
      ++i;
      out += "\\tab ";
    } else {
      char32_t cp = NextCodePoint(utf8, i);
      if (cp >= 0x10000) {
        AppendTextChar(out, static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)), 1);
        AppendTextChar(out, static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)), 1);
      } else {
        AppendTextChar(out, static_cast<char16_t>(cp), 1);
      }
    }
  }
  out += '}';
  return out;
}

std::string EnsureRtf(std::string_view data, const TextFont& font) {
  if (LooksLikeRtf(data)) return std::string(data);
  return PlainTextToRtf(AnsiToUtf8(data.substr(0, data.find('\0'))), font);
}

std::string TruncateRtf(std::string_view rtf, size_t maxChars) {
  std::string out;
  RtfReader reader(rtf);
  RtfItem item;
  size_t count = 0;
  while (reader.Next(item)) {
    if (item.outside) continue;
    size_t visible = item.VisibleCount();
    if (count + visible <= maxChars) {
      AppendToken(out, item.token);
      count += visible;
      continue;
    }
    if (item.token.kind == RtfTokenKind::kText)
      out += item.token.raw.substr(0, item.skipped + (maxChars - count));
    break;
  }
  // Closes what the cut (or a document cut short) left open.
  out.append(reader.Depth(), '}');
  return out;
}

std::string MapRtfText(std::string_view rtf, const RtfCharMap& map) {
  std::string out;
  out.reserve(rtf.size());
  RtfReader reader(rtf);
  RtfItem item;
  while (reader.Next(item)) {
    if (item.outside) continue;
    const RtfToken& t = item.token;
    if (item.hidden) {
      AppendToken(out, t);
    } else if (t.kind == RtfTokenKind::kText) {
      out += t.raw.substr(0, item.skipped);
      for (char ch : t.raw.substr(item.skipped)) {
        char16_t c = reader.DecodeByte(static_cast<uint8_t>(ch));
        char16_t m = map(c);
        if (m == c)
          out += ch;
        else
          AppendTextChar(out, m, reader.UnicodeSkip());
      }
    } else if (item.isBreak || item.chars[0] == u'\t') {
      for (uint8_t i = 0; i < item.charCount; ++i) map(item.chars[i]);
      out += t.raw;
    } else {
      char16_t c = item.chars[0];
      char16_t m = map(c);
      if (m == c)
        out += t.raw;
      else if (item.isUnicode)
        AppendUnicode(out, m, 0);  // the original fallback follows and is still skipped
      else
        AppendTextChar(out, m, reader.UnicodeSkip());
    }
  }
  out.append(reader.Depth(), '}');
  return out;
}

}  // namespace qv
