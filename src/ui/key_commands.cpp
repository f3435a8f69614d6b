#include "ui/key_commands.h"

#include <cstddef>

#include "ui/key_codes.h"

namespace qv {
namespace {

using Kind = KeyStep::Kind;

KeyStep Command(uint16_t id) {
  return {Kind::kCommand, id, 0, -1};
}
KeyStep SelectFocused() {
  return {Kind::kSelectFocused, 0, 0, -1};
}
KeyStep Navigate(uint16_t key) {
  return {Kind::kNavigate, 0, key, -1};
}

bool IsDigitKey(uint16_t key, int& digit) {
  if (key >= '0' && key <= '5') {
    digit = key - '0';
    return true;
  }
  if (key >= kKeyNumpad0 && key <= kKeyNumpad0 + 5) {
    digit = key - kKeyNumpad0;
    return true;
  }
  return false;
}

// The chain after the menu key and Ctrl+Up/Down: only the first matching row runs.
void PlanChain(const KeyPress& press, const KeyContext& c, std::vector<KeyStep>& steps) {
  const int f = c.focus;
  const bool focused = f >= 0 && f < kSlotViewCount;
  const PanelState none;
  const PanelState& panel = focused ? c.panels[static_cast<size_t>(f)] : none;
  const bool saved = f >= 1 && f < kSlotViewCount && panel.usable;
  const uint16_t key = press.key;
  if (press.ctrl) {
    uint16_t command = 0;
    if (key == kKeyLeft || key == kKeyRight) {
      steps.push_back(Command(key == kKeyLeft ? kCmdPrevious : kCmdNext));
      return;
    }
    if (key == 'F') {
      steps.push_back(Command(kCmdFind));
      return;
    }
    if (key == 'S' && panel.usable)
      command = kCmdSaveSlot;
    else if (key == 'T' && panel.usable && panel.textOrFiles)
      command = kCmdSaveText;
    else if (key == 'I' && panel.usable && panel.picture)
      command = kCmdSaveImage;
    else if (key == 'C' && saved)
      command = kCmdCopy;
    else if (key == 'X' && saved)
      command = kCmdSwap;
    else if (key == 'V' && saved && panel.textOrFiles)
      command = kCmdAddText;
    if (command) {
      steps.insert(steps.end(), {SelectFocused(), Command(command)});
      return;
    }
  }
  // The plain keys match whatever modifiers are held.
  int digit = 0;
  switch (key) {
    case kKeyReturn:
      if (focused) steps.push_back(SelectFocused());
      steps.push_back(Command(kCmdPaste));
      return;
    case kKeyEscape:
      steps.push_back(Command(kCmdMinimize));
      return;
    case kKeyDelete:
      if (f == 0 && panel.usable)
        steps.insert(steps.end(), {SelectFocused(), Command(kCmdClearClipboard)});
      else if (saved)
        steps.insert(steps.end(), {SelectFocused(), Command(kCmdDeleteSlot)});
      return;
    case kKeyUp:
    case kKeyDown:
    case kKeyPageUp:
    case kKeyPageDown:
      steps.push_back(Navigate(key));
      return;
    case kKeyF1:
      steps.push_back(Command(kCmdHelp));
      return;
    case kKeyF9:
      steps.push_back(Command(kCmdSettings));
      return;
    default:
      if (IsDigitKey(key, digit) && c.panels[static_cast<size_t>(digit)].usable)
        steps.insert(steps.end(), {{Kind::kSelectPanel, 0, 0, digit}, Command(kCmdPaste)});
      return;
  }
}

}  // namespace

bool PanelUsable(int panel, int records, int shownPanels, bool slot0Kind, bool newestSavedKind) {
  if (panel == 0) return records >= 1 && slot0Kind;
  if (panel == 1) return records >= 2 && newestSavedKind;
  return panel >= 2 && panel < kSlotViewCount && shownPanels >= panel && records > panel;
}

std::vector<KeyStep> PlanKey(const KeyPress& press, const KeyContext& c) {
  std::vector<KeyStep> steps;
  const uint16_t key = press.key;
  const bool menuKey = (key == kKeyF10 && press.shift) || key == kKeySpace || key == kKeyApps;
  if (menuKey) {
    if (c.focus == 0)
      steps.push_back({Kind::kClipboardMenu, 0, 0, 0});
    else if (c.focus >= 1 && c.focus < kSlotViewCount)
      steps.push_back({Kind::kSlotMenu, 0, 0, c.focus});
  }
  if (press.ctrl && c.focus >= 0 && (key == kKeyUp || key == kKeyDown)) {
    // The slot moves, then the focus follows it with the plain navigation.
    steps.insert(steps.end(),
                 {SelectFocused(), Command(key == kKeyUp ? kCmdSlotUp : kCmdSlotDown)});
  }
  PlanChain(press, c, steps);
  return steps;
}

}  // namespace qv
