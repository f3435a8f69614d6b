// Stands in for the browser and the mail program in the end-to-end tests:
//   url_recorder.exe LOG ADDRESS
// appends ADDRESS as one line of UTF-8 to the file LOG.
#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  std::unique_ptr<LPWSTR, decltype(&LocalFree)> args(CommandLineToArgvW(GetCommandLineW(), &count),
                                                     &LocalFree);
  if (!args || count != 3) return 2;
  std::string line(4 * wcslen(args.get()[2]) + 1, '\0');
  line.resize(WideCharToMultiByte(CP_UTF8, 0, args.get()[2], -1, line.data(),
                                  static_cast<int>(line.size()), nullptr, nullptr));
  if (line.empty()) return 1;
  line.back() = '\n';  // in place of the NUL: one write per line
  std::ofstream log(std::filesystem::path(args.get()[1]), std::ios::binary | std::ios::app);
  log << line;
  return log.good() ? 0 : 1;
}
