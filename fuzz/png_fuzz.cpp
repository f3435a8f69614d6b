// PNG files from the clipboard ("PNG", "image/png"): their length, the
// decoder, and the BMP made for the snapshot's bitmap part.
#include <cstdint>

#include "codecs/png.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::ByteView bytes(data, size);
  qv::PngFileLength(bytes);
  if (auto picture = qv::DecodePng(bytes)) qv::EncodePng(*picture);
  qv::PngToBmp(bytes);
  return 0;
}
