#pragma once
// The application to paste into (paste_target.exe): a window in front with a
// focused edit box whose text the tests read.
#include <string>

#include "e2e_support.h"

namespace qv::e2e {

// The application to paste into: a window with a focused edit box.
struct Target {
  Process process{ExeDir() / L"paste_target.exe", L""};
  HWND window = nullptr;
  HWND edit = nullptr;

  Target() {
    WaitUntil([&] {
      window = FindProcessWindow(process.Id(), L"QvPasteTarget");
      return window && GetForegroundWindow() == window;
    });
    if (window) edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
    // The user works here a moment: longer than the program needs to notice
    // the window in front where the system reports no foreground changes.
    Sleep(1000);
  }
  std::string Text() const {
    wchar_t text[256] = L"";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(edit, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        2000, &ignored);
    std::string out;
    for (const wchar_t* p = text; *p; ++p) out.push_back(static_cast<char>(*p));
    return out;
  }
  bool Shows(const std::string& text) const {
    return WaitUntil([&] { return Text() == text; }, std::chrono::seconds(5));
  }
};

}  // namespace qv::e2e
