#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "hotkeys/operations.h"
#include "lang/language_text.h"
#include "lang/languages.h"
#include "ui/command_ids.h"
#include "ui/form_texts.h"

namespace qv {
namespace {

const ComponentTexts* const kWindows[] = {&MainFormTexts(), &ParamFormTexts(), &SaveSetFormTexts(),
                                          &LoadSetFormTexts()};

std::filesystem::path ShippedLanguages() {
  return std::filesystem::path(QV_SOURCE_DIR) / "languages";
}

// The keys a translation must give: every recorded text that is not empty.
std::vector<std::string> TranslatableKeys(const ComponentTexts& window) {
  DefaultTexts defaults;
  CaptureDefaultTexts(window, defaults);
  std::vector<std::string> keys;
  for (const DefaultText& d : defaults) {
    if (d.text.empty()) continue;
    if (window.name == "MainForm" && d.key == "Title") continue;  // never translated
    keys.push_back(d.key);
  }
  return keys;
}

TEST(FormTexts, EveryShippedLanguageTranslatesEveryTextOfTheFourWindows) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(ShippedLanguages()))
    if (entry.path().extension() == ".lng") files.push_back(entry.path());
  ASSERT_FALSE(files.empty());
  std::vector<std::string> mainExtras = {"strings",   "words",     "chars",     "width",   "height",
                                         "binary",    "emptyslot", "emptyclip", "memsize", "find",
                                         "firstrun1", "firstrun2", "firstrun3"};
  for (const auto& path : files) {
    const IniDocument file = LoadLanguageFile(path);
    EXPECT_NE(LanguageValue(file, "info", "language"), "") << path;
    for (const ComponentTexts* window : kWindows) {
      std::vector<std::string> keys = TranslatableKeys(*window);
      if (window->name == "MainForm") keys.insert(keys.end(), mainExtras.begin(), mainExtras.end());
      for (const std::string& key : keys)
        EXPECT_NE(LanguageValue(file, window->name, key), "")
            << path.filename() << ": [" << window->name << "] " << key;
      // A key no window has any more is a translation nobody sees.
      const std::set<std::string> known(keys.begin(), keys.end());
      for (const std::string& key : file.Keys(window->name))
        EXPECT_TRUE(known.count(key)) << path.filename() << ": [" << window->name << "] " << key;
    }
  }
}

TEST(FormTexts, TheShippedGermanIsListedAsDeutsch) {
  Languages languages(ShippedLanguages().parent_path());
  languages.ScanLanguages();
  EXPECT_EQ(languages.LanguageFileName("Deutsch"), "de.lng");
  ComponentTexts dialog = ParamFormTexts();
  DefaultTexts defaults;
  CaptureDefaultTexts(dialog, defaults);
  languages.ApplyLanguage("Deutsch", dialog, defaults);
  EXPECT_EQ(DefaultCaption(dialog, "btCancel"), "Abbrechen");
  const auto slotTexts = languages.LoadSlotTexts("de.lng");
  ASSERT_TRUE(slotTexts);
  EXPECT_EQ(slotTexts->words, "W\xC3\xB6rter") << "read as UTF-8";
}

TEST(FormTexts, EveryMenuCommandHasAName) {
  const ComponentTexts& main = MainFormTexts();
  for (std::string_view menu : kMainMenus) {
    const ComponentTexts* model = FindComponent(main, menu);
    ASSERT_NE(model, nullptr) << menu;
    ASSERT_FALSE(model->owned.empty()) << menu;
    for (const ComponentTexts& item : model->owned) {
      if (item.text.empty()) continue;  // separator
      EXPECT_TRUE(item.name.starts_with("mi")) << menu << ": " << item.text;
      for (const ComponentTexts& sub : item.owned)
        EXPECT_TRUE(sub.name.starts_with("mi")) << menu << ": " << sub.text;
    }
  }
  EXPECT_EQ(MenuItemName("pmSlotSet", kCmdLoadSet0 + 12), "miSet12");
  EXPECT_EQ(MenuItemName("pmSlot", kCmdLoadSet0), "");
  EXPECT_EQ(MenuItemName("pmTray", kCmdPaste), "");
  EXPECT_EQ(MenuItemName("pmClipboard", kCmdPaste), "miPasteCB");
  EXPECT_EQ(MenuItemName("pmSlot", kCmdPaste), "miPaste");
}

