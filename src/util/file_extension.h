#pragma once
// File names as the save commands compare them and ask about them.
#include <string>
#include <string_view>

namespace qv {

// The lower-cased (ASCII) extension of the name's last part, dot included;
// empty when that part has no dot.
std::string LowerExtension(std::string_view fileName);

// The question to ask, Yes or No, before replacing an existing file.
std::string OverwriteQuestion(std::string_view fileName);

}  // namespace qv
