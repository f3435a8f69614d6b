#pragma once
// Popup menus built from the menu model right before they open.
#include <windows.h>

#include "ui/menu_model.h"

namespace qv::win32 {

// Shows the menu at a screen point, owned by `owner`, and returns the chosen
// command id (0 when the menu was dismissed).
uint16_t TrackMenu(const Menu& menu, HWND owner, POINT screen);

}  // namespace qv::win32
