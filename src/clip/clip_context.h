#pragma once
// What snapshot work needs from the rest of the program: the platform, the disk
// policy for large slots, and the formats seen at the last capture.
#include <cstdint>
#include <filesystem>
#include <vector>

#include "ui/preview_settings.h"

namespace qv {

class Clipboard;
class MetafileRenderer;
class SystemServices;

struct ClipContext {
  ClipContext(Clipboard& clipboard, MetafileRenderer& renderer, SystemServices& system,
              std::filesystem::path workFolder)
      : clipboard(clipboard),
        renderer(renderer),
        system(system),
        workFolder(std::move(workFolder)) {}

  Clipboard& clipboard;
  MetafileRenderer& renderer;
  SystemServices& system;
  std::filesystem::path workFolder;
  bool write2disk = true;
  uint32_t maxsize = 1000 * 1024;  // bytes; larger slots go to disk while write2disk is on
  int pixelsPerInch = 96;          // screen resolution for metafile sizes
  PreviewSettings previews;
  // The format ids on the clipboard right after the last capture, in enumeration order.
  std::vector<uint32_t> CurrentFormats;

  bool BelongsOnDisk(uint64_t size) const { return write2disk && size > maxsize; }
};

}  // namespace qv
