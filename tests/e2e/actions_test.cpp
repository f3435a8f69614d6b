// Copied addresses opened through the shell: the handlers of the http and
// mailto protocols are pointed at url_recorder.exe, which writes down the
// address it is given.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "e2e_clipboard.h"
#include "e2e_support.h"
#include "platform/win32/handles_win32.h"
#include "quorvane_process.h"

namespace qv::e2e {
namespace {

// Makes url_recorder.exe the handler of a protocol while the object lives.
// Wine's shell reads the machine-wide classes only, not HKCU's.
class ProtocolHandler {
 public:
  ProtocolHandler(const std::wstring& scheme, const std::filesystem::path& log) {
    const std::wstring path = L"Software\\Classes\\" + scheme + L"\\shell\\open\\command";
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr);
    key_.Reset(key);
    wchar_t previous[1024] = L"";
    DWORD size = sizeof(previous) - sizeof(wchar_t);
    RegQueryValueExW(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &size);
    previous_ = previous;
    installed_ = key && Set(L"\"" + (ExeDir() / L"url_recorder.exe").wstring() + L"\" \"" +
                            log.wstring() + L"\" \"%1\"");
  }
  ~ProtocolHandler() {
    if (key_ && !previous_.empty()) Set(previous_);
  }
  ProtocolHandler(const ProtocolHandler&) = delete;
  ProtocolHandler& operator=(const ProtocolHandler&) = delete;
  bool Installed() const { return installed_; }

 private:
  bool Set(const std::wstring& command) {
    return RegSetValueExW(
               key_.Get(), nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
               static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
  }

  win32::UniqueHandle<HKEY, RegCloseKey> key_;
  std::wstring previous_;
  bool installed_ = false;
};

class Actions : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetDataFolder();
    EmptyTheClipboardNow();
    std::filesystem::remove(log_);
    ASSERT_TRUE(http_.Installed() && mailto_.Installed());
  }
  void TearDown() override { std::filesystem::remove(log_); }

  // Starts the program, copies each text as another program would, and
  // returns the first complete line of addresses the shell opened.
  std::string OpenedAfterCopying(const std::string& options, std::vector<std::string> texts) {
    WriteOptions(options);
    Quorvane app;
    EXPECT_TRUE(app.Ready());
    for (const std::string& text : texts) EXPECT_TRUE(PutText(text) && SyncWith(app.Window()));
    std::string opened;
    WaitUntil([&] {
      std::ostringstream read;
      read << std::ifstream(log_, std::ios::binary).rdbuf();
      opened = read.str();
      return !opened.empty() && opened.back() == '\n';
    });
    return opened;
  }

  const std::filesystem::path log_ = std::filesystem::temp_directory_path() / L"qv_opened.txt";
  ProtocolHandler http_{L"http", log_};
  ProtocolHandler mailto_{L"mailto", log_};
};

TEST_F(Actions, WithoutTheUrlOptionOnlyTheMailAddressOpens) {
  // Which address opens is decided (and unit-tested) in the portable code;
  // here the shell hands it to the mail program. The mail address copied after
  // the web address is the witness that the web address had its chance to open.
  EXPECT_EQ(OpenedAfterCopying("[actions]\r\nurl=0\r\nmail=1\r\n",
                               {"http://example.com/not-opened", "someone@example.com"}),
            "mailto:someone@example.com\n");
}

}  // namespace
}  // namespace qv::e2e
