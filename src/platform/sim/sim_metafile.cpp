#include "platform/sim/sim_metafile.h"

#include "codecs/emf.h"
#include "util/le_io.h"

namespace qv {

std::optional<Bitmap32> SimMetafileRenderer::Render(ByteView emfBits) {
  ++renders;
  if (fails) throw std::runtime_error("renderer fault");
  auto header = ParseEmfHeader(emfBits);
  if (!header) return std::nullopt;
  uint32_t headerSize = LoadU32(&emfBits[4]);
  uint32_t hash = 2166136261u;
  for (size_t i = headerSize; i < emfBits.size(); ++i) hash = (hash ^ emfBits[i]) * 16777619u;
  Bitmap32 out;
  out.width = header->boundsRight - header->boundsLeft + 1;
  out.height = header->boundsBottom - header->boundsTop + 1;
  if (out.width <= 0 || out.height <= 0 || out.width > 4096 || out.height > 4096)
    return std::nullopt;
  out.pixels.assign(static_cast<size_t>(out.width) * out.height, hash & 0xFFFFFF);
  return out;
}

std::optional<Bitmap32> SimMetafileRenderer::RenderStretched(ByteView emfBits, int width,
                                                             int height) {
  auto natural = Render(emfBits);
  if (!natural || width <= 0 || height <= 0) return std::nullopt;
  Bitmap32 out{width, height,
               std::vector<uint32_t>(static_cast<size_t>(width) * height, natural->pixels[0])};
  return out;
}

Bytes MakeTestEmf(int width, int height, ByteView payload) {
  Bytes emf;
  const uint32_t headerSize = 88;
  const uint32_t commentSize = static_cast<uint32_t>(12 + ((payload.size() + 3) / 4) * 4);
  const uint32_t eofSize = 20;
  const uint32_t total = headerSize + commentSize + eofSize;
  PutU32(emf, 1);  // EMR_HEADER
  PutU32(emf, headerSize);
  for (int32_t v : {0, 0, width - 1, height - 1}) PutU32(emf, static_cast<uint32_t>(v));
  // Frame in 0.01 mm at 96 dpi.
  for (int32_t v : {0, 0, width * 2540 / 96, height * 2540 / 96})
    PutU32(emf, static_cast<uint32_t>(v));
  PutU32(emf, 0x464D4520);
  PutU32(emf, 0x10000);
  PutU32(emf, total);
  PutU32(emf, 3);  // records
  PutU16(emf, 1);  // handles
  PutU16(emf, 0);
  PutU32(emf, 0);  // description
  PutU32(emf, 0);
  PutU32(emf, 0);  // palette entries
  PutU32(emf, 1024);
  PutU32(emf, 768);
  PutU32(emf, 270);
  PutU32(emf, 203);
  PutU32(emf, 70);  // EMR_GDICOMMENT
  PutU32(emf, commentSize);
  PutU32(emf, static_cast<uint32_t>(payload.size()));
  PutBytes(emf, payload);
  while (emf.size() < headerSize + commentSize) emf.push_back(0);
  PutU32(emf, 14);  // EMR_EOF
  PutU32(emf, eofSize);
  PutU32(emf, 0);
  PutU32(emf, 16);
  PutU32(emf, eofSize);
  return emf;
}

}  // namespace qv
