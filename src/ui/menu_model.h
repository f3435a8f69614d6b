#pragma once
// The popup menus of the main window and the tray, as data: captions, command
// ids, checks and which items a slot's content offers. The shell turns them
// into system menus right before they open.
#include <cstdint>
#include <string>
#include <vector>

#include "ui/display_kind.h"

namespace qv {

struct Options;

struct MenuItem {
  uint16_t id = 0;      // 0 with an empty caption: a separator
  std::string caption;  // with "&" accelerator and "\t" shortcut text
  bool enabled = true;
  bool checked = false;
  bool radio = false;
  bool isDefault = false;  // drawn bold
  std::vector<MenuItem> submenu;

  bool IsSeparator() const { return caption.empty() && submenu.empty(); }
};
using Menu = std::vector<MenuItem>;

// Commands whose subsystems are not built yet are present and disabled.
Menu ClipboardMenu(const SlotMenuItems& shown);  // pmClipboard, for Slot 0
Menu SlotMenu(const SlotMenuItems& shown);       // pmSlot, for a saved slot
// pmSlotSet with one item per set under "L&oad a slots set" (miLoadSet), in
// the order given (names in UTF-8), or the disabled "<NO SETS>" (miNoSet).
Menu SlotSetMenu(const std::vector<std::string>& setNames);
Menu TransparencyMenu(int percent);     // pmTransp, the current value checked
Menu ParamMenu();                       // pmParam
Menu FastMenu(const Options& options);  // pmFast
Menu TrayMenu();                        // pmTray

}  // namespace qv
