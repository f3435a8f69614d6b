#include "app/main_form_win32.h"

#include <windowsx.h>

#include <exception>

#include "ui/command_ids.h"
#include "ui/flat_button_win32.h"
#include "ui/graphic_control_win32.h"
#include "ui/ground_win32.h"
#include "ui/paint_guards_win32.h"

namespace qv {

TMainForm::TMainForm(HINSTANCE instance) : instance_(instance) {}

TMainForm::~TMainForm() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool TMainForm::Create() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
  wc.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  // A sizeable tool window: no taskbar button, rows snap when resized. It is
  // created hidden and disabled; the start-up sequence runs in WM_CREATE.
  HWND hwnd = CreateWindowExW(
      WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, kMainWindowClass, L"Quorvane",
      WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN | WS_DISABLED, CW_USEDEFAULT,
      CW_USEDEFAULT, 300, 400, nullptr, nullptr, instance_, this);
  return hwnd != nullptr;
}

LRESULT CALLBACK TMainForm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TMainForm* form = nullptr;
  if (message == WM_NCCREATE) {
    form = static_cast<TMainForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  } else {
    form = reinterpret_cast<TMainForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (!form) return DefWindowProcW(hwnd, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = form->HandleMessage(message, wParam, lParam);
  } catch (const std::exception&) {
    // An exception must not cross the system's frames. The program keeps
    // running with its history; the message counts as handled by default.
    result = DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    form->hwnd_ = nullptr;
  }
  return result;
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      FormCreate();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam) {
        FormShow();
      } else {
        CloseFind();
        PostMessageW(hwnd_, kMsgTrayHintMode, 0, 0);
      }
      break;
    case kMsgTrayHintMode:
      SetTrayHintMode();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      if (host_) {
        win32::PaintScope paint(hwnd_);
        PaintPanels(paint.Dc(), paint.Update());
        return 0;
      }
      break;
    case WM_SIZE:
      if (host_) ArrangeControls();
      return 0;
    case WM_GETMINMAXINFO: {
      RECT r{0, 0, kMinClientWidth, ClientHeightFor(1, 1)};
      AdjustWindowRectEx(&r, WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = {r.right - r.left, r.bottom - r.top};
      return 0;
    }
    case WM_ENTERSIZEMOVE:
      OnEnterSizeMove();
      return 0;
    case WM_EXITSIZEMOVE:
      OnExitSizeMove();
      return 0;
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
      break;
    case WM_ACTIVATE: {
      // The window the user leaves for this one is where a paste goes back to.
      if (LOWORD(wParam) != WA_INACTIVE) desktop_.NoteForeground(reinterpret_cast<HWND>(lParam));
      LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
      if (core_) OnActivate(LOWORD(wParam) != WA_INACTIVE);
      // Back in the window, the user goes on typing in the open search field.
      if (LOWORD(wParam) != WA_INACTIVE && findEdit_ && IsWindowVisible(findEdit_))
        SetFocus(findEdit_);
      return result;
    }
    case WM_ACTIVATEAPP:
      if (wParam) desktop_.NoteLeftThread(static_cast<DWORD>(lParam));
      break;
    case WM_MOUSEWHEEL: {
      LRESULT result = DefWindowProcW(hwnd_, message, wParam, lParam);
      if (core_) OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return result;
    }
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == sBar_ && core_) {
        int position = scroll_.position;
        switch (LOWORD(wParam)) {
          case SB_LINEUP:
            --position;
            break;
          case SB_LINEDOWN:
            ++position;
            break;
          case SB_PAGEUP:
            position -= scroll_.largeChange;
            break;
          case SB_PAGEDOWN:
            position += scroll_.largeChange;
            break;
          case SB_THUMBTRACK:
          case SB_THUMBPOSITION:
            position = HIWORD(wParam);
            break;
          case SB_TOP:
            position = 0;
            break;
          case SB_BOTTOM:
            position = scroll_.maximum;
            break;
          default:
            return 0;
        }
        sBarChange(std::max(0, position));
      }
      return 0;
    case WM_SYSCOMMAND:
      // The title-bar close button and Alt+F4 only hide the window.
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        HideMainWindow();
        return 0;
      }
      break;
    case WM_CLOSE:
      ExitProgram();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // Windows is ending the session: store the history as Exit does.
      if (wParam) FormCloseQuery();
      return 0;
    case WM_DESTROY:
      FormDestroy();
      PostQuitMessage(0);
      return 0;
    case WM_COMMAND:
      if (lParam != 0 && reinterpret_cast<HWND>(lParam) == findEdit_) {
        if (HIWORD(wParam) == EN_CHANGE) FindTextChanged();
        return 0;
      }
      if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) OnCommand(LOWORD(wParam));
      return 0;
    case WM_HOTKEY:
      if (core_) WMHotKey(static_cast<int>(wParam));
      return 0;
    case kMsgClipboardRead:
      ApplyClipboardReadings();
      return 0;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      if (win32::HandleStyledMenuMessage(message, wParam, lParam)) return TRUE;
      break;
    default:
      if (host_ && host_->HandleMouse(message, wParam, lParam)) return 0;
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace qv
