#pragma once
// The main window's keys: which steps one key press runs, in order. The window
// runs the steps against its panels and the slot list.
#include <array>
#include <cstdint>
#include <vector>

#include "ui/command_ids.h"
#include "ui/window_layout.h"

namespace qv {

struct KeyPress {
  uint16_t key = 0;  // virtual-key code
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// What the window knows of each panel when a key arrives.
struct PanelState {
  bool usable = false;  // shows a slot that the commands may act on
  bool textOrFiles = false;
  bool picture = false;
};

struct KeyContext {
  int focus = -1;  // the keyboard focus: panel 0 to 5, or -1
  std::array<PanelState, kSlotViewCount> panels{};
};

struct KeyStep {
  enum class Kind : uint8_t {
    kSelectFocused,  // the selected slot becomes the focused panel's slot
    kSelectPanel,    // the selected slot becomes `panel`'s slot
    kCommand,        // run `command` on the selected slot
    kNavigate,       // move the focus with `key` (Up, Down, Page Up, Page Down)
    kClipboardMenu,  // pop up the clipboard panel's menu
    kSlotMenu,       // pop up `panel`'s slot menu
  };
  Kind kind = Kind::kCommand;
  uint16_t command = 0;
  uint16_t key = 0;
  int panel = -1;
  bool operator==(const KeyStep&) const = default;
};

// Usable panels: panel 0 when Slot 0 has content; panel 1 when the newest saved
// slot has content; panels 2 to 5 when shown and a slot is there for them.
bool PanelUsable(int panel, int records, int shownPanels, bool slot0Kind, bool newestSavedKind);

// The steps of one key press; empty when the key does nothing here.
std::vector<KeyStep> PlanKey(const KeyPress& press, const KeyContext& context);

}  // namespace qv
