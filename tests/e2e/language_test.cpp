// Choosing a language in the settings dialog, through the real program and
// the German translation installed beside it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "lang/language_text.h"
#include "quorvane_process.h"
#include "ui/param_form_win32.h"
#include "util/codepage.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;
using Form = TParamForm;

std::string German(const char* section, const char* key) {
  return LanguageValue(LoadLanguageFile(ExeDir() / "languages" / "de.lng"), section, key);
}

std::string TextOf(HWND window) {
  wchar_t text[256] = {};
  GetWindowTextW(window, text, 256);
  return Utf16ToUtf8(reinterpret_cast<const char16_t*>(text));
}

// Opens pmParam at fbConfig and picks the item whose accelerator is `key`.
void ParamMenuKey(HWND main, wchar_t key) {
  HWND menu = OpenToolMenu(main, 2);
  ASSERT_TRUE(menu);
  PostMessageW(menu, WM_CHAR, key, 1);
}

class Language : public ::testing::Test {
 protected:
  void SetUp() override { FreshStart("[main]\r\nminimized=0\r\nalign=2\r\nleft=40\r\ntop=40\r\n"); }
};

TEST_F(Language, DeutschChangesTheDialogAndTheMenusAtOnceAndAtTheNextStart) {
  const std::string germanTitle = German("ParamForm", "Title");
  ASSERT_FALSE(germanTitle.empty()) << "languages\\de.lng beside the program";
  {
    Quorvane app;
    ASSERT_TRUE(app.Ready());
    HWND dialog = OpenSettingsWithF9(app);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(TextOf(GetDlgItem(dialog, Form::kBtCancel)), "Cancel");
    // The list offers Deutsch and English, sorted, with English selected;
    // choose Deutsch as the user would.
    HWND list = GetDlgItem(dialog, Form::kCmLanguage);
    ASSERT_EQ(SendMessageW(list, CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 1);
    SendMessageW(list, CB_SETCURSEL, 0, 0);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(Form::kCmLanguage, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(WaitUntil([&] { return TextOf(dialog) == germanTitle; }, 5s));
    for (const auto& [id, key] : {std::pair{Form::kBtOk, "btOk"},
                                  {Form::kBtCancel, "btCancel"},
                                  {Form::kBtApply, "btApply"},
                                  {Form::kBtHelp, "btHelp"}})
      // The caption changes first; the buttons follow within the same message.
      EXPECT_TRUE(
          WaitUntil([&] { return TextOf(GetDlgItem(dialog, id)) == German("ParamForm", key); }, 5s))
          << key << " reads " << TextOf(GetDlgItem(dialog, id));
    EXPECT_EQ(SendMessageW(list, CB_GETCURSEL, 0, 0), 0) << "the list keeps the choice";
    EXPECT_TRUE(WaitUntil([] { return ReadOption("main", "language") == "de.lng"; }, 5s));
    // pmParam in German: "Ü&ber..." opens the About page.
    ASSERT_FALSE(Checked(dialog, Form::kSbItem1 + kParamAboutPage));
    ParamMenuKey(app.Window(), L'b');
    EXPECT_TRUE(WaitUntil([&] { return Checked(dialog, Form::kSbItem1 + kParamAboutPage); }, 5s));
    EXPECT_TRUE(app.Exit());
  }
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  ParamMenuKey(app.Window(), L'b');
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        return (dialog = SettingsDialog(app.process().Id(), germanTitle)) &&
               IsWindowVisible(dialog);
      },
      10s));
  EXPECT_TRUE(Checked(dialog, Form::kSbItem1 + kParamAboutPage));
  EXPECT_EQ(TextOf(GetDlgItem(dialog, Form::kBtCancel)), German("ParamForm", "btCancel"));
  EXPECT_EQ(SendMessageW(GetDlgItem(dialog, Form::kCmLanguage), CB_GETCURSEL, 0, 0), 0)
      << "Deutsch selected";
  SyncWith(dialog);
  Screenshot(dialog, "settings_german.bmp");
  EXPECT_TRUE(app.Exit());
}

}  // namespace
}  // namespace qv::e2e
