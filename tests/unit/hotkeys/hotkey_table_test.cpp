#include "hotkeys/hotkey_table.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_hotkeys.h"
#include "test_support.h"

namespace qv {
namespace {

std::string Layout(uint16_t code) {
  return code == 186 ? ";" : "";
}

TEST(HotkeyTable, ParseNeedsAModifierAndWritesTextThatReadsBackAsItself) {
  const struct {
    std::string text;
    uint32_t mask;
    uint16_t key;
    bool assigned;
    const char* written;
  } cases[] = {
      {"Ctrl+Alt+V", 3, 'V', true, "Ctrl+Alt+V"},
      {"ctrl+shift+x", 6, 'X', true, "Ctrl+Shift+X"},
      {"Alt+Shift+pgdn", 5, 34, true, "Shift+Alt+PgDn"},
      {"Alt+Shift+Ctrl+X", 7, 'X', true, "Ctrl+Shift+Alt+X"},
      {"Win+Alt+Ctrl+Shift+;", 15, 186, true, "Ctrl+Shift+Alt+Win+;"},
      {"Meta+Ctrl+V", 2, 'V', true, "Ctrl+V"},  // an unknown word is no modifier
      {"Ctrl++V", 2, 'V', true, "Ctrl+V"},
      {"Ctrl+Alt+NoSuchKey", 3, 0, true, "Ctrl+Alt+"},
      {"Ctrl+" + std::string(3000, 'A'), 2, 0, true, "Ctrl+"},
      {"F5", 0, 0, false, ""},
      {"+V", 0, 'V', false, ""},
      {"V+Ctrl", 0, 0, false, ""},  // the key comes last
      {"Ctrl + Alt + V", 0, 0, false, ""},
      {"Ctrl-Alt-V", 0, 0, false, ""},
      {"", 0, 0, false, ""},
  };
  HotkeyTable table(Layout);
  for (const auto& c : cases) {
    const std::string at = c.text.substr(0, 20);
    table.Row(5).Text = "stale";
    table.ParseHotkey(c.text, 5);
    const THotkeyEntry& row = table.Row(5);
    EXPECT_EQ(row.Mask(), c.mask) << at;
    EXPECT_EQ(row.Key, c.key) << at;
    EXPECT_EQ(row.Assigned, c.assigned) << at;
    EXPECT_EQ(row.Text, "") << at;
    if (!row.Assigned) continue;
    EXPECT_EQ(table.HotkeyText(5), c.written) << at;
    table.ParseHotkey(c.written, 6);
    EXPECT_EQ(table.Row(6).Mask(), row.Mask()) << at;
    EXPECT_EQ(table.Row(6).Key, row.Key) << at;
  }
  EXPECT_THROW(table.Row(25), std::out_of_range);
}

TEST(HotkeyTable, LoadRegisterSaveAndUnregister) {
  test::TempFolder dir;
  const IniFile file(dir / "options.cfg");
  ASSERT_TRUE(file.WriteString("main", "width", "300"));
  HotkeyTable table(Layout);
  table.LoadHotkeys(
      IniDocument::Parse("[hotkeys]\nwindow.show=Ctrl+Alt+V\ntext.up=ctrl+shift+x\nclearclip=F5\n"
                         "picture.180=Ctrl+Shift+Alt+X\nwindow.hide=CTRL+ALT+v\nbogus=Win+B\n"));
  SimHotkeyRegistrar registrar;
  EXPECT_FALSE(table.RegisterHotkeys(registrar)) << "window.hide repeats window.show";
  const std::map<int, SimHotkeyRegistrar::Combination> expected{
      {1, {3, 'V'}}, {9, {6, 'X'}}, {16, {7, 'X'}}};
  EXPECT_EQ(registrar.registered, expected);

  ASSERT_TRUE(table.SaveHotkeys(file));
  const IniDocument saved = file.Load();
  const std::vector<std::string> keys = saved.Keys("hotkeys");
  ASSERT_EQ(keys.size(), size_t{kHotkeyOperationCount});
  for (int n = 1; n <= kHotkeyOperationCount; ++n)
    EXPECT_EQ(keys[static_cast<size_t>(n - 1)], FindHotkeyOperation(n)->key);
  EXPECT_EQ(saved.Get("hotkeys", "text.up"), "Ctrl+Shift+X");
  EXPECT_EQ(saved.Get("hotkeys", "picture.180"), "Ctrl+Shift+Alt+X");
  EXPECT_EQ(saved.Get("hotkeys", "clearclip"), "");
  EXPECT_EQ(saved.Get("main", "width"), "300");

  EXPECT_FALSE(table.UnregisterHotkeys(registrar)) << "window.hide was never registered";
  EXPECT_TRUE(registrar.registered.empty());
}

}  // namespace
}  // namespace qv
