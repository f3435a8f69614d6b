#include "quorvane_process.h"

#include <fstream>

#include "e2e_clipboard.h"
#include "ui/command_ids.h"
#include "util/codepage.h"
#include "util/ini.h"

namespace qv::e2e {

Quorvane::Quorvane() : Quorvane(ExeDir() / L"quorvane.exe") {}

Quorvane::Quorvane(const std::filesystem::path& exe) : process_(exe, L"") {
  if (!process_.Started()) return;
  WaitUntil([&] {
    window_ = FindProcessWindow(process_.Id(), kMainWindowClass);
    // Start-up is over once the window is enabled.
    return window_ != nullptr && IsWindowEnabled(window_);
  });
  if (window_ && !IsWindowEnabled(window_)) window_ = nullptr;
}

Quorvane::~Quorvane() {
  if (process_.Running()) Exit();
}

bool Quorvane::Exit() {
  if (!window_) return false;
  PostMessageW(window_, WM_COMMAND, kCmdExit, 0);
  return process_.WaitExit(std::chrono::seconds(20));
}

void WriteOptions(const std::string& text) {
  std::filesystem::create_directories(DataFolder());
  std::ofstream(DataFolder() / L"options.cfg", std::ios::binary) << text;
}

void FreshStart(const std::string& options) {
  ResetDataFolder();
  EmptyTheClipboardNow();
  WriteOptions(options);
}

std::string ReadOption(const std::string& section, const std::string& key) {
  return IniFile(DataFolder() / L"options.cfg").ReadString(section, key, "");
}

HWND SettingsDialog(DWORD pid, const std::string& title) {
  const std::u16string wide = Utf8ToUtf16(title);
  HWND dialog = FindWindowW(L"TQvForm", reinterpret_cast<const wchar_t*>(wide.c_str()));
  DWORD owner = 0;
  if (dialog) GetWindowThreadProcessId(dialog, &owner);
  return owner == pid ? dialog : nullptr;
}

HWND OpenSettingsWithF9(Quorvane& app) {
  PostMessageW(app.Window(), WM_KEYDOWN, VK_F9, 1);
  HWND dialog = nullptr;
  WaitUntil(
      [&] { return (dialog = SettingsDialog(app.process().Id())) && IsWindowVisible(dialog); },
      std::chrono::seconds(10));
  return dialog && IsWindowVisible(dialog) ? dialog : nullptr;
}

}  // namespace qv::e2e
