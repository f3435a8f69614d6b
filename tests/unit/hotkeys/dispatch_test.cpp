#include "hotkeys/dispatch.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(DispatchHotkey, ConditionsDecideWhatRuns) {
  using enum HotkeyAction;
  const HotkeyDispatchState text{true, false, 4, true, 3};
  const HotkeyDispatchState picture{false, true, 4, true, 3};
  const struct {
    int id;
    HotkeyDispatchState state;
    HotkeyCommand command;
  } cases[] = {
      {0, text, {}},
      {25, text, {}},
      {1, {}, {ShowWindow, 0}},
      {7, {}, {LoadSlot, 0}},
      {13, text, {TextConversion, 5}},
      {8, picture, {}},
      {14, picture, {PictureTransform, 0}},
      {19, text, {}},
      {20, text, {PastePanel, 1}},
      {20, {true, false, 4, false, 3}, {}},
      {20, {true, false, 1, true, 3}, {}},
      {22, text, {PastePanel, 3}},
      {23, text, {}},                       // paste.slot4 off a three-slot page
      {22, {true, false, 3, true, 5}, {}},  // slot 3 needs four records
      {24, {false, false, 6, false, 5}, {PastePanel, 5}},
  };
  for (const auto& c : cases) EXPECT_EQ(DispatchHotkey(c.id, c.state), c.command) << c.id;
}

}  // namespace
}  // namespace qv
