#pragma once
// The foreground window and synthesised keys on Windows. Remembers the last
// window in front that was not the program's own, so that a paste can go back
// to the application the user was in.
#include <windows.h>

#include "platform/desktop.h"

namespace qv::win32 {

class Win32Desktop : public Desktop {
 public:
  Win32Desktop() = default;
  ~Win32Desktop() override;
  Win32Desktop(const Win32Desktop&) = delete;
  Win32Desktop& operator=(const Win32Desktop&) = delete;

  // Starts following foreground changes for the main window `main`.
  void Attach(HWND main);
  // A window came to the front (also told by the main window's activation).
  void NoteForeground(HWND window);
  // The program became active, leaving the application whose thread this is.
  void NoteLeftThread(DWORD thread);

  bool OwnWindowInFront() override;
  void SetMainWindowTopmost(bool topmost) override;
  bool RestorePreviousApplication() override;
  void KeyDown(uint16_t key) override;
  void KeyUp(uint16_t key) override;
  bool ModifiersHeld() override;

 private:
  static void CALLBACK OnTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
  static void CALLBACK OnForeground(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                    LONG child, DWORD thread, DWORD time);
  void SendKey(uint16_t key, bool up);

  HWND main_ = nullptr;
  HWND previous_ = nullptr;
  HWINEVENTHOOK hook_ = nullptr;
  UINT_PTR timer_ = 0;
};

// A window of this process.
bool IsOwnWindow(HWND window);

}  // namespace qv::win32
