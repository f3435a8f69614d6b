#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "lang/component_texts.h"

namespace qv {
namespace {

using Keys = std::vector<std::string>;

ComponentTexts C(std::string name, std::string text = {}, std::string hint = {},
                 std::vector<std::string> items = {}, std::vector<ComponentTexts> owned = {}) {
  return {std::move(name), std::move(text), std::move(hint), std::move(items), std::move(owned)};
}

// A window with one component of each kind the walk knows, and some it does not.
ComponentTexts Window(std::string name = "TestForm") {
  return C(
      std::move(name), "Caption", "", {},
      {C("gbGroup", "Group", "", {}, {C("cbInner", "Inner")}), C("lbLabel", "Label"),
       C("cbCheck", "Check"), C("cmList", "", "", {"one", "two"}),
       C("cmLanguage", "", "", {"English", "Deutsch"}), C("btPush", "Push", "Push hint"),
       C("btQuiet", "Quiet"), C("sbPage", "Page"), C("fbFlat", "flat caption", "Flat hint"),
       C("pmMenu", "", "", {},
         {C("miOpen", "&Open", "", {},
            {C("miSub", "Sub"), C("miSet0", "a saved set"), C("miSetsManager", "Sets")}),
          C("", ""),  // separator
          C("miSetsTop", "Top-level items keep their key")}),
       C("tvTree", "", "", {"Group", "Child"}),
       C("pnPanel", "panel caption", "", {},
         {C("lbInPanel", "In panel"), C("nbBook", "", "", {}, {C("cbInBook", "In book")})}),
       C("edEdit", "typed text"), C("udUpDown", "5"), C("lsList", "row"), C("Slot1", "Slot 1")});
}

TEST(ComponentTexts, KeysFollowTheNamePrefixesInWalkOrder) {
  const Keys expected = {
      "Title",        "gbGroup",     "cbInner",     "lbLabel", "cbCheck",      "cmList.Item0",
      "cmList.Item1", "btPush",      "btPush.Hint", "btQuiet", "btQuiet.Hint", "sbPage",
      "sbPage.Hint",  "fbFlat.Hint", "miOpen",      "miSub",   "miSetsTop",    "tvTree.Item0",
      "tvTree.Item1", "lbInPanel",   "cbInBook"};
  EXPECT_EQ(LanguageKeys(Window()), expected);
}

TEST(ComponentTexts, OnlyAWindowNamedAsAFormHasATitleAndAKeyComesOnce) {
  EXPECT_EQ(LanguageKeys(C("Dialog", "Caption", "", {}, {C("lbA", "a")})), Keys{"lbA"});
  EXPECT_EQ(LanguageKeys(C("SomeForm", "", "", {}, {C("lbA", "a"), C("lbA", "again")})),
            (Keys{"Title", "lbA"}));
  // Prefixes compare with case: "LB" is no label.
  EXPECT_EQ(LanguageKeys(C("XForm", "", "", {}, {C("LBUpper", "x"), C("b", "short")})),
            Keys{"Title"});
}

TEST(ComponentTexts, CaptureRecordsCurrentTextsButNoEmptyPushButtonHint) {
  DefaultTexts defaults = {{"stale", "dropped"}};
  CaptureDefaultTexts(Window(), defaults);
  ASSERT_EQ(defaults.size(), LanguageKeys(Window()).size() - 1) << "btQuiet.Hint is not recorded";
  const DefaultTexts some = {{"Title", "Caption"},         {"cmList.Item1", "two"},
                             {"btPush.Hint", "Push hint"}, {"sbPage.Hint", ""},
                             {"fbFlat.Hint", "Flat hint"}, {"tvTree.Item1", "Child"}};
  for (const DefaultText& d : some)
    EXPECT_NE(std::find(defaults.begin(), defaults.end(), d), defaults.end()) << d.key;
  for (const DefaultText& d : defaults) EXPECT_NE(d.key, "btQuiet.Hint");
}

ComponentTexts* Find(ComponentTexts& c, const std::string& name) {
  if (c.name == name) return &c;
  for (ComponentTexts& o : c.owned)
    if (ComponentTexts* f = Find(o, name)) return f;
  return nullptr;
}

TEST(ComponentTexts, ApplyTakesFileValuesAndFallsBackToTheRecordedTexts) {
  ComponentTexts window = Window();
  DefaultTexts defaults;
  CaptureDefaultTexts(window, defaults);
  // Texts changed since the capture show that fallbacks use the recorded ones.
  window.owned[1].text = "changed label";
  const IniDocument file = IniDocument::Parse(
      "[testform]\n"
      "title=Titel\n"
      "GBGROUP=Gruppe\n"
      "lbLabel=\n"  // empty: English
      "cmList.Item0=eins\n"
      "btQuiet.Hint=Leise\n"
      "miSub=Unter\n"
      "miSetsManager=never\n"
      "miSet0=never\n"
      "cmLanguage.Item0=never\n"
      "tvTree.Item1=Kind\n"
      "edEdit=never\n"
      "[Other]\nlbInPanel=never\n");
  ApplyLanguageFile(window, file, defaults);
  const struct {
    const char* name;
    std::string ComponentTexts::*field;
    std::string expected;
  } texts[] = {
      {"TestForm", &ComponentTexts::text, "Titel"},
      {"gbGroup", &ComponentTexts::text, "Gruppe"},
      {"lbLabel", &ComponentTexts::text, "Label"},
      {"cbCheck", &ComponentTexts::text, "Check"},
      {"btQuiet", &ComponentTexts::hint, "Leise"},
      {"btPush", &ComponentTexts::hint, "Push hint"},
      {"miSub", &ComponentTexts::text, "Unter"},
      {"miSetsManager", &ComponentTexts::text, "Sets"},
      {"miSet0", &ComponentTexts::text, "a saved set"},
      {"lbInPanel", &ComponentTexts::text, "In panel"},
      {"edEdit", &ComponentTexts::text, "typed text"},
      {"pnPanel", &ComponentTexts::text, "panel caption"},
  };
  for (const auto& t : texts) EXPECT_EQ(Find(window, t.name)->*t.field, t.expected) << t.name;
  EXPECT_EQ(Find(window, "cmList")->items, (std::vector<std::string>{"eins", "two"}));
  EXPECT_EQ(Find(window, "tvTree")->items, (std::vector<std::string>{"Group", "Kind"}));
  EXPECT_EQ(Find(window, "cmLanguage")->items, (std::vector<std::string>{"English", "Deutsch"}));
}

TEST(ComponentTexts, ATextWithoutRecordedDefaultBecomesEmptyButAPushButtonHintStays) {
  ComponentTexts window = Window();
  ApplyLanguageFile(window, IniDocument::Parse("[TestForm]\nlbLabel=Beschriftung\n"), {});
  EXPECT_EQ(Find(window, "lbLabel")->text, "Beschriftung");
  EXPECT_EQ(Find(window, "cbCheck")->text, "");
  EXPECT_EQ(Find(window, "sbPage")->hint, "");
  EXPECT_EQ(Find(window, "btPush")->hint, "Push hint");
}

TEST(ComponentTexts, AFileWithoutTheWindowsSectionChangesNothing) {
  ComponentTexts window = Window();
  ApplyLanguageFile(window, IniDocument::Parse("[OtherForm]\nlbLabel=x\n"), {});
  EXPECT_EQ(LanguageKeys(window), LanguageKeys(Window()));
  EXPECT_EQ(Find(window, "lbLabel")->text, "Label");
  EXPECT_EQ(Find(window, "cbCheck")->text, "Check");
}

TEST(ComponentTexts, TheMainWindowsCaptionIsNeverTranslated) {
  ComponentTexts main = Window("MainForm");
  DefaultTexts defaults;
  CaptureDefaultTexts(main, defaults);
  main.text = "shown now";
  ApplyLanguageFile(main, IniDocument::Parse("[MainForm]\nTitle=Hauptfenster\nlbLabel=L\n"),
                    defaults);
  EXPECT_EQ(main.text, "shown now");
  EXPECT_EQ(Find(main, "lbLabel")->text, "L");
}

TEST(ComponentTexts, RestoreBringsBackEveryRecordedTextWhateverTheKeysCase) {
  ComponentTexts window = Window();
  DefaultTexts defaults;
  CaptureDefaultTexts(window, defaults);
  std::string file = "[TestForm]\n";
  for (const std::string& key : LanguageKeys(window)) file += key + "=x\n";
  ApplyLanguageFile(window, IniDocument::Parse(file), defaults);
  EXPECT_EQ(Find(window, "cbInBook")->text, "x");
  for (DefaultText& d : defaults)
    for (char& c : d.key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  RestoreDefaultTexts(window, defaults);
  ComponentTexts expected = Window();
  Find(expected, "btQuiet")->hint = "x";  // no recorded hint: left as it is
  EXPECT_EQ(LanguageKeys(window), LanguageKeys(expected));
  DefaultTexts now, want;
  CaptureDefaultTexts(window, now);
  CaptureDefaultTexts(expected, want);
  EXPECT_EQ(now, want);
}

TEST(ComponentTexts, RestoreWithoutDefaultsLeavesTheTexts) {
  ComponentTexts window = Window();
  Find(window, "lbLabel")->text = "kept";
  RestoreDefaultTexts(window, {});
  EXPECT_EQ(Find(window, "lbLabel")->text, "kept");
}

}  // namespace
}  // namespace qv
