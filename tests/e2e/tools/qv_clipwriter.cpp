// Another application that puts a fixed set of formats on the clipboard and
// then stays its owner, pumping messages, until it is told to quit.
//
// Exit codes: 0 done, 2 no window, 3 the clipboard never opened, 4 a format
// could not be set.
#include "tools/clip_fixture.h"

#include <windows.h>

#include <cstring>
#include <optional>

#include "platform/win32/handles_win32.h"

namespace {

namespace fx = qv::e2e::fixture;
using qv::win32::ClipboardOpen;
using qv::win32::GlobalLockGuard;
using qv::win32::GlobalMemory;
using KernelHandle = qv::win32::UniqueHandle<HANDLE, CloseHandle>;

constexpr DWORD kOpenTimeoutMs = 10000;
constexpr DWORD kLifetimeMs = 60000;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// Handles messages that arrived; false once WM_QUIT came.
bool PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) return false;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

// Waits up to `timeout` for the event or a message; false when it is time to stop.
bool WaitForWork(HANDLE quit, DWORD timeout) {
  DWORD result = MsgWaitForMultipleObjects(1, &quit, FALSE, timeout, QS_ALLINPUT);
  if (result == WAIT_OBJECT_0) return false;
  return PumpMessages();
}

// Another process may hold the clipboard for a moment: retry until the deadline.
bool OpenClipboardWithRetry(std::optional<ClipboardOpen>& open, HWND owner, HANDLE quit) {
  const DWORD start = GetTickCount();
  for (;;) {
    open.emplace(owner);
    if (open->IsOpen()) return true;
    open.reset();
    if (GetTickCount() - start > kOpenTimeoutMs || !WaitForWork(quit, 10)) return false;
  }
}

bool Put(UINT format, const qv::Bytes& bytes) {
  GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, bytes.size()));
  if (!memory) return false;
  {
    GlobalLockGuard lock(memory.Get());
    if (!lock.Data()) return false;
    std::memcpy(lock.Data(), bytes.data(), bytes.size());
  }
  if (!SetClipboardData(format, memory.Get())) return false;
  memory.Release();  // the clipboard owns it now
  return true;
}

bool PutFixture() {
  const UINT privateFormat =
      RegisterClipboardFormatW(reinterpret_cast<const wchar_t*>(fx::kPrivateFormatName.data()));
  return privateFormat != 0 && EmptyClipboard() && Put(CF_TEXT, fx::AnsiTextBytes()) &&
         Put(CF_UNICODETEXT, fx::UnicodeTextBytes()) && Put(privateFormat, fx::PrivateBytes()) &&
         Put(CF_DIB, fx::DibBytes()) && Put(CF_HDROP, fx::DropFilesBytes());
}

}  // namespace

int main() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  KernelHandle quit(CreateEventW(nullptr, TRUE, FALSE, fx::kQuitEventName));
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = fx::kWindowClass;
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, fx::kWindowClass, L"qv_clipwriter", WS_OVERLAPPED, 0, 0, 10, 10,
                                nullptr, nullptr, instance, nullptr);
  if (!window || !quit) return 2;

  bool complete = false;
  {
    std::optional<ClipboardOpen> open;
    if (!OpenClipboardWithRetry(open, window, quit.Get())) return 3;
    complete = PutFixture();
  }

  // The clipboard's owner must answer its messages while others read it.
  const DWORD start = GetTickCount();
  for (;;) {
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= kLifetimeMs || !WaitForWork(quit.Get(), kLifetimeMs - elapsed)) break;
  }
  DestroyWindow(window);
  return complete ? 0 : 4;
}
