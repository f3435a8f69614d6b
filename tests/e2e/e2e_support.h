#pragma once
// Helpers for the end-to-end scenarios: starting programs, waiting for
// conditions with a deadline, and the program's data folder.
#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "codecs/bitmap32.h"

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

// Moves the screen pointer and waits until the system reports it there.
bool PointerAt(int x, int y);
// Clicks the toolbar button whose left edge is `left` pixels into the main
// window's bottom toolbar and returns the popup menu it opens, or null. A flat
// button clicks only with the screen pointer over it, so the pointer goes there
// first; a click a loaded machine loses is given once more.
HWND OpenToolMenu(HWND main, int left);

// The process that made the window.
DWORD ProcessOf(HWND window);
// The top-level windows of a process, in z-order.
std::vector<HWND> ProcessWindows(DWORD processId);
// The top-level window of a process with the given class name, or null.
HWND FindProcessWindow(DWORD processId, const wchar_t* className);

// The main window's slot views, top first.
std::vector<HWND> SlotViews(HWND main);
// The text of slot view `panel`, counted from the top, in UTF-8: the views'
// window texts say what they show ("Text: preview"). "<no slot>" past the last.
std::string SlotViewText(HWND main, size_t panel);
// The popup menu once it shows, or null after `timeout`.
HWND WaitForPopupMenu(std::chrono::milliseconds timeout = std::chrono::seconds(10));
// Brings the window to the front and waits until it is there.
bool BringToFront(HWND window);
// Whether the check box or radio button `id` of the dialog is checked.
bool Checked(HWND dialog, int id);

// Number of running processes with this executable name.
int CountProcesses(const wchar_t* exeName);

// The window's pixels as it shows them, children and frame included; or, when
// printed, what it paints for WM_PRINT (PrintWindow).
Bitmap32 CaptureWindow(HWND window, bool printed = false);
// Saves the picture as a BMP in the folder QV_ARTIFACTS names, when it is set.
void SaveArtifact(const Bitmap32& picture, const char* name);
// Paints what is pending, then saves the window.
void Screenshot(HWND window, const char* name);

}  // namespace qv::e2e
