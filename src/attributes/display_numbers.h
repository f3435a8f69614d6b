#pragma once
// Display texts of counts ("n/a", digits, k, m) and byte sizes ("1.5 kB").
// Rounding is to nearest with an exact half rounded up, done in integers so
// that halves are exact.
#include <cstdint>
#include <string>

namespace qv {

// The decimal separator of the user's locale ('.' until the shell sets it).
void SetDecimalSeparator(char separator);

// One count as shown in a slot, at most 4 characters.
std::string FormatCountText(uint32_t n);
// A byte size: value, blank, unit (B, kB or MB).
std::string FormatSizeText(uint64_t bytes);

}  // namespace qv
