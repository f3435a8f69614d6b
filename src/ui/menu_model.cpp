#include "ui/menu_model.h"

#include <algorithm>

#include "ui/command_ids.h"
#include "settings/options.h"

namespace qv {
namespace {

MenuItem Item(uint16_t id, const char* caption, bool enabled = true) {
  MenuItem item;
  item.id = id;
  item.caption = caption;
  item.enabled = enabled;
  return item;
}

MenuItem Check(uint16_t id, const char* caption, bool checked, bool radio = false) {
  MenuItem item = Item(id, caption);
  item.checked = checked;
  item.radio = radio;
  return item;
}

// Groups joined by separators; empty groups (all items hidden) leave no
// separator behind.
Menu Join(std::initializer_list<Menu> groups) {
  Menu menu;
  for (const Menu& group : groups) {
    if (group.empty()) continue;
    if (!menu.empty()) menu.push_back(MenuItem{});
    menu.insert(menu.end(), group.begin(), group.end());
  }
  return menu;
}

MenuItem TextConversionSubmenu() {
  MenuItem item = Item(kCmdTextConversion, "T&ext conversion");
  uint16_t id = kCmdTextConversion0;
  for (const char* c : {"all to lowercase", "ALL TO UPPERCASE", "Begin With Uppercase",
                        "iNVERT tHE cASE", "Like in a sentence.", "&rAnDOm CaSe"})
    item.submenu.push_back(Item(id++, c));
  return item;
}

MenuItem ImageTransformationSubmenu() {
  MenuItem item = Item(kCmdImageTransformation, "&Image transformation");
  uint16_t id = kCmdPictureTransform0;
  for (const char* c : {"Rotate to the &left", "Rotate to the &right", "Rotate upside down",
                        "Flip &vertically", "Flip &horizontally", "&Invert colors"})
    item.submenu.push_back(Item(id++, c));
  return item;
}

}  // namespace

Menu ClipboardMenu(const SlotMenuItems& shown) {
  MenuItem paste = Item(kCmdPaste, "&Paste\tEnter");
  paste.isDefault = true;
  Menu conversions;
  if (shown.textConversion) conversions.push_back(TextConversionSubmenu());
  if (shown.imageTransformation) conversions.push_back(ImageTransformationSubmenu());
  Menu saving;
  if (shown.saveAsText) saving.push_back(Item(kCmdSaveText, "Save as &text...\tCtrl+T"));
  if (shown.saveAsImage) saving.push_back(Item(kCmdSaveImage, "Save as an &image...\tCtrl+I"));
  saving.push_back(Item(kCmdSaveSlot, "Save as a &slot...\tCtrl+S"));
  return Join({{paste},
               conversions,
               saving,
               {Item(kCmdSlotUp, "Slot &up\tCtrl+Up"), Item(kCmdSlotDown, "Slot &down\tCtrl+Down")},
               {Item(kCmdClearClipboard, "&Clear the clipboard\tDel")}});
}

Menu SlotMenu(const SlotMenuItems& shown) {
  MenuItem paste = Item(kCmdPaste, "&Paste\tEnter");
  paste.isDefault = true;
  Menu use = {paste, Item(kCmdCopy, "&Copy to the clipboard\tCtrl+C"),
              Item(kCmdSwap, "S&wap with the clipboard\tCtrl+X")};
  if (shown.addTextToClipboard)
    use.push_back(Item(kCmdAddText, "&Add text to the clipboard\tCtrl+V"));
  Menu saving;
  if (shown.saveAsText) saving.push_back(Item(kCmdSaveText, "Save as &text...\tCtrl+T"));
  if (shown.saveAsImage) saving.push_back(Item(kCmdSaveImage, "Save as an &image...\tCtrl+I"));
  saving.push_back(Item(kCmdSaveSlot, "Save as a &slot...\tCtrl+S"));
  return Join({use,
               saving,
               {Item(kCmdSlotUp, "Slot &up\tCtrl+Up"), Item(kCmdSlotDown, "Slot &down\tCtrl+Down")},
               {Item(kCmdDeleteSlot, "&Delete slot\tDel")}});
}

Menu SlotSetMenu(const std::vector<std::string>& setNames) {
  MenuItem load = Item(kCmdLoadSetMenu, "L&oad a slots set");
  const size_t shown = std::min<size_t>(setNames.size(), kMaxSetMenuItems);
  for (size_t i = 0; i < shown; ++i) {
    // A set's name is shown as typed: "&" is no accelerator there.
    std::string caption;
    for (char c : setNames[i]) caption += c == '&' ? std::string("&&") : std::string(1, c);
    load.submenu.push_back(Item(static_cast<uint16_t>(kCmdLoadSet0 + i), caption.c_str()));
  }
  if (load.submenu.empty()) load.submenu.push_back(Item(kCmdNoSet, "<NO SETS>", false));
  return Join({{Item(kCmdLoadSlot, "&Load a slot...")},
               {load, Item(kCmdSaveSet, "&Save a slots set..."),
                Item(kCmdSetsManager, "Sets &manager...")}});
}

Menu TransparencyMenu(int percent) {
  Menu menu;
  static const char* kCaptions[] = {"&0%",  "&10%", "&20%", "&30%", "&40%",
                                    "&50%", "&60%", "&70%", "&80%", "&90%"};
  for (int i = 0; i < 10; ++i)
    menu.push_back(
        Check(static_cast<uint16_t>(kCmdTransparency0 + i), kCaptions[i], percent == i * 10, true));
  return menu;
}

Menu ParamMenu() {
  return {Item(kCmdSettings, "&Settings...\tF9"), Item(kCmdHelp, "&Help\tF1"),
          Item(kCmdAbout, "&About..."), Item(kCmdFind, "&Find...\tCtrl+F")};
}

Menu FastMenu(const Options& o) {
  return Join({{Check(kCmdPlace1, "Place &near a system tray", o.align == 1, true),
                Check(kCmdPlace2, "Align window to the &top", o.align == 2, true),
                Check(kCmdPlace3, "Align window to the &bottom", o.align == 3, true)},
               {Check(kCmdOpenLinks, "Open &links in the browser", o.url),
                Check(kCmdCreateMessages, "Create &messages for e-mail addresses", o.mail),
                Check(kCmdPlaySound, "Play a &sound at copying", o.playsound)},
               {Check(kCmdNoDouble, "&Do not add identical slots", o.nodouble),
                Check(kCmdShowPaths, "Show &paths for copied files", o.pathfiles)}});
}

Menu TrayMenu() {
  return Join({{Item(kCmdHelpTray, "&Help"), Item(kCmdAbout, "&About...")},
               {Item(kCmdShowHide, "Main &window"), Item(kCmdSettings, "S&ettings...")},
               {Item(kCmdPrevious, "&Previous slot"), Item(kCmdNext, "&Next slot")},
               {Item(kCmdExit, "&Exit")}});
}

}  // namespace qv
