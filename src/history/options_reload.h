#pragma once
// Re-reading options.cfg after the settings were changed: what the new options
// change that the model and the windows must follow.
#include <filesystem>

#include "settings/options.h"

namespace qv {

struct ReloadEffects {
  bool opacity = false;
  bool placement = false;
  bool page = false;
  bool count = false;
  bool textViewer = false;
  bool pictureBackground = false;
  bool toolbarHints = false;
  bool docking = false;
  bool slotsRedraw = false;  // the file-list views were rebuilt
};

// The options in the file over the current ones, keeping those that change
// only at the next start.
Options ReadReloadedOptions(const Options& current, const std::filesystem::path& file);
// What changes between the options before and after.
ReloadEffects CompareOptions(const Options& before, const Options& after);

}  // namespace qv
