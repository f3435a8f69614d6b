#include "platform/win32/codepage_win32.h"

#include "util/codepage.h"

#include <windows.h>

#include <climits>

#include "platform/win32/wide_win32.h"

namespace qv::win32 {
namespace {

std::string AnsiFromUtf16(std::u16string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  int needed = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return {};
  std::string out(static_cast<size_t>(needed), '\0');
  int written = WideCharToMultiByte(CP_ACP, 0, wide, length, out.data(), needed, nullptr, nullptr);
  out.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return out;
}

std::u16string AnsiToWide(std::string_view text) {
  if (text.empty() || text.size() > INT_MAX) return {};
  const int length = static_cast<int>(text.size());
  int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  if (needed <= 0) return {};
  std::u16string out(static_cast<size_t>(needed), u'\0');
  int written = MultiByteToWideChar(CP_ACP, 0, text.data(), length,
                                    reinterpret_cast<wchar_t*>(out.data()), needed);
  out.resize(written > 0 ? static_cast<size_t>(written) : 0);
  return out;
}

}  // namespace

void InstallWin32AnsiCodePage() {
  InstallAnsiCodePage({AnsiFromUtf16, AnsiToWide});
}

}  // namespace qv::win32
