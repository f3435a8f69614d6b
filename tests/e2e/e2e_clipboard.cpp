// codecs/bmp.h declares BI_* names that <windows.h> defines as macros: it comes first.
#include "codecs/bmp.h"
#include "e2e_clipboard.h"

#include <cstring>

#include "e2e_support.h"
#include "snapshot/clipboard_io.h"
#include "attributes/attribute_context.h"
#include "attributes/classify.h"
#include "platform/win32/metafile_renderer_win32.h"
#include "platform/win32/system_win32.h"
#include "store/slot_folder.h"
#include "store/work_folder.h"
#include "text_ops/text_output.h"
#include "util/codepage.h"
#include "util/file_io.h"
#include "util/ini.h"
#include "util/le_io.h"

namespace qv::e2e {

Format Text(const std::string& text) {
  Bytes bytes(text.begin(), text.end());
  bytes.push_back(0);
  return {CF_TEXT, bytes};
}

Format Registered(const wchar_t* name, Bytes bytes) {
  return {RegisterClipboardFormatW(name), std::move(bytes)};
}

Format Dib(int width, int height) {
  Bytes dib;
  for (uint32_t v : {40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
    PutU32(dib, v);
  PutU16(dib, 1);
  PutU16(dib, 32);
  for (int i = 0; i < 6; ++i) PutU32(dib, 0);
  for (size_t i = 0; i < static_cast<size_t>(width) * height * 4; ++i)
    dib.push_back(static_cast<uint8_t>(i * 7));
  return {CF_DIB, dib};
}

Format Files(const std::vector<std::string>& utf8Names) {
  Bytes drop;
  for (uint32_t v : {20u, 0u, 0u, 0u, 1u}) PutU32(drop, v);  // DROPFILES, wide names
  for (const std::string& name : utf8Names) {
    for (char16_t c : Utf8ToUtf16(name)) PutU16(drop, c);
    PutU16(drop, 0);
  }
  PutU16(drop, 0);
  return {CF_HDROP, drop};
}

std::vector<Format> AllTextFormats(const std::string& ascii) {
  Format ansi = Text(ascii);
  Bytes wide;
  for (uint8_t c : ansi.bytes) PutU16(wide, c);
  return {ansi, {CF_UNICODETEXT, wide}, {CF_OEMTEXT, ansi.bytes}, {CF_LOCALE, {0x09, 0x04, 0, 0}}};
}

bool Put(const std::vector<Format>& formats) {
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(5)))
    return false;
  EmptyClipboard();
  for (const Format& f : formats) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, f.bytes.size());
    std::memcpy(GlobalLock(block), f.bytes.data(), f.bytes.size());
    GlobalUnlock(block);
    SetClipboardData(f.id, block);
  }
  return CloseClipboard() != FALSE;
}

std::optional<Bytes> ClipboardData(UINT id) {
  if (!WaitUntil([] { return OpenClipboard(nullptr) != FALSE; }, std::chrono::seconds(5)))
    return std::nullopt;
  std::optional<Bytes> bytes;
  if (HANDLE h = GetClipboardData(id)) {
    if (auto* p = static_cast<const uint8_t*>(GlobalLock(h))) {
      bytes = Bytes(p, p + GlobalSize(h));
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return bytes;
}

std::optional<Bitmap32> DecodeDib(const Bytes& dib) {
  Bytes file;
  PutU16(file, 0x4D42);
  PutU32(file, static_cast<uint32_t>(14 + dib.size()));
  PutU32(file, 0);
  PutU32(file, 0);  // offset: not used by the reader
  PutBytes(file, dib);
  return DecodeBmp(file);
}

std::string ClipboardText() {
  auto bytes = ClipboardData(CF_TEXT);
  if (!bytes) return "<none>";
  return std::string(reinterpret_cast<const char*>(bytes->data()),
                     strnlen(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

bool SyncWith(HWND window) {
  // The program reads clipboard changes on a watcher thread, which hands each
  // reading to the window as a sent message: the watcher first, then the window.
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  DWORD_PTR result = 0;
  if (HWND watcher = FindProcessWindow(processId, L"QuorvaneClipboardWatch"))
    SendMessageTimeoutW(watcher, WM_NULL, 0, 0, SMTO_BLOCK, 20000, &result);
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK, 20000, &result) != 0;
}

bool CopyTexts(HWND window, const std::vector<std::string>& texts) {
  for (const std::string& text : texts)
    if (!PutText(text) || !SyncWith(window)) return false;
  return true;
}

std::vector<std::string> StoredTexts() {
  auto work = DataFolder() / L"work";
  std::vector<std::string> texts;
  for (const auto& names : ReadSlotIndex(IniFile(work / L"slots.cfg").Load())) {
    auto data = ReadWholeFile(work / std::filesystem::u8path(names.data));
    texts.push_back(data ? ReadFormatText(*data, CF_TEXT) : "<missing>");
  }
  return texts;
}

int StoredCount() {
  return static_cast<int>(
      IniFile(DataFolder() / L"work" / L"slots.cfg").ReadInteger("main", "count", -1));
}

bool StoreTexts(const std::vector<std::string>& texts) {
  const auto folder = DataFolder() / L"work";
  std::filesystem::create_directories(folder);
  win32::Win32System system;
  win32::Win32MetafileRenderer renderer;
  const std::vector<uint32_t> formats = {CF_UNICODETEXT, CF_TEXT};
  AttributeContext attributes(
      [](uint32_t id) { return id == CF_TEXT ? "CF_TEXT" : "CF_UNICODETEXT"; }, formats, renderer);
  TClipArr slots(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    slots[i].Data = TextSnapshot(std::nullopt, Utf8ToUtf16(texts[i]), 0);
    slots[i].Size = static_cast<uint32_t>(slots[i].Data->size());
    MakeClipRec(slots, i, attributes);
  }
  return !WorkFolder(folder, system).Save(slots);
}

}  // namespace qv::e2e
