// qvtool on Windows: a console program with wide arguments (so any path
// works) and UTF-8 output; the system names registered clipboard formats.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/clipboard_win32.h"
#include "platform/win32/codepage_win32.h"
#include "platform/win32/metafile_renderer_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/wide_win32.h"
#include "qvtool/cli.h"
#include "util/codepage.h"

namespace {

// Bytes as they are: the text already carries its own CR LF.
void WriteAll(std::FILE* stream, const std::string& bytes) {
  _setmode(_fileno(stream), _O_BINARY);
  std::fwrite(bytes.data(), 1, bytes.size(), stream);
  std::fflush(stream);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  qv::win32::InstallWin32AnsiCodePage();
  SetConsoleOutputCP(CP_UTF8);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i)
    args.push_back(qv::Utf16ToUtf8(qv::win32::FromWide(argv[i], wcslen(argv[i]))));
  qv::win32::Win32Clipboard names;
  qv::win32::Win32MetafileRenderer renderer;
  qv::win32::Win32System system;
  qv::tool::ToolPlatform platform{renderer, system, &names};
  const qv::tool::CommandResult result = qv::tool::RunTool(args, platform);
  WriteAll(stdout, result.out);
  WriteAll(stderr, result.err);
  return result.exitCode;
}
