#pragma once
// What a pressed hotkey runs, given the state of the slots at that moment.
// Conversions need a fitting Slot 0 and pasting needs the slot to exist and to
// be on the paste panel; otherwise the hotkey does nothing.
#include <cstddef>
#include <cstdint>

namespace qv {

enum class HotkeyAction : uint8_t {
  None,
  ShowWindow,
  HideWindow,
  PreviousSlot,
  NextSlot,
  ClearClipboard,
  ClearSlots,
  LoadSlot,
  TextConversion,    // argument: mode 0..5
  PictureTransform,  // argument: transform 0..5
  PastePanel,        // argument: panel slot 1..5
};

struct HotkeyCommand {
  HotkeyAction action = HotkeyAction::None;
  int argument = 0;
  bool operator==(const HotkeyCommand&) const = default;
};

struct HotkeyDispatchState {
  bool slot0HasText = false;     // plain or rich text
  bool slot0HasPicture = false;  // bitmap or metafile
  size_t slotCount = 0;          // records, Slot 0 included
  bool newestSavedKindSet = false;
  int page = 0;  // slots on the paste panel
};

// The command for hotkey id (operation number) 1..24; None for any other id.
HotkeyCommand DispatchHotkey(int id, const HotkeyDispatchState& state);

}  // namespace qv
