#pragma once
// A stand-in metafile renderer: a bitmap of the metafile's bounds whose pixels
// derive from the drawing records, so equal drawings render equal.
#include <stdexcept>

#include "platform/metafile_renderer.h"

namespace qv {

class SimMetafileRenderer : public MetafileRenderer {
 public:
  std::optional<Bitmap32> Render(ByteView emfBits) override;
  std::optional<Bitmap32> RenderStretched(ByteView emfBits, int width, int height) override;
  int renders = 0;
  bool fails = false;  // rendering throws, as a faulting renderer would
};

// A small valid EMF: header (with the given frame in pixels at 96 dpi), one
// comment record carrying `payload`, and the end-of-file record.
Bytes MakeTestEmf(int width, int height, ByteView payload);

}  // namespace qv
