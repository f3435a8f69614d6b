// codecs/bmp.h declares BI_* names that <windows.h> defines as macros: it comes first.
#include "codecs/bmp.h"
#include "e2e_support.h"

#include <algorithm>

#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <system_error>
#include <thread>

#include "platform/win32/handles_win32.h"
#include "util/codepage.h"
#include "util/file_io.h"

namespace qv::e2e {

std::filesystem::path ExeDir() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::filesystem::path(std::wstring(path, n)).parent_path();
}

std::filesystem::path DataFolder() {
  wchar_t path[MAX_PATH];
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_COMMON_APPDATA, nullptr, 0, path))) return L"c:\\";
  return std::filesystem::path(path) / L"Quorvane";
}

void ResetDataFolder() {
  std::error_code ec;
  std::filesystem::remove_all(DataFolder(), ec);
}

Process::Process(const std::filesystem::path& exe, const std::wstring& arguments) {
  std::wstring commandLine = L"\"" + exe.wstring() + L"\"";
  if (!arguments.empty()) commandLine += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info{};
  if (CreateProcessW(exe.wstring().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     exe.parent_path().wstring().c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
  }
}

Process::~Process() {
  if (process_) {
    if (Running()) Kill();
    CloseHandle(process_);
  }
}

bool Process::Running() const {
  return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Process::WaitExit(std::chrono::milliseconds timeout) {
  if (!process_) return true;
  return WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) GetExitCodeProcess(process_, &code);
  return code;
}

void Process::Kill() {
  if (process_) {
    TerminateProcess(process_, 9);
    WaitForSingleObject(process_, 5000);
  }
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return condition();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

DWORD ProcessOf(HWND window) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  return processId;
}

std::vector<HWND> ProcessWindows(DWORD processId) {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  std::erase_if(windows, [&](HWND w) { return ProcessOf(w) != processId; });
  return windows;
}

bool PointerAt(int x, int y) {
  POINT p{};
  return SetCursorPos(x, y) && WaitUntil([&] { return GetCursorPos(&p) && p.x == x && p.y == y; },
                                         std::chrono::seconds(5));
}

HWND OpenToolMenu(HWND main, int left) {
  RECT client{};
  GetClientRect(main, &client);
  POINT point{left + 12, client.bottom - 31 + 2 + 2 + 12};
  const LPARAM at = MAKELPARAM(point.x, point.y);
  ClientToScreen(main, &point);
  for (int attempt = 0; attempt < 2; ++attempt) {
    PointerAt(point.x, point.y);
    PostMessageW(main, WM_MOUSEMOVE, 0, at);
    PostMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(main, WM_LBUTTONUP, 0, at);
    // A second click while the first one's menu shows cannot open another.
    if (HWND menu = WaitForPopupMenu(std::chrono::seconds(5))) return menu;
  }
  return nullptr;
}

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  for (HWND window : ProcessWindows(processId)) {
    wchar_t name[256];
    if (GetClassNameW(window, name, 256) && wcscmp(name, className) == 0) return window;
  }
  return nullptr;
}

namespace {

BOOL CALLBACK CollectSlot(HWND child, LPARAM param) {
  wchar_t name[32];
  if (GetClassNameW(child, name, 32) && std::wstring(name) == L"TSlot")
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

}  // namespace

std::vector<HWND> SlotViews(HWND main) {
  std::vector<HWND> slots;
  EnumChildWindows(main, CollectSlot, reinterpret_cast<LPARAM>(&slots));
  std::sort(slots.begin(), slots.end(), [](HWND a, HWND b) {
    RECT ra{}, rb{};
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.top < rb.top;
  });
  return slots;
}

std::string SlotViewText(HWND main, size_t panel) {
  const std::vector<HWND> views = SlotViews(main);
  if (panel >= views.size()) return "<no slot>";
  wchar_t text[512] = L"";
  GetWindowTextW(views[panel], text, 512);
  return Utf16ToUtf8(reinterpret_cast<const char16_t*>(text));
}

namespace {

BOOL CALLBACK FindVisibleMenu(HWND window, LPARAM param) {
  wchar_t name[16];
  if (!IsWindowVisible(window) || !GetClassNameW(window, name, 16) ||
      std::wstring(name) != L"#32768")
    return TRUE;
  *reinterpret_cast<HWND*>(param) = window;
  return FALSE;
}

}  // namespace

HWND WaitForPopupMenu(std::chrono::milliseconds timeout) {
  // Any visible one: a hidden menu window may come first in the z-order.
  HWND menu = nullptr;
  WaitUntil(
      [&] {
        EnumWindows(FindVisibleMenu, reinterpret_cast<LPARAM>(&menu));
        return menu != nullptr;
      },
      timeout);
  return menu;
}

bool BringToFront(HWND window) {
  SetForegroundWindow(window);
  return WaitUntil([&] { return GetForegroundWindow() == window; }, std::chrono::seconds(5));
}

bool Checked(HWND dialog, int id) {
  return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int CountProcesses(const wchar_t* exeName) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  int count = 0;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  for (BOOL ok = Process32FirstW(snapshot, &entry); ok; ok = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, exeName) == 0) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

Bitmap32 CaptureWindow(HWND window, bool printed) {
  RECT rect{};
  GetWindowRect(window, &rect);
  Bitmap32 image{rect.right - rect.left, rect.bottom - rect.top, {}};
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC windowDc = GetWindowDC(window);
  win32::MemoryDC memory(CreateCompatibleDC(windowDc));
  win32::GdiBitmap section(CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (section && bits) {
    HGDIOBJ old = SelectObject(memory.Get(), section.Get());
    if (printed) {
      PrintWindow(window, memory.Get(), 0);
    } else {
      BitBlt(memory.Get(), 0, 0, image.width, image.height, windowDc, 0, 0, SRCCOPY);
    }
    GdiFlush();
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < image.pixels.size(); ++i) image.pixels[i] = source[i] & 0xFFFFFF;
    SelectObject(memory.Get(), old);
  }
  ReleaseDC(window, windowDc);
  return image;
}

void SaveArtifact(const Bitmap32& picture, const char* name) {
  const char* folder = std::getenv("QV_ARTIFACTS");
  if (folder && *folder) WriteWholeFile(std::filesystem::path(folder) / name, EncodeBmp(picture));
}

void Screenshot(HWND window, const char* name) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
  SaveArtifact(CaptureWindow(window), name);
}

}  // namespace qv::e2e
