#include "ui/text_form_win32.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace qv {
namespace {

constexpr const wchar_t* kClassName = L"QuorvaneTextView";

// Reads the rich text for EM_STREAMIN.
struct RtfSource {
  const std::string* text;
  size_t position = 0;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  auto* source = reinterpret_cast<RtfSource*>(cookie);
  size_t count = std::min(static_cast<size_t>(std::max<LONG>(size, 0)),
                          source->text->size() - source->position);
  std::memcpy(buffer, source->text->data() + source->position, count);
  source->position += count;
  *read = static_cast<LONG>(count);
  return 0;
}

win32::GdiFont MakeDefaultFont() {
  win32::ScreenDC screen;
  LOGFONTW font{};
  font.lfHeight = -MulDiv(8, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  wcscpy(font.lfFaceName, L"Tahoma");
  return win32::GdiFont(CreateFontIndirectW(&font));
}

}  // namespace

TTextForm::TTextForm(HWND mainWindow, int width, int height)
    : mainWindow_(mainWindow),
      defaultFont_(MakeDefaultFont()),
      font_(defaultFont_.Get()),
      frameBrush_(CreateSolidBrush(kFrameColor)) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = kClassName;
  if (!win32::RegisterWindowClass(wc)) return;
  CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"Text View",
                  WS_POPUP | WS_CLIPCHILDREN, 0, 0, width + 2 * kFrame, height + 2 * kFrame,
                  nullptr, nullptr, instance, this);
  if (!window_) return;
  // A layered window shows nothing until its attributes are set.
  SetOpacity(255);
  if (!CreateRichEdit()) {
    window_.Reset();
    return;
  }
  Resize(width, height);
}

TTextForm::~TTextForm() {
  hiddenPointer_.reset();
  window_.Reset();
}

bool TTextForm::CreateRichEdit() {
  const wchar_t* className = MSFTEDIT_CLASS;
  richEditLibrary_.Reset(LoadLibraryW(L"msftedit.dll"));
  if (!richEditLibrary_) {
    className = RICHEDIT_CLASSW;
    richEditLibrary_.Reset(LoadLibraryW(L"riched20.dll"));
  }
  if (!richEditLibrary_) return false;
  richEdit_ = CreateWindowExW(0, className, L"",
                              WS_CHILD | WS_VISIBLE | WS_DISABLED | ES_MULTILINE | ES_READONLY, 0,
                              0, 0, 0, window_.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!richEdit_) return false;
  SendMessageW(richEdit_, EM_SETBKGNDCOLOR, FALSE, RGB(255, 255, 255));
  // A null target device with line width 1: no word wrap.
  SendMessageW(richEdit_, EM_SETTARGETDEVICE, 0, 1);
  SendMessageW(richEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return true;
}

SIZE TTextForm::Size() const {
  RECT rect{};
  if (window_) GetWindowRect(window_.Get(), &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

void TTextForm::Resize(int width, int height) {
  if (!window_) return;
  SetWindowPos(window_.Get(), nullptr, 0, 0, width + 2 * kFrame, height + 2 * kFrame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveWindow(richEdit_, kFrame, kFrame, width, height, TRUE);
}

void TTextForm::SetOpacity(uint8_t opacity) {
  if (window_) SetLayeredWindowAttributes(window_.Get(), 0, opacity, LWA_ALPHA);
}

void TTextForm::SetFont(HFONT font) {
  font_ = font ? font : defaultFont_.Get();
  if (richEdit_) SendMessageW(richEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

void TTextForm::LoadRtf(const std::string& rtf) {
  // Text without its own formatting takes the control's font; without this
  // some RichEdit versions fall back to a bold system font.
  SendMessageW(richEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  RtfSource source{&rtf};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadRtf;
  SendMessageW(richEdit_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void TTextForm::ShowText(const std::string& rtf, int left, int top) {
  if (!window_) return;
  LoadRtf(rtf);
  if (!hiddenPointer_) hiddenPointer_.emplace();
  SetWindowPos(window_.Get(), HWND_TOPMOST, left, top, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TTextForm::HideViewer() {
  if (window_) ShowWindow(window_.Get(), SW_HIDE);
  hiddenPointer_.reset();
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
  if (mainWindow_ && IsWindowVisible(mainWindow_)) SetForegroundWindow(mainWindow_);
}

bool TTextForm::Visible() const {
  return window_ && IsWindowVisible(window_.Get());
}

LRESULT CALLBACK TTextForm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  TTextForm* self = nullptr;
  if (message == WM_NCCREATE) {
    self = static_cast<TTextForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_.Reset(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<TTextForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  }
  if (message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT TTextForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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

void TTextForm::Paint(HDC dc) {
  // The frame; the rich-text control covers the inside.
  RECT client{};
  GetClientRect(window_.Get(), &client);
  FillRect(dc, &client, frameBrush_.Get());
}

}  // namespace qv
