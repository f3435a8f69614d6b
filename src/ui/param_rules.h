#pragma once
// The settings dialog's pages, its keys and which controls are enabled.
#include <array>
#include <cstdint>
#include <string_view>

#include "ui/param_controls.h"

namespace qv {

struct ParamPage {
  std::string_view page;       // notebook page: "pgMain"
  std::string_view button;     // page button: "sbItem1"
  std::string_view caption;    // the button's caption
  std::string_view helpTopic;  // topic of the help file
};
inline constexpr int kParamPageCount = 7;
inline constexpr int kParamAboutPage = 6;
const std::array<ParamPage, kParamPageCount>& ParamPages();

// The page after (or before) `page`, wrapping at either end.
int NextParamPage(int page, bool backwards);

// The keys the dialog itself answers before its controls see them.
enum class ParamKeyAction : uint8_t { None, Help, NextPage, PreviousPage };
ParamKeyAction PlanParamKey(uint16_t key, bool ctrl, bool shift);

// What the system allows: the older family (95, 98, Me) has no layered
// windows and no balloons; the autostart lists may be closed to this process.
struct ParamPlatform {
  bool olderFamily = false;
  bool canWriteAutorun = true;
};

// Controls enabled by the state of others and by the platform.
struct ParamEnabling {
  bool autoran = true;           // cbAutoran
  bool transparency = true;      // lbTransparency, edTransparent, udTransparent, lbTransp,
                                 // cbTranspText, cbTranspPict
  bool balloon = true;           // cbBalloon
  bool balloonCondition = true;  // cbBalloonCondition
  bool slotSize = true;          // lbSlotSize, edSlotSize, udSlotSize, lbSlotSizeEd
  bool snapValue = true;         // lbSnapValue, edSnapValue, udSnapValue, lbSnapPixels
  bool sound = true;             // edSound, btSound
  bool operator==(const ParamEnabling&) const = default;
};
ParamEnabling EnablingRules(const ParamControls& controls, const ParamPlatform& platform);

}  // namespace qv
