#pragma once
// What deriving a slot's attributes needs: the snapshot context (formats of the
// last capture, format names), the metafile renderer and the preview options.
#include "attributes/preview_settings.h"
#include "snapshot/clip_context.h"

namespace qv {

class MetafileRenderer;

struct AttributeContext {
  AttributeContext(ClipContext& clip, MetafileRenderer& renderer)
      : clip(clip), renderer(renderer) {}

  ClipContext& clip;
  MetafileRenderer& renderer;
  int pixelsPerInch = 96;  // screen resolution for metafile sizes
  PreviewSettings previews;
};

}  // namespace qv
