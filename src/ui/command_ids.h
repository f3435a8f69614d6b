#pragma once
// Command identifiers of the main window's menus and toolbar, also posted by
// tests and by the tray icon. WM_COMMAND with one of these runs the command.
#include <cstdint>

namespace qv {

enum CommandId : uint16_t {
  kCmdExit = 1001,      // "E&xit" / fbExit: the shut-down path
  kCmdShowHide = 1002,  // tray click, "Main &window"
  kCmdPrevious = 1003,  // fbPrev, "&Previous slot"
  kCmdNext = 1004,      // fbNext, "&Next slot"
  kCmdClearAll = 1005,  // fbDelAll
  kCmdMinimize = 1006,  // fbMinimize
  kCmdAutoHide = 1007,  // fbTop
  kCmdShow = 1008,      // show and bring to front

  // Slot menus (act on SelectedSlot; the clipboard menu on Slot 0).
  kCmdPaste = 1100,
  kCmdCopy,
  kCmdSwap,
  kCmdAddText,
  kCmdSaveText,
  kCmdSaveImage,
  kCmdSaveSlot,
  kCmdSlotUp,
  kCmdSlotDown,
  kCmdDeleteSlot,
  kCmdClearClipboard,
  kCmdTextConversion,  // submenu placeholder items
  kCmdImageTransformation,

  // Management of slots.
  kCmdLoadSlot = 1200,
  kCmdSaveSet,
  kCmdSetsManager,
  kCmdLoadSetMenu,  // the submenu of sets
  kCmdNoSet,        // "<NO SETS>"

  // Settings and help.
  kCmdSettings = 1300,
  kCmdHelp,
  kCmdAbout,
  kCmdFind,
  kCmdHelpTray,  // the tray menu's "&Help" (miHelpTray)

  // Quick settings.
  kCmdPlace1 = 1400,  // + 0, 1, 2 for align 1..3
  kCmdPlace2,
  kCmdPlace3,
  kCmdOpenLinks,
  kCmdCreateMessages,
  kCmdPlaySound,
  kCmdNoDouble,
  kCmdShowPaths,

  // Transparency: + 0 .. 9 for 0 % .. 90 %.
  kCmdTransparency0 = 1500,

  // Text conversions of the clipboard (+ mode 0 .. 5: lowercase, uppercase,
  // words, inverted, sentence, random) and picture transformations (+ 0 .. 5:
  // left, right, 180 degrees, vertical, horizontal, inverted colours).
  kCmdTextConversion0 = 1600,
  kCmdPictureTransform0 = 1610,

  // Loads the set of this index in the set list (+ 0 .. kMaxSetMenuItems - 1).
  kCmdLoadSet0 = 2000,
};
inline constexpr uint16_t kMaxSetMenuItems = 10000;

// The window class of the main window.
inline constexpr wchar_t kMainWindowClass[] = L"TMainForm";
inline constexpr wchar_t kSingleInstanceMutex[] = L"QuorvaneMutex";

}  // namespace qv
