#include "snapshot/unique_name.h"

#include <string>
#include <system_error>

#include "platform/system.h"

namespace qv {

std::filesystem::path MakeUniqueFileName(const std::filesystem::path& folder,
                                         std::string_view extension, SystemServices& system) {
  auto candidate = [&](uint32_t number) {
    return folder / (std::to_string(number) + "." + std::string(extension));
  };
  auto isFree = [](const std::filesystem::path& path) {
    std::error_code ec;
    // An unanswerable query counts as free: the write that follows reports the fault.
    return !std::filesystem::exists(path, ec) || ec;
  };
  for (int attempt = 0; attempt < 10000; ++attempt) {
    auto path = candidate(system.Random(1000000));
    if (isFree(path)) return path;
  }
  // A folder this full is a fault elsewhere; find a free number in order rather than loop forever.
  for (uint32_t n = 0; n < 1000000; ++n) {
    if (isFree(candidate(n))) return candidate(n);
  }
  return candidate(system.Random(1000000));
}

}  // namespace qv
