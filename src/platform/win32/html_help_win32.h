#pragma once
// HtmlHelpA from "HHCtrl.ocx", loaded when the object is made and released
// with it.
#include <windows.h>

#include "platform/html_help.h"
#include "platform/win32/handles_win32.h"

namespace qv::win32 {

class Win32HtmlHelp : public HtmlHelpApi {
 public:
  Win32HtmlHelp();
  bool Available() const override { return entry_ != nullptr; }
  uintptr_t Call(uintptr_t window, const std::string& file, bool hasFile, HtmlHelpCommand command,
                 uintptr_t data) override;

 private:
  using HtmlHelpAFn = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);
  UniqueHandle<HMODULE, FreeLibrary> library_;
  HtmlHelpAFn entry_ = nullptr;
};

}  // namespace qv::win32
