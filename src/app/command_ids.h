#pragma once
// Command identifiers of the main window's menus, also posted by tests and by
// the tray icon. WM_COMMAND with one of these runs the command.
#include <cstdint>

namespace qv {

enum CommandId : uint16_t {
  kCmdExit = 1001,  // "E&xit": the shut-down path
  kCmdShowHide = 1002,
};

// The window class of the main window.
inline constexpr wchar_t kMainWindowClass[] = L"TMainForm";
inline constexpr wchar_t kSingleInstanceMutex[] = L"QuorvaneMutex";

}  // namespace qv
