#include "util/file_io.h"

#include "util/io_counts.h"

#include <new>
#include <system_error>

namespace qv {

UniqueFile OpenFile(const fs::path& path, const char* mode) {
#ifdef _WIN32
  wchar_t wmode[4] = {};
  for (int i = 0; i < 3 && mode[i]; ++i) wmode[i] = static_cast<wchar_t>(mode[i]);
  return UniqueFile(_wfopen(path.c_str(), wmode));
#else
  return UniqueFile(std::fopen(path.c_str(), mode));
#endif
}

std::optional<Bytes> ReadWholeFile(const fs::path& path, uint64_t maxBytes) {
  GlobalIoCounts().wholeFileReads.fetch_add(1, std::memory_order_relaxed);
  UniqueFile file = OpenFile(path, "rb");
  if (!file) return std::nullopt;
  std::error_code ec;
  uint64_t size = fs::file_size(path, ec);
  if (ec || size > maxBytes) return std::nullopt;
  try {
    Bytes data(static_cast<size_t>(size));
    size_t got = data.empty() ? 0 : std::fread(data.data(), 1, data.size(), file.get());
    if (got != data.size()) return std::nullopt;
    return data;
  } catch (const std::bad_alloc&) {
    return std::nullopt;  // too large for this process: as unreadable
  }
}

bool WriteWholeFile(const fs::path& path, ByteView bytes) {
  UniqueFile file = OpenFile(path, "wb");
  if (!file) return false;
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size())
    return false;
  return std::fclose(file.release()) == 0;
}

bool ReplaceFileAtomically(const fs::path& path, ByteView bytes) {
  fs::path temp = path;
  temp += ".tmp";
  if (!WriteWholeFile(temp, bytes)) {
    RemoveFile(temp);
    return false;
  }
  std::error_code ec;
  fs::rename(temp, path, ec);
  if (ec) {
    // Some file systems refuse to rename over an existing file.
    std::error_code ignored;
    fs::remove(path, ignored);
    fs::rename(temp, path, ec);
  }
  if (ec) {
    RemoveFile(temp);
    return false;
  }
  return true;
}

bool FileExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool RemoveFile(const fs::path& path) {
  std::error_code ec;
  return fs::remove(path, ec);
}

bool FileWriter::Copy(const fs::path& from, const fs::path& to) {
  std::error_code ec;
  return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec) && !ec;
}

bool FileWriter::MakeFolder(const fs::path& path) {
  std::error_code ec;
  return fs::create_directory(path, ec) && !ec;
}

}  // namespace qv
