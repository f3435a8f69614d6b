#pragma once
// Pasting a slot into the application the user works in: bring that
// application back when one of the program's windows is in front, put the slot
// on the clipboard, and press Ctrl+V for the user.
#include <cstddef>

#include "snapshot/clip_rec.h"

namespace qv {

class Clipboard;
class Desktop;
class SystemServices;

enum class PasteResult {
  kPasted,
  kNothingToPaste,      // no slot at that index
  kNoOtherApplication,  // the program's own window stayed in front: nothing sent
};

struct PasteContext {
  Clipboard& clipboard;
  SystemServices& system;
  Desktop& desktop;
};

// The waits, in milliseconds.
inline constexpr uint32_t kPasteWaitBeforeSwitch = 100;
inline constexpr uint32_t kPasteKeyHold = 50;
inline constexpr uint32_t kPasteWaitAfterSwitch = 200;
inline constexpr uint32_t kPasteWaitAfterWrite = 200;
inline constexpr uint32_t kPasteWaitAfterKeys = 100;
// Keys held from a hotkey are waited for at most this long.
inline constexpr uint32_t kPasteModifierWait = 1000;

// Pastes slots[index]. Slot 0 (the last record) is on the clipboard already
// and is not written again; any other slot is written as a normal clipboard
// change, which the monitor captures.
PasteResult PasteSlot(const TClipArr& slots, size_t index, const PasteContext& context);

}  // namespace qv
