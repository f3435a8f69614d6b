#pragma once
// The settings dialog's controls as values: what each shows (ShowOptions) and
// what each writes back to options.cfg (SaveOptions). The dialog window only
// moves these values into and out of its controls.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "settings/options.h"
#include "settings/text_font.h"
#include "util/ini.h"

namespace qv {

class HotkeyTable;

// An up-down control's range and step.
struct UpDownRange {
  int low;
  int high;
  int step;
  int Clamp(int value) const { return value < low ? low : value > high ? high : value; }
};
inline constexpr UpDownRange kTransparentRange{0, 90, 1};
inline constexpr UpDownRange kSnapValueRange{1, 50, 1};
inline constexpr UpDownRange kSlotsCountRange{1, 1000, 1};
inline constexpr UpDownRange kSlotsPageRange{1, 5, 1};
inline constexpr UpDownRange kSlotSizeRange{100, 10000, 100};  // kB
inline constexpr UpDownRange kTextSizeRange{20, 2000, 10};     // pixels

// The fixed drop-down lists, in item order.
const std::array<std::string_view, 3>& AlignItems();
const std::array<std::string_view, 2>& TextViewItems();
const std::array<std::string_view, 3>& TextPictViewItems();
const std::array<std::string_view, 13>& SeparatorItems();
const std::array<std::string_view, 5>& PictSizeItems();
// The picture size option of each item of PictSizeItems.
inline constexpr std::array<int16_t, 5> kPictSizes{40, 60, 80, 100, 120};
// The item the size list shows before any value selected one.
inline constexpr int kPictSizeDesignItem = 1;

struct ParamControls {
  // Main settings
  bool autoran = false;   // cbAutoran
  bool minimized = true;  // cbMinimized
  bool autohide = false;  // cbAutohide
  int align = 0;          // cmAlign item; -1 none
  bool snap = false;      // cbSnap
  int snapValue = 8;      // udSnapValue
  int transparent = 0;    // udTransparent
  // Slots
  int slotsCount = 15;    // udSlotsCount
  int slotsPage = 5;      // udSlotsPage
  bool diskSlots = true;  // cbDiskSlots
  int slotSize = 1000;    // udSlotSize, kB
  bool saveSlots = true;  // cbSaveSlots
  bool noDouble = false;  // cbNoDouble
  // Text
  int textWidth = 290;      // udTextWidth
  int textHeight = 180;     // udTextHeight
  TextFont font;            // lbTextFont's font
  int textView = 0;         // cmTextView item; -1 none
  int textPictView = 0;     // cmTextPictView item; -1 none
  int separator = 9;        // cmSeparator item
  bool transpText = false;  // cbTranspText
  // Image
  int pictSize = kPictSizeDesignItem;  // cmPictSize item
  uint32_t background = 0x00FFFFFF;    // pnPictGround, 0x00BBGGRR
  bool transpPict = false;             // cbTranspPict
  // Advanced
  bool pathFiles = true;         // cbPathFiles
  bool autoBrowser = false;      // cbAutoBrowser
  bool autoMail = false;         // cbAutoMail
  bool balloon = true;           // cbBalloon
  bool balloonCondition = true;  // cbBalloonCondition
  bool styleMenus = true;        // cbStyleMenus
  bool toolbarHints = true;      // cbToolbarHints
  bool sound = false;            // cbSound
  std::string soundFile;         // edSound, UTF-8

  bool operator==(const ParamControls&) const = default;
};

// Fills the controls from the options in memory and, for the window-level
// options (transparencies, docking) and those that wait for the next start
// (picture size, menu styles), from the file. The window-level values read
// from the file become the options in memory, as the windows apply them.
// A picture size the list lacks leaves its selection as it was.
void ShowOptions(Options& memory, const IniDocument& file, ParamControls& controls);

// Writes every control's option in the dialog's order, the hotkey table after
// main/align. A list without a selection leaves its key as it was.
void SaveOptions(const ParamControls& controls, const HotkeyTable& hotkeys, IniDocument& doc);

}  // namespace qv
