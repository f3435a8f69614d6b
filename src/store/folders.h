#pragma once
// The folders and files the program keeps its data in.
#include <cstdint>
#include <filesystem>
#include <optional>

namespace qv {

struct AppFolders {
  std::filesystem::path DataFolder;  // application data + "Quorvane", or "c:\" without one
  std::filesystem::path OptionsFile;
  std::filesystem::path WorkFolder;
  std::filesystem::path SetsFolder;
};

// appData is the system's application-data folder, nullopt when it has none.
AppFolders MakeAppFolders(const std::optional<std::filesystem::path>& appData);

// Creates the data folder when missing, and the work and sets folders; a plain
// file standing where one of those folders belongs is removed first.
void EnsureAppFolders(const AppFolders& folders);

// Windows 95, 98 and Me: the per-user application-data folder is used there,
// the all-users one everywhere else.
bool IsWin9xFamily(bool versionKnown, uint32_t major, uint32_t minor, bool ntPlatform);

}  // namespace qv
