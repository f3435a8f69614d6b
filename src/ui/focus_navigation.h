#pragma once
// Moving the keyboard focus between the slot panels with Up, Down, Page Up and
// Page Down, scrolling the list where the focus would leave it.
#include <cstdint>

#include "ui/window_layout.h"

namespace qv {

struct FocusState {
  int focus = -1;           // panel 0 (the clipboard) to 5, or -1 for none
  int panels = 1;           // V: saved-slot panels shown, 1 to 5
  int records = 1;          // N: slot records, Slot 0 included
  bool slot0Empty = false;  // Slot 0's panel shows no clipboard content
  ScrollState scroll;       // enabled when there are more saved slots than panels
  bool operator==(const FocusState&) const = default;
};

// The focus and scroll position after one navigation key; other keys leave
// the state as it is.
FocusState NavigateFocus(uint16_t key, FocusState state);

}  // namespace qv
