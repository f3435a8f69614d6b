#include "history/options_reload.h"

#include "settings/options_file.h"
#include "settings/text_font.h"

namespace qv {

Options ReadReloadedOptions(const Options& current, const std::filesystem::path& file) {
  Options fresh = current;
  OptionTable::ReadAll(IniFile(file).Load(), fresh);
  fresh.pictureSize = current.pictureSize;  // the preview size changes at the next start
  fresh.firstrun = current.firstrun;
  fresh.stylemenus = current.stylemenus;  // honoured at start only
  return fresh;
}

ReloadEffects CompareOptions(const Options& before, const Options& after) {
  ReloadEffects effects;
  effects.opacity = after.transparent != before.transparent ||
                    after.textTransparent != before.textTransparent ||
                    after.pictureTransparent != before.pictureTransparent;
  effects.placement = after.align != before.align;
  effects.page = after.page != before.page;
  effects.count = after.count != before.count;
  effects.textViewer = after.textWidth != before.textWidth ||
                       after.textHeight != before.textHeight ||
                       TextFontFromOptions(after) != TextFontFromOptions(before);
  effects.pictureBackground = after.background != before.background;
  effects.toolbarHints = after.toolbarhints != before.toolbarhints;
  effects.docking = after.snap != before.snap || after.snapvalue != before.snapvalue;
  effects.slotsRedraw = after.pathfiles != before.pathfiles;
  return effects;
}

}  // namespace qv
