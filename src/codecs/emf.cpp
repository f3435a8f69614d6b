#include "codecs/emf.h"

#include "util/le_io.h"

namespace qv {

std::optional<EmfHeader> ParseEmfHeader(ByteView bits) {
  constexpr uint32_t kEmrHeader = 1;
  constexpr uint32_t kSignature = 0x464D4520;  // " EMF"
  ByteReader r(bits);
  uint32_t type, size, signature, version;
  EmfHeader h;
  if (!r.U32(type) || !r.U32(size) || type != kEmrHeader || size < 88) return std::nullopt;
  if (!r.I32(h.boundsLeft) || !r.I32(h.boundsTop) || !r.I32(h.boundsRight) ||
      !r.I32(h.boundsBottom) || !r.I32(h.frameLeft) || !r.I32(h.frameTop) || !r.I32(h.frameRight) ||
      !r.I32(h.frameBottom) || !r.U32(signature) || !r.U32(version) || !r.U32(h.totalBytes) ||
      !r.U32(h.records))
    return std::nullopt;
  if (signature != kSignature) return std::nullopt;
  // nHandles, sReserved, nDescription, offDescription, nPalEntries
  if (!r.Skip(16) || !r.I32(h.deviceWidth) || !r.I32(h.deviceHeight) || !r.I32(h.deviceWidthMm) ||
      !r.I32(h.deviceHeightMm))
    return std::nullopt;
  return h;
}

PixelSize EmfPixelSize(const EmfHeader& header, int pixelsPerInch) {
  auto toPixels = [&](int64_t hundredthsMm) {
    if (hundredthsMm < 0) hundredthsMm = -hundredthsMm;
    // 2540 hundredths of a millimetre per inch; round half up.
    return static_cast<int>((hundredthsMm * pixelsPerInch * 2 + 2540) / (2 * 2540));
  };
  return {toPixels(static_cast<int64_t>(header.frameRight) - header.frameLeft),
          toPixels(static_cast<int64_t>(header.frameBottom) - header.frameTop)};
}

}  // namespace qv
