#pragma once
// The text font of the settings: what plain text gets when it becomes rich text.
#include <cstdint>
#include <string>

namespace qv {

struct Options;

struct TextFont {
  std::string name = "Tahoma";  // UTF-8
  int32_t size = 8;             // points
  uint32_t color = 0;           // 0x00BBGGRR
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool operator==(const TextFont&) const = default;
};

TextFont TextFontFromOptions(const Options& options);

}  // namespace qv
