#pragma once
// Whole-file reads and writes that take any path (wide names on Windows).
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>

#include "util/bytes.h"

namespace qv {

namespace fs = std::filesystem;

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// mode is "rb", "wb" or "ab".
UniqueFile OpenFile(const fs::path& path, const char* mode);

// The whole file, or nullopt when it cannot be opened or read. Files larger
// than maxBytes are refused without reading them.
std::optional<Bytes> ReadWholeFile(const fs::path& path, uint64_t maxBytes = UINT32_MAX);
// Creates or truncates the file. False when it cannot be written completely.
bool WriteWholeFile(const fs::path& path, ByteView bytes);
// Writes a sibling temporary file, then renames it over `path`, so a crash
// leaves either the old or the new file, never half of one.
bool ReplaceFileAtomically(const fs::path& path, ByteView bytes);

bool FileExists(const fs::path& path);
bool RemoveFile(const fs::path& path);

// The writes of a save that must happen whole or not at all. The default
// writes to disk; tests derive from it to make any one write fail.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual bool Write(const fs::path& path, ByteView bytes) { return WriteWholeFile(path, bytes); }
  virtual bool Replace(const fs::path& path, ByteView bytes) {
    return ReplaceFileAtomically(path, bytes);
  }
  // Overwrites an existing target.
  virtual bool Copy(const fs::path& from, const fs::path& to);
  // False when the folder exists already or cannot be made.
  virtual bool MakeFolder(const fs::path& path);
};

}  // namespace qv
