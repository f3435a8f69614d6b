#include "store/slot_attributes.h"

#include <string>

#include "snapshot/clip_rec.h"
#include "util/le_io.h"

namespace qv {
namespace {

// Each stored field in the file's encoding: one byte for the kind and each
// flag (flags 0 or 1), little-endian integers, and short strings as a length
// byte then their full capacity.
struct FieldWriter {
  Bytes& out;
  void operator()(const char*, uint8_t v) const { PutU8(out, v); }
  void operator()(const char*, bool v) const { PutU8(out, v ? 1 : 0); }
  void operator()(const char*, uint16_t v) const { PutU16(out, v); }
  void operator()(const char*, uint32_t v) const { PutU32(out, v); }
  template <size_t N>
  void operator()(const char*, const ShortString<N>& s) const {
    PutU8(out, static_cast<uint8_t>(s.size()));
    size_t start = out.size();
    out.resize(start + N, 0);
    std::copy(s.str().begin(), s.str().end(), out.begin() + static_cast<std::ptrdiff_t>(start));
  }
};

struct FieldReader {
  ByteReader& r;
  bool ok = true;
  void operator()(const char*, uint8_t& v) { ok = ok && r.U8(v); }
  void operator()(const char*, bool& flag) {
    uint8_t v = 0;
    ok = ok && r.U8(v) && v <= 1;
    flag = v != 0;
  }
  void operator()(const char*, uint16_t& v) { ok = ok && r.U16(v); }
  void operator()(const char*, uint32_t& v) { ok = ok && r.U32(v); }
  template <size_t N>
  void operator()(const char*, ShortString<N>& s) {
    uint8_t length = 0;
    ByteView chars;
    ok = ok && r.U8(length) && r.Take(N, chars) && length <= N;
    if (ok) s = std::string_view(reinterpret_cast<const char*>(chars.data()), length);
  }
};

}  // namespace

Bytes WriteSlotAttributes(const TClipRec& rec) {
  Bytes out;
  out.reserve(kSlotAttributesSize);
  DerivedAttributes::ForEachStoredField(rec.Attributes(), FieldWriter{out});
  return out;
}

bool ReadSlotAttributes(ByteView bytes, TClipRec& rec) {
  if (bytes.size() < kSlotAttributesSize) return false;
  ByteReader r(bytes);
  // Starts from the record, so only the stored fields change (a fresh record
  // has no views yet, so the copy is cheap).
  DerivedAttributes read = rec.Attributes();
  FieldReader reader{r};
  DerivedAttributes::ForEachStoredField(read, reader);
  if (!reader.ok || read.Kind > kKindFiles) return false;
  rec.Attributes() = std::move(read);
  return true;
}

}  // namespace qv
