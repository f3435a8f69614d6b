#include "hotkeys/hotkey_editor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "hotkeys/modifiers.h"
#include "platform/sim/sim_hotkeys.h"
#include "test_support.h"

namespace qv {
namespace {

struct FakeDialogs : HotkeyDialogs {
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& text) override {
    questions.push_back(text);
    return yes;
  }
  std::vector<std::string> messages, questions;
  bool yes = false;
};

// Refuses to unregister the ids it is given.
struct StubbornRegistrar : SimHotkeyRegistrar {
  bool Unregister(int id) override {
    return !stuck.contains(id) && SimHotkeyRegistrar::Unregister(id);
  }
  std::set<int> stuck;
};

using Combination = SimHotkeyRegistrar::Combination;
constexpr int kShow = 1, kUp = 9, kRandom = 13, kPaste2 = 21;
const std::string kShowRow = "      Show the main window (Ctrl+Alt+V)";
const std::string kRandomRow = "      rAnDOm CaSe (Win+R)";

class HotkeyEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.LoadHotkeys(IniDocument::Parse(
        "[hotkeys]\nwindow.show=Ctrl+Alt+V\ntext.up=Ctrl+Shift+U\ntext.random=Win+R\n"));
    ASSERT_TRUE(table.RegisterHotkeys(registrar));
    editor.ShowHKeys();
  }
  void SelectRow(const std::string& text) {
    const auto& rows = editor.ListRows();
    editor.ListFocused();
    editor.ListClicked(static_cast<int>(std::find(rows.begin(), rows.end(), text) - rows.begin()));
  }
  void SelectOperation(int n) {
    editor.TreeFocused();
    editor.TreeSelected(HotkeyTreeIndexOfOperation(n));
  }
  std::string Saved(int n) const {
    return file.Load().Get("hotkeys", FindHotkeyOperation(n)->key).value_or("<missing>");
  }

  test::TempFolder dir;
  IniFile file{dir / "options.cfg"};
  HotkeyTable table;
  StubbornRegistrar registrar;
  FakeDialogs dialogs;
  int saves = 0;
  HotkeyEditor editor{table, registrar, dialogs, [this] { saves += table.SaveHotkeys(file); }};
};

TEST_F(HotkeyEditorTest, ListAndEnableStates) {
  const std::vector<std::string> expected{
      "[ MAIN ]", kShowRow,    "[ TEXT ]", "      ALL TO UPPERCASE (Ctrl+Shift+U)",
      kRandomRow, "[ IMAGE ]", "[ PASTE ]"};
  EXPECT_EQ(editor.ListRows(), expected);
  EXPECT_EQ(table.Row(kShow).ListRow, 1);
  EXPECT_EQ(registrar.registered.at(kShow), (Combination{3, 'V'}));

  editor.TreeSelected(HotkeyTreeIndexOfGroup(HotkeyGroup::Text));
  EXPECT_FALSE(editor.GetState().addEnabled);
  SelectOperation(kPaste2);
  EXPECT_TRUE(editor.GetState().addEnabled && editor.GetState().keyEnabled);
  SelectRow(kRandomRow);
  auto state = editor.GetState();
  EXPECT_TRUE(state.removeEnabled && state.comboEnabled && !state.treeNode);
  EXPECT_EQ(std::pair(state.combo, state.key), std::pair(3, uint16_t{'R'}));
  SelectRow("[ MAIN ]");
  EXPECT_FALSE(editor.GetState().addEnabled);
  // A combination the combo box lacks leaves it as it was.
  table.ParseHotkey("Ctrl+Shift+Alt+Z", kShow);
  editor.ShowHKeys();
  editor.ListClicked(1);
  EXPECT_EQ(std::pair(editor.GetState().combo, editor.GetState().key), std::pair(3, uint16_t{'Z'}));
  editor.TreeFocused();
  EXPECT_FALSE(editor.GetState().listSelection || editor.GetState().removeEnabled);
}

