// Hotkey operations, key names, stored texts, what a hotkey runs, and the editor.
#include <gtest/gtest.h>

#include <set>

#include "hotkeys/dispatch.h"
#include "hotkeys/hotkey_editor.h"
#include "hotkeys/hotkey_table.h"
#include "hotkeys/modifiers.h"
#include "platform/sim/sim_hotkeys.h"
#include "test_support.h"

namespace qv {
namespace {

// Names two punctuation keys, and claims a fixed name for another code.
std::string Layout(uint16_t code) {
  return code == 186 ? ";" : code == 191 ? "/" : code == 200 ? "Tab" : "";
}

// Each group's header leads its operations in the tree; storage keys are unique.
TEST(HotkeyOperations, TreeNodes) {
  std::set<std::string_view> keys;
  for (int n = 1; n <= kHotkeyOperationCount; ++n) keys.insert(FindHotkeyOperation(n)->key);
  EXPECT_EQ(keys.size(), size_t{kHotkeyOperationCount});
  EXPECT_EQ(HotkeyTreeNodeAt(22), (HotkeyTreeNode{HotkeyGroup::Paste, 0}));
  EXPECT_EQ(HotkeyTreeNodeAt(9), (HotkeyTreeNode{HotkeyGroup::Text, 8}));
  EXPECT_EQ(HotkeyTreeIndexOfGroup(HotkeyGroup::Image), 15);
  EXPECT_FALSE(HotkeyTreeNodeAt(kHotkeyTreeNodeCount) || HotkeyTreeNodeAt(-1));
  EXPECT_FALSE(FindHotkeyOperation(0) || FindHotkeyOperation(kHotkeyOperationCount + 1));
  EXPECT_EQ(HotkeyTreeIndexOfOperation(kHotkeyOperationCount + 1), -1);
}

// Text and picture operations need such content; slot k needs k + 1 records and a page of k.
TEST(DispatchHotkey, ConditionsDecideWhatRuns) {
  using enum HotkeyAction;
  const HotkeyDispatchState text{true, false, 4, true, 3}, picture{false, true, 4, true, 3};
  const std::tuple<int, HotkeyDispatchState, HotkeyCommand> cases[] = {
      {0, text, {}},
      {25, text, {}},
      {1, {}, {ShowWindow, 0}},
      {7, {}, {LoadSlot, 0}},
      {13, text, {TextConversion, 5}},
      {8, picture, {}},
      {14, picture, {PictureTransform, 0}},
      {20, text, {PastePanel, 1}},
      {20, {true, false, 4, false, 3}, {}},
      {20, {true, false, 1, true, 3}, {}},
      {22, text, {PastePanel, 3}},
      {23, text, {}},
      {22, {true, false, 3, true, 5}, {}},
      {24, {false, false, 6, false, 5}, {PastePanel, 5}}};
  for (const auto& [id, state, command] : cases)
    EXPECT_EQ(DispatchHotkey(id, state), command) << id;
}

// Every name reads back as the first code of that name, case aside; anything else is 0.
TEST(KeyNames, NamesAndCodesBothWays) {
  for (uint16_t code = 8; code <= 255; ++code) {
    const std::string name = KeyName(code, Layout);
    if (name.empty()) continue;
    const uint16_t back = KeyCode(name, Layout);
    EXPECT_EQ(KeyName(back, Layout), name) << code;
    EXPECT_LE(back, code) << code;
  }
  EXPECT_EQ(KeyName(103, Layout) + KeyName(135, Layout), "7F24") << "keypad 7, F24";
  EXPECT_EQ(KeyName(186, {}), "") << "no layout function";
  const std::pair<std::string, uint16_t> cases[] = {
      {"f5", 116}, {"ESC", 27}, {"pgdn", 34}, {"v", 'V'}, {"7", '7'},  {"/", 191},
      {"tab", 9},  {"", 0},     {"F25", 0},   {" V", 0},  {"Ctrl", 0}, {std::string(5000, 'A'), 0}};
  for (const auto& [name, code] : cases)
    EXPECT_EQ(KeyCode(name, Layout), code) << name.substr(0, 9);
}

// A hotkey needs a modifier and the key last; the text written reads back as itself.
TEST(HotkeyTable, ParseNeedsAModifierAndWritesTextThatReadsBackAsItself) {
  const std::tuple<std::string, uint32_t, uint16_t, const char*> cases[] = {
      {"Ctrl+Alt+V", 3, 'V', "Ctrl+Alt+V"},
      {"ctrl+shift+x", 6, 'X', "Ctrl+Shift+X"},
      {"Alt+Shift+pgdn", 5, 34, "Shift+Alt+PgDn"},
      {"Win+Alt+Ctrl+Shift+;", 15, 186, "Ctrl+Shift+Alt+Win+;"},
      {"Meta+Ctrl+V", 2, 'V', "Ctrl+V"},  // an unknown word is no modifier
      {"Ctrl++V", 2, 'V', "Ctrl+V"},
      {"Ctrl+Alt+NoSuchKey", 3, 0, "Ctrl+Alt+"},
      {"Ctrl+" + std::string(3000, 'A'), 2, 0, "Ctrl+"},
      {"F5", 0, 0, nullptr},
      {"+V", 0, 'V', nullptr},
      {"V+Ctrl", 0, 0, nullptr},
      {"Ctrl + Alt + V", 0, 0, nullptr},
      {"", 0, 0, nullptr}};
  HotkeyTable table(Layout);
  for (const auto& [text, mask, key, written] : cases) {
    SCOPED_TRACE(text.substr(0, 20));
    table.Row(5).Text = "stale";
    table.ParseHotkey(text, 5);
    const THotkeyEntry& row = table.Row(5);
    EXPECT_EQ(std::tuple(row.Mask(), row.Key, row.Assigned, row.Text),
              std::tuple(mask, key, written != nullptr, ""));
    if (!written) continue;
    EXPECT_EQ(table.HotkeyText(5), written);
    table.ParseHotkey(written, 6);
    EXPECT_EQ(std::pair(table.Row(6).Mask(), table.Row(6).Key), std::pair(row.Mask(), row.Key));
  }
  EXPECT_THROW(table.Row(25), std::out_of_range);
}

// A repeated or unassigned hotkey fails to register, the others still do; all are saved, in order.
TEST(HotkeyTable, LoadRegisterSaveAndUnregister) {
  test::TempFolder dir;
  const IniFile file(dir / "options.cfg");
  HotkeyTable table(Layout);
  table.LoadHotkeys(IniDocument::Parse(
      "[hotkeys]\nwindow.show=Ctrl+Alt+V\ntext.up=ctrl+shift+x\nclearclip=F5\n"
      "picture.180=Ctrl+Shift+Alt+X\nwindow.hide=CTRL+ALT+v\npaste.slot5=Win+5\nbogus=Win+B\n"));
  SimHotkeyRegistrar registrar;
  EXPECT_FALSE(table.RegisterHotkeys(registrar)) << "window.hide repeats window.show";
  EXPECT_EQ(registrar.registered,
            (std::map<int, SimHotkeyRegistrar::Combination>{
                {1, {3, 'V'}}, {9, {6, 'X'}}, {16, {7, 'X'}}, {24, {8, '5'}}}));
  ASSERT_TRUE(table.SaveHotkeys(file));
  const IniDocument saved = file.Load();
  std::vector<std::string> keys;
  for (int n = 1; n <= kHotkeyOperationCount; ++n) keys.emplace_back(FindHotkeyOperation(n)->key);
  EXPECT_EQ(saved.Keys("hotkeys"), keys);
  EXPECT_EQ(saved.Get("hotkeys", "text.up"), "Ctrl+Shift+X");
  EXPECT_EQ(saved.Get("hotkeys", "clearclip"), "");
  EXPECT_FALSE(table.UnregisterHotkeys(registrar)) << "window.hide was never registered";
  EXPECT_TRUE(registrar.registered.empty());
}

// Messages as they are, questions after "? "; answers every question with `yes`.
struct FakeDialogs : HotkeyDialogs {
  void ShowMessage(const std::string& text) override { said.push_back(text); }
  bool AskYesNo(const std::string& text) override { return said.push_back("? " + text), yes; }
  std::vector<std::string> said{""};
  bool yes = false;
};

// Refuses to unregister the ids in `stuck`.
struct StubbornRegistrar : SimHotkeyRegistrar {
  bool Unregister(int id) override {
    return !stuck.contains(id) && SimHotkeyRegistrar::Unregister(id);
  }
  std::set<int> stuck;
};

constexpr int kShow = 1, kUp = 9, kRandom = 13, kPaste2 = 21, kPaste5 = 24;
const std::string kNotSelected = "Hotkey is not selected!";
std::string InUse(const std::string& hotkey) {
  return "This hotkey (" + hotkey + ") is already used!\r\nPlease, choose other key.";
}

// The list: 0 [ MAIN ], 1 Show..., 2 [ TEXT ], 3 ALL TO..., 4 rAnDOm..., 5 [ IMAGE ], 6 [ PASTE ].
class HotkeyEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    table.LoadHotkeys(IniDocument::Parse(
        "[hotkeys]\nwindow.show=Ctrl+Alt+V\ntext.up=Ctrl+Shift+U\ntext.random=Win+R\n"));
    ASSERT_TRUE(table.RegisterHotkeys(registrar));
    editor.ShowHKeys();
  }
  // Selects list row `at`, or operation `at` in the tree, and adds the hotkey; gives the last word.
  std::string Add(int at, uint16_t key, int combo, bool tree = false) {
    (tree ? editor.TreeFocused() : editor.ListFocused());
    tree ? editor.TreeSelected(HotkeyTreeIndexOfOperation(at)) : editor.ListClicked(at);
    editor.AddOrChange(key, combo);
    return dialogs.said.back();
  }
  std::string Remove(int row) {
    editor.ListFocused();
    editor.ListClicked(row);
    editor.Remove();
    return dialogs.said.back();
  }
  std::string Hotkey(int n) { return table.Row(n).Assigned ? table.Row(n).Text : ""; }

