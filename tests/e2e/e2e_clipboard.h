#pragma once
// The test process as "another application" writing the clipboard, and reading
// what the program put there and stored.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "codecs/bitmap32.h"
#include "util/bytes.h"

namespace qv::e2e {

struct Format {
  UINT id;
  Bytes bytes;
};
Format Text(const std::string& text);                     // CF_TEXT
Format Registered(const wchar_t* name, Bytes bytes);      // a registered format
Format Dib(int width, int height);                        // a 32-bit CF_DIB
Format Files(const std::vector<std::string>& utf8Names);  // CF_HDROP, wide names
// ASCII text in CF_TEXT, CF_UNICODETEXT, CF_OEMTEXT and CF_LOCALE, as a program
// offers it that leaves nothing to synthesise. (Wine 8's GetClipboardData
// leaks about 1 kB each time it answers from its cache, which every
// synthesised format makes it do: a reader of synthesised text seems to leak.)
std::vector<Format> AllTextFormats(const std::string& ascii);

// Opens the clipboard (retrying while the program reads it), empties it, sets
// the formats and closes it.
bool Put(const std::vector<Format>& formats);
inline bool PutText(const std::string& text) {
  return Put({Text(text)});
}
inline bool EmptyTheClipboardNow() {
  return Put({});
}
// The global-memory bytes of a format on the clipboard now.
std::optional<Bytes> ClipboardData(UINT id);
// The pixels of a CF_DIB block.
std::optional<Bitmap32> DecodeDib(const Bytes& dib);
// CF_TEXT on the clipboard now, or "<none>".
std::string ClipboardText();
// Waits until the program has handled every change notice and message sent
// before (a change another program made just now is then captured).
bool SyncWith(HWND window);
// Copies each text as another program would and waits until the program
// behind `window` has taken it.
bool CopyTexts(HWND window, const std::vector<std::string>& texts);

// The CF_TEXT texts of the slots stored in the work folder, oldest first.
std::vector<std::string> StoredTexts();
int StoredCount();
// Writes the work folder as an exit that kept these text slots would (oldest
// first; the last one is Slot 0).
bool StoreTexts(const std::vector<std::string>& texts);

}  // namespace qv::e2e