TEST_F(HotkeyEditorTest, AddRefusesAHotkeyInUseAndAsksBeforeChanging) {
  for (int combo : {3, -1, kModifierComboCount}) {  // no key; no combination
    editor.AddOrChange(combo == 3 ? 0 : 'K', combo);
    EXPECT_EQ(dialogs.messages.back(), "Hotkey is not selected!") << combo;
  }
  for (int n : {kPaste2, kShow}) {  // another row's hotkey, then the row's own
    SelectOperation(n);
    editor.AddOrChange('V', 0);
    EXPECT_EQ(dialogs.messages.back(),
              "This hotkey (Ctrl+Alt+V) is already used!\r\nPlease, choose other key.");
  }
  EXPECT_TRUE(dialogs.questions.empty());
  EXPECT_EQ(saves, 0);

  SelectOperation(kPaste2);
  editor.AddOrChange('2', 3);
  EXPECT_EQ(registrar.registered.at(kPaste2), (Combination{8, '2'}));
  EXPECT_EQ(editor.ListRows().back(), "      Paste from slot 2 (Win+2)");
  EXPECT_EQ(Saved(kPaste2), "Win+2");
  SelectOperation(kHotkeyOperationCount);  // the last row takes part in the check too
  editor.AddOrChange('5', 3);
  SelectOperation(kUp);
  editor.AddOrChange('5', 3);
  EXPECT_EQ(dialogs.messages.back(),
            "This hotkey (Win+5) is already used!\r\nPlease, choose other key.");

  SelectOperation(kShow);
  editor.AddOrChange('W', 1);
  EXPECT_EQ(dialogs.questions.back(),
            "This operation is already used.\r\nChange a hotkey for this operation?");
  EXPECT_EQ(registrar.registered.at(kShow), (Combination{3, 'V'})) << "No changes nothing";
  dialogs.yes = true;
  editor.AddOrChange('W', 1);
  EXPECT_EQ(Saved(kShow), "Ctrl+Shift+W");

  SelectRow(kRandomRow);  // from the list: that row's operation, without asking
  editor.AddOrChange('R', 4);
  EXPECT_EQ(Saved(kRandom), "Win+Alt+R");
  SelectRow("[ TEXT ]");
  editor.AddOrChange('K', 4);
  EXPECT_EQ(saves, 4) << "a header selected: nothing to change";
  EXPECT_EQ(dialogs.questions.size(), 2u);
}

TEST_F(HotkeyEditorTest, AFailedRegistrationLeavesTheOperationWithoutAHotkey) {
  registrar.stuck = {kUp};
  SelectRow("      ALL TO UPPERCASE (Ctrl+Shift+U)");
  editor.AddOrChange('Y', 1);
  EXPECT_EQ(dialogs.messages.back(), "Error of changing of this hotkey!");
  EXPECT_TRUE(table.Row(kUp).Assigned);

  registrar.failRegister = true;
  SelectRow(kShowRow);
  editor.AddOrChange('Q', 0);
  EXPECT_EQ(dialogs.messages.back(), "Error of registration of this hotkey (Ctrl+Alt+Q)!");
  EXPECT_FALSE(table.Row(kShow).Assigned);
  EXPECT_EQ(editor.ListRows()[1], "[ TEXT ]");
  EXPECT_EQ(Saved(kShow), "");
}

TEST_F(HotkeyEditorTest, RemoveOneHotkeyOrEveryHotkeyOfAGroup) {
  editor.Remove();
  EXPECT_EQ(dialogs.messages.back(), "Hotkey is not selected!");
  SelectRow(kShowRow);
  editor.Remove();
  EXPECT_FALSE(registrar.registered.contains(kShow));
  EXPECT_EQ(Saved(kShow), "");
  SelectRow("[ MAIN ]");
  editor.Remove();
  EXPECT_EQ(dialogs.messages.back(), "In the selected group there are no hotkeys!");

  SelectOperation(kShow);
  editor.AddOrChange('V', 0);
  SelectRow("[ TEXT ]");
  registrar.stuck = {kUp};
  editor.Remove();
  EXPECT_EQ(dialogs.questions.back(), "Remove all hotkeys from the selected group?");
  EXPECT_TRUE(table.Row(kRandom).Assigned) << "No keeps them";
  dialogs.yes = true;
  editor.Remove();
  EXPECT_EQ(dialogs.messages.back(), "Error of unregistration of this hotkey (Ctrl+Shift+U)!");
  EXPECT_FALSE(table.Row(kRandom).Assigned) << "a failure does not stop the others";
  EXPECT_EQ(Saved(kRandom), "");
  EXPECT_EQ(Saved(kShow), "Ctrl+Alt+V") << "other groups stay";
}

TEST_F(HotkeyEditorTest, TranslatedTextsShowAndHeadersStayRecognised) {
  HotkeyTexts texts = HotkeyTexts::English();
  texts.groups[static_cast<size_t>(HotkeyGroup::Text)] = "Texte";
  texts.operations[kUp - 1] = "Tout en majuscules";
  editor.SetTexts(texts);
  editor.ShowHKeys();
  EXPECT_EQ(editor.ListRows()[3], "      Tout en majuscules (Ctrl+Shift+U)");
  SelectRow("[ TEXTE ]");
  dialogs.yes = true;
  editor.Remove();
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_FALSE(table.Row(kUp).Assigned);
}

}  // namespace
}  // namespace qv
