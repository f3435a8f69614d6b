#pragma once
// The 258-byte slot attribute file: the derived attributes of a snapshot, so a
// stored slot can be shown without recomputing them.
#include <optional>

#include "util/bytes.h"

namespace qv {

class TClipRec;

inline constexpr size_t kSlotAttributesSize = 258;

Bytes WriteSlotAttributes(const TClipRec& rec);
// Fills the 19 attribute fields. False (rec unchanged) when there are fewer
// than 258 bytes or a field is malformed (a length byte above its capacity,
// a flag other than 0 or 1, an unknown kind).
bool ReadSlotAttributes(ByteView bytes, TClipRec& rec);

}  // namespace qv
