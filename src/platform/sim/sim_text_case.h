#pragma once
// Letter case from a table held in memory: ASCII, Latin-1, Latin Extended-A,
// Greek and Cyrillic with their simple one-to-one mappings. Everything else
// is no letter and maps to itself.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/text_case.h"

namespace qv {

class SimTextCase : public TextCase {
 public:
  SimTextCase();
  char32_t Upper(char32_t c) const override;
  char32_t Lower(char32_t c) const override;
  bool IsLetter(char32_t c) const override;
  bool IsUpper(char32_t c) const override;
  bool IsLower(char32_t c) const override;

 private:
  enum class Kind : uint8_t { kNone, kUpper, kLower, kCaseless };
  struct Entry {
    char16_t upper = 0;
    char16_t lower = 0;
    Kind kind = Kind::kNone;
  };
  const Entry* Find(char32_t c) const { return c < table_.size() ? &table_[c] : nullptr; }
  void Letter(char32_t c, Kind kind);
  void Pair(char32_t upper, char32_t lower);
  // Pairs over [first, last]: upper at first, lower at first + 1, and so on.
  void Pairs(char32_t first, char32_t last);

  std::vector<Entry> table_;
};

}  // namespace qv
