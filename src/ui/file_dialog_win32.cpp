#include "ui/file_dialog_win32.h"

#include <string>

#include "util/codepage.h"
#include "util/file_extension.h"
#include "util/file_io.h"

namespace qv::win32 {

std::optional<FileChoice> AskFileName(HWND owner, bool save, std::string_view filter,
                                      const std::filesystem::path& folder) {
  // The dialog wants the pairs separated and ended by NULs.
  std::u16string pairs = Utf8ToUtf16(filter);
  for (char16_t& c : pairs)
    if (c == u'|') c = u'\0';
  pairs.append(2, u'\0');
  std::wstring file(32768, L'\0');  // long paths fit too
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = reinterpret_cast<const wchar_t*>(pairs.c_str());
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  const std::wstring initialFolder = folder.wstring();
  if (!initialFolder.empty()) dialog.lpstrInitialDir = initialFolder.c_str();
  dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY | OFN_ENABLESIZING |
                 OFN_EXPLORER | (save ? 0 : OFN_FILEMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog))) return std::nullopt;
  return FileChoice{std::filesystem::path(file.c_str()), static_cast<int>(dialog.nFilterIndex)};
}

bool ConfirmReplace(HWND owner, const std::filesystem::path& file) {
  if (!FileExists(file)) return true;
  const std::u16string question =
      Utf8ToUtf16(OverwriteQuestion(Utf16ToUtf8(file.filename().u16string())));
  return MessageBoxW(owner, reinterpret_cast<const wchar_t*>(question.c_str()), L"Confirm Save As",
                     MB_YESNO | MB_ICONWARNING) == IDYES;
}

}  // namespace qv::win32
