#pragma once
// What snapshot work needs from the rest of the program: the platform, the disk
// policy for large slots, and the formats seen at the last capture.
#include <cstdint>
#include <filesystem>
#include <vector>

namespace qv {

class Clipboard;
class SystemServices;

struct ClipContext {
  ClipContext(Clipboard& clipboard, SystemServices& system, std::filesystem::path workFolder)
      : clipboard(clipboard), system(system), workFolder(std::move(workFolder)) {}

  Clipboard& clipboard;
  SystemServices& system;
  std::filesystem::path workFolder;
  bool write2disk = true;
  uint64_t maxsize = 1000 * 1024;  // bytes; larger slots go to disk while write2disk is on
  // The format ids on the clipboard right after the last capture, in enumeration order.
  std::vector<uint32_t> CurrentFormats;

  bool BelongsOnDisk(uint64_t size) const { return write2disk && size > maxsize; }
};

}  // namespace qv
