// The operations on the clipboard's content through the real program: case
// conversion, picture transformation, saving through the save dialog, and a
// conversion hotkey pressed in another program.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "keyboard_input.h"
#include "paste_target_window.h"
#include "quorvane_process.h"
#include "ui/command_ids.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;

class Operations : public ::testing::Test {
 protected:
  void SetUp() override {
    FreshStart("[main]\r\nminimized=0\r\n[hotkeys]\r\ntext.up=Ctrl+Alt+U\r\n");
  }
  // Runs a menu command and waits until it is done, so that reading the
  // clipboard afterwards never holds it while the program writes.
  static void Command(Quorvane& app, uint16_t id) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(app.Window(), WM_COMMAND, id, 0, SMTO_NORMAL, 10000, &ignored);
  }
};

TEST_F(Operations, AConversionFromTheClipboardMenuBecomesTheNewSlot0) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(CopyTexts(app.Window(), {"o'neil went home. ok"}));
  Command(app, kCmdTextConversion0 + 2);  // "Begin With Uppercase"
  EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "O'Neil Went Home. Ok"; }, 5s))
      << ClipboardText();
  ASSERT_TRUE(app.Exit());
  EXPECT_EQ(StoredTexts(),
            (std::vector<std::string>{"o'neil went home. ok", "O'Neil Went Home. Ok"}));
}

TEST_F(Operations, ARotationChangesThePictureAndKeepsTheText) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(Put({Dib(3, 2), Text("caption")}));
  ASSERT_TRUE(SyncWith(app.Window()));
  Command(app, kCmdPictureTransform0 + 1);  // "Rotate to the right"
  std::optional<Bitmap32> turned;
  EXPECT_TRUE(WaitUntil(
      [&] {
        auto dib = ClipboardData(CF_DIB);
        turned = dib ? DecodeDib(*dib) : std::nullopt;
        return turned && turned->width == 2 && turned->height == 3;
      },
      5s));
  EXPECT_EQ(ClipboardText(), "caption");
}

TEST_F(Operations, SavingSlot0ThroughTheSaveDialog) {
  const auto folder = std::filesystem::temp_directory_path() / L"qv-save";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ASSERT_TRUE(CopyTexts(app.Window(), {"older", "saved words"}));
  ASSERT_TRUE(BringToFront(app.Window()));
  PostMessageW(app.Window(), WM_KEYDOWN, VK_UP, 1);  // to the bottom of the list: older
  PostMessageW(app.Window(), WM_KEYDOWN, VK_UP, 1);  // up to the clipboard panel
  SyncWith(app.Window());
  PressKeys({VK_CONTROL}, 'T');
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        dialog = FindProcessWindow(app.process().Id(), L"#32770");
        return dialog && GetForegroundWindow() == dialog;
      },
      10s));
  TypeText((folder / L"notes").wstring());
  PressKeys({}, VK_RETURN);
  const auto file = folder / L"notes.txt";
  EXPECT_TRUE(WaitUntil([&] { return std::filesystem::exists(file); }, 10s));
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "saved words");
}

TEST_F(Operations, TheTextUpHotkeyConvertsWhileAnotherProgramIsInFront) {
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  Target target;
  ASSERT_TRUE(target.window);
  ASSERT_TRUE(CopyTexts(app.Window(), {"quiet text"}));
  PressKeys({VK_CONTROL, VK_MENU}, 'U');
  EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "QUIET TEXT"; }, 5s)) << ClipboardText();
  EXPECT_EQ(GetForegroundWindow(), target.window);
}

}  // namespace
}  // namespace qv::e2e
