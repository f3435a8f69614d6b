#pragma once
// Little-endian serialisation, field by field. Readers never read past the end
// of their data: every read reports whether the bytes were there.
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "util/bytes.h"

namespace qv {

inline void PutU8(Bytes& out, uint8_t v) {
  out.push_back(v);
}
inline void PutU16(Bytes& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutU32(Bytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void PutBytes(Bytes& out, ByteView bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

// One unaligned move each on a little-endian machine (the byte-by-byte form
// is not always merged by the compiler, and pixel loops pay for it).
inline uint16_t LoadU16(const uint8_t* p) {
  uint16_t v;
  std::memcpy(&v, p, 2);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap16(v);
  return v;
}
inline uint32_t LoadU32(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
  return v;
}
inline void StoreU32(uint8_t* p, uint32_t v) {
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
  std::memcpy(p, &v, 4);
}
inline void StoreU16(uint8_t* p, uint16_t v) {
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap16(v);
  std::memcpy(p, &v, 2);
}

// Sequential reader over a byte view. A failed read leaves the position unchanged.
class ByteReader {
 public:
  explicit ByteReader(ByteView data) : data_(data) {}

  size_t Position() const { return pos_; }
  size_t Remaining() const { return data_.size() - pos_; }
  bool AtEnd() const { return pos_ >= data_.size(); }

  bool U8(uint8_t& v) {
    if (Remaining() < 1) return false;
    v = data_[pos_++];
    return true;
  }
  bool U16(uint16_t& v) {
    if (Remaining() < 2) return false;
    v = LoadU16(&data_[pos_]);
    pos_ += 2;
    return true;
  }
  bool I32(int32_t& v) {
    uint32_t u;
    if (!U32(u)) return false;
    v = static_cast<int32_t>(u);
    return true;
  }
  bool U32(uint32_t& v) {
    if (Remaining() < 4) return false;
    v = LoadU32(&data_[pos_]);
    pos_ += 4;
    return true;
  }
  // A view of the next n bytes, consumed.
  bool Take(size_t n, ByteView& v) {
    if (Remaining() < n) return false;
    v = data_.subspan(pos_, n);
    pos_ += n;
    return true;
  }
  bool Skip(size_t n) {
    if (Remaining() < n) return false;
    pos_ += n;
    return true;
  }
  ByteView Rest() const { return data_.subspan(pos_); }

 private:
  ByteView data_;
  size_t pos_ = 0;
};

inline ByteView AsBytes(std::string_view s) {
  return ByteView(reinterpret_cast<const uint8_t*>(s.data()), s.size());
}

}  // namespace qv
