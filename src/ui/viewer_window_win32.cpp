#include "ui/viewer_window_win32.h"

namespace qv {

TViewerWindow::TViewerWindow(HWND mainWindow)
    : mainWindow_(mainWindow), frameBrush_(CreateSolidBrush(kFrameColor)) {}

TViewerWindow::~TViewerWindow() { DestroyViewer(); }

bool TViewerWindow::CreateViewer(const wchar_t* className, const wchar_t* caption, DWORD style,
                                 int width, int height) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = className;
  if (!win32::RegisterWindowClass(wc)) return false;
  CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, className, caption,
                  WS_POPUP | style, 0, 0, width, height, nullptr, nullptr, instance, this);
  // A layered window shows nothing until its attributes are set.
  SetOpacity(255);
  return static_cast<bool>(window_);
}

void TViewerWindow::DestroyViewer() {
  hiddenPointer_.reset();
  if (window_) SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, 0);  // no more painting
  window_.Reset();
}

SIZE TViewerWindow::Size() const {
  RECT rect{};
  if (window_) GetWindowRect(window_.Get(), &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void TViewerWindow::SetOpacity(uint8_t opacity) {
  if (window_) SetLayeredWindowAttributes(window_.Get(), 0, opacity, LWA_ALPHA);
}

void TViewerWindow::ShowAt(int left, int top) {
  if (!hiddenPointer_) hiddenPointer_.emplace();
  SetWindowPos(window_.Get(), HWND_TOPMOST, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TViewerWindow::HideViewer() {
  if (window_) ShowWindow(window_.Get(), SW_HIDE);
  hiddenPointer_.reset();
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
  if (mainWindow_ && IsWindowVisible(mainWindow_)) SetForegroundWindow(mainWindow_);
}

bool TViewerWindow::Visible() const { return window_ && IsWindowVisible(window_.Get()); }

LRESULT CALLBACK TViewerWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  TViewerWindow* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<TViewerWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.Reset(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<TViewerWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT TViewerWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = window_.Get();
  switch (message) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_SETCURSOR:
      if (hiddenPointer_) {
        SetCursor(nullptr);
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd, &ps);
      Paint(dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace qv
