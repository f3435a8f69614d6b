#include "e2e_support.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <system_error>
#include <thread>

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

Process::Process(Process&& other) noexcept : process_(other.process_), id_(other.id_) {
  other.process_ = nullptr;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    if (process_) {
      if (Running()) Kill();
      CloseHandle(process_);
    }
    process_ = other.process_;
    id_ = other.id_;
    other.process_ = nullptr;
  }
  return *this;
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
struct FindWindowQuery {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindWindowProc(HWND hwnd, LPARAM param) {
  auto* query = reinterpret_cast<FindWindowQuery*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != query->processId) return TRUE;
  wchar_t name[256];
  if (GetClassNameW(hwnd, name, 256) && wcscmp(name, query->className) == 0) {
    query->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* className) {
  FindWindowQuery query{processId, className, nullptr};
  EnumWindows(FindWindowProc, reinterpret_cast<LPARAM>(&query));
  return query.found;
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

}  // namespace qv::e2e
