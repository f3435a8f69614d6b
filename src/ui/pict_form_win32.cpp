#include "ui/pict_form_win32.h"

namespace qv {
namespace {

constexpr const wchar_t* kClassName = L"QuorvanePictureView";

// Draws a 32-bit top-down picture with its top-left corner at (left, top).
void DrawPicture(HDC dc, const Bitmap32& picture, int left, int top) {
  if (picture.width <= 0 || picture.height <= 0) return;
  if (picture.pixels.size() < static_cast<size_t>(picture.width) * picture.height) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, left, top, picture.width, picture.height, 0, 0, 0, picture.height,
                    picture.pixels.data(), &info, DIB_RGB_COLORS);
}

}  // namespace

TPictForm::TPictForm(HWND mainWindow, int pictureSize, COLORREF background)
    : mainWindow_(mainWindow),
      background_(background & 0x00FFFFFF),
      frameBrush_(CreateSolidBrush(kFrameColor)),
      groundBrush_(CreateSolidBrush(background_)) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kClassName;
  if (!win32::RegisterWindowClass(wc)) return;
  CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"Picture View",
                  WS_POPUP, 0, 0, 4 * pictureSize + 2 * kFrame, 3 * pictureSize + 2 * kFrame,
                  nullptr, nullptr, instance, this);
  // A layered window shows nothing until its attributes are set.
  SetOpacity(255);
}

TPictForm::~TPictForm() {
  hiddenPointer_.reset();
  window_.Reset();
}

SIZE TPictForm::Size() const {
  RECT rect{};
  if (window_) GetWindowRect(window_.Get(), &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void TPictForm::SetOpacity(uint8_t opacity) {
  if (window_) SetLayeredWindowAttributes(window_.Get(), 0, opacity, LWA_ALPHA);
}

void TPictForm::SetBackground(COLORREF background) {
  background_ = background & 0x00FFFFFF;
  groundBrush_.Reset(CreateSolidBrush(background_));
  if (window_) InvalidateRect(window_.Get(), nullptr, FALSE);
}

void TPictForm::ShowPict(const Bitmap32& picture, int left, int top) {
  if (!window_) return;
  picture_ = picture;
  InvalidateRect(window_.Get(), nullptr, FALSE);
  if (!hiddenPointer_) hiddenPointer_.emplace();
  SetWindowPos(window_.Get(), HWND_TOPMOST, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TPictForm::HideViewer() {
  if (window_) ShowWindow(window_.Get(), SW_HIDE);
  hiddenPointer_.reset();
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
  if (mainWindow_ && IsWindowVisible(mainWindow_)) SetForegroundWindow(mainWindow_);
}

bool TPictForm::Visible() const {
  return window_ && IsWindowVisible(window_.Get());
}

LRESULT CALLBACK TPictForm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TPictForm* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<TPictForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.Reset(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<TPictForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT TPictForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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

void TPictForm::Paint(HDC dc) {
  RECT client{};
  GetClientRect(window_.Get(), &client);
  RECT ground{client.left + kFrame, client.top + kFrame, client.right - kFrame,
              client.bottom - kFrame};
  // Frame and ground around the picture, then the picture clipped to the ground.
  FillRect(dc, &client, frameBrush_.Get());
  FillRect(dc, &ground, groundBrush_.Get());
  int saved = SaveDC(dc);
  IntersectClipRect(dc, ground.left, ground.top, ground.right, ground.bottom);
  int left = ground.left + (ground.right - ground.left - picture_.width) / 2;
  int top = ground.top + (ground.bottom - ground.top - picture_.height) / 2;
  DrawPicture(dc, picture_, left, top);
  RestoreDC(dc, saved);
}

}  // namespace qv
