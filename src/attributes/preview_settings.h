#pragma once
// The options that decide what a slot's previews look like.
#include "settings/text_font.h"

namespace qv {

struct PreviewSettings {
  TextFont font;          // plain text becomes rich text in this font
  bool pathfiles = true;  // file lists show full paths
  int pictureSize = 60;   // the picture view fits (4 x size) by (3 x size)
};

}  // namespace qv
