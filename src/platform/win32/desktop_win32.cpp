#include "platform/win32/desktop_win32.h"

namespace qv::win32 {
namespace {

// The one desktop whose hook is installed: the hook callback has no context.
Win32Desktop* g_attached = nullptr;

// Systems that report no foreground changes to the hook are asked this often.
constexpr UINT kForegroundPoll = 300;

BOOL CALLBACK NoteFrontmost(HWND window, LPARAM self) {
  if (!IsWindowVisible(window) || (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW))
    return TRUE;
  reinterpret_cast<Win32Desktop*>(self)->NoteForeground(window);
  return FALSE;
}

bool Held(int key) {
  return (GetAsyncKeyState(key) & 0x8000) != 0;
}

}  // namespace

bool IsOwnWindow(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return window && process == GetCurrentProcessId();
}

Win32Desktop::~Win32Desktop() {
  if (hook_) UnhookWinEvent(hook_);
  if (timer_) KillTimer(nullptr, timer_);
  if (g_attached == this) g_attached = nullptr;
}

void Win32Desktop::Attach(HWND main) {
  main_ = main;
  g_attached = this;
  if (!hook_)
    hook_ = SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnForeground,
                            0, 0, WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
  if (!timer_) timer_ = SetTimer(nullptr, 0, kForegroundPoll, OnTimer);
  NoteForeground(GetForegroundWindow());
}

void CALLBACK Win32Desktop::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
  if (g_attached) g_attached->NoteForeground(GetForegroundWindow());
}

void CALLBACK Win32Desktop::OnForeground(HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD,
                                         DWORD) {
  if (g_attached) g_attached->NoteForeground(window);
}

void Win32Desktop::NoteForeground(HWND window) {
  if (!window) return;
  HWND root = GetAncestor(window, GA_ROOT);
  if (root && !IsOwnWindow(root)) previous_ = root;
}

void Win32Desktop::NoteLeftThread(DWORD thread) {
  if (!thread) return;
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (GetGUIThreadInfo(thread, &info) && info.hwndActive) {
    NoteForeground(info.hwndActive);
    return;
  }
  // Its active window is already gone from the thread's state: take its
  // frontmost visible window.
  EnumThreadWindows(thread, NoteFrontmost, reinterpret_cast<LPARAM>(this));
}

bool Win32Desktop::OwnWindowInFront() {
  return IsOwnWindow(GetForegroundWindow());
}

void Win32Desktop::SetMainWindowTopmost(bool topmost) {
  SetWindowPos(main_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool Win32Desktop::RestorePreviousApplication() {
  if (!previous_ || !IsWindow(previous_) || !IsWindowVisible(previous_)) return false;
  if (IsIconic(previous_)) ShowWindow(previous_, SW_RESTORE);
  return SetForegroundWindow(previous_) != FALSE;
}

void Win32Desktop::SendKey(uint16_t key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof(input));
}

void Win32Desktop::KeyDown(uint16_t key) {
  SendKey(key, false);
}

void Win32Desktop::KeyUp(uint16_t key) {
  SendKey(key, true);
}

bool Win32Desktop::ModifiersHeld() {
  return Held(VK_CONTROL) || Held(VK_SHIFT) || Held(VK_MENU) || Held(VK_LWIN) || Held(VK_RWIN);
}

}  // namespace qv::win32
