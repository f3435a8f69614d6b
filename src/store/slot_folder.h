#pragma once
// A slot folder: one data file and one attribute file per slot, and the index
// "slots.cfg" that lists them in order (oldest first).
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "util/ini.h"

namespace qv {

inline constexpr char kSlotIndexName[] = "slots.cfg";

struct SlotFileNames {
  std::string data;        // file name only, in the same folder
  std::string attributes;  // the "set" key
};

// The slots the index names, in order. A missing index or count reads as none;
// the count is taken as a 16-bit number. Sections without both names are kept
// with empty names so the caller can report and skip them.
std::vector<SlotFileNames> ReadSlotIndex(const IniDocument& index);
// The index text for these slots ("main"/"count", then "slotK" with "data"
// before "set"); `extraMain` adds further "main" keys (sets use them).
IniDocument MakeSlotIndex(const std::vector<SlotFileNames>& slots,
                          const std::function<void(IniDocument&)>& extraMain = {});

// A name that stays inside its folder: no separators, drive or parent references.
bool IsPlainFileName(const std::string& name);
// The file an index names: names are bytes in the ANSI code page, as the
// program writes them. nullopt when the name leaves the folder or cannot be
// converted; never throws.
std::optional<std::filesystem::path> SlotFilePath(const std::filesystem::path& folder,
                                                  const std::string& name);
// The index form of a file's name (ANSI code page); empty when it has none.
std::string IndexName(const std::filesystem::path& file);
// Whether a file name is one the program creates in slot folders ("123.dat").
bool IsSlotFileName(const std::string& name);
// Removes the slot files of the folder whose names are not in `keep` (the index and
// anything the program did not create stay).
void RemoveUnnamedSlotFiles(const std::filesystem::path& folder, const std::set<std::string>& keep);

}  // namespace qv
