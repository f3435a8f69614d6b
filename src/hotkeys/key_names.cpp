#include "hotkeys/key_names.h"

#include <array>

#include "util/ini.h"

namespace qv {
namespace {

struct Named {
  uint16_t code;
  std::string_view name;
};
constexpr Named kSingles[] = {{8, "BkSp"}, {9, "Tab"},  {13, "Enter"},
                              {27, "Esc"}, {45, "Ins"}, {46, "Del"}};
// Codes 32..40 in order.
constexpr std::array<std::string_view, 9> kNavigation{"Space", "PgUp", "PgDn",  "End", "Home",
                                                      "Left",  "Up",   "Right", "Down"};

std::string FixedName(uint16_t code) {
  for (const Named& single : kSingles)
    if (single.code == code) return std::string(single.name);
  if (code >= 32 && code <= 40) return std::string(kNavigation[code - 32u]);
  if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z'))
    return std::string(1, static_cast<char>(code));
  if (code >= 96 && code <= 105) return std::string(1, static_cast<char>('0' + (code - 96)));
  if (code >= 112 && code <= 135) return "F" + std::to_string(code - 111);
  return {};
}

}  // namespace

std::string KeyName(uint16_t code, const KeyLayoutName& layout) {
  std::string name = FixedName(code);
  if (name.empty() && layout) name = layout(code);
  return name;
}

uint16_t KeyCode(std::string_view name, const KeyLayoutName& layout) {
  if (name.empty()) return 0;
  for (uint16_t code = 8; code <= 255; ++code)
    if (EqualsNoCase(KeyName(code, layout), name)) return code;
  return 0;
}

}  // namespace qv
