#include "text_ops/styled_text.h"

#include <map>
#include <utility>

#include "rtf/rtf_reader.h"

namespace qv::test {

std::vector<StyledChar> StyledText(std::string_view rtf) {
  enum Table { kText, kFonts, kColors };
  struct State {
    bool bold = false;
    int32_t font = -1, color = 0;
    Table table = kText;
  };
  std::vector<State> stack(1);
  std::map<int32_t, std::string> fonts;
  std::vector<uint32_t> colors;
  uint32_t rgb = 0;
  int32_t entry = 0, deff = 0;
  std::vector<std::pair<char16_t, State>> raw;  // the tables may come after the text
  RtfReader reader(rtf);
  for (RtfItem item; reader.Next(item);) {
    const RtfToken& t = item.token;
    if (t.kind == RtfTokenKind::kGroupStart || t.kind == RtfTokenKind::kGroupEnd) {
      if (t.kind == RtfTokenKind::kGroupStart) stack.push_back(stack.back());
      if (t.kind == RtfTokenKind::kGroupEnd && stack.size() > 1) stack.pop_back();
      continue;
    }
    State& s = stack.back();
    if (s.table != kText && t.kind == RtfTokenKind::kText) {
      for (char ch : t.raw) {
        if (ch == ';' && s.table == kColors) colors.push_back(std::exchange(rgb, 0));
        if (ch == ';' && s.table == kFonts) entry = -1;
        if (ch != ';' && s.table == kFonts && entry >= 0) fonts[entry] += ch;
      }
      continue;
    }
    const int32_t p = t.hasParam ? t.param : 1;
    const std::string_view n = t.kind == RtfTokenKind::kControlWord ? t.name : "";
    if (n == "fonttbl" || n == "colortbl") s.table = n == "fonttbl" ? kFonts : kColors;
    if (n == "deff") deff = p;
    if (n == "plain") s = {.table = s.table};
    if (n == "b") s.bold = p != 0;
    if (n == "cf") s.color = p;
    if (n == "red" || n == "green" || n == "blue")
      rgb |= static_cast<uint32_t>(p & 0xFF) << (n == "red" ? 0 : n == "green" ? 8 : 16);
    if (n == "f" && s.table == kFonts) fonts[entry = p].clear();
    if (n == "f" && s.table != kFonts) s.font = p;
    if (item.hidden || s.table != kText) continue;
    if (t.kind == RtfTokenKind::kText) {
      for (char ch : t.raw.substr(item.skipped))
        raw.push_back({reader.DecodeByte(static_cast<uint8_t>(ch)), s});
    } else {
      for (uint8_t i = 0; i < item.charCount; ++i) raw.push_back({item.chars[i], s});
    }
  }
  std::vector<StyledChar> out;
  for (const auto& [c, s] : raw) {
    auto f = fonts.find(s.font < 0 ? deff : s.font);
    std::string name = f == fonts.end() ? "" : f->second;
    name.erase(0, name.find_first_not_of(' '));
    const auto color = static_cast<size_t>(s.color);
    out.push_back({c, s.bold, name, color < colors.size() ? colors[color] : 0});
  }
  return out;
}

}  // namespace qv::test
