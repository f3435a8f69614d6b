#include "platform/sim/sim_text_case.h"

namespace qv {

SimTextCase::SimTextCase() : table_(0x0530) {
  for (size_t c = 0; c < table_.size(); ++c) {
    table_[c].upper = table_[c].lower = static_cast<char16_t>(c);
  }
  for (char32_t c = U'A'; c <= U'Z'; ++c) Pair(c, c + 0x20);
  // Latin-1: letters without a case partner of their own.
  Letter(0xAA, Kind::kCaseless);
  Letter(0xBA, Kind::kCaseless);
  Letter(0xDF, Kind::kLower);  // sharp s: its capital is two letters
  Pair(0x039C, 0xB5);          // micro sign: its capital is the Greek capital mu
  for (char32_t c = 0xC0; c <= 0xDE; ++c) {
    if (c != 0xD7) Pair(c, c + 0x20);
  }
  Pair(0x0178, 0xFF);
  // Latin Extended-A: mostly alternating pairs, with a few odd ones.
  Pairs(0x0100, 0x012F);
  Letter(0x0130, Kind::kUpper);
  table_[0x0130].lower = u'i';
  Letter(0x0131, Kind::kLower);
  table_[0x0131].upper = u'I';
  Pairs(0x0132, 0x0137);
  Letter(0x0138, Kind::kLower);
  Pairs(0x0139, 0x0148);
  Letter(0x0149, Kind::kLower);
  Pairs(0x014A, 0x0177);
  Pairs(0x0179, 0x017E);
  Letter(0x017F, Kind::kLower);
  table_[0x017F].upper = u'S';
  // Greek.
  Pair(0x0386, 0x03AC);
  Pair(0x0388, 0x03AD);
  Pair(0x0389, 0x03AE);
  Pair(0x038A, 0x03AF);
  Pair(0x038C, 0x03CC);
  Pair(0x038E, 0x03CD);
  Pair(0x038F, 0x03CE);
  Letter(0x0390, Kind::kLower);
  Letter(0x03B0, Kind::kLower);
  for (char32_t c = 0x0391; c <= 0x03AB; ++c) {
    if (c != 0x03A2) Pair(c, c + 0x20);
  }
  Letter(0x03C2, Kind::kLower);
  table_[0x03C2].upper = 0x03A3;  // final sigma
  // Cyrillic.
  for (char32_t c = 0x0400; c <= 0x040F; ++c) Pair(c, c + 0x50);
  for (char32_t c = 0x0410; c <= 0x042F; ++c) Pair(c, c + 0x20);
  Pairs(0x0460, 0x0481);
  Pairs(0x048A, 0x04BF);
  Pair(0x04C0, 0x04CF);
  Pairs(0x04C1, 0x04CE);
  Pairs(0x04D0, 0x052F);
}

void SimTextCase::Letter(char32_t c, Kind kind) {
  table_[c].kind = kind;
}

void SimTextCase::Pair(char32_t upper, char32_t lower) {
  Letter(upper, Kind::kUpper);
  Letter(lower, Kind::kLower);
  table_[upper].lower = static_cast<char16_t>(lower);
  table_[lower].upper = static_cast<char16_t>(upper);
}

void SimTextCase::Pairs(char32_t first, char32_t last) {
  for (char32_t c = first; c + 1 <= last; c += 2) Pair(c, c + 1);
}

char32_t SimTextCase::Upper(char32_t c) const {
  const Entry* e = Find(c);
  return e ? e->upper : c;
}

char32_t SimTextCase::Lower(char32_t c) const {
  const Entry* e = Find(c);
  return e ? e->lower : c;
}

bool SimTextCase::IsLetter(char32_t c) const {
  const Entry* e = Find(c);
  return e && e->kind != Kind::kNone;
}

bool SimTextCase::IsUpper(char32_t c) const {
  const Entry* e = Find(c);
  return e && e->kind == Kind::kUpper;
}

bool SimTextCase::IsLower(char32_t c) const {
  const Entry* e = Find(c);
  return e && e->kind == Kind::kLower;
}

}  // namespace qv
