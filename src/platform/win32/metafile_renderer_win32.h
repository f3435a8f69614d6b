#pragma once
// Renders enhanced metafiles with GDI onto a 32-bit DIB section.
#include <cstdint>

#include "platform/metafile_renderer.h"

namespace qv::win32 {

class Win32MetafileRenderer : public MetafileRenderer {
 public:
  // The colour under the drawing, where the metafile paints nothing (0x00RRGGBB).
  static constexpr uint32_t kBackground = 0x00FFFFFF;
  // Larger sides are refused: the bitmap would not fit a 32-bit process's memory.
  static constexpr int kMaxSide = 8192;

  std::optional<Bitmap32> Render(ByteView emfBits) override;
  std::optional<Bitmap32> RenderStretched(ByteView emfBits, int width, int height) override;
  std::optional<Bytes> ToWindowsMetafile(ByteView emfBits) override;
};

}  // namespace qv::win32
