#include "store/folders.h"

#include <system_error>

namespace qv {

namespace fs = std::filesystem;

AppFolders MakeAppFolders(const std::optional<fs::path>& appData) {
  AppFolders f;
  f.DataFolder = appData ? *appData / "Quorvane" : fs::path("c:\\");
  f.OptionsFile = f.DataFolder / "options.cfg";
  f.WorkFolder = f.DataFolder / "work";
  f.SetsFolder = f.DataFolder / "sets";
  return f;
}

namespace {

void EnsureDirectory(const fs::path& path, bool replaceFile) {
  std::error_code ec;
  if (fs::is_directory(path, ec)) return;
  if (replaceFile && fs::exists(path, ec)) fs::remove(path, ec);
  fs::create_directories(path, ec);  // failures show up later, when files are written
}

}  // namespace

void EnsureAppFolders(const AppFolders& folders) {
  EnsureDirectory(folders.DataFolder, false);
  EnsureDirectory(folders.WorkFolder, true);
  EnsureDirectory(folders.SetsFolder, true);
}

bool IsWin9xFamily(bool versionKnown, uint32_t major, uint32_t minor, bool ntPlatform) {
  if (!versionKnown || major != 4) return false;
  return minor == 10 || minor == 90 || (minor == 0 && !ntPlatform);
}

}  // namespace qv
