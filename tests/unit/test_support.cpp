#include "test_support.h"

#include <atomic>
#include <chrono>
#include <system_error>

namespace qv::test {

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("qvtest-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

size_t TempFolder::FileCount() const {
  size_t n = 0;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) n += entry.is_regular_file();
  return n;
}

}  // namespace qv::test
