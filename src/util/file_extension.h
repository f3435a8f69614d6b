#pragma once
// The extension of a file name as the save commands compare it.
#include <string>
#include <string_view>

namespace qv {

// The lower-cased (ASCII) extension of the name's last part, dot included;
// empty when that part has no dot.
std::string LowerExtension(std::string_view fileName);

}  // namespace qv
