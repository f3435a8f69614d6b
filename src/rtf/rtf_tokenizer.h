#pragma once
// Splits RTF bytes into tokens without interpreting them. Every token is a view
// into the source, so a document can be re-emitted byte for byte.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace qv {

enum class RtfTokenKind : uint8_t {
  kEnd,            // no more input
  kText,           // a run of literal characters (no CR, LF or NUL)
  kSkip,           // CR, LF and NUL in the source, which carry no meaning
  kGroupStart,     // {
  kGroupEnd,       // }
  kControlWord,    // \name with an optional signed parameter
  kControlSymbol,  // \ and one non-letter (\~ \{ \* ...)
  kHexByte,        // \'hh
  kBinary,         // \binN and the N raw bytes that follow it
};

struct RtfToken {
  RtfTokenKind kind = RtfTokenKind::kEnd;
  std::string_view raw;   // the source bytes, delimiting space included
  std::string_view name;  // control word letters or the symbol character
  int32_t param = 0;
  bool hasParam = false;
  uint8_t byte = 0;       // kHexByte value
  std::string_view data;  // kBinary: the raw bytes actually present
};

class RtfTokenizer {
 public:
  explicit RtfTokenizer(std::string_view source) : src_(source) {}
  RtfToken Next();
  size_t Position() const { return pos_; }

 private:
  RtfToken ReadControl(size_t start);
  std::string_view src_;
  size_t pos_ = 0;
};

}  // namespace qv
