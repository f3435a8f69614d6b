#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lang/languages.h"
#include "test_support.h"
#include "util/file_io.h"
#include "util/le_io.h"

namespace qv {
namespace {

using Names = std::vector<std::string>;

class LanguagesTest : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(folder_); }
  void Write(const std::string& name, const std::string& text) {
    ASSERT_TRUE(WriteWholeFile(folder_ / name, AsBytes(text)));
  }
  Names Listed() {
    languages_.ScanLanguages();
    Names names;
    for (const TLanguageEntry& e : languages_.LanguageList()) names.push_back(e.Name);
    return names;
  }

  test::TempFolder program_;
  std::filesystem::path folder_ = program_.path() / "languages";
  Languages languages_{program_.path()};
};

// A window with a button, a label and a list, named `form`.
ComponentTexts Window(const std::string& form) {
  return {form,
          "English title",
          "",
          {},
          {{"btOk", "OK", "", {}, {}},
           {"lbName", "Name:", "", {}, {}},
           {"cmMode", "", "", {"First", "Second"}, {}}}};
}

std::string Text(const ComponentTexts& window, const std::string& name) {
  for (const ComponentTexts& c : window.owned)
    if (c.name == name) return c.text;
  return "?";
}

TEST_F(LanguagesTest, OnlyFilesEndingInLowerCaseLngThatNameANewLanguageAreOffered) {
  Write("b-de.lng", "[info]\nlanguage=Deutsch\n");
  Write("a-de.lng", "[INFO]\nLANGUAGE=Deutsch\n");
  Write("c-de.lng", "[info]\nlanguage=DEUTSCH\n");
  Write("X.LNG", "[info]\nlanguage=Upper\n");
  Write("english.lng", "[info]\nlanguage=eNGLISH\n");
  Write("empty.lng", "[info]\nlanguage=\n");
  Write("none.lng", "[MainForm]\nfbExit.Hint=Ende\n");
  Write("fr.lng.bak", "[info]\nlanguage=Backup\n");
  Write("ru.lng",
        "\xEF\xBB\xBF[info]\nlanguage=\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9\n");
  Write("ru2.lng", "[info]\nlanguage=\xD1\x80\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9\n");
  std::filesystem::create_directories(folder_ / "folder.lng");
  EXPECT_EQ(Listed(),
            (Names{"Deutsch", "\xD0\xA0\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9"}));
  EXPECT_EQ(languages_.LanguageList()[0].Path, folder_ / "a-de.lng") << "the first found wins";
}

TEST_F(LanguagesTest, NoFolderOffersOnlyEnglish) {
  Languages none(program_.path() / "elsewhere");
  none.ScanLanguages();
  EXPECT_TRUE(none.LanguageList().empty());
  const LanguageChoices choices = none.ListLangs("de.lng");
  EXPECT_EQ(choices.items, Names{"English"});
  EXPECT_EQ(choices.selected, 0u);
}

TEST_F(LanguagesTest, TheOptionHoldsTheFileNameOfAListedLanguage) {
  Write("de.lng", "[info]\nlanguage=Deutsch\n");
  Write("fr.lng", "[info]\nlanguage=Deutsch\n");
  Listed();
  const std::pair<const char*, const char*> files[] = {
      {"Deutsch", "de.lng"}, {"deutsch", "de.lng"}, {"English", ""}, {"", ""}, {"Klingon", ""}};
  for (auto [name, file] : files) EXPECT_EQ(languages_.LanguageFileName(name), file) << name;
  const std::pair<const char*, const char*> names[] = {
      {"de.lng", "Deutsch"}, {"fr.lng", "Deutsch"}, {"gone.lng", "English"}, {"", "English"}};
  for (auto [file, name] : names) EXPECT_EQ(languages_.CurrentLanguageName(file), name) << file;
}

TEST_F(LanguagesTest, ChoosingDeutschShowsItsTextsNowAndAtTheNextStart) {
  Write("de.lng", "[info]\nlanguage=Deutsch\n[ParamForm]\nbtOk=OK2\n");
  Listed();
  ComponentTexts dialog = Window("ParamForm");
  DefaultTexts defaults;
  CaptureDefaultTexts(dialog, defaults);
  languages_.ApplyLanguage("Deutsch", dialog, defaults);
  EXPECT_EQ(Text(dialog, "btOk"), "OK2");
  const std::string option = languages_.LanguageFileName("Deutsch");
  EXPECT_EQ(option, "de.lng");
  // The next start: a new window, the option from the file.
  Languages next(program_.path());
  next.ScanLanguages();
  ComponentTexts again = Window("ParamForm");
  DefaultTexts againDefaults;
  CaptureDefaultTexts(again, againDefaults);
  next.ApplyConfiguredLanguage(option, again, againDefaults);
  EXPECT_EQ(Text(again, "btOk"), "OK2");
  EXPECT_EQ(next.ListLangs(option).items[next.ListLangs(option).selected], "Deutsch");
}

