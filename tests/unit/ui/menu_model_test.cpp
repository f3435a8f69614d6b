#include "ui/menu_model.h"

#include <gtest/gtest.h>

#include "settings/options.h"
#include "ui/command_ids.h"

namespace qv {
namespace {

std::vector<std::string> Captions(const Menu& menu) {
  std::vector<std::string> out;
  for (const MenuItem& item : menu) out.push_back(item.IsSeparator() ? "-" : item.caption);
  return out;
}

std::vector<uint16_t> Ids(const Menu& menu) {
  std::vector<uint16_t> out;
  for (const MenuItem& item : menu)
    if (!item.IsSeparator()) out.push_back(item.id);
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

// Commands whose subsystems are not built yet are shown disabled.
TEST(MenuModel, SlotMenusFollowTheDisplayKind) {
  using Ids16 = std::vector<uint16_t>;
  const struct {
    DisplayKind kind;
    Ids16 clipboard, slot;
  } cases[] = {
      {DisplayKind::kTextPicture,
       {kCmdPaste, kCmdTextConversion, kCmdImageTransformation, kCmdSaveText, kCmdSaveImage,
        kCmdSaveSlot, kCmdSlotUp, kCmdSlotDown, kCmdClearClipboard},
       {kCmdPaste, kCmdCopy, kCmdSwap, kCmdAddText, kCmdSaveText, kCmdSaveImage, kCmdSaveSlot,
        kCmdSlotUp, kCmdSlotDown, kCmdDeleteSlot}},
      {DisplayKind::kFiles,
       {kCmdPaste, kCmdSaveText, kCmdSaveSlot, kCmdSlotUp, kCmdSlotDown, kCmdClearClipboard},
       {kCmdPaste, kCmdCopy, kCmdSwap, kCmdAddText, kCmdSaveText, kCmdSaveSlot, kCmdSlotUp,
        kCmdSlotDown, kCmdDeleteSlot}},
      {DisplayKind::kBinary,
       {kCmdPaste, kCmdSaveSlot, kCmdSlotUp, kCmdSlotDown, kCmdClearClipboard},
       {kCmdPaste, kCmdCopy, kCmdSwap, kCmdSaveSlot, kCmdSlotUp, kCmdSlotDown, kCmdDeleteSlot}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    const Menu clipboard = ClipboardMenu(MenuItemsFor(c.kind));
    const Menu slot = SlotMenu(MenuItemsFor(c.kind));
    ExpectTidy(clipboard);
    ExpectTidy(slot);
    EXPECT_EQ(Ids(clipboard), c.clipboard);
    EXPECT_EQ(Ids(slot), c.slot);
    EXPECT_TRUE(clipboard.front().isDefault && slot.front().isDefault);
    for (const Menu* menu : {&clipboard, &slot}) {
      for (const MenuItem& item : *menu) {
        EXPECT_TRUE(item.enabled) << item.caption;
        for (const MenuItem& sub : item.submenu) EXPECT_TRUE(sub.enabled) << sub.caption;
      }
    }
  }
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
  for (const MenuItem& item : fast)
    EXPECT_EQ(item.radio, item.id >= kCmdPlace1 && item.id <= kCmdPlace3) << item.caption;
  // The sets, in list order, or the disabled placeholder.
  auto sets = [](const std::vector<std::string>& names) { return SlotSetMenu(names)[2].submenu; };
  ASSERT_EQ(sets({}).size(), 1u);
  EXPECT_EQ(sets({})[0].caption, "<NO SETS>");
  EXPECT_FALSE(sets({})[0].enabled);
  const Menu two = sets({"R&D", "b"});
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0].caption, "R&&D");
  EXPECT_EQ(two[1].id, kCmdLoadSet0 + 1);
  Menu transparency = TransparencyMenu(30);
  ASSERT_EQ(transparency.size(), 10u);
  for (size_t i = 0; i < transparency.size(); ++i) EXPECT_EQ(transparency[i].checked, i == 3);
}

}  // namespace
}  // namespace qv
