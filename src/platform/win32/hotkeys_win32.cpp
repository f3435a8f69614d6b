#include "platform/win32/hotkeys_win32.h"

#include "util/codepage.h"

namespace qv::win32 {

// The stored mask uses the system's modifier bits (Alt 1, Ctrl 2, Shift 4, Win 8).
bool Win32HotkeyRegistrar::Register(int id, uint32_t mask, uint16_t key) {
  return RegisterHotKey(window_, id, mask, key) != FALSE;
}

bool Win32HotkeyRegistrar::Unregister(int id) {
  return UnregisterHotKey(window_, id) != FALSE;
}

std::string KeyboardLayoutName(uint16_t key) {
  UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  if (!scan) return {};
  // Keys of the extended block (arrows, Insert, Delete... beside the keypad)
  // are named apart from their keypad twins.
  switch (key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_NUMLOCK:
      scan |= 0x100;
      break;
    default:
      break;
  }
  wchar_t name[64] = L"";
  const int length = GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 64);
  if (length <= 0) return {};
  return Utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(name), length));
}

}  // namespace qv::win32
