#pragma once
// Opening an address (a web page, a new mail message) with the shell's
// default action for it.
#include <string>

namespace qv {

class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  // Starts opening `target` (UTF-8) and returns at once, so a slow browser or
  // mail program never holds up the caller. Failures are ignored.
  virtual void OpenAsync(std::string target) = 0;
};

}  // namespace qv
