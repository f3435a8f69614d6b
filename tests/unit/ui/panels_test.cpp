// The slot panels: what each shows, the selection, the keyboard, and their menus.
#include <gtest/gtest.h>

#include <span>

#include "snapshot/clip_rec.h"
#include "ui/auto_select.h"
#include "ui/command_ids.h"
#include "ui/display_kind.h"
#include "ui/focus_navigation.h"
#include "ui/key_codes.h"
#include "ui/key_commands.h"
#include "ui/menu_model.h"

namespace qv {
namespace {

using DK = DisplayKind;

// Text follows textview, text and picture textpictview (2: counts, 3: text only).
TEST(ChooseDisplayKind, TextKindsFollowTheirViewOption) {
  using enum DisplayKind;
  const std::optional<DK> none;
  const uint8_t E = kKindEmpty, T = kKindText, TP = kKindTextAndPicture, P = kKindPicture;
  const std::tuple<uint8_t, bool, uint8_t, uint8_t, std::optional<DK>> cases[] = {
      {E, true, 1, 1, kEmptyClipboard},
      {E, false, 0, 9, kEmptySlot},
      {T, false, 1, 3, kText},
      {T, true, 2, 1, kOnlyText},
      {T, false, 3, 1, none},
      {TP, false, 2, 1, kTextPicture},
      {TP, false, 2, 2, kText},
      {TP, true, 1, 3, kOnlyText},
      {TP, false, 1, 4, none},
      {P, false, 0, 7, kPicture},
      {6, false, 1, 1, none}};
  for (const auto& [kind, clipboard, textview, textpictview, shown] : cases) {
    const auto choice = ChooseDisplayKind(kind, clipboard, textview, textpictview);
    EXPECT_EQ(choice ? std::optional(choice->kind) : none, shown)
        << int{kind} << " " << clipboard << " " << int{textview} << int{textpictview};
  }
}

// A selection that is gone moves up to a panel showing a slot (panels past the list are stale).
TEST(Selection, FollowsTheSlotsShown) {
  using P = PanelKinds;
  const DK T = DK::kText, E = DK::kEmptySlot, B = DK::kBinary, EC = DK::kEmptyClipboard;
  const int N = kNoPanel;
  const P texts{T, T, T, T, T, T}, mixed{T, DK::kPicture, DK::kFiles, T, T, T},
      gaps{B, E, E, T, T, T}, noClipboard{EC, E, T, T, T, T}, stale{T, T, E, T, T, T};
  const std::tuple<int, int, P, int> cases[] = {
      {N, 3, texts, N},       {0, 1, texts, 0}, {2, 3, texts, 2}, {5, 6, texts, 5},
      {3, 3, mixed, 2},       {1, 1, mixed, 0}, {3, 3, gaps, 0},  {1, 1, noClipboard, N},
      {2, 2, noClipboard, N}, {5, 3, stale, 1}};
  for (const auto& [selected, slots, kinds, expected] : cases)
    EXPECT_EQ(AutoSelectSlot(selected, slots, kinds), expected) << selected << " of " << slots;
  const std::tuple<int, DK, int> cleared[] = {{3, T, 0}, {1, B, 0},  {3, EC, N},
                                              {3, E, N}, {0, EC, 0}, {N, T, N}};
  for (auto [selected, clipboard, expected] : cleared)
    EXPECT_EQ(SelectionAfterClearAll(selected, clipboard), expected) << selected;
  const std::tuple<int, int, int> paged[] = {{4, 2, 2}, {2, 2, 2}, {1, 5, 1}, {0, 1, 0}, {N, 1, N}};
  for (auto [selected, page, expected] : paged)
    EXPECT_EQ(SelectionForPage(selected, page), expected) << selected << "/" << page;
}

std::vector<uint16_t> Ids(const Menu& menu) {
  std::vector<uint16_t> out;
  for (const MenuItem& item : menu) out.push_back(item.IsSeparator() ? 0 : item.id);
  return out;
}

// Items for content the slot lacks go with their separators; commands not built yet are disabled.
TEST(MenuModel, Menus) {
  const Menu menus[] = {
      ClipboardMenu(MenuItemsFor(DK::kTextPicture)), SlotMenu(MenuItemsFor(DK::kTextPicture)),
      ClipboardMenu(MenuItemsFor(DK::kBinary)), SlotMenu(MenuItemsFor(DK::kBinary))};
  using V = std::vector<uint16_t>;
  EXPECT_EQ(Ids(menus[0]),
            (V{kCmdPaste, 0, kCmdTextConversion, kCmdImageTransformation, 0, kCmdSaveText,
               kCmdSaveImage, kCmdSaveSlot, 0, kCmdSlotUp, kCmdSlotDown, 0, kCmdClearClipboard}));
  EXPECT_EQ(Ids(menus[1]),
            (V{kCmdPaste, kCmdCopy, kCmdSwap, kCmdAddText, 0, kCmdSaveText, kCmdSaveImage,
               kCmdSaveSlot, 0, kCmdSlotUp, kCmdSlotDown, 0, kCmdDeleteSlot}));
  EXPECT_EQ(Ids(menus[2]),
            (V{kCmdPaste, 0, kCmdSaveSlot, 0, kCmdSlotUp, kCmdSlotDown, 0, kCmdClearClipboard}));
  EXPECT_EQ(Ids(menus[3]), (V{kCmdPaste, kCmdCopy, kCmdSwap, 0, kCmdSaveSlot, 0, kCmdSlotUp,
                              kCmdSlotDown, 0, kCmdDeleteSlot}));
  for (const Menu& menu : menus) {
    EXPECT_TRUE(menu.front().isDefault);
    for (const MenuItem& item : menu)
      EXPECT_TRUE(item.enabled && (item.submenu.empty() || item.submenu.back().enabled))
          << item.caption;
  }

  std::string tray;
  for (const MenuItem& item : TrayMenu())
    tray += (item.IsSeparator() ? "-" : (item.enabled ? "" : "~") + item.caption) + "|";
  EXPECT_EQ(tray,
            "&Help|&About...|-|Main &window|S&ettings...|-|&Previous slot|&Next slot|-|&Exit|");
  Menu transparency = TransparencyMenu(30);
  ASSERT_EQ(transparency.size(), 10u);
  for (size_t i = 0; i < transparency.size(); ++i) EXPECT_EQ(transparency[i].checked, i == 3);
  // The sets, in list order, or the disabled placeholder.
  auto sets = [](const std::vector<std::string>& names) { return SlotSetMenu(names)[2].submenu; };
  ASSERT_EQ(sets({}).size(), 1u);
  EXPECT_EQ(sets({})[0].caption, "<NO SETS>");
  EXPECT_FALSE(sets({})[0].enabled);
  const Menu two = sets({"R&D", "b"});
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].caption, "R&&D");
  EXPECT_EQ(two[1].id, kCmdLoadSet0 + 1);
}

