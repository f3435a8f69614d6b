#pragma once
// The quick settings of the toolbar: each choice changes one option and
// writes that one key to options.cfg at once.
#include <cstdint>

#include "settings/options.h"
#include "util/ini.h"

namespace qv {

// The check items of the quick settings menu, in menu order.
enum class QuickToggle : uint8_t { OpenLinks, CreateMessages, PlaySound, NoDouble, ShowPaths };

// The option a toggle flips and the key that holds it.
bool& QuickToggleOption(Options& options, QuickToggle toggle);
OptionKey QuickToggleKey(QuickToggle toggle);

// Flips the option and writes its key. False when the file refused the write
// (the option keeps its new value in memory).
bool ToggleQuickSetting(QuickToggle toggle, Options& options, const IniFile& file);
// Sets option `align` (1..3) and writes it.
bool SetQuickAlign(uint8_t align, Options& options, const IniFile& file);

}  // namespace qv
