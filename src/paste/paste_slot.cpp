#include "paste/paste_slot.h"

#include "platform/desktop.h"
#include "platform/system.h"
#include "snapshot/clipboard_io.h"

namespace qv {
namespace {

constexpr uint16_t kKeyTab = 0x09;
constexpr uint16_t kKeyControl = 0x11;
constexpr uint16_t kKeyAlt = 0x12;
constexpr uint16_t kKeyV = 'V';
constexpr uint32_t kModifierPoll = 10;

// A paste started by a hotkey runs while the user still holds its modifiers:
// keys sent now would arrive combined with them (Ctrl+Alt+V instead of Ctrl+V).
void WaitForModifiersReleased(const PasteContext& c) {
  for (uint32_t waited = 0; waited < kPasteModifierWait && c.desktop.ModifiersHeld();
       waited += kModifierPoll)
    c.system.Sleep(kModifierPoll);
}

void Tap(const PasteContext& c, uint16_t modifier, uint16_t key) {
  WaitForModifiersReleased(c);
  c.desktop.KeyDown(modifier);
  c.desktop.KeyDown(key);
  c.system.Sleep(kPasteKeyHold);
  c.desktop.KeyUp(key);
  c.desktop.KeyUp(modifier);
}

// Brings the application the user was in back to the front. False when the
// program's own window is still in front afterwards.
bool LeaveOwnWindow(const PasteContext& c) {
  c.desktop.SetMainWindowTopmost(false);
  c.system.Sleep(kPasteWaitBeforeSwitch);
  // The window switcher's second entry is not always the application the user
  // was in: the window remembered as last in front is; Alt+Tab only without it.
  if (!c.desktop.RestorePreviousApplication()) Tap(c, kKeyAlt, kKeyTab);
  c.system.Sleep(kPasteWaitAfterSwitch);
  c.desktop.SetMainWindowTopmost(true);
  return !c.desktop.OwnWindowInFront();
}

}  // namespace

PasteResult PasteSlot(const TClipArr& slots, size_t index, const PasteContext& c) {
  if (index >= slots.size()) return PasteResult::kNothingToPaste;
  if (c.desktop.OwnWindowInFront() && !LeaveOwnWindow(c)) return PasteResult::kNoOtherApplication;
  if (index + 1 != slots.size()) {
    RestoreToClipboard(c.clipboard, slots[index].GetSnapshotData());
    c.system.Sleep(kPasteWaitAfterWrite);
  }
  Tap(c, kKeyControl, kKeyV);
  c.system.Sleep(kPasteWaitAfterKeys);
  return PasteResult::kPasted;
}

}  // namespace qv
