#pragma once
// What deriving a slot's attributes needs: the format ids the capture
// enumerated and their names, the metafile renderer and the preview options.
// Nothing here reads the live clipboard's contents.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "attributes/preview_settings.h"
#include "snapshot/clip_context.h"
#include "snapshot/format_names.h"

namespace qv {

class MetafileRenderer;

// The name of a format id, as the session that captured it names it.
using FormatNameSource = std::function<std::string(uint32_t id)>;

struct AttributeContext {
  AttributeContext(FormatNameSource formatName, const std::vector<uint32_t>& currentFormats,
                   MetafileRenderer& renderer)
      : formatName(std::move(formatName)), currentFormats(currentFormats), renderer(renderer) {}
  // Slots captured in this session: names from its clipboard, formats of its
  // last capture.
  AttributeContext(ClipContext& clip, MetafileRenderer& renderer)
      : AttributeContext(
            [&clipboard = clip.clipboard](uint32_t id) { return GetFormatName(clipboard, id); },
            clip.CurrentFormats, renderer) {}

  FormatNameSource formatName;
  const std::vector<uint32_t>& currentFormats;  // of the last capture, in enumeration order
  MetafileRenderer& renderer;
  int pixelsPerInch = 96;  // screen resolution for metafile sizes
  PreviewSettings previews;
};

}  // namespace qv
