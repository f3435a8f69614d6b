#pragma once
// Every setting of options.cfg outside the hotkeys section, declared once:
// section, key, in-memory width, default and clamping.
#include <cstdint>
#include <string>
#include <vector>

#include "util/ini.h"

namespace qv {

struct Options {
  // [main]
  bool autohide = false;
  int32_t transparent = 0;  // percent; the settings dialog applies at most 90
  bool minimized = true;
  bool autoran = false;
  uint8_t align = 1;  // 1 next to the tray, 2 top edge fixed, 3 bottom edge fixed
  int32_t top = 100;
  int32_t left = 100;
  int32_t height = 387;  // client height
  int32_t width = 294;   // client width, at least 294
  bool firstrun = false;
  bool nodouble = false;
  std::string language;  // file name of the .lng file, UTF-8
  // [slots]
  uint16_t count = 15;  // saved slots besides Slot 0, 1-1000
  uint8_t page = 5;     // visible saved slots, 1-5
  bool saveslots = true;
  bool write2disk = true;
  uint64_t maxsize = 1000 * 1024;  // bytes; the file holds kilobytes, at least 100
  // [text]
  uint16_t textWidth = 290;   // 20-2000
  uint16_t textHeight = 180;  // 20-2000
  bool textTransparent = false;
  std::string fontname = "Tahoma";
  int32_t fontsize = 8;
  uint32_t fontcolor = 0x00000000;
  bool fontbold = false;
  bool fontitalic = false;
  bool fontunderline = false;
  bool fontstrike = false;
  uint8_t separator = 9;  // 0-12; above 12 becomes 9
  uint8_t textview = 1;
  uint8_t textpictview = 1;
  // [picture]
  int16_t pictureSize = 60;
  uint32_t background = 0x00FFFFFF;
  bool pictureTransparent = false;
  // [actions]
  bool mail = false;
  bool url = false;
  // [addition]
  bool ballonHint = true;
  bool ballonCondition = true;
  bool stylemenus = true;
  bool toolbarhints = true;
  bool pathfiles = true;
  bool snap = false;
  int32_t snapvalue = 8;
  bool playsound = false;
  std::string sound;  // full path, UTF-8
  // [param]
  int32_t paramLeft = 160;
  int32_t paramTop = 120;
};

// One key of the table.
struct OptionKey {
  const char* section;
  const char* key;
};

// Reads one option from a loaded file, with its default and clamping.
// `name` is the Options member's key as "section/key".
class OptionTable {
 public:
  // Reads every key of the table into `options`, clamped; missing keys keep defaults.
  static void ReadAll(const IniDocument& doc, Options& options);
  // Writes one key from `options` into the document, encoded as the file expects.
  static bool Write(IniDocument& doc, const OptionKey& key, const Options& options);
  // All keys, in table order.
  static std::vector<OptionKey> Keys();
};

}  // namespace qv
