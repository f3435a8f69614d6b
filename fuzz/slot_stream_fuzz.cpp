// The slot data stream and every reader of its parts: a .slot file, a data
// file of the work folder or a set, as the disk holds it.
#include <cstdint>

#include "platform/clipboard.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/slot_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const qv::ByteView stream(data, size);
  qv::ValidateSlotData(stream);
  if (auto view = qv::ParseSlotStream(stream)) {
    qv::ReadSnapshotPictures(*view);
    qv::ReadFormatText(*view, qv::CF_TEXT);
    qv::ReadFormatTextUtf8(*view, qv::CF_TEXT);
    qv::ReadFormatTextUtf8(*view, qv::CF_TEXT, 100);
    qv::ReadFileList(*view);
  }
  return 0;
}
