#include "attributes/display_numbers.h"

namespace qv {
namespace {

char g_separator = '.';

// numerator / denominator rounded half up (both positive).
uint64_t RoundHalfUp(uint64_t numerator, uint64_t denominator) {
  return (2 * numerator + denominator) / (2 * denominator);
}

// A fixed-point value (scaled by 10^decimals) in its shortest decimal form.
std::string ShortestDecimal(uint64_t scaled, int decimals) {
  uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  std::string out = std::to_string(scaled / scale);
  uint64_t fraction = scaled % scale;
  if (fraction == 0) return out;
  std::string digits = std::to_string(fraction);
  digits.insert(0, static_cast<size_t>(decimals) - digits.size(), '0');
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  out += g_separator;
  out += digits;
  return out;
}

}  // namespace

void SetDecimalSeparator(char separator) {
  g_separator = separator;
}

std::string FormatCountText(uint32_t n) {
  std::string text;
  if (n == 0) {
    text = "n/a";
  } else if (n <= 9999) {
    text = std::to_string(n);
  } else {
    uint64_t thousands = RoundHalfUp(n, 1000);
    if (thousands < 1000)
      text = std::to_string(thousands) + "k";
    else
      text = ShortestDecimal(RoundHalfUp(thousands, 100), 1) + "m";
  }
  return text.substr(0, 4);
}

std::string FormatSizeText(uint64_t bytes) {
  uint64_t unit = 1;
  const char* unitName = "B";
  if (bytes >= 1048576) {
    unit = 1048576;
    unitName = "MB";
  } else if (bytes >= 1024) {
    unit = 1024;
    unitName = "kB";
  }
  int integerDigits = static_cast<int>(std::to_string(bytes / unit).size());
  int decimals = 4 - integerDigits;
  if (decimals > 2) decimals = 2;
  if (decimals < 1) decimals = 0;
  uint64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  return ShortestDecimal(RoundHalfUp(bytes * scale, unit), decimals) + " " + unitName;
}

}  // namespace qv
