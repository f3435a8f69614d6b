#include "text_ops/styled_text.h"

#include <map>

#include "rtf/rtf_reader.h"

namespace qv::test {

std::vector<StyledChar> StyledText(std::string_view rtf) {
  struct State {
    bool bold = false;
    int32_t font = -1;
    int32_t color = 0;
    enum { kText, kFonts, kColors } table = kText;
  };
  std::vector<State> stack(1);
  std::map<int32_t, std::string> fonts;
  std::vector<uint32_t> colors;
  uint32_t rgb = 0;
  int32_t entry = 0, deff = 0;
  struct Raw {
    char16_t c;
    bool bold;
    int32_t font, color;
  };
  std::vector<Raw> raw;
  RtfReader reader(rtf);
  RtfItem item;
  while (reader.Next(item)) {
    const RtfToken& t = item.token;
    State& s = stack.back();
    if (t.kind == RtfTokenKind::kGroupStart) {
      stack.push_back(stack.back());
      continue;
    }
    if (t.kind == RtfTokenKind::kGroupEnd) {
      if (stack.size() > 1) stack.pop_back();
      continue;
    }
    if (s.table == State::kFonts && t.kind == RtfTokenKind::kText) {
      for (char ch : t.raw) {
        if (ch == ';')
          entry = -1;
        else if (entry >= 0)
          fonts[entry] += ch;
      }
      continue;
    }
    if (s.table == State::kColors && t.kind == RtfTokenKind::kText) {
      for (char ch : t.raw) {
        if (ch == ';') colors.push_back(rgb), rgb = 0;
      }
      continue;
    }
    if (t.kind == RtfTokenKind::kControlWord) {
      const int32_t p = t.hasParam ? t.param : 1;
      if (t.name == "fonttbl") s.table = State::kFonts;
      if (t.name == "colortbl") s.table = State::kColors;
      if (t.name == "deff") deff = p;
      if (t.name == "plain") s.bold = false, s.font = -1, s.color = 0;
      if (t.name == "b") s.bold = p != 0;
      if (t.name == "cf") s.color = p;
      if (t.name == "red") rgb |= static_cast<uint32_t>(p & 0xFF);
      if (t.name == "green") rgb |= static_cast<uint32_t>(p & 0xFF) << 8;
      if (t.name == "blue") rgb |= static_cast<uint32_t>(p & 0xFF) << 16;
      if (t.name == "f") {
        if (s.table == State::kFonts)
          entry = p, fonts[entry].clear();
        else
          s.font = p;
      }
    }
    if (item.hidden || s.table != State::kText) continue;
    if (t.kind == RtfTokenKind::kText) {
      for (char ch : t.raw.substr(item.skipped))
        raw.push_back({reader.DecodeByte(static_cast<uint8_t>(ch)), s.bold, s.font, s.color});
    } else {
      for (uint8_t i = 0; i < item.charCount; ++i)
        raw.push_back({item.chars[i], s.bold, s.font, s.color});
    }
  }
  std::vector<StyledChar> out;
  for (const Raw& r : raw) {
    auto f = fonts.find(r.font < 0 ? deff : r.font);
    std::string name = f == fonts.end() ? "" : f->second;
    while (!name.empty() && name.front() == ' ') name.erase(0, 1);
    const uint32_t color =
        r.color > 0 && static_cast<size_t>(r.color) < colors.size() ? colors[r.color] : 0;
    out.push_back({r.c, r.bold, name, color});
  }
  return out;
}

std::vector<StyledChar> StylesOnly(std::vector<StyledChar> chars) {
  for (StyledChar& c : chars) c.c = 0;
  return chars;
}

}  // namespace qv::test
