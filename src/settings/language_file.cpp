#include "settings/language_file.h"

#include <string>
#include <system_error>

namespace qv {

std::filesystem::path CurrentLanguageFile(const std::filesystem::path& programFolder,
                                          std::string_view languageOption) {
  if (languageOption.empty()) return {};
  const std::filesystem::path name(std::u8string(languageOption.begin(), languageOption.end()));
  // The option is appended to the folder: a rooted name leads nowhere.
  if (name.has_root_name() || name.has_root_directory()) return {};
  std::filesystem::path file = programFolder / "languages" / name;
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {};
  return file;
}

}  // namespace qv
