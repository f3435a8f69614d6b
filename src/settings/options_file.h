#pragma once
// Reading options.cfg at start and the writes the main window makes at exit.
#include <filesystem>
#include <optional>
#include <string>

#include "settings/options.h"
#include "util/ini.h"

namespace qv {

struct LoadOptionsResult {
  Options options;
  // The first-run flag was set in the file and could not be cleared there.
  bool firstRunWriteFailed = false;
};

// Reads every key with its default and clamping. A set first-run flag is
// written back as 0 at once and stays true in memory for this run.
LoadOptionsResult LoadOptions(const IniFile& file);

struct WindowGeometry {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;                                         // client width
  int32_t height = 0;                                        // client height
  std::optional<std::pair<int32_t, int32_t>> paramPosition;  // settings dialog left, top
};
// Writes main/left, top, width, height and, when given, param/left and top.
bool SaveWindowGeometry(const IniFile& file, const WindowGeometry& geometry);

// "Unable to write to <path>", shown when the file system refuses a write.
std::string UnableToWriteMessage(const std::filesystem::path& path);

}  // namespace qv
