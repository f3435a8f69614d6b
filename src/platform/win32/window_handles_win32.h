#pragma once
// Owners for the window-side handles the shell components use: windows,
// loaded modules, fonts, and a hidden screen pointer.
#include <windows.h>

#include "platform/win32/handles_win32.h"

namespace qv::win32 {

using Window = UniqueHandle<HWND, DestroyWindow>;
using Module = UniqueHandle<HMODULE, FreeLibrary>;
using GdiFont = UniqueHandle<HFONT, DeleteObject>;

// Registers a window class of this module once per process; later calls with
// the same name do nothing. True when the class exists afterwards.
inline bool RegisterWindowClass(const WNDCLASSEXW& windowClass) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) return true;
  return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// The screen pointer hidden for the lifetime of the object: no cursor shape and
// the thread's display count lowered by one. Destroying it raises the count
// again and sets the arrow.
class HiddenPointer {
 public:
  HiddenPointer() {
    SetCursor(nullptr);
    ShowCursor(FALSE);
  }
  ~HiddenPointer() {
    ShowCursor(TRUE);
    SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
  }
  HiddenPointer(const HiddenPointer&) = delete;
  HiddenPointer& operator=(const HiddenPointer&) = delete;
};

}  // namespace qv::win32
