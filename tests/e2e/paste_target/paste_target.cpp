// An application to paste into, for the end-to-end tests: one window with an
// edit box that has the keyboard focus. It comes to the front at start; the
// tests read the box's text with WM_GETTEXT.
#include <windows.h>

namespace {

constexpr wchar_t kClass[] = L"QvPasteTarget";
HWND g_edit = nullptr;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      g_edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, 4, 4, 300,
                               100, hwnd, nullptr, nullptr, nullptr);
      return 0;
    case WM_SETFOCUS:
    case WM_ACTIVATE:
      if (message == WM_SETFOCUS || LOWORD(wParam) != WA_INACTIVE) SetFocus(g_edit);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kClass;
  RegisterClassExW(&wc);
  HWND hwnd = CreateWindowExW(0, kClass, L"Paste target", WS_OVERLAPPEDWINDOW, 40, 300, 330, 150,
                              nullptr, nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  SetFocus(g_edit);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
