#pragma once
// The program's icon in the notification area: it owns the icon, reports the
// mouse over it (down, enter, exit), pops up a menu and shows balloon tips.
// The component has its own hidden top-level window, which receives the
// icon's callback messages and the shell's "TaskbarCreated" broadcast.
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/win32/window_handles_win32.h"
#include "tray/simple_timer_win32.h"

namespace qv {

enum class TrayButton { Left, Right, Middle };

// Modifier keys held when a button went down.
struct TrayShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

enum class BalloonKind : DWORD {
  None = NIIF_NONE,
  Info = NIIF_INFO,
  Warning = NIIF_WARNING,
  Error = NIIF_ERROR,
};

class TCoolTrayIcon {
 public:
  // The message the shell sends to the hidden window: the icon identifier in
  // wParam, the mouse message in lParam.
  static constexpr UINT kCallbackMessage = WM_USER + 1024;
  static constexpr UINT kIconId = 1;
  static constexpr size_t kMaxTip = 127;
  static constexpr size_t kMaxBalloonText = 255;
  static constexpr size_t kMaxBalloonTitle = 63;
  static constexpr UINT kExitPollMs = 20;

  using MouseDownHandler = std::function<void(TrayButton, TrayShiftState)>;
  using NotifyHandler = std::function<void()>;
  using CommandHandler = std::function<void(UINT id)>;

  TCoolTrayIcon();
  // Deletes the icon from the notification area.
  ~TCoolTrayIcon();
  TCoolTrayIcon(const TCoolTrayIcon&) = delete;
  TCoolTrayIcon& operator=(const TCoolTrayIcon&) = delete;

  // The icon image (not owned); modifies a visible icon.
  void SetIcon(HICON icon);
  HICON Icon() const { return icon_; }
  // The tip text (at most 127 characters reach the shell); modifies a visible icon.
  void SetHint(std::wstring_view hint);
  const std::wstring& Hint() const { return hint_; }
  void SetShowHint(bool showHint);
  bool ShowHint() const { return showHint_; }
  // True adds the icon (NIM_ADD), false deletes it (NIM_DELETE). Returns the
  // shell's answer; a failure is retried on the next call or taskbar restart.
  bool SetIconVisible(bool visible);
  // While disabled, mouse notifications are ignored.
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Enabled() const { return enabled_; }
  void SetWantEnterExitEvents(bool want);

  // Hides any balloon and shows a new one; the title is cut to 63 characters,
  // the text to 255. False when the shell refused.
  bool ShowBalloon(std::wstring_view title, std::wstring_view text, BalloonKind kind,
                   unsigned seconds);
  bool HideBalloon();

  // The menu a right click pops up (not owned; null for none).
  void SetPopupMenu(HMENU menu) { popupMenu_ = menu; }
  // Where a chosen menu command goes as WM_COMMAND (besides OnCommand); null for nowhere.
  void SetCommandTarget(HWND target) { commandTarget_ = target; }
  // Pops the menu up at the cursor and delivers the chosen command. Returns
  // the command identifier, 0 when none was chosen or there is no menu.
  UINT PopupMenuAtCursor();

  void SetOnMouseDown(MouseDownHandler handler) { onMouseDown_ = std::move(handler); }
  void SetOnMouseEnter(NotifyHandler handler) { onMouseEnter_ = std::move(handler); }
  void SetOnMouseExit(NotifyHandler handler) { onMouseExit_ = std::move(handler); }
  void SetOnCommand(CommandHandler handler) { onCommand_ = std::move(handler); }

  // The hidden window that owns the icon.
  HWND Handle() const { return window_.Get(); }
  // The record last handed to the shell.
  const NOTIFYICONDATAW& IconData() const { return data_; }
  // The registered "TaskbarCreated" message.
  static UINT TaskbarCreatedMessage();

 private:
  static constexpr UINT kBaseFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnIconMessage(UINT mouseMessage);
  void PollExit();
  void RefreshData();
  bool Notify(DWORD command);
  bool ModifyIfVisible();

  win32::Window window_;
  NOTIFYICONDATAW data_{};
  HICON icon_ = nullptr;
  std::wstring hint_;
  bool showHint_ = true;
  bool iconVisible_ = false;
  bool enabled_ = true;
  bool wantEnterExit_ = true;
  bool exited_ = true;
  POINT lastPosition_{};
  HMENU popupMenu_ = nullptr;
  HWND commandTarget_ = nullptr;
  TSimpleTimer exitPoll_;

  MouseDownHandler onMouseDown_;
  NotifyHandler onMouseEnter_;
  NotifyHandler onMouseExit_;
  CommandHandler onCommand_;
};

}  // namespace qv
