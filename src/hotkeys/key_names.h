#pragma once
// Names of virtual-key codes as hotkeys are written in the options file. Common
// keys have fixed English names; any other code takes the name the keyboard
// layout gives it, from a function the caller supplies.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qv {

// The keyboard layout's name of a code; may be empty when it has none.
using KeyLayoutName = std::function<std::string(uint16_t code)>;

// "BkSp", "Tab", "Enter", "Esc", "Space", "PgUp", "PgDn", "End", "Home", the
// arrows "Left", "Up", "Right", "Down", "Ins", "Del", digits (also the keypad
// digits), capital letters, "F1".."F24"; the layout's name otherwise (empty
// without a layout function).
std::string KeyName(uint16_t code, const KeyLayoutName& layout);

// The first code of 8..255 whose name matches case-insensitively; 0 for an
// empty or unknown name.
uint16_t KeyCode(std::string_view name, const KeyLayoutName& layout);

}  // namespace qv
