#include "codecs/wmf.h"

#include <algorithm>
#include <cstdlib>

#include "codecs/emf.h"
#include "util/le_io.h"

namespace qv {
namespace {

constexpr uint16_t kMetaEscape = 0x0626;
constexpr uint16_t kMetaSetMapMode = 0x0103;
constexpr uint16_t kMetaSetWindowOrg = 0x020B;
constexpr uint16_t kMetaSetWindowExt = 0x020C;
constexpr uint16_t kMfComment = 15;
constexpr uint16_t kMmAnisotropic = 8;
constexpr size_t kCommentHeaderBytes = 34;

void PutRecord(Bytes& out, uint16_t function, std::initializer_list<uint16_t> params) {
  PutU32(out, static_cast<uint32_t>(3 + params.size()));
  PutU16(out, function);
  for (uint16_t p : params) PutU16(out, p);
}

// The 22-byte placeable header for the EMF's frame (in twips unless that
// overflows 16 bits), and the window size in its units.
struct Placeable {
  Bytes header;
  uint16_t width = 0;
  uint16_t height = 0;
};

std::optional<Placeable> PlaceableFor(ByteView emf) {
  auto header = ParseEmfHeader(emf);
  if (!header || emf.size() % 2 != 0 || emf.size() > UINT32_MAX / 2) return std::nullopt;

  // The frame is in 0.01 mm; 2540 of them make an inch.
  int64_t wide = std::abs(static_cast<int64_t>(header->frameRight) - header->frameLeft);
  int64_t high = std::abs(static_cast<int64_t>(header->frameBottom) - header->frameTop);
  int64_t inch = 1440;
  int64_t largest = std::max<int64_t>({wide, high, 1});
  if (largest * inch / 2540 > 32767) inch = std::max<int64_t>(1, 32767 * 2540 / largest);
  auto units = [&](int64_t v) {
    return static_cast<uint16_t>(std::clamp<int64_t>((v * inch + 1270) / 2540, 1, 32767));
  };
  Placeable p{{}, units(wide), units(high)};
  Bytes& out = p.header;
  PutU32(out, kPlaceableKey);
  PutU16(out, 0);  // hmf
  for (uint16_t v : {uint16_t{0}, uint16_t{0}, p.width, p.height}) PutU16(out, v);
  PutU16(out, static_cast<uint16_t>(inch));
  PutU32(out, 0);
  uint16_t check = 0;
  for (size_t i = 0; i < 20; i += 2) check ^= LoadU16(&out[i]);
  PutU16(out, check);
  return p;
}

}  // namespace

std::optional<Bytes> PlaceableWmf(ByteView emf, ByteView windowsMetafile) {
  auto placeable = PlaceableFor(emf);
  // A Windows metafile starts with its 9-word header: type 1 or 2, size 9.
  if (!placeable || windowsMetafile.size() < 18 || LoadU16(&windowsMetafile[2]) != 9 ||
      (LoadU16(&windowsMetafile[0]) != 1 && LoadU16(&windowsMetafile[0]) != 2))
    return std::nullopt;
  Bytes out = std::move(placeable->header);
  PutBytes(out, windowsMetafile);
  return out;
}

std::optional<Bytes> PlaceableWmfFromEmf(ByteView emf) {
  auto placeable = PlaceableFor(emf);
  if (!placeable) return std::nullopt;
  const uint16_t w = placeable->width, h = placeable->height;
  Bytes out = std::move(placeable->header);

  const size_t wmfStart = out.size();
  PutU16(out, 1);       // memory metafile
  PutU16(out, 9);       // header words
  PutU16(out, 0x0300);  // version
  const size_t sizeAt = out.size();
  PutU32(out, 0);  // total words, filled in below
  PutU16(out, 0);  // objects
  const size_t maxAt = out.size();
  PutU32(out, 0);  // largest record in words
  PutU16(out, 0);

  PutRecord(out, kMetaSetMapMode, {kMmAnisotropic});
  PutRecord(out, kMetaSetWindowOrg, {0, 0});  // y, x
  PutRecord(out, kMetaSetWindowExt, {h, w});

  const uint32_t total = static_cast<uint32_t>(emf.size());
  const uint32_t chunks = static_cast<uint32_t>((emf.size() + kEmfChunkBytes - 1) / kEmfChunkBytes);
  size_t checksumAt = 0;
  uint32_t largestRecord = 5;
  for (uint32_t i = 0; i < chunks; ++i) {
    size_t offset = static_cast<size_t>(i) * kEmfChunkBytes;
    size_t size = std::min(kEmfChunkBytes, emf.size() - offset);
    uint32_t words = static_cast<uint32_t>((6 + 4 + kCommentHeaderBytes + size) / 2);
    largestRecord = std::max(largestRecord, words);
    PutU32(out, words);
    PutU16(out, kMetaEscape);
    PutU16(out, kMfComment);
    PutU16(out, static_cast<uint16_t>(kCommentHeaderBytes + size));
    PutU32(out, kEmbeddedEmfIdent);
    PutU32(out, 1);        // an enhanced metafile
    PutU32(out, 0x10000);  // version
    if (i == 0) checksumAt = out.size();
    PutU16(out, 0);  // checksum, first record only
    PutU32(out, 0);  // flags
    PutU32(out, chunks);
    PutU32(out, static_cast<uint32_t>(size));
    PutU32(out, total - static_cast<uint32_t>(offset + size));
    PutU32(out, total);
    PutBytes(out, emf.subspan(offset, size));
  }
  PutRecord(out, 0, {});  // end of file

  StoreU32(&out[sizeAt], static_cast<uint32_t>((out.size() - wmfStart) / 2));
  StoreU32(&out[maxAt], largestRecord);
  // The checksum makes the 16-bit sum of every word of the metafile zero.
  uint16_t sum = 0;
  for (size_t i = wmfStart; i + 1 < out.size(); i += 2)
    sum = static_cast<uint16_t>(sum + LoadU16(&out[i]));
  StoreU16(&out[checksumAt], static_cast<uint16_t>(0u - sum));
  return out;
}

}  // namespace qv
