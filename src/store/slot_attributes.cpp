#include "store/slot_attributes.h"

#include <string>

#include "snapshot/clip_rec.h"
#include "util/le_io.h"

namespace qv {
namespace {

template <size_t N>
void PutShortString(Bytes& out, const ShortString<N>& s) {
  PutU8(out, static_cast<uint8_t>(s.size()));
  size_t start = out.size();
  out.resize(start + N, 0);
  std::copy(s.str().begin(), s.str().end(), out.begin() + static_cast<std::ptrdiff_t>(start));
}

template <size_t N>
bool GetShortString(ByteReader& r, ShortString<N>& s) {
  uint8_t length;
  ByteView chars;
  if (!r.U8(length) || !r.Take(N, chars) || length > N) return false;
  s = std::string_view(reinterpret_cast<const char*>(chars.data()), length);
  return true;
}

bool GetFlag(ByteReader& r, bool& flag) {
  uint8_t v;
  if (!r.U8(v) || v > 1) return false;
  flag = v != 0;
  return true;
}

}  // namespace

Bytes WriteSlotAttributes(const TClipRec& rec) {
  Bytes out;
  out.reserve(kSlotAttributesSize);
  PutU8(out, rec.Kind);
  for (bool flag :
       {rec.HasText, rec.HasRichText, rec.HasBitmap, rec.HasMetafile, rec.HasFiles, rec.HasSound})
    PutU8(out, flag ? 1 : 0);
  PutShortString(out, rec.Preview);
  PutU32(out, rec.LineCount);
  PutU32(out, rec.WordCount);
  PutU32(out, rec.CharCount);
  PutShortString(out, rec.LineCountText);
  PutShortString(out, rec.WordCountText);
  PutShortString(out, rec.CharCountText);
  PutU32(out, rec.RichFormat);
  PutU32(out, rec.Size);
  PutShortString(out, rec.SizeText);
  PutU16(out, rec.PictWidth);
  PutU16(out, rec.PictHeight);
  return out;
}

bool ReadSlotAttributes(ByteView bytes, TClipRec& rec) {
  if (bytes.size() < kSlotAttributesSize) return false;
  ByteReader r(bytes);
  TClipRec t;
  bool ok = r.U8(t.Kind) && t.Kind <= kKindFiles && GetFlag(r, t.HasText) &&
            GetFlag(r, t.HasRichText) && GetFlag(r, t.HasBitmap) && GetFlag(r, t.HasMetafile) &&
            GetFlag(r, t.HasFiles) && GetFlag(r, t.HasSound) && GetShortString(r, t.Preview) &&
            r.U32(t.LineCount) && r.U32(t.WordCount) && r.U32(t.CharCount) &&
            GetShortString(r, t.LineCountText) && GetShortString(r, t.WordCountText) &&
            GetShortString(r, t.CharCountText) && r.U32(t.RichFormat) && r.U32(t.Size) &&
            GetShortString(r, t.SizeText) && r.U16(t.PictWidth) && r.U16(t.PictHeight);
  if (!ok) return false;
  rec.Kind = t.Kind;
  rec.HasText = t.HasText;
  rec.HasRichText = t.HasRichText;
  rec.HasBitmap = t.HasBitmap;
  rec.HasMetafile = t.HasMetafile;
  rec.HasFiles = t.HasFiles;
  rec.HasSound = t.HasSound;
  rec.Preview = t.Preview;
  rec.LineCount = t.LineCount;
  rec.WordCount = t.WordCount;
  rec.CharCount = t.CharCount;
  rec.LineCountText = t.LineCountText;
  rec.WordCountText = t.WordCountText;
  rec.CharCountText = t.CharCountText;
  rec.RichFormat = t.RichFormat;
  rec.Size = t.Size;
  rec.SizeText = t.SizeText;
  rec.PictWidth = t.PictWidth;
  rec.PictHeight = t.PictHeight;
  return true;
}

}  // namespace qv
