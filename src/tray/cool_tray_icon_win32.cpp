#include "tray/cool_tray_icon_win32.h"

#include <algorithm>

#include "ui/styled_menu_win32.h"

namespace qv {
namespace {

constexpr const wchar_t* kClassName = L"QuorvaneTrayIcon";

// Copies at most `limit` characters of `text` into `target` (which holds
// limit + 1), never splitting a surrogate pair.
template <size_t N>
void CopyCut(wchar_t (&target)[N], std::wstring_view text, size_t limit) {
  static_assert(N > 0);
  size_t length = std::min({text.size(), limit, N - 1});
  if (length < text.size() && length > 0 && IS_HIGH_SURROGATE(text[length - 1])) --length;
  std::copy_n(text.data(), length, target);
  target[length] = L'\0';
}

TrayShiftState CurrentShiftState() {
  auto down = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
  return TrayShiftState{down(VK_SHIFT), down(VK_CONTROL), down(VK_MENU)};
}

}  // namespace

UINT TCoolTrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

TCoolTrayIcon::TCoolTrayIcon() : exitPoll_([this] { PollExit(); }, kExitPollMs, false) {
  TaskbarCreatedMessage();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.lpszClassName = kClassName;
  // Top-level (not a message-only window) so that the shell's broadcast of
  // "TaskbarCreated" reaches it; never shown.
  if (win32::RegisterWindowClass(wc)) {
    CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                    instance, this);
  }
  data_.cbSize = NOTIFYICONDATAW_V2_SIZE;
  data_.hWnd = window_.Get();
  data_.uID = kIconId;
  data_.uFlags = kBaseFlags;
  data_.uCallbackMessage = kCallbackMessage;
}

TCoolTrayIcon::~TCoolTrayIcon() {
  if (iconVisible_) Notify(NIM_DELETE);
}

void TCoolTrayIcon::SetIcon(HICON icon) {
  if (icon == icon_) return;
  icon_ = icon;
  ModifyIfVisible();
}

void TCoolTrayIcon::SetHint(std::wstring_view hint) {
  if (hint == hint_) return;
  hint_ = hint;
  ModifyIfVisible();
}

void TCoolTrayIcon::SetShowHint(bool showHint) {
  if (showHint == showHint_) return;
  showHint_ = showHint;
  ModifyIfVisible();
}

bool TCoolTrayIcon::SetIconVisible(bool visible) {
  iconVisible_ = visible;
  if (!visible) return Notify(NIM_DELETE);
  RefreshData();
  return Notify(NIM_ADD);
}

void TCoolTrayIcon::SetWantEnterExitEvents(bool want) {
  wantEnterExit_ = want;
  if (!want) exitPoll_.SetEnabled(false);
}

bool TCoolTrayIcon::ShowBalloon(std::wstring_view title, std::wstring_view text, BalloonKind kind,
                                unsigned seconds) {
  HideBalloon();
  RefreshData();
  data_.uFlags = kBaseFlags | NIF_INFO;
  CopyCut(data_.szInfo, text, kMaxBalloonText);
  CopyCut(data_.szInfoTitle, title, kMaxBalloonTitle);
  data_.uTimeout = seconds * 1000;
  data_.dwInfoFlags = static_cast<DWORD>(kind);
  bool shown = Notify(NIM_MODIFY);
  data_.uFlags = kBaseFlags;
  return shown;
}

bool TCoolTrayIcon::HideBalloon() {
  RefreshData();
  data_.uFlags = kBaseFlags | NIF_INFO;
  data_.szInfo[0] = L'\0';
  bool done = Notify(NIM_MODIFY);
  data_.uFlags = kBaseFlags;
  return done;
}

UINT TCoolTrayIcon::PopupMenuAtCursor() {
  HWND window = window_.Get();
  if (!popupMenu_ || !window) return 0;
  // The menu's owner must be the foreground window, or the menu would not
  // close when the user clicks elsewhere.
  SetForegroundWindow(window);
  POINT cursor{};
  GetCursorPos(&cursor);
  UINT command =
      static_cast<UINT>(TrackPopupMenu(popupMenu_, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
                                       cursor.x, cursor.y, 0, window, nullptr));
  PostMessageW(window, WM_NULL, 0, 0);
  if (command != 0) {
    if (commandTarget_) PostMessageW(commandTarget_, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    if (onCommand_) onCommand_(command);
  }
  return command;
}

LRESULT CALLBACK TCoolTrayIcon::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TCoolTrayIcon* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<TCoolTrayIcon*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.Reset(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<TCoolTrayIcon*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return 1;
  }
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT TCoolTrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kCallbackMessage:
      if (wParam == kIconId) OnIconMessage(static_cast<UINT>(lParam));
      return 0;
    // The component never ends the session, the window or the program by itself.
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
    case WM_CLOSE:
    case WM_DESTROY:
    case WM_QUIT:
      return 1;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      // The menu this window pops up may be drawn in the program's own look.
      if (win32::HandleStyledMenuMessage(message, wParam, lParam)) return TRUE;
      break;
    default:
      break;
  }
  if (message == TaskbarCreatedMessage()) {
    // The shell restarted: the icon is gone from it and must be added again.
    if (iconVisible_) SetIconVisible(true);
    return 0;
  }
  return DefWindowProcW(window_.Get(), message, wParam, lParam);
}

void TCoolTrayIcon::OnIconMessage(UINT mouseMessage) {
  if (!enabled_) return;
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      if (wantEnterExit_ && exited_) {
        exited_ = false;
        exitPoll_.SetEnabled(true);
        if (onMouseEnter_) onMouseEnter_();
      }
      GetCursorPos(&lastPosition_);
      break;
    case WM_LBUTTONDOWN:
      if (onMouseDown_) onMouseDown_(TrayButton::Left, CurrentShiftState());
      break;
    case WM_MBUTTONDOWN:
      if (onMouseDown_) onMouseDown_(TrayButton::Middle, CurrentShiftState());
      break;
    case WM_RBUTTONDOWN:
      if (onMouseDown_) onMouseDown_(TrayButton::Right, CurrentShiftState());
      PopupMenuAtCursor();
      break;
    default:
      break;
  }
}

void TCoolTrayIcon::PollExit() {
  if (exited_ || !wantEnterExit_) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  if (cursor.x == lastPosition_.x && cursor.y == lastPosition_.y) return;
  exited_ = true;
  exitPoll_.SetEnabled(false);
  if (onMouseExit_) onMouseExit_();
}

void TCoolTrayIcon::RefreshData() {
  data_.hIcon = icon_;
  CopyCut(data_.szTip, showHint_ ? std::wstring_view(hint_) : std::wstring_view(), kMaxTip);
}

bool TCoolTrayIcon::Notify(DWORD command) {
  if (!window_) return false;
  return Shell_NotifyIconW(command, &data_) != FALSE;
}

bool TCoolTrayIcon::ModifyIfVisible() {
  RefreshData();
  return iconVisible_ && Notify(NIM_MODIFY);
}

}  // namespace qv
