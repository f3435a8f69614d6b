#pragma once
// Clipboard format names and the three format sets that decide how a format
// is captured.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

class Clipboard;

// Registered names are read into a 60-character buffer: at most 59 characters.
inline constexpr size_t kFormatNameBuffer = 60;

// Never copied as bytes; any of them puts one bitmap image into the stream.
bool IsBitmapFormat(uint32_t id);
// Never copied as bytes; any of them puts one metafile image into the stream.
bool IsMetafileFormat(uint32_t id);
// Never captured.
bool IsSkippedFormat(uint32_t id);
// The registered names under which programs offer PNG files ("PNG" on
// Windows, "image/png" through bridges from other desktops), in any case.
bool IsPngFormatName(std::string_view name);

// The registered name, or the fixed name of a standard format.
std::string GetFormatName(Clipboard& clipboard, uint32_t id);
// The same from a registered name looked up elsewhere (nullopt or empty: none).
std::string FormatNameOf(uint32_t id, std::optional<std::string> registered);
// The fixed name used when the system has no registered name for the id.
std::string StandardFormatName(uint32_t id);

}  // namespace qv
