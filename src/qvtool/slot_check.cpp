#include "qvtool/slot_check.h"

#include <bit>
#include <cstdio>

#include "codecs/bmp.h"
#include "snapshot/slot_stream.h"
#include "util/le_io.h"

namespace qv::tool {
namespace {

std::string Num(uint64_t n) {
  return std::to_string(n);
}

// The version field is an IEEE single; show it as the number it stands for.
std::string VersionText(uint32_t bits) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", static_cast<double>(std::bit_cast<float>(bits)));
  std::string out = text;
  if (out.find_first_not_of("-0123456789") == std::string::npos) out += ".0";
  return out;
}

// Walks the parts the header announces and names the first one that does not fit.
std::optional<std::string> LayoutProblem(ByteView stream, const SlotHeader& header) {
  ByteReader r(stream);
  r.Skip(kSlotHeaderSize);
  const std::string of = " of " + Num(header.recordCount);
  for (uint32_t k = 1; k <= header.recordCount; ++k) {
    const std::string which = "record " + Num(k) + of;
    if (r.AtEnd()) return which + " missing: the data ends after " + Num(k - 1) + " records";
    uint32_t id, size;
    if (!r.U32(id) || !r.U32(size))
      return which + " cut short: its 8-byte header has " + Num(r.Remaining()) + " bytes";
    if (size > r.Remaining())
      return which + " (format " + Num(id) + ") cut short: " + Num(size) + " bytes announced, " +
             Num(r.Remaining()) + " present";
    r.Skip(size);
  }
  if (header.hasBitmap) {
    if (r.AtEnd()) return std::string("bitmap image missing");
    auto bmp = ParseBmpImage(r.Rest());
    if (!bmp)
      return "bitmap image malformed or cut short (" + Num(r.Remaining()) +
             " bytes after the records)";
    r.Skip(bmp->totalLength);
  }
  if (header.hasMetafile && r.AtEnd()) return std::string("metafile image missing");
  return std::nullopt;
}

}  // namespace

std::optional<std::string> SlotStreamProblem(ByteView stream) {
  if (ValidateSlotData(stream)) return std::nullopt;
  if (stream.size() < kMinimumSlotFileSize)
    return "too short: " + Num(stream.size()) + " bytes, a slot file has at least " +
           Num(kMinimumSlotFileSize);
  auto header = ReadSlotHeader(stream);
  if (!header) return std::string("too short for its header");
  if (header->versionBits != kSlotDataVersionBits)
    return "version " + VersionText(header->versionBits) + " is not the supported " +
           VersionText(kSlotDataVersionBits);
  const uint32_t expected =
      CheckValue(header->recordCount, header->hasBitmap != 0, header->hasMetafile != 0);
  if (header->checkValue != expected)
    return "check value " + Num(header->checkValue) + " does not match " + Num(expected) + " (" +
           Num(header->recordCount) + " records, bitmap " + (header->hasBitmap ? "yes" : "no") +
           ", metafile " + (header->hasMetafile ? "yes" : "no") + ")";
  if (auto problem = LayoutProblem(stream, *header)) return problem;
  return std::string("malformed");  // refused for a reason the walk above does not know
}

}  // namespace qv::tool
