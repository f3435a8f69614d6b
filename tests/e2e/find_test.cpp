// Finding a slot in a long history: Ctrl+F, a word, Enter pastes the newest
// match into the application that was in front, Esc brings the list back.
#include <gtest/gtest.h>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "keyboard_input.h"
#include "paste_target_window.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

// The texts of the slot views shown, top first.
std::vector<std::string> ShownTexts(HWND main) {
  std::vector<std::string> texts;
  const std::vector<HWND> views = SlotViews(main);
  for (size_t i = 0; i < views.size(); ++i)
    if (IsWindowVisible(views[i])) texts.push_back(SlotViewText(main, i));
  return texts;
}

TEST(Find, AWordFiltersThreeHundredSlotsEnterPastesEscRestores) {
  FreshStart("[main]\r\nminimized=0\r\n[slots]\r\ncount=1000\r\nsaveslots=1\r\npage=5\r\n");
  std::vector<std::string> texts;
  for (int i = 1; i <= 300; ++i)
    texts.push_back(i % 40 == 7 ? "walrus " + std::to_string(i) : "note " + std::to_string(i));
  ASSERT_TRUE(StoreTexts(texts));

  Quorvane app;
  ASSERT_TRUE(app.Ready());
  Target target;
  ASSERT_TRUE(target.edit);
  ASSERT_TRUE(BringToFront(app.Window()));
  ASSERT_TRUE(SyncWith(app.Window()));
  const std::vector<std::string> before = ShownTexts(app.Window());
  ASSERT_EQ(before.size(), 6u);
  RECT clientBefore{};
  GetClientRect(app.Window(), &clientBefore);

  PressKeys({VK_CONTROL}, 'F');
  HWND field = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        field = FindWindowExW(app.Window(), nullptr, L"Edit", nullptr);
        return field && IsWindowVisible(field);
      },
      5s));
  TypeText(L"WALRUS");
  // walrus 287, 247, 207, 167, 127 on the five rows; 87, 47, 7 further down.
  const std::vector<std::string> matches = {"Text: walrus 287", "Text: walrus 247",
                                            "Text: walrus 207", "Text: walrus 167",
                                            "Text: walrus 127"};
  ASSERT_TRUE(WaitUntil(
      [&] {
        auto shown = ShownTexts(app.Window());
        return shown.size() == 6 &&
               std::vector<std::string>(shown.begin() + 1, shown.end()) == matches;
      },
      5s))
      << "rows: " << testing::PrintToString(ShownTexts(app.Window()));
  RECT client{};
  GetClientRect(app.Window(), &client);
  EXPECT_EQ(client.bottom, clientBefore.bottom) << "the field takes the toolbar's place";
  Screenshot(app.Window(), "find_walrus");

  PressKeys({}, VK_ESCAPE);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(field); }, 5s));
  SyncWith(app.Window());
  EXPECT_EQ(ShownTexts(app.Window()), before) << "Esc brings the whole list back";
  EXPECT_TRUE(IsWindowVisible(app.Window())) << "Esc closed the field, not the window";

  // Again, and Enter pastes the first match where the user was before.
  PressKeys({VK_CONTROL}, 'F');
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(field) != FALSE; }, 5s));
  TypeText(L"rus 2");
  ASSERT_TRUE(WaitUntil(
      [&] {
        auto shown = ShownTexts(app.Window());
        return shown.size() > 1 && shown[1] == matches[0];
      },
      5s));
  PressKeys({}, VK_RETURN);
  EXPECT_TRUE(target.Shows("walrus 287")) << target.Text();
}

}  // namespace
}  // namespace qv::e2e
