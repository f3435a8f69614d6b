#include "ui/menu_model.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "settings/options.h"
#include "ui/command_ids.h"

namespace qv {
namespace {

std::vector<std::string> Captions(const Menu& menu) {
  std::vector<std::string> out;
  for (const MenuItem& item : menu) out.push_back(item.IsSeparator() ? "-" : item.caption);
  return out;
}

// No separator at either end or next to another one.
void ExpectTidy(const Menu& menu) {
  ASSERT_FALSE(menu.empty());
  EXPECT_FALSE(menu.front().IsSeparator());
  EXPECT_FALSE(menu.back().IsSeparator());
  for (size_t i = 1; i < menu.size(); ++i)
    EXPECT_FALSE(menu[i].IsSeparator() && menu[i - 1].IsSeparator()) << "at " << i;
}

TEST(MenuModel, ClipboardMenuFollowsTheDisplayKind) {
  for (int kind = 1; kind <= 6; ++kind) {
    Menu menu = ClipboardMenu(MenuItemsFor(static_cast<DisplayKind>(kind)));
    ExpectTidy(menu);
    EXPECT_EQ(menu.front().id, kCmdPaste);
    EXPECT_TRUE(menu.front().isDefault);
    EXPECT_EQ(menu.back().id, kCmdClearClipboard);
  }
  auto has = [](const Menu& m, uint16_t id) {
    return std::any_of(m.begin(), m.end(), [&](const MenuItem& i) { return i.id == id; });
  };
  Menu both = ClipboardMenu(MenuItemsFor(DisplayKind::kTextPicture));
  EXPECT_TRUE(has(both, kCmdTextConversion) && has(both, kCmdImageTransformation));
  Menu binary = ClipboardMenu(MenuItemsFor(DisplayKind::kBinary));
  EXPECT_FALSE(has(binary, kCmdTextConversion) || has(binary, kCmdSaveText) ||
               has(binary, kCmdSaveImage));
  EXPECT_TRUE(has(binary, kCmdSaveSlot)) << "any slot can be saved as a slot file";
}

TEST(MenuModel, SlotMenuOffersAddTextOnlyWithText) {
  auto has = [](const Menu& m, uint16_t id) {
    return std::any_of(m.begin(), m.end(), [&](const MenuItem& i) { return i.id == id; });
  };
  EXPECT_TRUE(has(SlotMenu(MenuItemsFor(DisplayKind::kText)), kCmdAddText));
  EXPECT_TRUE(has(SlotMenu(MenuItemsFor(DisplayKind::kFiles)), kCmdAddText));
  EXPECT_FALSE(has(SlotMenu(MenuItemsFor(DisplayKind::kPicture)), kCmdAddText));
  ExpectTidy(SlotMenu(MenuItemsFor(DisplayKind::kBinary)));
}

TEST(MenuModel, TrayMenuOrderAndQuickSettingsChecks) {
  EXPECT_EQ(Captions(TrayMenu()),
            (std::vector<std::string>{"&Help", "&About...", "-", "Main &window", "S&ettings...",
                                      "-", "&Previous slot", "&Next slot", "-", "&Exit"}));
  Options o;
  o.align = 3;
  o.nodouble = true;
  Menu fast = FastMenu(o);
  ExpectTidy(fast);
  for (const MenuItem& item : fast) {
    if (item.IsSeparator()) continue;
    const bool expected =
        item.id == kCmdPlace3 || item.id == kCmdNoDouble || item.id == kCmdShowPaths;
    EXPECT_EQ(item.checked, expected) << item.caption;
  }
  Menu transparency = TransparencyMenu(30);
  ASSERT_EQ(transparency.size(), 10u);
  for (size_t i = 0; i < transparency.size(); ++i) EXPECT_EQ(transparency[i].checked, i == 3);
}

}  // namespace
}  // namespace qv
