#include "platform/win32/autostart_win32.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide_win32.h"
#include "util/codepage.h"

namespace qv::win32 {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// An open registry key, closed when it goes.
class RegistryKey {
 public:
  RegistryKey(AutostartScope scope, bool create) {
    HKEY root = scope == AutostartScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    const LONG result = create ? RegCreateKeyExW(root, kRunKey, 0, nullptr, 0, KEY_SET_VALUE,
                                                 nullptr, &key_, nullptr)
                               : RegOpenKeyExW(root, kRunKey, 0, KEY_SET_VALUE, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
  }
  ~RegistryKey() {
    if (key_) RegCloseKey(key_);
  }
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool Win32AutostartList::SetValue(AutostartScope scope, std::string_view name,
                                  std::string_view data, bool createKey) {
  RegistryKey key(scope, createKey);
  if (!key.Get()) return false;
  const std::u16string wideName = Utf8ToUtf16(name);
  const std::u16string wideData = Utf8ToUtf16(data);
  const DWORD bytes = static_cast<DWORD>((wideData.size() + 1) * sizeof(char16_t));
  return RegSetValueExW(key.Get(), AsWide(wideName), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(wideData.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32AutostartList::DeleteValue(AutostartScope scope, std::string_view name) {
  RegistryKey key(scope, false);
  if (!key.Get()) return false;
  const LONG result = RegDeleteValueW(key.Get(), AsWide(Utf8ToUtf16(name)));
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

std::filesystem::path ProgramFile() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return std::filesystem::path(path);
    }
    path.resize(path.size() * 2);  // cut: a long path
  }
}

}  // namespace qv::win32
