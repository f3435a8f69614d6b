#pragma once
// Why a slot data stream is refused, in words a user can act on.
#include <optional>
#include <string>

#include "util/bytes.h"

namespace qv::tool {

// nullopt when ValidateSlotData accepts the stream; otherwise the first check
// that fails: too short, version, check value, a record cut short, a picture
// missing or malformed.
std::optional<std::string> SlotStreamProblem(ByteView stream);

}  // namespace qv::tool
