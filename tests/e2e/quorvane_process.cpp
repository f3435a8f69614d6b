#include "quorvane_process.h"

#include <fstream>

#include "ui/command_ids.h"
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

std::string ReadOption(const std::string& section, const std::string& key) {
  return IniFile(DataFolder() / L"options.cfg").ReadString(section, key, "");
}

}  // namespace qv::e2e
