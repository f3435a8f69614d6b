#pragma once
// Draws an enhanced metafile onto a 32-bit bitmap of the metafile's own size.
#include <optional>

#include "codecs/bitmap32.h"
#include "util/bytes.h"

namespace qv {

class MetafileRenderer {
 public:
  virtual ~MetafileRenderer() = default;
  // Renders the EMF bits at (0, 0) onto a bitmap of the metafile's own width and
  // height, drawn transparent. nullopt when the bits are not a usable metafile.
  virtual std::optional<Bitmap32> Render(ByteView emfBits) = 0;
  // Renders the EMF bits stretched onto a new width x height bitmap.
  virtual std::optional<Bitmap32> RenderStretched(ByteView emfBits, int width, int height) = 0;
  // The EMF converted to Windows metafile records (a memory metafile with its
  // header), as the system converts them; nullopt where there is no such
  // conversion.
  virtual std::optional<Bytes> ToWindowsMetafile(ByteView /*emfBits*/) { return std::nullopt; }
};

}  // namespace qv
