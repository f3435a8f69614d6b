#pragma once
// Records the addresses that would have been opened.
#include <string>
#include <vector>

#include "platform/shell_open.h"

namespace qv {

class SimShellOpener : public ShellOpener {
 public:
  void OpenAsync(std::string target) override { opened.push_back(std::move(target)); }
  std::vector<std::string> opened;
};

}  // namespace qv
