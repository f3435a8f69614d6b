#pragma once
// One slot as a slot folder stores it: an attribute file and a data file.
#include <filesystem>
#include <optional>

#include "snapshot/clip_rec.h"

namespace qv {

struct AttributeContext;
struct ClipContext;

// The slot the two files hold, with its picture and file-list views rebuilt.
// Data the disk policy puts on disk stays in its file (`OnDisk`, `FileName` =
// dataPath); the rest is read into memory. nullopt for a missing, damaged or
// mismatched pair. Throws only when memory runs out.
std::optional<TClipRec> LoadStoredSlot(const std::filesystem::path& dataPath,
                                       const std::filesystem::path& attributesPath,
                                       const ClipContext& clip, AttributeContext& attributes);

}  // namespace qv
