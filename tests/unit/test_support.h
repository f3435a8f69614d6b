#pragma once
// Shared helpers for the unit tests: byte builders and a temporary folder.
#include <filesystem>
#include <string>

#include "util/bytes.h"
#include "util/le_io.h"

namespace qv::test {

inline Bytes Ansi(const std::string& s) {
  Bytes b(s.begin(), s.end());
  b.push_back(0);
  return b;
}

inline Bytes Wide(std::u16string_view s) {
  Bytes b;
  for (char16_t c : s) PutU16(b, c);
  PutU16(b, 0);
  return b;
}

// A fresh folder under the system temp folder, removed with the object.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  size_t FileCount() const;

 private:
  std::filesystem::path path_;
};

}  // namespace qv::test
