#include "rtf/rtf_tokenizer.h"

#include <limits>

namespace qv {
namespace {

bool IsLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
bool EndsText(char c) {
  return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0';
}

}  // namespace

RtfToken RtfTokenizer::Next() {
  RtfToken t;
  if (pos_ >= src_.size()) return t;
  const size_t start = pos_;
  const char c = src_[pos_];
  if (c == '{' || c == '}') {
    t.kind = c == '{' ? RtfTokenKind::kGroupStart : RtfTokenKind::kGroupEnd;
    ++pos_;
  } else if (c == '\\') {
    return ReadControl(start);
  } else if (c == '\r' || c == '\n' || c == '\0') {
    t.kind = RtfTokenKind::kSkip;
    while (pos_ < src_.size() && (src_[pos_] == '\r' || src_[pos_] == '\n' || src_[pos_] == '\0'))
      ++pos_;
  } else {
    t.kind = RtfTokenKind::kText;
    while (pos_ < src_.size() && !EndsText(src_[pos_])) ++pos_;
  }
  t.raw = src_.substr(start, pos_ - start);
  return t;
}

RtfToken RtfTokenizer::ReadControl(size_t start) {
  RtfToken t;
  size_t p = start + 1;
  if (p >= src_.size()) {  // a lone backslash at the very end
    pos_ = p;
    t.kind = RtfTokenKind::kControlSymbol;
    t.raw = src_.substr(start);
    return t;
  }
  if (!IsLetter(src_[p])) {
    t.kind = RtfTokenKind::kControlSymbol;
    t.name = src_.substr(p, 1);
    ++p;
    if (src_[start + 1] == '\'') {
      // Up to two hex digits; without any it stays a meaningless symbol.
      int value = 0, digits = 0;
      while (digits < 2 && p < src_.size() && HexValue(src_[p]) >= 0) {
        value = value * 16 + HexValue(src_[p++]);
        ++digits;
      }
      if (digits > 0) {
        t.kind = RtfTokenKind::kHexByte;
        t.byte = static_cast<uint8_t>(value);
      }
    }
    pos_ = p;
    t.raw = src_.substr(start, p - start);
    return t;
  }
  t.kind = RtfTokenKind::kControlWord;
  size_t nameStart = p;
  while (p < src_.size() && IsLetter(src_[p])) ++p;
  t.name = src_.substr(nameStart, p - nameStart);
  bool negative = false;
  if (p + 1 < src_.size() && src_[p] == '-' && IsDigit(src_[p + 1])) {
    negative = true;
    ++p;
  }
  if (p < src_.size() && IsDigit(src_[p])) {
    // Saturates instead of overflowing: absurd parameters stay absurd, not negative.
    int64_t value = 0;
    constexpr int64_t kLimit = std::numeric_limits<int32_t>::max();
    while (p < src_.size() && IsDigit(src_[p])) {
      value = value * 10 + (src_[p++] - '0');
      if (value > kLimit) value = kLimit;
    }
    t.hasParam = true;
    t.param = static_cast<int32_t>(negative ? -value : value);
  }
  if (p < src_.size() && src_[p] == ' ') ++p;  // the delimiter belongs to the word
  if (t.name == "bin") {
    // The raw bytes follow; a count beyond the input takes what is there.
    t.kind = RtfTokenKind::kBinary;
    size_t count = t.hasParam && t.param > 0 ? static_cast<size_t>(t.param) : 0;
    count = count < src_.size() - p ? count : src_.size() - p;
    t.data = src_.substr(p, count);
    p += count;
  }
  pos_ = p;
  t.raw = src_.substr(start, p - start);
  return t;
}

}  // namespace qv
