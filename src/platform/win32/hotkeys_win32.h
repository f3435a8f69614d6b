#pragma once
// System-wide hotkeys registered for a window, which receives WM_HOTKEY.
#include <windows.h>

#include <string>

#include "platform/hotkeys.h"

namespace qv::win32 {

class Win32HotkeyRegistrar : public HotkeyRegistrar {
 public:
  void SetWindow(HWND window) { window_ = window; }
  bool Register(int id, uint32_t mask, uint16_t key) override;
  bool Unregister(int id) override;

 private:
  HWND window_ = nullptr;
};

// The keyboard layout's name of a virtual key ("Num +", "Pause"), as UTF-8;
// empty when it has none.
std::string KeyboardLayoutName(uint16_t key);

}  // namespace qv::win32
