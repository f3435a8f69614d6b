#pragma once
// The test process as "another application" writing the clipboard, and reading
// what the program stored.
#include <windows.h>

#include <string>
#include <vector>

namespace qv::e2e {

// Puts CF_TEXT (and nothing else) on the clipboard.
bool PutText(const std::string& text);
// Puts CF_TEXT plus a registered privacy marker format.
bool PutMarkedText(const std::string& text, const wchar_t* marker);
// Puts a 32-bit CF_DIB of the given size.
bool PutDib(int width, int height);
bool EmptyTheClipboardNow();
// CF_TEXT on the clipboard now, or "<none>".
std::string ClipboardText();
// Waits until the program's window has handled every message sent before.
bool SyncWith(HWND window);

// The CF_TEXT texts of the slots stored in the work folder, oldest first.
std::vector<std::string> StoredTexts();
int StoredCount();

}  // namespace qv::e2e
