#pragma once
// A small independent reading of a document's character formatting, for
// checking that text operations keep it: each visible character with its
// bold flag, font name and colour.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qv::test {

struct StyledChar {
  char16_t c = 0;
  bool bold = false;
  std::string font;    // the font table's name, "" when undefined
  uint32_t color = 0;  // 0x00BBGGRR from the colour table; 0 also for the automatic colour
  bool operator==(const StyledChar&) const = default;
};

std::vector<StyledChar> StyledText(std::string_view rtf);

}  // namespace qv::test
