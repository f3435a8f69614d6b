#pragma once
// Private-profile INI files as Windows reads and writes them: case-insensitive
// sections and keys, first match wins, trimmed values, a missing file, section or
// key gives the default. Every use reads or writes the file and closes it; a
// write replaces the file atomically, so a crash never leaves half an INI.
// Values are the file's raw bytes (ANSI code page).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// One INI file's text held in memory, line by line.
class IniDocument {
 public:
  IniDocument() = default;
  static IniDocument Parse(std::string_view text);
  std::string Text() const;

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  void Set(std::string_view section, std::string_view key, std::string_view value);
  void EraseSection(std::string_view section);
  std::vector<std::string> Keys(std::string_view section) const;
  bool HasSection(std::string_view section) const;
  // Every key=value line in file order, with its section (values trimmed and
  // unquoted as Get returns them). Lines before the first section are skipped.
  void ForEachEntry(const std::function<void(std::string_view section, std::string_view key,
                                             std::string_view value)>& visit) const;

 private:
  // Index of the section header line, or npos.
  size_t FindSection(std::string_view section) const;
  std::vector<std::string> lines_;
};

// ASCII case-insensitive comparison, as section and key names compare.
bool EqualsNoCase(std::string_view a, std::string_view b);

// Longest string value read; longer values are cut.
inline constexpr size_t kIniMaxString = 2047;

// Integer in decimal or "$" hexadecimal, optionally signed; nullopt otherwise.
std::optional<int64_t> ParseIniInteger(std::string_view text);
// "$" followed by eight upper-case hexadecimal digits.
std::string FormatIniColour(uint32_t colour);

class IniFile {
 public:
  explicit IniFile(std::filesystem::path path) : path_(std::move(path)) {}
  const std::filesystem::path& Path() const { return path_; }

  // The file as it is now; an empty document when it is missing or unreadable.
  IniDocument Load() const;
  // Reads the file, applies the edits and writes it back in one replacement.
  // False when the file system refuses the write, and when the file exists but
  // cannot be read (locked, too large): writing then would lose every other key.
  bool Update(const std::function<void(IniDocument&)>& edit) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  int64_t ReadInteger(std::string_view section, std::string_view key, int64_t def) const;
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;
  bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;
  bool WriteInteger(std::string_view section, std::string_view key, int64_t value) const;
  bool WriteBool(std::string_view section, std::string_view key, bool value) const;

 private:
  std::filesystem::path path_;
};

// Typed reads from a loaded document, with the file's conventions.
std::string IniString(const IniDocument& doc, std::string_view section, std::string_view key,
                      std::string_view def);
int64_t IniInteger(const IniDocument& doc, std::string_view section, std::string_view key,
                   int64_t def);
bool IniBool(const IniDocument& doc, std::string_view section, std::string_view key, bool def);

}  // namespace qv
