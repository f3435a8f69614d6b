#include "ui/param_controls.h"

#include <algorithm>

#include "hotkeys/hotkey_table.h"

namespace qv {
namespace {

// Item of a 1-based option in a list of `count` items; -1 outside.
int ItemOf(int value, int count) {
  return value >= 1 && value <= count ? value - 1 : -1;
}

int PictSizeItem(int16_t size, int current) {
  for (size_t i = 0; i < kPictSizes.size(); ++i)
    if (kPictSizes[i] == size) return static_cast<int>(i);
  return current;
}

// Options holding the controls' values, for the option table's encodings.
Options FromControls(const ParamControls& c) {
  Options o;
  o.autohide = c.autohide;
  o.transparent = c.transparent;
  o.minimized = c.minimized;
  o.autoran = c.autoran;
  o.count = static_cast<uint16_t>(c.slotsCount);
  o.page = static_cast<uint8_t>(c.slotsPage);
  o.maxsize = static_cast<uint64_t>(c.slotSize) * 1024u;
  o.write2disk = c.diskSlots;
  o.saveslots = c.saveSlots;
  o.nodouble = c.noDouble;
  o.align = static_cast<uint8_t>(c.align + 1);
  o.textWidth = static_cast<uint16_t>(c.textWidth);
  o.textHeight = static_cast<uint16_t>(c.textHeight);
  o.textTransparent = c.transpText;
  o.fontname = c.font.name;
  o.fontsize = c.font.size;
  o.fontcolor = c.font.color;
  o.fontbold = c.font.bold;
  o.fontitalic = c.font.italic;
  o.fontunderline = c.font.underline;
  o.fontstrike = c.font.strike;
  o.separator = static_cast<uint8_t>(c.separator);
  o.textview = static_cast<uint8_t>(c.textView + 1);
  o.textpictview = static_cast<uint8_t>(c.textPictView + 1);
  o.pictureSize = kPictSizes[static_cast<size_t>(c.pictSize)];
  o.background = c.background;
  o.pictureTransparent = c.transpPict;
  o.mail = c.autoMail;
  o.url = c.autoBrowser;
  o.ballonHint = c.balloon;
  o.ballonCondition = c.balloonCondition;
  o.stylemenus = c.styleMenus;
  o.toolbarhints = c.toolbarHints;
  o.pathfiles = c.pathFiles;
  o.snap = c.snap;
  o.snapvalue = c.snapValue;
  o.playsound = c.sound;
  o.sound = c.soundFile;
  return o;
}

}  // namespace

const std::array<std::string_view, 3>& AlignItems() {
  static const std::array<std::string_view, 3> items{"Next to the system tray", "Align to the top",
                                                     "Align to the bottom"};
  return items;
}

const std::array<std::string_view, 2>& TextViewItems() {
  static const std::array<std::string_view, 2> items{"Text with statistics", "Only text"};
  return items;
}

const std::array<std::string_view, 3>& TextPictViewItems() {
  static const std::array<std::string_view, 3> items{"Text and image", "Text with statistics",
                                                     "Only text"};
  return items;
}

const std::array<std::string_view, 13>& SeparatorItems() {
  static const std::array<std::string_view, 13> items{
      "(None)", "1 space", "2 space",     "4 space",     "8 space",     "1 tab",      "2 tab",
      "3 tab",  "4 tab",   "1 paragraph", "2 paragraph", "3 paragraph", "4 paragraph"};
  return items;
}

const std::array<std::string_view, 5>& PictSizeItems() {
  static const std::array<std::string_view, 5> items{"160 x 120 pixels", "240 x 180 pixels",
                                                     "320 x 240 pixels", "400 x 300 pixels",
                                                     "480 x 360 pixels"};
  return items;
}

void ShowOptions(Options& memory, const IniDocument& file, ParamControls& c) {
  // The file's values with the option table's defaults and clamping.
  Options saved;
  OptionTable::ReadAll(file, saved);

  c.minimized = memory.minimized;
  c.saveSlots = memory.saveslots;
  // Read as a 16-bit unsigned number: a negative value is large and becomes 90.
  const auto transparent = static_cast<uint16_t>(IniInteger(file, "main", "transparent", 0));
  c.transparent = std::min<int>(transparent, kTransparentRange.high);
  memory.transparent = c.transparent;
  c.transpText = memory.textTransparent = saved.textTransparent;
  c.transpPict = memory.pictureTransparent = saved.pictureTransparent;

  c.autohide = memory.autohide;
  c.align = ItemOf(memory.align, static_cast<int>(AlignItems().size()));
  c.autoran = saved.autoran;

  c.slotsCount = kSlotsCountRange.Clamp(memory.count);
  c.slotsPage = kSlotsPageRange.Clamp(memory.page);
  c.slotSize =
      kSlotSizeRange.Clamp(static_cast<int>(std::min<uint64_t>(memory.maxsize / 1024, 1u << 30)));
  c.diskSlots = memory.write2disk;
  c.noDouble = memory.nodouble;

  c.textWidth = kTextSizeRange.Clamp(memory.textWidth);
  c.textHeight = kTextSizeRange.Clamp(memory.textHeight);
  c.separator = saved.separator;
  c.font = TextFontFromOptions(memory);
  c.textView = ItemOf(memory.textview, static_cast<int>(TextViewItems().size()));
  c.textPictView = ItemOf(memory.textpictview, static_cast<int>(TextPictViewItems().size()));

  // Memory holds the size this run started with; the file the next start's.
  c.pictSize = PictSizeItem(saved.pictureSize, c.pictSize);
  c.background = memory.background;

  c.autoMail = memory.mail;
  c.autoBrowser = memory.url;
  c.balloon = memory.ballonHint;
  c.balloonCondition = memory.ballonCondition;
  c.styleMenus = saved.stylemenus;
  c.toolbarHints = memory.toolbarhints;
  c.pathFiles = memory.pathfiles;

  c.snap = memory.snap = saved.snap;
  c.snapValue = memory.snapvalue = kSnapValueRange.Clamp(saved.snapvalue);

  c.sound = memory.playsound;
  c.soundFile = memory.sound;
}

void SaveOptions(const ParamControls& c, const HotkeyTable& hotkeys, IniDocument& doc) {
  const Options o = FromControls(c);
  auto write = [&](const char* section, const char* key) {
    OptionTable::Write(doc, {section, key}, o);
  };
  for (const char* key : {"autohide", "transparent", "minimized", "autoran"}) write("main", key);
  for (const char* key : {"count", "page", "maxsize", "write2disk", "saveslots"})
    write("slots", key);
  write("main", "nodouble");
  if (c.align >= 0) write("main", "align");
  hotkeys.WriteHotkeys(doc);
  for (const char* key : {"width", "height", "transparent", "fontname", "fontsize", "fontcolor",
                          "fontbold", "fontitalic", "fontunderline", "fontstrike", "separator"})
    write("text", key);
  if (c.textView >= 0) write("text", "textview");
  if (c.textPictView >= 0) write("text", "textpictview");
  for (const char* key : {"size", "background", "transparent"}) write("picture", key);
  for (const char* key : {"mail", "url"}) write("actions", key);
  for (const char* key : {"ballon.hint", "ballon.condition", "stylemenus", "toolbarhints",
                          "pathfiles", "snap", "snapvalue", "playsound", "sound"})
    write("addition", key);
}

}  // namespace qv
