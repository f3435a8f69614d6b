// File-list previews: names as the slot and the viewer show them.
#include <filesystem>

#include "snapshot/clipboard_io.h"
#include "rtf/rich_text.h"
#include "attributes/previews.h"
#include "snapshot/snapshot_view.h"
#include "util/codepage.h"
#include "util/utf8.h"

namespace qv {
namespace {

constexpr size_t kPreviewNames = 3;
constexpr size_t kLastViewerIndex = 51;  // the viewer lists names 0 to 51

// A clipboard file name (UTF-8, backslashes) as a path of this system.
std::filesystem::path PathOf(std::string name) {
#ifndef _WIN32
  for (char& c : name) {
    if (c == '\\') c = '/';
  }
#endif
  return std::filesystem::path(std::u8string(name.begin(), name.end()));
}

// Folders and vanished paths get a trailing backslash, so they read as folders.
std::string ListedName(std::string name, bool showPaths) {
  std::error_code ec;
  auto status = std::filesystem::status(PathOf(name), ec);
  bool isFile = !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
  if (!isFile && !name.ends_with('\\')) name += '\\';
  return DisplayFileName(name, showPaths);
}

size_t CodePoints(std::string_view utf8) {
  size_t n = 0;
  for (size_t i = 0; i < utf8.size(); i += DecodeUtf8(utf8, i).length) ++n;
  return n;
}

std::string_view AfterLastSeparator(std::string_view path) {
  size_t sep = path.find_last_of("\\:");
  return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

}  // namespace

std::string DisplayFileName(std::string_view path, bool showPaths) {
  if (showPaths) return std::string(path);
  if (CodePoints(path) == 3 && path.size() >= 2 && path[1] == ':') return std::string(path);
  std::string_view name = AfterLastSeparator(path);
  if (!name.empty() || path.empty()) return std::string(name);
  return std::string(AfterLastSeparator(path.substr(0, path.size() - 1))) + '\\';
}

void GetFiles(TClipRec& rec, const PreviewSettings& settings) {
  GetFiles(rec, SnapshotView(rec).Parsed(), settings);
}

void GetFiles(TClipRec& rec, const SlotStreamView& view, const PreviewSettings& settings) {
  std::vector<std::string> names = ReadFileList(view);
  std::string preview, lines;
  for (size_t i = 0; i < names.size(); ++i) {
    std::string name = ListedName(std::move(names[i]), settings.pathfiles);
    if (i > 0) lines += "\r\n";
    lines += name;
    if (i < kPreviewNames) {
      if (i > 0) preview += "\r\n";
      preview += name;
    }
    if (i >= kLastViewerIndex) break;
  }
  rec.Preview = Utf8ToAnsi(preview);
  rec.TextView = PlainTextToRtf(lines, settings.font);
}

std::string FileListText(const TClipRec& rec, const PreviewSettings& settings) {
  return FileListText(SnapshotView(rec).Parsed(), settings);
}

std::string FileListText(const SlotStreamView& view, const PreviewSettings& settings) {
  std::string text;
  bool first = true;
  for (std::string& name : ReadFileList(view)) {
    if (!first) text += "\r\n";
    first = false;
    text += ListedName(std::move(name), settings.pathfiles);
  }
  return text;
}

}  // namespace qv
