// The entry point: one instance only, then the windows and the message loop.
#include <windows.h>

#include "ui/command_ids.h"
#include "app/main_form_win32.h"
#include "platform/win32/codepage_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  // A second start ends at once, silently. The mutex lives as long as the process.
  if (HANDLE existing = OpenMutexW(MUTEX_ALL_ACCESS, FALSE, qv::kSingleInstanceMutex)) {
    CloseHandle(existing);
    return 0;
  }
  HANDLE mutex = CreateMutexW(nullptr, FALSE, qv::kSingleInstanceMutex);
  if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) return 0;  // lost a race with another start

  qv::win32::InstallWin32AnsiCodePage();
  qv::TMainForm mainForm(instance);
  if (!mainForm.Create()) return 1;
  mainForm.FinishStartup();

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (mainForm.PreviewKey(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
