#include "hotkeys/modifiers.h"

namespace qv {

const std::array<ModifierCombo, kModifierComboCount>& ModifierCombos() {
  static constexpr std::array<ModifierCombo, kModifierComboCount> kCombos{{
      {"Ctrl + Alt", "Ctrl+Alt", kModCtrl | kModAlt},
      {"Ctrl + Shift", "Ctrl+Shift", kModCtrl | kModShift},
      {"Shift + Alt", "Shift+Alt", kModShift | kModAlt},
      {"Win", "Win", kModWin},
      {"Win + Alt", "Win+Alt", kModWin | kModAlt},
      {"Win + Ctrl", "Win+Ctrl", kModWin | kModCtrl},
      {"Win + Shift", "Win+Shift", kModWin | kModShift},
  }};
  return kCombos;
}

int ModifierComboIndex(uint32_t mask) {
  const auto& combos = ModifierCombos();
  for (int i = 0; i < kModifierComboCount; ++i)
    if (combos[static_cast<size_t>(i)].mask == mask) return i;
  return -1;
}

}  // namespace qv
