#include "actions/address_actions.h"

#include <algorithm>
#include <array>
#include <string>

#include "platform/clipboard.h"
#include "platform/shell_open.h"
#include "snapshot/clipboard_io.h"
#include "util/utf8.h"

namespace qv {
namespace {

constexpr std::array<std::string_view, 5> kUrlPrefixes = {"http://", "https://", "www.", "ftp://",
                                                          "ftp."};
constexpr std::string_view kMailPrefix = "mailto:";

bool InMailSet(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == ':' || c == '_';
}

bool InUrlSet(char c) {
  return InMailSet(c) || c == '/' || c == '\\';
}

// Characters counted as UTF-8 lead bytes, so a long query in another script
// is measured as the user sees it.
size_t CharCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (static_cast<uint8_t>(c) & 0xC0) != 0x80; }));
}

// A double quote would let the address break out of the quoted argument of
// the handler's command line; blanks, quotes and control characters (C0, DEL,
// C1) mark prose rather than an address.
bool HasUnsafeCharacter(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const Utf8Char c = DecodeUtf8(text, i);
    i += c.length;
    if (c.cp <= 0x20 || c.cp == '"' || c.cp == '\'' || (c.cp >= 0x7F && c.cp <= 0x9F)) return true;
  }
  return false;
}

bool IsUrl(std::string_view line) {
  if (line.empty() || CharCount(line) > kMaxAddressChars) return false;
  // Only the part before the query and the fragment is tested strictly.
  std::string_view tested = line;
  for (char mark : {'?', '#'}) {
    const size_t at = tested.find(mark);
    if (at == 0) return false;
    tested = tested.substr(0, at);
  }
  if (!std::all_of(tested.begin(), tested.end(), InUrlSet)) return false;
  if (HasUnsafeCharacter(line)) return false;
  return std::any_of(kUrlPrefixes.begin(), kUrlPrefixes.end(),
                     [&](std::string_view prefix) { return tested.starts_with(prefix); });
}

bool IsMailAddress(std::string_view line) {
  if (line.empty() || CharCount(line) > kMaxAddressChars) return false;
  const size_t at = line.find('@');
  if (at == std::string_view::npos || at == 0) return false;
  for (size_t i = 0; i < line.size(); ++i)
    if (i != at && !InMailSet(line[i])) return false;
  return true;
}

bool IsBlankOrControl(char c) {
  return static_cast<uint8_t>(c) <= 0x20;
}

// The text trimmed as a whole, up to its first line end.
std::string_view FirstLine(std::string_view text) {
  while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
  size_t end = text.find('\n');
  if (end == std::string_view::npos) return text;
  if (end > 0 && text[end - 1] == '\r') --end;
  return text.substr(0, end);
}

}  // namespace

bool OpenUrlAction(std::string_view line, ShellOpener& shell) {
  if (!IsUrl(line)) return false;
  shell.OpenAsync(std::string(line));
  return true;
}

bool OpenMailAction(std::string_view line, ShellOpener& shell) {
  if (!IsMailAddress(line)) return false;
  std::string target(line);
  if (!line.starts_with(kMailPrefix)) target.insert(0, kMailPrefix);
  shell.OpenAsync(std::move(target));
  return true;
}

bool DoActions(const TClipArr& slots, size_t index, ActionSwitches on, ShellOpener& shell) {
  if (index >= slots.size() || (!on.url && !on.mail)) return false;
  const TClipRec& slot = slots[index];
  if (!slot.HasText) return false;
  const SnapshotBytes stream = slot.ReadSnapshot();
  const std::string text = ReadFormatTextUtf8(stream.view(), CF_TEXT);
  const std::string_view line = FirstLine(text);
  if (on.url && OpenUrlAction(line, shell)) return true;
  return on.mail && OpenMailAction(line, shell);
}

}  // namespace qv
