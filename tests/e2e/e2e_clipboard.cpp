#include "e2e_clipboard.h"

#include <cstring>

#include "snapshot/clipboard_io.h"
#include "e2e_support.h"
#include "store/slot_folder.h"
#include "util/file_io.h"
#include "util/ini.h"

namespace qv::e2e {
namespace {

HGLOBAL Block(const void* data, size_t size) {
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!mem) return nullptr;
  std::memcpy(GlobalLock(mem), data, size);
  GlobalUnlock(mem);
  return mem;
}

// Opens the clipboard, retrying while the program reads it.
bool OpenForWriting() {
  return WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(5));
}

}  // namespace

bool PutText(const std::string& text) {
  return PutMarkedText(text, nullptr);
}

bool PutMarkedText(const std::string& text, const wchar_t* marker) {
  if (!OpenForWriting()) return false;
  EmptyClipboard();
  SetClipboardData(CF_TEXT, Block(text.c_str(), text.size() + 1));
  if (marker) {
    UINT id = RegisterClipboardFormatW(marker);
    const DWORD zero = 0;
    SetClipboardData(id, Block(&zero, sizeof(zero)));
  }
  return CloseClipboard() != FALSE;
}

bool PutDib(int width, int height) {
  std::vector<uint8_t> dib(sizeof(BITMAPINFOHEADER) + static_cast<size_t>(width) * height * 4);
  auto* header = reinterpret_cast<BITMAPINFOHEADER*>(dib.data());
  header->biSize = sizeof(BITMAPINFOHEADER);
  header->biWidth = width;
  header->biHeight = height;
  header->biPlanes = 1;
  header->biBitCount = 32;
  header->biCompression = BI_RGB;
  for (size_t i = sizeof(BITMAPINFOHEADER); i < dib.size(); ++i)
    dib[i] = static_cast<uint8_t>(i * 7);
  if (!OpenForWriting()) return false;
  EmptyClipboard();
  SetClipboardData(CF_DIB, Block(dib.data(), dib.size()));
  return CloseClipboard() != FALSE;
}

bool EmptyTheClipboardNow() {
  if (!OpenForWriting()) return false;
  EmptyClipboard();
  return CloseClipboard() != FALSE;
}

std::string ClipboardText() {
  if (!OpenForWriting()) return "<busy>";
  std::string text = "<none>";
  if (HANDLE h = GetClipboardData(CF_TEXT)) {
    if (auto* p = static_cast<const char*>(GlobalLock(h))) {
      text.assign(p, strnlen(p, GlobalSize(h)));
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return text;
}

bool SyncWith(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 20000, &result) != 0;
}

std::vector<std::string> StoredTexts() {
  auto work = DataFolder() / L"work";
  std::vector<std::string> texts;
  for (const auto& names : ReadSlotIndex(IniFile(work / L"slots.cfg").Load())) {
    auto data = ReadWholeFile(work / std::filesystem::u8path(names.data));
    texts.push_back(data ? ReadFormatText(*data, 1) : "<missing>");
  }
  return texts;
}

int StoredCount() {
  return static_cast<int>(
      IniFile(DataFolder() / L"work" / L"slots.cfg").ReadInteger("main", "count", -1));
}

}  // namespace qv::e2e
