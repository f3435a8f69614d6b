#pragma once
// Random decimal file names (0 to 999999) that are free in a folder.
#include <filesystem>
#include <string_view>

namespace qv {

class SystemServices;

// Full path of a file named "<number>.<extension>" that does not exist yet.
std::filesystem::path MakeUniqueFileName(const std::filesystem::path& folder,
                                         std::string_view extension, SystemServices& system);

}  // namespace qv
