#pragma once
// Starting the real program for a scenario and ending it through its Exit path.
#include "e2e_support.h"

#include <string>

namespace qv::e2e {

class Quorvane {
 public:
  // Starts quorvane.exe (the one beside the tests unless `exe` names
  // another) and waits until its main window exists.
  Quorvane();
  explicit Quorvane(const std::filesystem::path& exe);
  ~Quorvane();
  bool Ready() const { return window_ != nullptr; }
  HWND Window() const { return window_; }
  Process& process() { return process_; }
  // Posts the Exit command and waits for the process to end.
  bool Exit();

 private:
  Process process_;
  HWND window_ = nullptr;
};

// Writes options.cfg before a start (creating the data folder).
void WriteOptions(const std::string& text);
// A scenario's start: no data folder, an empty clipboard, these options.
void FreshStart(const std::string& options);
// One key of options.cfg, or "" when missing.
std::string ReadOption(const std::string& section, const std::string& key);

// The program's settings dialog with this caption, shown or not.
HWND SettingsDialog(DWORD pid, const std::string& title = "Quorvane Settings");
// F9 in the main window; the settings dialog once it shows, or null.
HWND OpenSettingsWithF9(Quorvane& app);

}  // namespace qv::e2e
