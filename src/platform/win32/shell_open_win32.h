#pragma once
// Addresses opened by ShellExecute on a short-lived thread of their own.
#include "platform/shell_open.h"

namespace qv::win32 {

class Win32ShellOpener : public ShellOpener {
 public:
  void OpenAsync(std::string target) override;
};

}  // namespace qv::win32
