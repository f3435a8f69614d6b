#pragma once
// What the core relies on from a clipboard, as one set of tests run over every
// implementation: the in-memory one (clipboard_contract_test.cpp) and, in the
// Windows build, the real one (clipboard_contract_win32.cpp).
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "codecs/bitmap32.h"
#include "platform/clipboard.h"

namespace qv::test {

struct ClipFormat {
  uint32_t id;
  Bytes bytes;  // for CF_ENHMETAFILE, the metafile bits
};

// One implementation, and what another program does to it.
class ClipboardUnderTest {
 public:
  virtual ~ClipboardUnderTest() = default;
  virtual Clipboard& Get() = 0;
  // Another program opens the clipboard, empties it, sets the formats, closes it.
  virtual void SetByOther(const std::vector<ClipFormat>& formats) = 0;
  // Whether the program's last write made it the clipboard's owner.
  virtual bool OwnedByProgram() = 0;
};

struct ClipboardMaker {
  std::string name;
  std::function<std::unique_ptr<ClipboardUnderTest>()> make;
  friend void PrintTo(const ClipboardMaker& maker, std::ostream* os) { *os << maker.name; }
};
inline std::string MakerName(const ::testing::TestParamInfo<ClipboardMaker>& info) {
  return info.param.name;
}

class ClipboardContract : public ::testing::TestWithParam<ClipboardMaker> {
 protected:
  void SetUp() override { under = GetParam().make(); }
  Clipboard& clipboard() { return under->Get(); }
  std::unique_ptr<ClipboardUnderTest> under;
};

// A picture as BMP file images in the forms writers leave them: 24 and 32
// bits, rows top-down, a wrong or zero offset field, 8 bits with a colour table.
struct BmpVariant {
  const char* name;
  Bytes file;
  Bitmap32 pixels;
};
std::vector<BmpVariant> BmpVariants();

// The global-memory bytes of a format, read in a session of its own.
std::optional<Bytes> ReadFormat(Clipboard& clipboard, uint32_t id);
// Opens, empties, puts the BMP file image on the clipboard, closes.
bool SetBitmapImage(Clipboard& clipboard, ByteView bmpFile);

}  // namespace qv::test