TEST_F(LanguagesTest, SwitchingBackToEnglishRestoresEveryText) {
  Write("de.lng",
        "[info]\nlanguage=Deutsch\n[ParamForm]\nTitle=Titel\nbtOk=Gut\nlbName=N:\n"
        "cmMode.Item0=Erste\ncmMode.Item1=Zweite\n");
  Listed();
  const ComponentTexts english = Window("ParamForm");
  ComponentTexts dialog = english;
  DefaultTexts defaults;
  CaptureDefaultTexts(dialog, defaults);
  languages_.ApplyLanguage("Deutsch", dialog, defaults);
  ASSERT_EQ(dialog.text, "Titel");
  for (const char* name : {"English", "", "Klingon"}) {
    ComponentTexts shown = dialog;
    languages_.ApplyLanguage(name, shown, defaults);
    EXPECT_EQ(shown.text, english.text) << name;
    for (size_t i = 0; i < english.owned.size(); ++i) {
      EXPECT_EQ(shown.owned[i].text, english.owned[i].text) << name;
      EXPECT_EQ(shown.owned[i].items, english.owned[i].items) << name;
    }
  }
}

TEST_F(LanguagesTest, AWindowWithoutASectionKeepsThePreviousLanguage) {
  Write("de.lng", "[info]\nlanguage=Deutsch\n[LoadSetForm]\nbtOk=Gut\n[ParamForm]\nbtOk=Gut\n");
  Write("fr.lng",
        "[info]\nlanguage=Fran\xC3\xA7"
        "ais\n[ParamForm]\nlbName=Nom :\n");
  Listed();
  ComponentTexts sets = Window("LoadSetForm"), dialog = Window("ParamForm");
  DefaultTexts setsDefaults, dialogDefaults;
  CaptureDefaultTexts(sets, setsDefaults);
  CaptureDefaultTexts(dialog, dialogDefaults);
  for (const char* name : {"Deutsch",
                           "Fran\xC3\xA7"
                           "ais"}) {
    languages_.ApplyLanguage(name, sets, setsDefaults);
    languages_.ApplyLanguage(name, dialog, dialogDefaults);
  }
  EXPECT_EQ(Text(sets, "btOk"), "Gut") << "no [LoadSetForm] in fr.lng";
  EXPECT_EQ(Text(dialog, "btOk"), "OK") << "a key missing from the section is English";
  EXPECT_EQ(Text(dialog, "lbName"), "Nom :");
}

TEST_F(LanguagesTest, AnOptionNamingAFileThatIsGoneStartsInEnglish) {
  Write("de.lng", "[info]\nlanguage=Deutsch\n[ParamForm]\nbtOk=Gut\n");
  Listed();
  ComponentTexts dialog = Window("ParamForm");
  DefaultTexts defaults;
  CaptureDefaultTexts(dialog, defaults);
  dialog.owned[0].text = "translated before";
  languages_.ApplyConfiguredLanguage("gone.lng", dialog, defaults);
  EXPECT_EQ(Text(dialog, "btOk"), "OK");
  EXPECT_EQ(languages_.ListLangs("gone.lng").selected, 1u) << "English after Deutsch";
  EXPECT_FALSE(languages_.LoadSlotTexts("gone.lng"));
}

TEST_F(LanguagesTest, TheListIsSortedAndSelectsTheCurrentLanguage) {
  Write("1.lng", "[info]\nlanguage=espa\xC3\xB1ol\n");
  Write("2.lng", "[info]\nlanguage=Deutsch\n");
  Write("3.lng", "[info]\nlanguage=\xC3\x96sterreichisch\n");
  Write("4.lng", "[info]\nlanguage=Zulu\n");
  Listed();
  const LanguageChoices choices = languages_.ListLangs("1.lng");
  EXPECT_EQ(choices.items,
            (Names{"Deutsch", "English", "espa\xC3\xB1ol", "Zulu", "\xC3\x96sterreichisch"}));
  EXPECT_EQ(choices.selected, 2u);
}

TEST_F(LanguagesTest, SlotTextsComeFromTheListedFileOfTheConfiguredLanguage) {
  Write(
      "de.lng",
      "[info]\nlanguage=Deutsch\n[MainForm]\nstrings=Zeilen\nwords=\nemptyclip=<LEER>\nfind=Suche\n"
      "memsize=Gr\xC3\xB6\xC3\x9F"
      "e\n");
  Write("en.lng", "[info]\nlanguage=English\n[MainForm]\nstrings=Lines\n");
  Listed();
  const auto texts = languages_.LoadSlotTexts("de.lng");
  ASSERT_TRUE(texts);
  SlotTexts expected;
  expected.strings = "Zeilen";
  expected.emptyClipboard = "<LEER>";
  expected.find = "Suche";
  expected.memSize =
      "Gr\xC3\xB6\xC3\x9F"
      "e";
  EXPECT_EQ(*texts, expected);
  EXPECT_FALSE(languages_.LoadSlotTexts("en.lng")) << "English is built in";
  EXPECT_FALSE(languages_.LoadSlotTexts(""));
}

TEST(LanguageNames, CompareWithoutCaseInTheirOwnAlphabets) {
  const std::tuple<const char*, const char*, bool> cases[] = {
      {"Deutsch", "DEUTSCH", true},
      {"fran\xC3\xA7"
       "ais",
       "FRAN\xC3\x87"
       "AIS",
       true},
      {"\xD0\xA0\xD0\x81", "\xD1\x80\xD1\x91", true},  // Cyrillic, with Yo
      {"\xCE\x91\xCE\xA9", "\xCE\xB1\xCF\x89", true},  // Greek, first and last
      {"Deutsch", "Deutsche", false},
      {"a\xC3\x97", "a\xC3\xB7", false},  // multiplication and division signs
  };
  for (const auto& [a, b, same] : cases) EXPECT_EQ(SameLanguageName(a, b), same) << a << " " << b;
}

}  // namespace
}  // namespace qv
