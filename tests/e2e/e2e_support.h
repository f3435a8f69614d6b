#pragma once
// Helpers for the end-to-end scenarios: starting programs, waiting for
// conditions with a deadline, and the program's data folder.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace qv::e2e {

// The folder holding e2e_tests.exe, quorvane.exe and the tools.
std::filesystem::path ExeDir();
// The program's data folder (all-users application data + "Quorvane").
std::filesystem::path DataFolder();
// Deletes the data folder so a scenario starts from nothing.
void ResetDataFolder();

// A started process; killed when the object goes away while it still runs.
class Process {
 public:
  Process() = default;
  Process(const std::filesystem::path& exe, const std::wstring& arguments);
  ~Process();
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Id() const { return id_; }
  HANDLE Handle() const { return process_; }
  bool Running() const;
  // Waits for the exit; true when it ended within the time.
  bool WaitExit(std::chrono::milliseconds timeout);
  DWORD ExitCode() const;
  void Kill();

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// Polls `condition` (pumping this thread's messages) until it holds or the
// deadline passes. Returns the last result.
bool WaitUntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(20));

// The top-level window of a process with the given class name, or null.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);

// Number of running processes with this executable name.
int CountProcesses(const wchar_t* exeName);

}  // namespace qv::e2e
