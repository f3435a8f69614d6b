#pragma once
// Byte buffers shared by every layer: a slot data stream is one Bytes.
#include <cstdint>
#include <span>
#include <vector>

namespace qv {

using Bytes = std::vector<uint8_t>;
using ByteView = std::span<const uint8_t>;

}  // namespace qv
