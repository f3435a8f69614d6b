// Pictures from the clipboard and from files: BMP images (CF_DIB and .bmp)
// and EMF bits with their conversion to a placeable WMF.
#include <cstdint>

#include "codecs/bmp.h"
#include "codecs/emf.h"
#include "codecs/wmf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::ByteView bytes(data, size);
  if (auto bitmap = qv::DecodeBmp(bytes)) qv::EncodeBmp(*bitmap);
  if (auto header = qv::ParseEmfHeader(bytes)) qv::EmfPixelSize(*header, 96);
  qv::PlaceableWmfFromEmf(bytes);
  return 0;
}
