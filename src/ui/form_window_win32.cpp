#include "ui/form_window_win32.h"

#include "platform/win32/wide_win32.h"

namespace qv::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"TQvForm";
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

}  // namespace

bool TFormWindow::CreateForm(const char* name, const wchar_t* caption, int width, int height,
                             HWND owner) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = &TFormWindow::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kFormClass;
  if (!RegisterWindowClass(wc)) return false;
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
  HWND hwnd = CreateWindowExW(exStyle, kFormClass, caption, style, CW_USEDEFAULT, CW_USEDEFAULT,
                              r.right - r.left, r.bottom - r.top, owner, nullptr, instance, this);
  if (!hwnd) return false;
  window_.Reset(hwnd);
  // Tahoma 13 pixels, as the program's other windows.
  font_.Reset(CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
  components_.push_back({name, hwnd});
  return true;
}

HWND TFormWindow::AddControl(const char* name, const wchar_t* className, const wchar_t* text,
                             DWORD style, int x, int y, int width, int height, int id,
                             DWORD exStyle) {
  HWND control = CreateWindowExW(
      exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window_.Get(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (control && font_) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), 0);
  components_.push_back({name, control});
  return control;
}

HWND TFormWindow::AddLabel(const char* name, const wchar_t* text, int x, int y, int width,
                           int height, int id) {
  return AddControl(name, L"STATIC", text, SS_LEFT | SS_NOPREFIX, x, y, width, height, id);
}

HWND TFormWindow::AddButton(const char* name, const wchar_t* text, int x, int y, int id,
                            bool isDefault) {
  if (isDefault) defaultButton_ = id;
  return AddControl(name, L"BUTTON", text,
                    WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y, kButtonWidth,
                    kButtonHeight, id);
}

HWND TFormWindow::AddEdit(const char* name, int x, int y, int width, int height, int id,
                          bool multiLine) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (multiLine) style = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  return AddControl(name, L"EDIT", L"", style, x, y, width, height, id, WS_EX_CLIENTEDGE);
}

std::u16string TFormWindow::Text(int id) const {
  HWND control = Control(id);
  const int length = GetWindowTextLengthW(control);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(control, text.data(), length + 1);
  return std::u16string(FromWide(text.data(), static_cast<size_t>(got > 0 ? got : 0)));
}

void TFormWindow::SetText(int id, std::u16string_view text) {
  const std::u16string copy(text);
  SetWindowTextW(Control(id), AsWide(copy));
}

void TFormWindow::Enable(int id, bool enabled) {
  EnableWindow(Control(id), enabled);
}

void TFormWindow::Show(int id, bool shown) {
  ShowWindow(Control(id), shown ? SW_SHOW : SW_HIDE);
}

void TFormWindow::ShowModal(HWND owner) {
  HWND hwnd = window_.Get();
  if (!hwnd || showing_) return;
  RECT area{};
  if (!owner || !IsWindowVisible(owner) || !GetWindowRect(owner, &area))
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  RECT self{};
  GetWindowRect(hwnd, &self);
  const int width = self.right - self.left, height = self.bottom - self.top;
  SetWindowPos(hwnd, HWND_TOPMOST, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0, SWP_NOSIZE);
  showing_ = true;
  modal_ = true;
  OnShow();
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  MSG msg;
  while (showing_) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: the outer loop must see the quit too.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      showing_ = false;
      break;
    }
    if (FormKey(msg) || IsDialogMessageW(hwnd, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  ShowWindow(hwnd, SW_HIDE);
  modal_ = false;
  if (owner && IsWindowVisible(owner)) SetForegroundWindow(owner);
}

void TFormWindow::ShowModeless() {
  HWND hwnd = window_.Get();
  if (!hwnd) return;
  if (!showing_) {
    showing_ = true;
    OnShow();
  }
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
}

void TFormWindow::Hide() {
  if (modal_) return;  // the modal loop hides it when it ends
  showing_ = false;
  ShowWindow(window_.Get(), SW_HIDE);
}

void TFormWindow::Close() {
  if (!showing_ || !CanClose()) return;
  OnClose();
  showing_ = false;
  if (!modal_) ShowWindow(window_.Get(), SW_HIDE);
}

bool TFormWindow::PreTranslate(MSG& msg) {
  HWND hwnd = window_.Get();
  if (!hwnd || modal_ || !showing_ || (msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd))) return false;
  return FormKey(msg) || IsDialogMessageW(hwnd, &msg);
}

bool TFormWindow::FormKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  HWND hwnd = window_.Get();
  if (msg.hwnd != hwnd && !IsChild(hwnd, msg.hwnd)) return false;
  if (OnKey(msg.wParam)) return true;
  switch (msg.wParam) {
    case VK_ESCAPE:
      Close();
      return true;
    case VK_F1:
      OnHelp();
      return true;
    case VK_RETURN: {
      const LONG_PTR style = GetWindowLongPtrW(msg.hwnd, GWL_STYLE);
      wchar_t className[16] = {};
      GetClassNameW(msg.hwnd, className, 16);
      if (_wcsicmp(className, L"EDIT") == 0 && (style & ES_MULTILINE)) return false;
      if (_wcsicmp(className, L"BUTTON") == 0) return false;  // the focused button itself
      if (defaultButton_ && IsWindowEnabled(Control(defaultButton_)))
        OnCommand(defaultButton_, BN_CLICKED);
      return true;
    }
    default:
      return false;
  }
}

LRESULT CALLBACK TFormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TFormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && self->window_.Get() == hwnd) return self->HandleMessage(message, wParam, lParam);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT TFormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (LRESULT result = 0; OnMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == IDCANCEL && lParam == 0) {
        Close();
        return 0;
      }
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_HELP:
      OnHelp();
      return TRUE;
    default:
      return DefWindowProcW(window_.Get(), message, wParam, lParam);
  }
}

}  // namespace qv::win32
