#pragma once
// Modifier masks as the system takes them, and the seven combinations the
// editor offers in its combo box.
#include <array>
#include <cstdint>
#include <string_view>

namespace qv {

inline constexpr uint32_t kModAlt = 1;
inline constexpr uint32_t kModCtrl = 2;
inline constexpr uint32_t kModShift = 4;
inline constexpr uint32_t kModWin = 8;

struct ModifierCombo {
  std::string_view text;    // in the combo box: "Ctrl + Alt"
  std::string_view stored;  // in the options file: "Ctrl+Alt"
  uint32_t mask;
};

inline constexpr int kModifierComboCount = 7;
// Combination at a combo index 0..6, in the combo box's order.
const std::array<ModifierCombo, kModifierComboCount>& ModifierCombos();
// Combo index of a mask, or -1 when no combination has exactly that mask.
int ModifierComboIndex(uint32_t mask);

}  // namespace qv
