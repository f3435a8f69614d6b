#include "ui/param_controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "hotkeys/hotkey_table.h"
#include "ui/param_rules.h"

namespace qv {
namespace {

// The dialog's controls for a file, shown as at start: the options read from
// the file with their clamping, then ShowOptions over them.
ParamControls Shown(const IniDocument& file, ParamControls controls = {}) {
  Options memory;
  OptionTable::ReadAll(file, memory);
  ShowOptions(memory, file, controls);
  return controls;
}

IniDocument Saved(const ParamControls& controls, const HotkeyTable& hotkeys = HotkeyTable()) {
  IniDocument doc;
  SaveOptions(controls, hotkeys, doc);
  return doc;
}

// One value in the file, the control that shows it, the value written back.
TEST(ParamControls, EveryControlShowsItsOptionAndWritesItBack) {
  const IniDocument empty;
  const ParamControls base = Shown(empty);
  using Show = std::function<void(ParamControls&)>;
  const struct {
    const char* file;  // one "[section]\nkey=value"
    Show shows;        // the controls differ from an empty file's by this
    std::optional<std::string> written;
  } cases[] = {
      {"[main]\nautoran=1", [](auto& c) { c.autoran = true; }, "1"},
      {"[main]\nminimized=0", [](auto& c) { c.minimized = false; }, "0"},
      {"[main]\nautohide=1", [](auto& c) { c.autohide = true; }, "1"},
      {"[main]\nalign=3", [](auto& c) { c.align = 2; }, "3"},
      {"[main]\nalign=7", [](auto& c) { c.align = -1; }, std::nullopt},
      {"[addition]\nsnap=1", [](auto& c) { c.snap = true; }, "1"},
      {"[addition]\nsnapvalue=80", [](auto& c) { c.snapValue = 50; }, "50"},
      {"[addition]\nsnapvalue=0", [](auto& c) { c.snapValue = 1; }, "1"},
      {"[main]\ntransparent=40", [](auto& c) { c.transparent = 40; }, "40"},
      {"[main]\ntransparent=95", [](auto& c) { c.transparent = 90; }, "90"},
      {"[main]\ntransparent=-1", [](auto& c) { c.transparent = 90; }, "90"},
      {"[slots]\ncount=5000", [](auto& c) { c.slotsCount = 1000; }, "1000"},
      {"[slots]\npage=0", [](auto& c) { c.slotsPage = 1; }, "1"},
      {"[slots]\nwrite2disk=0", [](auto& c) { c.diskSlots = false; }, "0"},
      {"[slots]\nmaxsize=50", [](auto& c) { c.slotSize = 100; }, "100"},
      {"[slots]\nmaxsize=250", [](auto& c) { c.slotSize = 250; }, "250"},
      {"[slots]\nmaxsize=20000", [](auto& c) { c.slotSize = 10000; }, "10000"},
      {"[slots]\nsaveslots=0", [](auto& c) { c.saveSlots = false; }, "0"},
      {"[main]\nnodouble=1", [](auto& c) { c.noDouble = true; }, "1"},
      {"[text]\nwidth=3000", [](auto& c) { c.textWidth = 2000; }, "2000"},
      {"[text]\nheight=10", [](auto& c) { c.textHeight = 20; }, "20"},
      {"[text]\nfontname=Courier New", [](auto& c) { c.font.name = "Courier New"; }, "Courier New"},
      {"[text]\nfontsize=12", [](auto& c) { c.font.size = 12; }, "12"},
      {"[text]\nfontcolor=255", [](auto& c) { c.font.color = 0xFF; }, "$000000FF"},
      {"[text]\nfontbold=1", [](auto& c) { c.font.bold = true; }, "1"},
      {"[text]\nfontitalic=1", [](auto& c) { c.font.italic = true; }, "1"},
      {"[text]\nfontunderline=1", [](auto& c) { c.font.underline = true; }, "1"},
      {"[text]\nfontstrike=1", [](auto& c) { c.font.strike = true; }, "1"},
      {"[text]\nseparator=0", [](auto& c) { c.separator = 0; }, "0"},
      {"[text]\nseparator=13", [](auto&) {}, "9"},
      {"[text]\ntextview=2", [](auto& c) { c.textView = 1; }, "2"},
      {"[text]\ntextview=5", [](auto& c) { c.textView = -1; }, std::nullopt},
      {"[text]\ntextpictview=3", [](auto& c) { c.textPictView = 2; }, "3"},
      {"[text]\ntransparent=1", [](auto& c) { c.transpText = true; }, "1"},
      {"[picture]\nsize=100", [](auto& c) { c.pictSize = 3; }, "100"},
      {"[picture]\nsize=40", [](auto& c) { c.pictSize = 0; }, "40"},
      // A size the list lacks keeps the list's own selection, whose size is stored.
      {"[picture]\nsize=70", [](auto&) {}, "60"},
      {"[picture]\nbackground=$00FF0000", [](auto& c) { c.background = 0xFF0000; }, "$00FF0000"},
      {"[picture]\ntransparent=1", [](auto& c) { c.transpPict = true; }, "1"},
      {"[actions]\nmail=1", [](auto& c) { c.autoMail = true; }, "1"},
      {"[actions]\nurl=1", [](auto& c) { c.autoBrowser = true; }, "1"},
      {"[addition]\nballon.hint=0", [](auto& c) { c.balloon = false; }, "0"},
      {"[addition]\nballon.condition=0", [](auto& c) { c.balloonCondition = false; }, "0"},
      {"[addition]\nstylemenus=0", [](auto& c) { c.styleMenus = false; }, "0"},
      {"[addition]\ntoolbarhints=0", [](auto& c) { c.toolbarHints = false; }, "0"},
      {"[addition]\npathfiles=0", [](auto& c) { c.pathFiles = false; }, "0"},
      {"[addition]\nplaysound=1", [](auto& c) { c.sound = true; }, "1"},
      {"[addition]\nsound=C:\\ding.wav", [](auto& c) { c.soundFile = "C:\\ding.wav"; },
       "C:\\ding.wav"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const IniDocument file = IniDocument::Parse(c.file);
    std::string section, key;
    file.ForEachEntry([&](std::string_view s, std::string_view k, std::string_view) {
      section = s;
      key = k;
    });
    ParamControls expected = base;
    c.shows(expected);
    const ParamControls shown = Shown(file);
    EXPECT_TRUE(shown == expected);
    EXPECT_EQ(Saved(shown).Get(section, key), c.written);
  }
}

TEST(ParamControls, SavingWritesTheHotkeysAndEveryOptionTheDialogEdits) {
  HotkeyTable hotkeys;
  hotkeys.LoadHotkeys(IniDocument::Parse("[hotkeys]\nwindow.show=Ctrl+Alt+V\n"));
  const IniDocument doc = Saved(Shown(IniDocument()), hotkeys);
  EXPECT_EQ(doc.Get("hotkeys", "window.show"), "Ctrl+Alt+V");
  EXPECT_EQ(doc.Keys("hotkeys").size(), 24u);
  // Position and size of the windows and the language belong to others.
  for (const OptionKey& key : OptionTable::Keys()) {
    const std::string name = std::string(key.section) + "/" + key.key;
    const bool others = std::string(key.section) == "param" || name == "main/top" ||
                        name == "main/left" || name == "main/width" || name == "main/height" ||
                        name == "main/firstrun" || name == "main/language";
    EXPECT_EQ(doc.Get(key.section, key.key).has_value(), !others) << name;
  }
}

TEST(ParamControls, WindowOptionsComeFromTheFileIntoMemoryTheOthersFromMemory) {
  const IniDocument file = IniDocument::Parse(
      "[main]\ntransparent=60\nautoran=1\n[text]\ntransparent=1\nseparator=3\n"
      "[picture]\ntransparent=1\nsize=120\n[addition]\nsnap=1\nsnapvalue=70\nstylemenus=0\n"
      "[slots]\ncount=20\npage=2\n");
  Options memory;
  memory.transparent = 10;
  memory.count = 7;
  memory.page = 4;
  memory.separator = 5;
  memory.pictureSize = 40;  // this run's size; the file holds the next start's
  ParamControls c;
  ShowOptions(memory, file, c);
  EXPECT_TRUE(c.autoran && c.transpText && c.transpPict && c.snap && !c.styleMenus);
  EXPECT_EQ(
      std::tuple(c.transparent, c.separator, c.pictSize, c.snapValue, c.slotsCount, c.slotsPage),
      std::tuple(60, 3, 4, 50, 7, 4));
  // The windows apply these at once.
  EXPECT_TRUE(memory.textTransparent && memory.pictureTransparent && memory.snap);
  EXPECT_EQ(std::pair(int{memory.transparent}, int{memory.snapvalue}), std::pair(60, 50));
}

TEST(ParamControls, AnUnknownPictureSizeLeavesTheSelectionAsItWas) {
  ParamControls controls = Shown(IniDocument::Parse("[picture]\nsize=100\n"));
  controls = Shown(IniDocument::Parse("[picture]\nsize=70\n"), controls);
  EXPECT_EQ(controls.pictSize, 3);
  EXPECT_EQ(Saved(controls).Get("picture", "size"), "100");
}

TEST(ParamRules, EachRuleEnablesItsControls) {
  using Change = std::function<void(ParamControls&)>;
  const struct {
    Change controls;
    ParamPlatform platform;
    ParamEnabling expected;
  } cases[] = {
      {[](auto&) {}, {}, ParamEnabling{true, true, true, true, true, false, false}},
      {[](auto& c) { c.diskSlots = false; },
       {},
       ParamEnabling{true, true, true, true, false, false, false}},
      {[](auto& c) { c.snap = true; },
       {},
       ParamEnabling{true, true, true, true, true, true, false}},
      {[](auto& c) { c.sound = true; },
       {},
       ParamEnabling{true, true, true, true, true, false, true}},
      {[](auto& c) { c.balloon = false; },
       {},
       ParamEnabling{true, true, true, false, true, false, false}},
      {[](auto&) {}, {true, true}, ParamEnabling{true, false, false, false, true, false, false}},
      {[](auto&) {}, {false, false}, ParamEnabling{false, true, true, true, true, false, false}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    ParamControls c;
    cases[i].controls(c);
    EXPECT_TRUE(EnablingRules(c, cases[i].platform) == cases[i].expected) << "row " << i;
  }
}

TEST(ParamRules, CtrlTabPagesWrapAtBothEnds) {
  EXPECT_EQ(NextParamPage(kParamAboutPage, false), 0);
  EXPECT_EQ(NextParamPage(0, true), kParamAboutPage);
  for (int page = 0; page < kParamPageCount; ++page) {
    EXPECT_EQ(NextParamPage(NextParamPage(page, false), true), page);
    if (page < kParamAboutPage) {
      EXPECT_EQ(NextParamPage(page, false), page + 1);
    }
  }
  const struct {
    uint16_t key;
    bool ctrl, shift;
    ParamKeyAction action;
  } keys[] = {{0x09, true, false, ParamKeyAction::NextPage},
              {0x09, true, true, ParamKeyAction::PreviousPage},
              {0x09, false, false, ParamKeyAction::None},
              {0x09, false, true, ParamKeyAction::None},
              {0x70, false, false, ParamKeyAction::Help},
              {0x78, true, false, ParamKeyAction::None}};
  for (const auto& k : keys)
    EXPECT_EQ(PlanParamKey(k.key, k.ctrl, k.shift), k.action) << k.key << k.ctrl << k.shift;
}

}  // namespace
}  // namespace qv
