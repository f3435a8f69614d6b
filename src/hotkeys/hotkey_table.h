#pragma once
// The hotkey of every operation: read from and written to section "hotkeys" of
// the options file, registered with the system under the operation's number.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "hotkeys/key_names.h"
#include "hotkeys/operations.h"
#include "platform/hotkeys.h"
#include "util/ini.h"

namespace qv {

struct THotkeyEntry {
  bool Alt = false;
  bool Ctrl = false;
  bool Shift = false;
  bool Win = false;
  uint16_t Key = 0;       // virtual-key code
  bool Assigned = false;  // has a hotkey that is (to be) registered
  uint8_t ListRow = 0;    // row in the editor's list while assigned
  std::string Text;       // as stored, e.g. "Ctrl+Alt+V"

  uint32_t Mask() const;
  void SetMask(uint32_t mask);
};

class HotkeyTable {
 public:
  explicit HotkeyTable(KeyLayoutName layout = {}) : layout_(std::move(layout)) {}

  // Row of operation n, 1..24; std::out_of_range outside.
  THotkeyEntry& Row(int n) { return rows_.at(Index(n)); }
  const THotkeyEntry& Row(int n) const { return rows_.at(Index(n)); }
  const KeyLayoutName& Layout() const { return layout_; }

  // Every row unassigned, without modifiers, key or text.
  void ClearHotkeys();
  // The row's combination and key as stored: "Ctrl+Alt+V". A combination the
  // combo box does not offer lists its modifiers as Ctrl, Shift, Alt, Win.
  std::string HotkeyText(int n) const;
  // Sets the row from stored text. Parts are split at every "+"; all but the
  // last are modifier names (others ignored), the last is the key. One part,
  // or no modifier among the parts, leaves the row unassigned.
  void ParseHotkey(std::string_view text, int n);

  // Every row from section "hotkeys" (a missing key: no hotkey).
  void LoadHotkeys(const IniDocument& doc);
  // All 24 keys into a document: the text of an assigned row, empty for the others.
  void WriteHotkeys(IniDocument& doc) const;
  // All 24 keys in operation order in one update: the text of an assigned
  // row, empty for the others. False when the file could not be written.
  bool SaveHotkeys(const IniFile& file) const;

  // Registers every assigned row under its operation number; false when any
  // failed (the others are still registered).
  bool RegisterHotkeys(HotkeyRegistrar& registrar) const;
  // Unregisters every assigned row; false when any failed.
  bool UnregisterHotkeys(HotkeyRegistrar& registrar) const;

 private:
  static size_t Index(int n) { return static_cast<size_t>(n - 1); }

  KeyLayoutName layout_;
  std::array<THotkeyEntry, kHotkeyOperationCount> rows_{};
};

}  // namespace qv
