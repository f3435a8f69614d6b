// Re-reading options.cfg after the settings were changed, and applying what
// the model holds at run time.
#include "history/app_core.h"
#include "settings/options_file.h"

namespace qv {

ReloadEffects AppCore::ReLoadOptions() {
  Options fresh = options;
  OptionTable::ReadAll(IniFile(folders.OptionsFile).Load(), fresh);
  fresh.pictureSize = options.pictureSize;  // the preview size changes at the next start
  fresh.firstrun = options.firstrun;
  fresh.stylemenus = options.stylemenus;  // honoured at start only
  ReloadEffects effects;
  effects.opacity = fresh.transparent != options.transparent ||
                    fresh.textTransparent != options.textTransparent ||
                    fresh.pictureTransparent != options.pictureTransparent;
  effects.placement = fresh.align != options.align;
  effects.page = fresh.page != options.page;
  effects.count = fresh.count != options.count;
  effects.textViewer = fresh.textWidth != options.textWidth ||
                       fresh.textHeight != options.textHeight ||
                       TextFontFromOptions(fresh) != TextFontFromOptions(options);
  effects.pictureBackground = fresh.background != options.background;
  effects.toolbarHints = fresh.toolbarhints != options.toolbarhints;
  effects.docking = fresh.snap != options.snap || fresh.snapvalue != options.snapvalue;
  const bool pathsChanged = fresh.pathfiles != options.pathfiles;
  const bool soundChanged = fresh.playsound != options.playsound || fresh.sound != options.sound;
  options = fresh;
  ApplyOptionsToContext();

  // A smaller count drops the oldest slots (with their files); a larger one
  // leaves room for the next copies.
  if (effects.count) TrimSlots(static_cast<size_t>(options.count) + 1);
  ApplyDiskPolicy();
  if (pathsChanged) {
    RebuildFileViews();
    effects.slotsRedraw = true;
  }
  if (soundChanged || options.playsound) LoadCopySound();
  return effects;
}

}  // namespace qv
