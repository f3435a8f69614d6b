#include "platform/win32/shell_open_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <system_error>
#include <thread>

#include "platform/win32/wide_win32.h"
#include "util/codepage.h"

namespace qv::win32 {
namespace {

// Some protocol handlers are COM objects; the shell wants an apartment.
class ComApartment {
 public:
  ComApartment()
      : initialized_(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~ComApartment() {
    if (initialized_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialized_;
};

}  // namespace

void Win32ShellOpener::OpenAsync(std::string target) {
  if (target.empty()) return;
  // The thread owns its copy of the address; nothing is shared with the
  // caller. The wide call keeps characters the ANSI code page lacks (a query
  // in another script reaches the browser intact).
  try {
    std::thread([address = Utf8ToUtf16(target)] {
      ComApartment apartment;
      ShellExecuteW(nullptr, nullptr, AsWide(address), nullptr, nullptr, SW_RESTORE);
    }).detach();
  } catch (const std::system_error&) {
    // No thread to be had: the address is not opened, like any shell failure.
  }
}

}  // namespace qv::win32
