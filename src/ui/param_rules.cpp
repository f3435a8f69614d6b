#include "ui/param_rules.h"

#include "ui/key_codes.h"

namespace qv {

const std::array<ParamPage, kParamPageCount>& ParamPages() {
  static const std::array<ParamPage, kParamPageCount> pages{{
      {"pgMain", "sbItem1", "Main settings", "tab1.html"},
      {"pgSlots", "sbItem2", "Slots", "tab2.html"},
      {"pgText", "sbItem3", "Text", "tab3.html"},
      {"pgPicture", "sbItem4", "Image", "tab4.html"},
      {"pgActions", "sbItem5", "Advanced", "tab5.html"},
      {"pgHotkeys", "sbItem6", "Hotkeys", "tab8.html"},
      {"pgAbout", "sbItem7", "About", "tab6.html"},
  }};
  return pages;
}

int NextParamPage(int page, bool backwards) {
  return (page + (backwards ? kParamPageCount - 1 : 1)) % kParamPageCount;
}

ParamKeyAction PlanParamKey(uint16_t key, bool ctrl, bool shift) {
  if (key == kKeyF1) return ParamKeyAction::Help;
  if (key == kKeyTab && ctrl)
    return shift ? ParamKeyAction::PreviousPage : ParamKeyAction::NextPage;
  return ParamKeyAction::None;
}

ParamEnabling EnablingRules(const ParamControls& c, const ParamPlatform& platform) {
  ParamEnabling e;
  e.autoran = platform.canWriteAutorun;
  e.transparency = !platform.olderFamily;
  e.balloon = !platform.olderFamily;
  e.balloonCondition = c.balloon && !platform.olderFamily;
  e.slotSize = c.diskSlots;
  e.snapValue = c.snap;
  e.sound = c.sound;
  return e;
}

}  // namespace qv
