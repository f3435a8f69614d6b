#pragma once
// One slot exported to a ".slot" file (its bare stream), and reading one back.
#include <filesystem>
#include <optional>
#include <string>

#include "snapshot/clip_rec.h"

namespace qv {

class SystemServices;

// The file name an export gets: ".slot" appended unless the chosen name has
// that extension in any case ("clip" -> "clip.slot", "clip.SLOT" stays,
// "clip.txt" -> "clip.txt.slot").
std::filesystem::path SlotExportName(const std::filesystem::path& chosen);

// Writes the slot's stream to a temporary file in `folder` for an export.
std::optional<std::filesystem::path> PrepareSlotExport(const TClipRec& rec,
                                                       const std::filesystem::path& folder,
                                                       SystemServices& system);
// Moves the temporary file to SlotExportName(chosen). The message to show when
// the file could not be written.
std::optional<std::string> FinishSlotExport(const std::filesystem::path& temporary,
                                            const std::filesystem::path& chosen);
void CancelSlotExport(const std::filesystem::path& temporary);

// A .slot file's stream, or nullopt when it is unreadable or not a valid stream.
std::optional<Bytes> ReadSlotFile(const std::filesystem::path& file);
inline constexpr char kInvalidSlotFileMessage[] =
    "Loading this slot is impossible.\r\nThe slot format is unknown or the file is corrupted.";

}  // namespace qv