  HotkeyTable table;
  StubbornRegistrar registrar;
  FakeDialogs dialogs;
  int saves = 0;
  HotkeyEditor editor{table, registrar, dialogs, [this] { ++saves; }};
};

// Only an operation takes a hotkey; a list row shows its combination if the combo box has it.
TEST_F(HotkeyEditorTest, ListAndEnableStates) {
  editor.TreeSelected(HotkeyTreeIndexOfGroup(HotkeyGroup::Text));
  EXPECT_FALSE(editor.GetState().addEnabled);
  editor.TreeSelected(HotkeyTreeIndexOfOperation(kPaste2));
  EXPECT_TRUE(editor.GetState().addEnabled && editor.GetState().keyEnabled);
  editor.ListFocused();
  editor.ListClicked(4);
  editor.ListClicked(1);
  auto state = editor.GetState();
  EXPECT_TRUE(state.removeEnabled && state.comboEnabled && !state.treeNode);
  EXPECT_EQ(std::pair(state.combo, state.key), std::pair(0, uint16_t{'V'}));
  table.ParseHotkey("Ctrl+Shift+Alt+Z", kShow);
  editor.ListClicked(1);
  EXPECT_EQ(std::pair(editor.GetState().combo, editor.GetState().key), std::pair(0, uint16_t{'Z'}));
  for (int elsewhere : {0, -1, 7}) {
    editor.ListClicked(elsewhere);
    EXPECT_FALSE(editor.GetState().addEnabled) << elsewhere;
  }
  EXPECT_FALSE(editor.GetState().listSelection) << "outside the list";
  editor.TreeFocused();
  EXPECT_FALSE(editor.GetState().removeEnabled);
}

