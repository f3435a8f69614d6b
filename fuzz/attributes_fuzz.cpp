// The attribute file of a stored slot; a file refused leaves the record as it was.
#include <cstdint>

#include "snapshot/clip_rec.h"
#include "store/slot_attributes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::TClipRec rec;
  if (qv::ReadSlotAttributes(qv::ByteView(data, size), rec)) qv::WriteSlotAttributes(rec);
  return 0;
}
