// A CF_HDROP block as another program may put it on the clipboard: the
// DROPFILES header and the names, wide or ANSI, terminated or not.
#include <cstdint>

#include "platform/clipboard.h"
#include "snapshot/clipboard_io.h"
#include "snapshot/slot_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  qv::Bytes stream;
  qv::SlotStreamWriter writer(stream);
  writer.AddRecord(qv::CF_HDROP, qv::ByteView(data, size));
  writer.Finish(false, false);
  qv::ReadFileList(stream);
  return 0;
}