FocusState List(int focus, int records, int panels, int position = 0, bool slot0Empty = false) {
  FocusState s{focus, panels, records, slot0Empty, UpdateScroll(ScrollState{}, records, panels)};
  s.scroll.position = position;
  return s;
}

// Down and Up wrap, pass over an empty clipboard and scroll at the ends; Page Up goes to
// panel 1, Page Down to the last slot shown. Rows: key, before, focus and position after.
TEST(FocusNavigation, Keys) {
  using Case = std::tuple<uint16_t, FocusState, int, int>;
  const Case unscrolled[] = {
      {kKeyDown, List(3, 4, 3), 0, 0},     {kKeyDown, List(3, 4, 3, 0, true), 1, 0},
      {kKeyDown, List(1, 4, 3), 2, 0},     {kKeyDown, List(-1, 4, 3), -1, 0},
      {kKeyUp, List(0, 4, 3), 3, 0},       {kKeyUp, List(-1, 4, 3), 3, 0},
      {kKeyUp, List(1, 4, 3), 0, 0},       {kKeyUp, List(1, 4, 3, 0, true), 3, 0},
      {kKeyUp, List(0, 1, 1), 0, 0},       {kKeyPageDown, List(0, 4, 3), 3, 0},
      {kKeyPageDown, List(0, 2, 1), 1, 0}, {kKeyPageDown, List(0, 1, 1), 0, 0},
      {kKeyPageUp, List(3, 4, 3), 1, 0},   {kKeyPageUp, List(0, 4, 3), 0, 0},
  };
  const Case scrolled[] = {
      {kKeyUp, List(0, 21, 5, 3), 5, 15},         {kKeyUp, List(1, 21, 5, 3), 1, 2},
      {kKeyDown, List(5, 21, 5, 3), 5, 4},        {kKeyDown, List(5, 21, 5, 15), 0, 15},
      {kKeyDown, List(5, 21, 5, 15, true), 1, 0}, {kKeyPageUp, List(4, 21, 5, 7), 1, 2},
      {kKeyPageUp, List(4, 21, 5, 3), 1, 0},      {kKeyPageDown, List(2, 21, 5, 7), 5, 12},
      {kKeyPageDown, List(2, 21, 5, 12), 5, 15},  {kKeyPageDown, List(0, 21, 5, 3), 5, 3},
      {kKeyReturn, List(2, 21, 5, 3), 2, 3},
  };
  for (std::span<const Case> cases :
       {std::span<const Case>(unscrolled), std::span<const Case>(scrolled)}) {
    for (const auto& [key, before, focus, position] : cases) {
      const FocusState after = NavigateFocus(key, before);
      EXPECT_EQ(std::pair(after.focus, after.scroll.position), std::pair(focus, position))
          << "key " << key << " from " << before.focus << " of " << before.records;
    }
  }
}

