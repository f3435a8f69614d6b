#include "ui/form_texts.h"

#include <algorithm>
#include <array>
#include <utility>

#include "hotkeys/modifiers.h"
#include "hotkeys/operations.h"
#include "settings/options.h"
#include "ui/command_ids.h"
#include "ui/param_controls.h"
#include "ui/param_rules.h"

namespace qv {
namespace {

struct NamedText {
  std::string_view name;
  std::string_view text;
  std::string_view hint = {};
};

ComponentTexts Named(const NamedText& n) {
  ComponentTexts c;
  c.name = n.name;
  c.text = n.text;
  c.hint = n.hint;
  return c;
}

template <size_t N>
std::vector<std::string> Items(const std::array<std::string_view, N>& items) {
  return {items.begin(), items.end()};
}

// ---- The main window ----

constexpr std::array<std::string_view, 10> kToolButtonHints = {"Parameters...",
                                                               "Quick settings...",
                                                               "Transparency...",
                                                               "Previous slot",
                                                               "Management of slots...",
                                                               "Clear all slots",
                                                               "Next slot",
                                                               "Minimize",
                                                               "Hide automatically",
                                                               "Exit"};

struct MenuName {
  uint16_t id;
  std::string_view name;
};
struct MenuNames {
  std::string_view menu;
  std::vector<MenuName> items;
};

const std::vector<MenuNames>& MenuNameTable() {
  static const std::vector<MenuNames> table = {
      {"pmClipboard",
       {{kCmdPaste, "miPasteCB"},
        {kCmdTextConversion, "miText"},
        {kCmdTextConversion0 + 0, "miTextDown"},
        {kCmdTextConversion0 + 1, "miTextUp"},
        {kCmdTextConversion0 + 2, "miTextWord"},
        {kCmdTextConversion0 + 3, "miTextInvert"},
        {kCmdTextConversion0 + 4, "miTextSentence"},
        {kCmdTextConversion0 + 5, "miTextRandom"},
        {kCmdImageTransformation, "miPict"},
        {kCmdPictureTransform0 + 0, "miPictLeft"},
        {kCmdPictureTransform0 + 1, "miPictRight"},
        {kCmdPictureTransform0 + 2, "miPict180"},
        {kCmdPictureTransform0 + 3, "miPictVert"},
        {kCmdPictureTransform0 + 4, "miPictHor"},
        {kCmdPictureTransform0 + 5, "miPictInvert"},
        {kCmdSaveText, "miSaveTextCB"},
        {kCmdSaveImage, "miSavePictCB"},
        {kCmdSaveSlot, "miSaveSlotCB"},
        {kCmdSlotUp, "miSlotUpCB"},
        {kCmdSlotDown, "miSlotDownCB"},
        {kCmdClearClipboard, "miClearCB"}}},
      {"pmSlot",
       {{kCmdPaste, "miPaste"},
        {kCmdCopy, "miCopy"},
        {kCmdSwap, "miSwap"},
        {kCmdAddText, "miAddText"},
        {kCmdSaveText, "miSaveText"},
        {kCmdSaveImage, "miSavePict"},
        {kCmdSaveSlot, "miSaveSlot"},
        {kCmdSlotUp, "miSlotUp"},
        {kCmdSlotDown, "miSlotDown"},
        {kCmdDeleteSlot, "miDeleteSlot"}}},
      {"pmSlotSet",
       {{kCmdLoadSlot, "miLoadSlot"},
        {kCmdLoadSetMenu, "miLoadSet"},
        {kCmdNoSet, "miNoSet"},
        {kCmdSaveSet, "miSaveSet"},
        {kCmdSetsManager, "miSetsManager"}}},
      {"pmTransp",
       {{kCmdTransparency0 + 0, "miTransp0"},
        {kCmdTransparency0 + 1, "miTransp10"},
        {kCmdTransparency0 + 2, "miTransp20"},
        {kCmdTransparency0 + 3, "miTransp30"},
        {kCmdTransparency0 + 4, "miTransp40"},
        {kCmdTransparency0 + 5, "miTransp50"},
        {kCmdTransparency0 + 6, "miTransp60"},
        {kCmdTransparency0 + 7, "miTransp70"},
        {kCmdTransparency0 + 8, "miTransp80"},
        {kCmdTransparency0 + 9, "miTransp90"}}},
      {"pmParam",
       {{kCmdSettings, "miConfig"},
        {kCmdHelp, "miHelp"},
        {kCmdAbout, "miAbout"},
        {kCmdFind, "miFind"}}},
      {"pmFast",
       {{kCmdPlace1, "miPlace1"},
        {kCmdPlace2, "miPlace2"},
        {kCmdPlace3, "miPlace3"},
        {kCmdOpenLinks, "miURL"},
        {kCmdCreateMessages, "miMail"},
        {kCmdPlaySound, "miSound"},
        {kCmdNoDouble, "miNoDouble"},
        {kCmdShowPaths, "miShowPath"}}},
      {"pmTray",
       {{kCmdHelpTray, "miHelpTray"},
        {kCmdAbout, "miAboutTray"},
        {kCmdShowHide, "miWindow"},
        {kCmdSettings, "miConfigTray"},
        {kCmdPrevious, "miPrevSlot"},
        {kCmdNext, "miNextSlot"},
        {kCmdExit, "miExit"}}},
  };
  return table;
}

// "&Paste\tEnter": the caption a translation replaces, and the shortcut text.
std::pair<std::string, std::string> SplitShortcut(const std::string& caption) {
  const size_t tab = caption.find('\t');
  if (tab == std::string::npos) return {caption, {}};
  return {caption.substr(0, tab), caption.substr(tab)};
}

ComponentTexts MenuComponent(std::string_view menu, const Menu& items) {
  ComponentTexts c;
  c.name = menu;
  for (const MenuItem& item : items) {
    ComponentTexts entry;
    if (!item.IsSeparator()) {
      entry.name = MenuItemName(menu, item.id);
      entry.text = SplitShortcut(item.caption).first;
    }
    for (const MenuItem& sub : item.submenu) {
      ComponentTexts subEntry;
      subEntry.name = MenuItemName(menu, sub.id);
      subEntry.text = SplitShortcut(sub.caption).first;
      entry.owned.push_back(std::move(subEntry));
    }
    c.owned.push_back(std::move(entry));
  }
  return c;
}

ComponentTexts BuildMainForm() {
  ComponentTexts form;
  form.name = "MainForm";
  form.text = "Quorvane";
  for (size_t i = 0; i < kToolButtonHints.size(); ++i)
    form.owned.push_back(Named({kToolButtonNames[i], "", kToolButtonHints[i]}));
  SlotMenuItems all;
  all.textConversion = all.imageTransformation = all.saveAsText = all.saveAsImage =
      all.addTextToClipboard = true;
  const Menu menus[] = {ClipboardMenu(all),  SlotMenu(all), SlotSetMenu({}),
                        TransparencyMenu(0), ParamMenu(),   FastMenu(Options{}),
                        TrayMenu()};
  for (size_t i = 0; i < std::size(kMainMenus); ++i)
    form.owned.push_back(MenuComponent(kMainMenus[i], menus[i]));
  return form;
}

// ---- The settings dialog, in creation order ----

constexpr NamedText kParamTop[] = {
    {"lbReload", "* Restart the program to apply"},
    {"btOk", "OK"},
    {"btCancel", "Cancel"},
    {"btApply", "Apply"},
    {"btHelp", "Help"},
    // Main settings
    {"gbStart", "Program launch"},
    {"cbAutoran", "Start &automatically"},
    {"cbMinimized", "Start &minimized"},
    {"gbWindowProp", "Main window settings"},
    {"cbAutohide", "&Hide automatically"},
    {"lbAlign", "Window position:"},
    {"cmAlign", ""},
    {"cbSnap", "&Dock to screen edges"},
    {"lbSnapValue", "Dock within"},
    {"lbSnapPixels", "pixels"},
    {"lbTransparency", "Window transparency"},
    {"lbTransp", "%"},
    {"lbLanguage", "Language:"},
    {"cmLanguage", ""},
    // Slots
    {"gbSlotsAmount", "Number of slots"},
    {"lbSlotsCount", "Total number of slots"},
    {"lbSlotsPage", "Slots visible in the window"},
    {"gbSlotsWriting", "Saving slots"},
    {"cbDiskSlots", "&Save slots to the disk"},
    {"lbSlotSize", "If the size is larger than"},
    {"lbSlotSizeEd", "kB"},
    {"cbSaveSlots", "Save slots on &exit"},
    {"cbNoDouble", "Do not add &identical slots"},
    // Text
    {"gbTextViewSize", "Text view window size"},
    {"lbTextWidth", "Width"},
    {"lbTextWidthPixels", "pixels"},
    {"lbTextHeight", "Height"},
    {"lbTextHeightPixels", "pixels"},
    {"gbTextFont", "Text view window font"},
    {"lbTextFont", "Plain text font"},
    {"gbTextSlots", "Text slots"},
    {"lbTextView", "Text slot:"},
    {"cmTextView", ""},
    {"lbTextPictView", "Text and image slot:"},
    {"cmTextPictView", ""},
    {"gbSeparator", "Text delimiter"},
    {"cmSeparator", ""},
    {"gbTranspText", "Text view window transparency"},
    {"cbTranspText", "&Transparency as for the main window"},
    // Image
    {"gbPictSize", "Image view window size * "},
    {"cmPictSize", ""},
    {"gbPictGround", ""},
    {"lbPictGround", "Background color:"},
    {"gbTranspPict", "Image view window transparency"},
    {"cbTranspPict", "&Transparency as for the main window"},
    // Advanced
    {"gbPathFiles", "Copied files and folders"},
    {"cbPathFiles", "Show &paths"},
    {"gbActions", "Clipboard actions"},
    {"cbAutoBrowser", "Open &links in the browser"},
    {"cbAutoMail", "Create &messages for e-mail addresses"},
    {"gbBalloon", "Balloon hint for the tray icon"},
    {"cbBalloon", "Use &balloon hints"},
    {"cbBalloonCondition", "&Only if the main window is hidden"},
    {"gbDecoration", "Appearance"},
    {"cbStyleMenus", "Use &styles for menus *"},
    {"cbToolbarHints", "Show &hints for the toolbar"},
    {"gbSound", "Sound signal"},
    {"cbSound", "Play a sound signal at copying"},
    {"btSound", "...", "Browse..."},
    // Hotkeys
    {"gbHotOperations", "All operations"},
    {"tvHot", ""},
    {"gbHotManagement", "Hotkey management"},
    {"cmHot", ""},
    {"btAddHot", "Create / Change"},
    {"btRemoveHot", "Delete"},
    {"gbHotRegister", "Hotkey operations"},
    // About
    {"gbInfo", "Information"},
    {"lbProduct", "Quorvane"},
    {"lbDescription", "Multifunctional clipboard manager"},
    {"lbVersion", "Version 2.1"},
    {"gbFeedback", "Links"},
    {"lbSite", "Program website"},
    {"lbSupport", "Technical support"},
    {"lbDownload", "Download the new version"},
};

std::vector<std::string> HotkeyTreeTexts() {
  const HotkeyTexts english = HotkeyTexts::English();
  std::vector<std::string> nodes;
  for (int index = 0; index < kHotkeyTreeNodeCount; ++index) {
    const HotkeyTreeNode node = *HotkeyTreeNodeAt(index);
    nodes.push_back(node.IsGroup() ? english.groups[static_cast<size_t>(node.group)]
                                   : english.operations[static_cast<size_t>(node.operation - 1)]);
  }
  return nodes;
}

ComponentTexts BuildParamForm() {
  ComponentTexts form;
  form.name = "ParamForm";
  form.text = "Quorvane Settings";
  for (const ParamPage& page : ParamPages())
    form.owned.push_back(Named({page.button, page.caption, ""}));
  for (const NamedText& n : kParamTop) {
    ComponentTexts c = Named(n);
    if (n.name == "cmAlign") c.items = Items(AlignItems());
    if (n.name == "cmTextView") c.items = Items(TextViewItems());
    if (n.name == "cmTextPictView") c.items = Items(TextPictViewItems());
    if (n.name == "cmSeparator") c.items = Items(SeparatorItems());
    if (n.name == "cmPictSize") c.items = Items(PictSizeItems());
    if (n.name == "cmHot")
      for (const ModifierCombo& combo : ModifierCombos()) c.items.emplace_back(combo.text);
    if (n.name == "tvHot") c.items = HotkeyTreeTexts();
    form.owned.push_back(std::move(c));
  }
  return form;
}

// ---- The sets dialogs ----

ComponentTexts BuildForm(std::string_view name, std::string_view title,
                         std::initializer_list<NamedText> components) {
  ComponentTexts form;
  form.name = name;
  form.text = title;
  for (const NamedText& n : components) form.owned.push_back(Named(n));
  return form;
}

const ComponentTexts* Find(const ComponentTexts& c, std::string_view name) {
  if (c.name == name) return &c;
  for (const ComponentTexts& owned : c.owned)
    if (const ComponentTexts* found = Find(owned, name)) return found;
  return nullptr;
}

}  // namespace

const ComponentTexts& MainFormTexts() {
  static const ComponentTexts form = BuildMainForm();
  return form;
}

const ComponentTexts& ParamFormTexts() {
  static const ComponentTexts form = BuildParamForm();
  return form;
}

const ComponentTexts& SaveSetFormTexts() {
  static const ComponentTexts form = BuildForm("SaveSetForm", "Save a slots set",
                                               {{"lbName", "Name of the set:"},
                                                {"lbComment", "Description:"},
                                                {"btSave", "Save"},
                                                {"btCancel", "Cancel"}});
  return form;
}

const ComponentTexts& LoadSetFormTexts() {
  static const ComponentTexts form = BuildForm("LoadSetForm", "Sets manager",
                                               {{"pnNoSets", "<NO SETS>"},
                                                {"lbName", "Name:"},
                                                {"lbCreated", "Created:"},
                                                {"lbCount", "Slots amount:"},
                                                {"lbComment", "Description:"},
                                                {"btLoad", "Load"},
                                                {"btDelete", "Delete"},
                                                {"btApply", "Apply"},
                                                {"btExit", "Exit"}});
  return form;
}

const ComponentTexts* FindComponent(const ComponentTexts& window, std::string_view name) {
  return Find(window, name);
}

const std::string& DefaultCaption(const ComponentTexts& window, std::string_view name) {
  static const std::string none;
  const ComponentTexts* c = FindComponent(window, name);
  return c ? c->text : none;
}

std::string MenuItemName(std::string_view menu, uint16_t id) {
  for (const MenuNames& names : MenuNameTable()) {
    if (names.menu != menu) continue;
    for (const MenuName& n : names.items)
      if (n.id == id) return std::string(n.name);
    // Entries made for the saved sets.
    if (menu == "pmSlotSet" && id >= kCmdLoadSet0 && id < kCmdLoadSet0 + kMaxSetMenuItems)
      return "miSet" + std::to_string(id - kCmdLoadSet0);
  }
  return {};
}

HotkeyTexts HotkeyTextsFromTree(const std::vector<std::string>& nodes) {
  HotkeyTexts texts = HotkeyTexts::English();
  // Nodes past the tree's last one have no place and are ignored.
  for (size_t index = 0; index < nodes.size(); ++index) {
    const auto at = HotkeyTreeNodeAt(static_cast<int>(index));
    if (!at) break;
    const HotkeyTreeNode node = *at;
    std::string& text = node.IsGroup() ? texts.groups[static_cast<size_t>(node.group)]
                                       : texts.operations[static_cast<size_t>(node.operation - 1)];
    text = nodes[index];
  }
  return texts;
}

void TranslateMenu(Menu& items, std::string_view menu, const ComponentTexts& window) {
  const ComponentTexts* model = FindComponent(window, menu);
  if (!model) return;
  auto translate = [&](MenuItem& item) {
    const std::string name = MenuItemName(menu, item.id);
    if (name.empty() || item.IsSeparator()) return;
    for (const ComponentTexts& entry : model->owned) {
      const ComponentTexts* found = Find(entry, name);
      if (!found) continue;
      item.caption = found->text + SplitShortcut(item.caption).second;
      return;
    }
  };
  for (MenuItem& item : items) {
    translate(item);
    for (MenuItem& sub : item.submenu) translate(sub);
  }
}

}  // namespace qv
