#include "platform/win32/html_help_win32.h"

namespace qv::win32 {

Win32HtmlHelp::Win32HtmlHelp() : library_(LoadLibraryA("HHCtrl.ocx")) {
  if (library_)
    entry_ = reinterpret_cast<HtmlHelpAFn>(
        reinterpret_cast<void*>(GetProcAddress(library_.Get(), "HtmlHelpA")));
}

uintptr_t Win32HtmlHelp::Call(uintptr_t window, const std::string& file, bool hasFile,
                              HtmlHelpCommand command, uintptr_t data) {
  if (!entry_) return 0;
  HWND answer = entry_(reinterpret_cast<HWND>(window), hasFile ? file.c_str() : nullptr,
                       static_cast<UINT>(command), static_cast<DWORD_PTR>(data));
  return reinterpret_cast<uintptr_t>(answer);
}

}  // namespace qv::win32
