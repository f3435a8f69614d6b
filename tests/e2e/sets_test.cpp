// Sets through the real program: the save dialog, loading from the sets menu,
// and renaming, describing and deleting in the sets manager.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "quorvane_process.h"
#include "ui/command_ids.h"
#include "ui/set_forms_win32.h"

namespace qv::e2e {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A shown top-level window of the process with this caption.
HWND VisibleWindow(DWORD process, const wchar_t* caption) {
  for (HWND window : ProcessWindows(process)) {
    wchar_t text[64] = L"";
    GetWindowTextW(window, text, 64);
    if (IsWindowVisible(window) && std::wstring(text) == caption) return window;
  }
  return nullptr;
}

HWND WaitForWindow(DWORD process, const wchar_t* caption) {
  HWND window = nullptr;
  WaitUntil([&] { return (window = VisibleWindow(process, caption)) != nullptr; }, 10s);
  return window;
}

std::string ReadFileText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The one set folder under the sets folder, or an empty path.
fs::path OnlySet() {
  fs::path found;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(DataFolder() / L"sets", ec))
    if (entry.is_directory()) found = entry.path();
  return found;
}

// Replaces an edit's text as typing would, so that it tells its window.
void Type(HWND dialog, int id, const wchar_t* text) {
  HWND edit = GetDlgItem(dialog, id);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

TEST(Sets, SaveLoadRenameCommentAndDelete) {
  FreshStart("[main]\r\nminimized=0\r\n");
  Quorvane app;
  ASSERT_TRUE(app.Ready());
  const DWORD pid = app.process().Id();
  ASSERT_TRUE(CopyTexts(app.Window(), {"one", "two", "three"}));

  PostMessageW(app.Window(), WM_COMMAND, kCmdSaveSet, 0);
  HWND save = WaitForWindow(pid, L"Save a slots set");
  ASSERT_TRUE(save);
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(save, TSaveSetForm::kBtSave))) << "no name yet";
  Type(save, TSaveSetForm::kEdName, L"  week  ");
  Type(save, TSaveSetForm::kReComment, L"first\r\nsecond");
  SendMessageW(GetDlgItem(save, TSaveSetForm::kBtSave), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(save); }, 5s));
  const fs::path set = OnlySet();
  ASSERT_FALSE(set.empty());
  const std::string index = ReadFileText(set / L"slots.cfg");
  EXPECT_NE(index.find("name=week\r\n"), std::string::npos) << index;
  EXPECT_NE(index.find("count=3\r\n"), std::string::npos) << index;
  EXPECT_EQ(ReadFileText(set / L"info"), "first\r\nsecond\r\n");

  // Clear all, copy something else, load the set from the sets menu.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(app.Window(), WM_COMMAND, kCmdClearAll, 0, SMTO_NORMAL, 10000, &ignored);
  ASSERT_TRUE(CopyTexts(app.Window(), {"other"}));
  SendMessageTimeoutW(app.Window(), WM_COMMAND, kCmdLoadSet0, 0, SMTO_NORMAL, 10000, &ignored);
  EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "three"; }, 5s)) << ClipboardText();
  EXPECT_EQ(SlotViewText(app.Window(), 0), "Text: three");
  EXPECT_EQ(SlotViewText(app.Window(), 1), "Text: two");
  EXPECT_EQ(SlotViewText(app.Window(), 2), "Text: one");
  EXPECT_EQ(SlotViewText(app.Window(), 3), "Text: other");

  // Rename and describe it in the sets manager, then delete it.
  PostMessageW(app.Window(), WM_COMMAND, kCmdSetsManager, 0);
  HWND manager = WaitForWindow(pid, L"Sets manager");
  ASSERT_TRUE(manager);
  HWND list = GetDlgItem(manager, TLoadSetForm::kLsSets);
  EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 1);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 0);
  Type(manager, TLoadSetForm::kEdName, L"renamed");
  Type(manager, TLoadSetForm::kReComment, L"described");
  SendMessageW(GetDlgItem(manager, TLoadSetForm::kBtApply), BM_CLICK, 0, 0);
  Screenshot(manager, "sets_manager.bmp");
  const std::string renamed = ReadFileText(set / L"slots.cfg");
  EXPECT_NE(renamed.find("name=renamed\r\n"), std::string::npos) << renamed;
  EXPECT_EQ(ReadFileText(set / L"info"), "described\r\n");
  EXPECT_FALSE(IsWindowEnabled(GetDlgItem(manager, TLoadSetForm::kBtApply)));

  PostMessageW(GetDlgItem(manager, TLoadSetForm::kBtDelete), BM_CLICK, 0, 0);
  HWND question = nullptr;
  ASSERT_TRUE(
      WaitUntil([&] { return (question = FindProcessWindow(pid, L"#32770")) != nullptr; }, 10s));
  PostMessageW(question, WM_COMMAND, IDYES, 0);
  EXPECT_TRUE(WaitUntil([&] { return !fs::exists(set); }, 5s));
  EXPECT_TRUE(WaitUntil(
      [&] { return IsWindowVisible(GetDlgItem(manager, TLoadSetForm::kPnNoSets)) != FALSE; }, 5s));
  EXPECT_FALSE(IsWindowVisible(list));
  SendMessageW(GetDlgItem(manager, TLoadSetForm::kBtExit), BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(manager); }, 5s));
  EXPECT_TRUE(app.Exit());
}

}  // namespace
}  // namespace qv::e2e