TEST(FormTexts, AMenuShowsTheWindowsTextsWithItsShortcutsAndSetNames) {
  ComponentTexts main = MainFormTexts();
  DefaultTexts defaults;
  CaptureDefaultTexts(main, defaults);
  ApplyLanguageFile(main,
                    IniDocument::Parse("[MainForm]\nmiConfig=&Einstellungen...\nmiLoadSet=&Sets\n"
                                       "miSaveSet=Speichern\nmiSet0=never\n"),
                    defaults);
  Menu param = ParamMenu();
  TranslateMenu(param, "pmParam", main);
  EXPECT_EQ(param[0].caption, "&Einstellungen...\tF9");
  EXPECT_EQ(param[1].caption, "&Help\tF1");
  Menu sets = SlotSetMenu({"mine"});
  TranslateMenu(sets, "pmSlotSet", main);
  ASSERT_EQ(sets.size(), 5u);  // load slot, separator, sets, save set, manager
  const MenuItem& load = sets[2];
  EXPECT_EQ(load.caption, "&Sets");
  ASSERT_EQ(load.submenu.size(), 1u);
  EXPECT_EQ(load.submenu[0].caption, "mine");
  EXPECT_EQ(sets[3].caption, "Speichern");
  EXPECT_EQ(sets[4].caption, "Sets &manager...");
  Menu tray = TrayMenu();
  TranslateMenu(tray, "pmNone", main);
  EXPECT_EQ(tray[0].caption, TrayMenu()[0].caption);
}

TEST(FormTexts, TranslatedTreeNodesBecomeTheHotkeyTexts) {
  ComponentTexts dialog = ParamFormTexts();
  DefaultTexts defaults;
  CaptureDefaultTexts(dialog, defaults);
  std::string file = "[ParamForm]\n";
  for (int i = 0; i < kHotkeyTreeNodeCount; ++i)
    file += "tvHot.Item" + std::to_string(i) + "=N" + std::to_string(i) + "\n";
  ApplyLanguageFile(dialog, IniDocument::Parse(file), defaults);
  const HotkeyTexts texts = HotkeyTextsFromTree(FindComponent(dialog, "tvHot")->items);
  EXPECT_EQ(texts.groups[static_cast<size_t>(HotkeyGroup::Main)], "N0");
  EXPECT_EQ(texts.operations[0], "N1");
  EXPECT_EQ(texts.groups[static_cast<size_t>(HotkeyGroup::Text)], "N8");
  EXPECT_EQ(texts.operations[7], "N9");
  EXPECT_EQ(texts.groups[static_cast<size_t>(HotkeyGroup::Paste)], "N22");
  EXPECT_EQ(texts.operations[23], "N27");
  // English nodes give the English texts; a short list keeps the rest.
  const HotkeyTexts english = HotkeyTexts::English();
  const HotkeyTexts same = HotkeyTextsFromTree(FindComponent(ParamFormTexts(), "tvHot")->items);
  EXPECT_EQ(same.groups, english.groups);
  EXPECT_EQ(same.operations, english.operations);
  EXPECT_EQ(HotkeyTextsFromTree({"Haupt"}).operations, english.operations);
  std::vector<std::string> longer(kHotkeyTreeNodeCount + 3, "x");
  EXPECT_EQ(HotkeyTextsFromTree(longer).operations.back(), "x") << "extra nodes are ignored";
}

}  // namespace
}  // namespace qv
