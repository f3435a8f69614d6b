#pragma once
// The autostart lists in the registry: the Run key of the current Windows
// version under HKEY_LOCAL_MACHINE and under HKEY_CURRENT_USER.
#include <filesystem>

#include "platform/autostart.h"

namespace qv::win32 {

class Win32AutostartList : public AutostartList {
 public:
  bool SetValue(AutostartScope scope, std::string_view name, std::string_view data,
                bool createKey) override;
  bool DeleteValue(AutostartScope scope, std::string_view name) override;
};

// The full path of the running program file.
std::filesystem::path ProgramFile();

}  // namespace qv::win32
