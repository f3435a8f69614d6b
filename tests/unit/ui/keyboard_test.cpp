#include <gtest/gtest.h>

#include "ui/focus_navigation.h"
#include "ui/key_codes.h"
#include "ui/key_commands.h"

namespace qv {
namespace {

// A list of `records` slot records shown in `panels` panels, scrolled to `position`.
FocusState List(int focus, int records, int panels, int position = 0, bool slot0Empty = false) {
  FocusState s;
  s.focus = focus;
  s.records = records;
  s.panels = panels;
  s.slot0Empty = slot0Empty;
  s.scroll = UpdateScroll(ScrollState{}, records, panels);
  s.scroll.position = position;
  return s;
}

TEST(FocusNavigation, Keys) {
  struct Case {
    const char* name;
    uint16_t key;
    FocusState before;
    int focus;
    int position;
  } cases[] = {
      // 3 saved slots in 5 panels: no scrolling.
      {"down from the last slot wraps to the clipboard", kKeyDown, List(3, 4, 3), 0, 0},
      {"... or to panel 1 with an empty clipboard", kKeyDown, List(3, 4, 3, 0, true), 1, 0},
      {"down in the middle", kKeyDown, List(1, 4, 3), 2, 0},
      {"down without focus", kKeyDown, List(-1, 4, 3), -1, 0},
      {"up from the clipboard wraps to the bottom", kKeyUp, List(0, 4, 3), 3, 0},
      {"up without focus wraps to the bottom", kKeyUp, List(-1, 4, 3), 3, 0},
      {"up from panel 1 reaches the clipboard", kKeyUp, List(1, 4, 3), 0, 0},
      {"... unless it is empty", kKeyUp, List(1, 4, 3, 0, true), 3, 0},
      {"up with only the clipboard", kKeyUp, List(0, 1, 1), 0, 0},
      {"page down from the clipboard", kKeyPageDown, List(0, 4, 3), 3, 0},
      {"page down to the only saved slot", kKeyPageDown, List(0, 2, 1), 1, 0},
      {"page down with no saved slot", kKeyPageDown, List(0, 1, 1), 0, 0},
      {"page up", kKeyPageUp, List(3, 4, 3), 1, 0},
      {"page up from the clipboard does nothing", kKeyPageUp, List(0, 4, 3), 0, 0},
      // 20 saved slots in 5 panels: positions 0 to 15.
      {"up from the clipboard scrolls to the end", kKeyUp, List(0, 21, 5, 3), 5, 15},
      {"up on panel 1 scrolls up one", kKeyUp, List(1, 21, 5, 3), 1, 2},
      {"down on the last panel scrolls down one", kKeyDown, List(5, 21, 5, 3), 5, 4},
      {"down at the end wraps to the clipboard", kKeyDown, List(5, 21, 5, 15), 0, 15},
      {"... or to the top with an empty clipboard", kKeyDown, List(5, 21, 5, 15, true), 1, 0},
      {"page up scrolls a page", kKeyPageUp, List(4, 21, 5, 7), 1, 2},
      {"page up stops at the top", kKeyPageUp, List(4, 21, 5, 3), 1, 0},
      {"page down scrolls a page", kKeyPageDown, List(2, 21, 5, 7), 5, 12},
      {"page down stops at the end", kKeyPageDown, List(2, 21, 5, 12), 5, 15},
      {"page down from the clipboard does not scroll", kKeyPageDown, List(0, 21, 5, 3), 5, 3},
      {"other keys change nothing", kKeyReturn, List(2, 21, 5, 3), 2, 3},
  };
  for (const Case& c : cases) {
    FocusState after = NavigateFocus(c.key, c.before);
    EXPECT_EQ(after.focus, c.focus) << c.name;
    EXPECT_EQ(after.scroll.position, c.position) << c.name;
  }
}

TEST(PanelUsable, NeedsASlotForThePanel) {
  EXPECT_TRUE(PanelUsable(0, 1, 1, true, false));
  EXPECT_FALSE(PanelUsable(0, 1, 1, false, false)) << "empty clipboard";
  EXPECT_FALSE(PanelUsable(1, 1, 1, true, true)) << "no saved slot";
  EXPECT_TRUE(PanelUsable(1, 2, 1, false, true));
  EXPECT_FALSE(PanelUsable(1, 2, 1, true, false)) << "newest saved slot empty";
  EXPECT_TRUE(PanelUsable(3, 4, 3, true, true));
  EXPECT_FALSE(PanelUsable(3, 3, 5, true, true)) << "digit 3 with two saved slots";
  EXPECT_FALSE(PanelUsable(3, 9, 2, true, true)) << "panel not shown";
}

using Kind = KeyStep::Kind;
const KeyStep kSelect{Kind::kSelectFocused};
KeyStep Cmd(uint16_t id) {
  return {Kind::kCommand, id};
}
KeyStep Nav(uint16_t key) {
  return {Kind::kNavigate, 0, key};
}

TEST(PlanKey, KeyTable) {
  PanelState text{true, true, false}, picture{true, false, true};
  KeyContext onText{2, {text, text, text, {}, {}, {}}};
  KeyContext onPicture{1, {picture, picture, {}, {}, {}, {}}};
  KeyContext onClipboard{0, {text, text, {}, {}, {}, {}}};
  KeyContext unfocused{-1, {text, text, text, text, {}, {}}};
  KeyContext onEmpty{1, {}};
  struct Case {
    const char* name;
    KeyPress press;
    KeyContext context;
    std::vector<KeyStep> steps;
  } cases[] = {
      {"Shift+F10 on a slot", {kKeyF10, true}, onText, {{Kind::kSlotMenu, 0, 0, 2}}},
      {"F10 alone", {kKeyF10}, onText, {}},
      {"Apps on the clipboard", {kKeyApps}, onClipboard, {{Kind::kClipboardMenu, 0, 0, 0}}},
      {"Space without focus", {kKeySpace}, unfocused, {}},
      {"Ctrl+Up moves the slot, then the focus",
       {kKeyUp, false, true},
       onText,
       {kSelect, Cmd(kCmdSlotUp), Nav(kKeyUp)}},
      {"Ctrl+Down", {kKeyDown, false, true}, onText, {kSelect, Cmd(kCmdSlotDown), Nav(kKeyDown)}},
      {"Ctrl+Up without focus only navigates", {kKeyUp, false, true}, unfocused, {Nav(kKeyUp)}},
      {"Ctrl+Left", {kKeyLeft, false, true}, unfocused, {Cmd(kCmdPrevious)}},
      {"Ctrl+Right", {kKeyRight, false, true}, unfocused, {Cmd(kCmdNext)}},
      {"Ctrl+S", {'S', false, true}, onClipboard, {kSelect, Cmd(kCmdSaveSlot)}},
      {"Ctrl+S on nothing", {'S', false, true}, onEmpty, {}},
      {"Ctrl+T on text", {'T', false, true}, onText, {kSelect, Cmd(kCmdSaveText)}},
      {"Ctrl+T on a picture", {'T', false, true}, onPicture, {}},
      {"Ctrl+I on a picture", {'I', false, true}, onPicture, {kSelect, Cmd(kCmdSaveImage)}},
      {"Ctrl+I on text", {'I', false, true}, onText, {}},
      {"Ctrl+C", {'C', false, true}, onText, {kSelect, Cmd(kCmdCopy)}},
      {"Ctrl+C on the clipboard", {'C', false, true}, onClipboard, {}},
      {"Ctrl+X", {'X', false, true}, onPicture, {kSelect, Cmd(kCmdSwap)}},
      {"Ctrl+V on text", {'V', false, true}, onText, {kSelect, Cmd(kCmdAddText)}},
      {"Ctrl+V on a picture", {'V', false, true}, onPicture, {}},
      {"Enter", {kKeyReturn}, onText, {kSelect, Cmd(kCmdPaste)}},
      {"Enter without focus keeps the selected slot", {kKeyReturn}, unfocused, {Cmd(kCmdPaste)}},
      {"Shift+Enter is Enter", {kKeyReturn, true}, onText, {kSelect, Cmd(kCmdPaste)}},
      {"Esc", {kKeyEscape}, unfocused, {Cmd(kCmdMinimize)}},
      {"Delete on the clipboard", {kKeyDelete}, onClipboard, {kSelect, Cmd(kCmdClearClipboard)}},
      {"Delete on a slot", {kKeyDelete}, onText, {kSelect, Cmd(kCmdDeleteSlot)}},
      {"Delete on nothing", {kKeyDelete}, onEmpty, {}},
      {"digit 3", {'3'}, unfocused, {{Kind::kSelectPanel, 0, 0, 3}, Cmd(kCmdPaste)}},
      {"keypad 0", {kKeyNumpad0}, unfocused, {{Kind::kSelectPanel, 0, 0, 0}, Cmd(kCmdPaste)}},
      {"keypad 3", {kKeyNumpad0 + 3}, unfocused, {{Kind::kSelectPanel, 0, 0, 3}, Cmd(kCmdPaste)}},
      {"keypad 5 on an unusable panel", {kKeyNumpad0 + 5}, unfocused, {}},
      {"keypad 6", {kKeyNumpad0 + 6}, unfocused, {}},
      {"digit 4 on an unusable panel", {'4'}, unfocused, {}},
      {"digit 6", {'6'}, unfocused, {}},
      {"Page Down", {kKeyPageDown}, onText, {Nav(kKeyPageDown)}},
      {"F1", {kKeyF1}, unfocused, {Cmd(kCmdHelp)}},
      {"F9", {kKeyF9}, unfocused, {Cmd(kCmdSettings)}},
      {"an unbound key", {'Q', false, true}, onText, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(PlanKey(c.press, c.context), c.steps) << c.name;
}

}  // namespace
}  // namespace qv
