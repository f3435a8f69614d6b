#pragma once
// Slot files made the way the program makes them (another application sets
// the clipboard, the core captures it), and the tool run over them.
#include <initializer_list>
#include <string>
#include <vector>

#include "snapshot/clipboard_io.h"
#include "platform/sim/sim_clipboard.h"
#include "platform/sim/sim_metafile.h"
#include "platform/sim/sim_system.h"
#include "qvtool/cli.h"
#include "snapshot/slot_stream.h"
#include "test_support.h"
#include "util/file_io.h"

namespace qv::test {

struct ToolFixture {
  SimClipboard clipboard;  // the clipboard a capture reads
  SimMetafileRenderer renderer;
  SimSystem system;
  TempFolder folder;
  tool::ToolPlatform platform{renderer, system};

  Bytes Capture(const std::vector<SimClipboard::Item>& items) {
    clipboard.SetByOther(items);
    return CaptureClipboard(clipboard);
  }
  std::filesystem::path Write(const std::string& name, ByteView bytes) {
    auto path = folder / name;
    EXPECT_TRUE(WriteWholeFile(path, bytes));
    return path;
  }
  std::filesystem::path SaveSlot(const std::string& name,
                                 const std::vector<SimClipboard::Item>& items) {
    return Write(name, Capture(items));
  }
  tool::CommandResult Run(std::initializer_list<std::string> args) {
    return tool::RunTool(std::vector<std::string>(args), platform);
  }
  tool::CommandResult Run(const std::string& command, const std::filesystem::path& path,
                          bool json = false) {
    if (json) return Run({command, "--json", tool::PathText(path)});
    return Run({command, tool::PathText(path)});
  }
};

// The stream with its header rewritten by `edit`; `fixCheck` recomputes the
// check value afterwards, so only the edited field is wrong.
template <typename Edit>
Bytes WithHeader(Bytes stream, Edit edit, bool fixCheck = true) {
  SlotHeader header = *ReadSlotHeader(stream);
  edit(header);
  if (fixCheck)
    header.checkValue =
        CheckValue(header.recordCount, header.hasBitmap != 0, header.hasMetafile != 0);
  WriteSlotHeader(stream.data(), header);
  return stream;
}

// A 32-bit picture of one colour.
inline Bitmap32 Picture(int width, int height, uint32_t colour = 0x336699) {
  return {width, height, std::vector<uint32_t>(static_cast<size_t>(width) * height, colour)};
}

// A DROPFILES block with ANSI names.
inline Bytes DropList(std::initializer_list<const char*> names) {
  Bytes b;
  PutU32(b, 20);
  for (int i = 0; i < 4; ++i) PutU32(b, 0);
  for (const char* n : names) PutBytes(b, Ansi(n));
  b.push_back(0);
  return b;
}

}  // namespace qv::test