// A hotkey in use is refused; a change asks first from the tree, not from the list.
TEST_F(HotkeyEditorTest, AddRefusesAHotkeyInUseAndAsksBeforeChanging) {
  EXPECT_EQ(Add(1, 0, 3) + Add(1, 'K', -1) + Add(1, 'K', kModifierComboCount),
            kNotSelected + kNotSelected + kNotSelected);
  EXPECT_EQ(Add(kPaste2, 'V', 0, true), InUse("Ctrl+Alt+V"));
  Add(kPaste2, '2', 3, true);
  EXPECT_EQ(registrar.registered.at(kPaste2), (SimHotkeyRegistrar::Combination{8, '2'}));
  EXPECT_EQ(editor.ListRows().back(), "      Paste from slot 2 (Win+2)");
  Add(kPaste5, '5', 3, true);
  EXPECT_EQ(Add(kUp, '5', 3, true), InUse("Win+5"));
  Remove(8);  // Paste from slot 5
  EXPECT_EQ(Hotkey(kPaste5), "");
  EXPECT_EQ(Add(kShow, 'W', 1, true),
            "? This operation is already used.\r\nChange a hotkey for this operation?");
  EXPECT_EQ(Hotkey(kShow), "Ctrl+Alt+V") << "No changes nothing";
  dialogs.yes = true;
  Add(kShow, 'W', 1, true);
  EXPECT_EQ(Hotkey(kShow), "Ctrl+Shift+W");
  Add(4, 'R', 4);
  EXPECT_EQ(Hotkey(kRandom), "Win+Alt+R");
  Add(2, 'K', 4);
  EXPECT_EQ(saves, 5) << "a header selected: nothing to change";
  EXPECT_EQ(dialogs.said.size(), 8u) << "no question from the list";
}

// Failed (un)registrations are reported; removing a group asks first and goes past a failure.
TEST_F(HotkeyEditorTest, FailuresAndRemoval) {
  registrar.stuck = {kUp};
  EXPECT_EQ(Add(3, 'Y', 1), "Error of changing of this hotkey!");
  EXPECT_EQ(Remove(3), "Error of unregistration of this hotkey (Ctrl+Shift+U)!");
  EXPECT_EQ(Hotkey(kUp), "Ctrl+Shift+U");
  registrar.failRegister = true;
  EXPECT_EQ(Add(kPaste2, 'Q', 0, true), "Error of registration of this hotkey (Ctrl+Alt+Q)!");
  EXPECT_EQ(Hotkey(kPaste2) + std::to_string(editor.ListRows().size()), "7");
  EXPECT_EQ(Remove(5), "In the selected group there are no hotkeys!");
  EXPECT_EQ(Remove(2), "? Remove all hotkeys from the selected group?");
  EXPECT_EQ(Hotkey(kRandom), "Win+R") << "No keeps them";
  dialogs.yes = true;
  EXPECT_EQ(Remove(2), "Error of unregistration of this hotkey (Ctrl+Shift+U)!");
  EXPECT_EQ(Hotkey(kRandom) + Hotkey(kUp) + Hotkey(kShow), "Ctrl+Shift+UCtrl+Alt+V");
  editor.Remove();
  EXPECT_EQ(dialogs.said.back(), kNotSelected) << "the list was shown again";
}

}  // namespace
}  // namespace qv
