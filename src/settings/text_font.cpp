#include "settings/text_font.h"

#include "settings/options.h"

namespace qv {

TextFont TextFontFromOptions(const Options& o) {
  return {o.fontname,   o.fontsize,      o.fontcolor, o.fontbold,
          o.fontitalic, o.fontunderline, o.fontstrike};
}

}  // namespace qv
