#include "hotkeys/dispatch.h"

namespace qv {

HotkeyCommand DispatchHotkey(int id, const HotkeyDispatchState& state) {
  using enum HotkeyAction;
  constexpr HotkeyAction kMain[] = {ShowWindow,     HideWindow, PreviousSlot, NextSlot,
                                    ClearClipboard, ClearSlots, LoadSlot};
  if (id >= 1 && id <= 7) return {kMain[id - 1], 0};
  if (id >= 8 && id <= 13)
    return state.slot0HasText ? HotkeyCommand{TextConversion, id - 8} : HotkeyCommand{};
  if (id >= 14 && id <= 19)
    return state.slot0HasPicture ? HotkeyCommand{PictureTransform, id - 14} : HotkeyCommand{};
  if (id == 20)
    return state.slotCount >= 2 && state.newestSavedKindSet ? HotkeyCommand{PastePanel, 1}
                                                            : HotkeyCommand{};
  if (id >= 21 && id <= 24) {
    const int slot = id - 19;
    if (state.page >= slot && state.slotCount > static_cast<size_t>(slot))
      return {PastePanel, slot};
  }
  return {};
}

}  // namespace qv
