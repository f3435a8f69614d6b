#pragma once
// Where the language chosen in the options lives: a .lng file in the folder
// "languages" beside the program file.
#include <filesystem>
#include <string_view>

namespace qv {

// programFolder\languages\<languageOption> (the option is a file name in
// UTF-8), or an empty path when the option is empty, is not a name inside that
// folder, or names no existing file.
std::filesystem::path CurrentLanguageFile(const std::filesystem::path& programFolder,
                                          std::string_view languageOption);

}  // namespace qv
