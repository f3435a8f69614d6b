#include "app/main_form_win32.h"

#include "app/command_ids.h"

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
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kMainWindowClass;
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  // Created hidden and disabled; the start-up sequence runs in WM_CREATE.
  HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, kMainWindowClass,
                              L"Quorvane", WS_CAPTION | WS_SYSMENU | WS_DISABLED, CW_USEDEFAULT,
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
  LRESULT result = form->HandleMessage(message, wParam, lParam);
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
      if (wParam) FormShow();
      break;
    case WM_SYSCOMMAND:
      // The title-bar close button and Alt+F4 only hide the window.
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        ShowWindow(hwnd_, SW_HIDE);
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
      if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) OnCommand(LOWORD(wParam));
      return 0;
    case WM_DRAWCLIPBOARD:
      OnDrawClipboard();
      return 0;
    case WM_CHANGECBCHAIN:
      OnChangeCbChain(reinterpret_cast<HWND>(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void TMainForm::OnCommand(uint16_t id) {
  switch (id) {
    case kCmdExit:
      ExitProgram();
      break;
    case kCmdShowHide:
      if (IsWindowVisible(hwnd_)) {
        ShowWindow(hwnd_, SW_HIDE);
      } else {
        ShowWindow(hwnd_, SW_SHOW);
        SetForegroundWindow(hwnd_);
      }
      break;
    default:
      break;
  }
}

}  // namespace qv
