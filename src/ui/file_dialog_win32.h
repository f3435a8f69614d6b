#pragma once
// The open and save dialogs of the main window's commands.
#include <windows.h>
#include <commdlg.h>

#include <filesystem>
#include <optional>
#include <string_view>

namespace qv::win32 {

struct FileChoice {
  std::filesystem::path path;
  int filterIndex = 1;  // 1-based, as the dialog counts
};

// Runs the dialog with an empty name and the first filter chosen, in
// `folder` when one is given. `filter` is written as "Name|*.ext|Name|*.a;
// *.b". Saving does not ask about replacing: the commands append extensions,
// so they ask about the name they will write.
std::optional<FileChoice> AskFileName(HWND owner, bool save, std::string_view filter,
                                      const std::filesystem::path& folder = {});

// True when `file` does not exist or the user agrees to replace it.
bool ConfirmReplace(HWND owner, const std::filesystem::path& file);

}  // namespace qv::win32