// Panel 0 needs a clipboard kind, panel 1 the newest slot's, the others a slot on a shown panel.
TEST(PanelUsable, NeedsASlotForThePanel) {
  const std::tuple<int, int, int, bool, bool, bool> cases[] = {
      {0, 1, 1, true, false, true}, {0, 1, 1, false, false, false}, {1, 1, 1, true, true, false},
      {1, 2, 1, false, true, true}, {1, 2, 1, true, false, false},  {3, 4, 3, true, true, true},
      {3, 3, 5, true, true, false}, {3, 9, 2, true, true, false}};
  for (auto [panel, records, shown, slot0, newest, usable] : cases)
    EXPECT_EQ(PanelUsable(panel, records, shown, slot0, newest), usable)
        << panel << " " << records << " " << shown;
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
  const PanelState T{true, true, false}, P{true, false, true};
  const KeyContext onText{2, {T, T, T}}, onPicture{1, {P, P}}, onClip{0, {T, T}},
      unfocused{-1, {T, T, T, T}}, onEmpty{1, {}}, allUsable{-1, {T, T, T, T, T, T}};
  const std::tuple<const char*, KeyPress, KeyContext, std::vector<KeyStep>> cases[] = {
      {"Shift+F10 on a slot", {kKeyF10, true}, onText, {{Kind::kSlotMenu, 0, 0, 2}}},
      {"F10 alone", {kKeyF10}, onText, {}},
      {"Apps on the clipboard", {kKeyApps}, onClip, {{Kind::kClipboardMenu, 0, 0, 0}}},
      {"Ctrl+Down", {kKeyDown, false, true}, onClip, {kSelect, Cmd(kCmdSlotDown), Nav(kKeyDown)}},
      {"Ctrl+Up without focus only navigates", {kKeyUp, false, true}, unfocused, {Nav(kKeyUp)}},
      {"Ctrl+Left", {kKeyLeft, false, true}, unfocused, {Cmd(kCmdPrevious)}},
      {"Ctrl+F", {'F', false, true}, unfocused, {Cmd(kCmdFind)}},
      {"F alone", {'F'}, onText, {}},
      {"Ctrl+S", {'S', false, true}, onClip, {kSelect, Cmd(kCmdSaveSlot)}},
      {"Ctrl+S on nothing", {'S', false, true}, onEmpty, {}},
      {"Ctrl+T on text", {'T', false, true}, onText, {kSelect, Cmd(kCmdSaveText)}},
      {"Ctrl+T on a picture", {'T', false, true}, onPicture, {}},
      {"Ctrl+I on a picture", {'I', false, true}, onPicture, {kSelect, Cmd(kCmdSaveImage)}},
      {"Ctrl+I on text", {'I', false, true}, onText, {}},
      {"Ctrl+C", {'C', false, true}, onText, {kSelect, Cmd(kCmdCopy)}},
      {"Ctrl+C on the clipboard", {'C', false, true}, onClip, {}},
      {"Ctrl+X", {'X', false, true}, onPicture, {kSelect, Cmd(kCmdSwap)}},
      {"Ctrl+V on text", {'V', false, true}, onText, {kSelect, Cmd(kCmdAddText)}},
      {"Ctrl+V on a picture", {'V', false, true}, onPicture, {}},
      {"Enter", {kKeyReturn}, onText, {kSelect, Cmd(kCmdPaste)}},
      {"Enter without focus keeps the selected slot", {kKeyReturn}, unfocused, {Cmd(kCmdPaste)}},
      {"Delete on the clipboard", {kKeyDelete}, onClip, {kSelect, Cmd(kCmdClearClipboard)}},
      {"Delete on a slot", {kKeyDelete}, onText, {kSelect, Cmd(kCmdDeleteSlot)}},
      {"Delete on nothing", {kKeyDelete}, onEmpty, {}},
      {"digit 0", {'0'}, allUsable, {{Kind::kSelectPanel, 0, 0, 0}, Cmd(kCmdPaste)}},
      {"digit 5", {'5'}, allUsable, {{Kind::kSelectPanel, 0, 0, 5}, Cmd(kCmdPaste)}},
      {"digit 6", {'6'}, allUsable, {}},
      {"digit 3 on an unusable panel", {'3'}, onPicture, {}},
      {"keypad 0", {kKeyNumpad0}, allUsable, {{Kind::kSelectPanel, 0, 0, 0}, Cmd(kCmdPaste)}},
      {"keypad 5", {kKeyNumpad0 + 5}, allUsable, {{Kind::kSelectPanel, 0, 0, 5}, Cmd(kCmdPaste)}},
      {"keypad 6", {kKeyNumpad0 + 6}, allUsable, {}},
      {"an unbound key", {'Q', false, true}, onText, {}},
  };
  for (const auto& [name, press, context, steps] : cases)
    EXPECT_EQ(PlanKey(press, context), steps) << name;
}

}  // namespace
}  // namespace qv
