#include "ui/text_form_win32.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

namespace qv {
namespace {

constexpr const wchar_t* kClassName = L"QuorvaneTextView";

// Reads the rich text for EM_STREAMIN.
struct RtfSource {
  const std::string* text;
  size_t position = 0;
};

DWORD CALLBACK ReadRtf(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  auto* source = reinterpret_cast<RtfSource*>(cookie);
  size_t count = std::min(static_cast<size_t>(std::max<LONG>(size, 0)),
                          source->text->size() - source->position);
  std::memcpy(buffer, source->text->data() + source->position, count);
  source->position += count;
  *read = static_cast<LONG>(count);
  return 0;
}

win32::GdiFont MakeDefaultFont() {
  win32::ScreenDC screen;
  LOGFONTW font{};
  font.lfHeight = -MulDiv(8, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  wcscpy(font.lfFaceName, L"Tahoma");
  return win32::GdiFont(CreateFontIndirectW(&font));
}

}  // namespace

TTextForm::TTextForm(HWND mainWindow, int width, int height)
    : TViewerWindow(mainWindow), defaultFont_(MakeDefaultFont()), font_(defaultFont_.Get()) {
  if (!CreateViewer(kClassName, L"Text View", WS_CLIPCHILDREN, width + 2 * kFrame,
                    height + 2 * kFrame))
    return;
  if (!CreateRichEdit()) {
    DestroyViewer();
    return;
  }
  Resize(width, height);
}

TTextForm::~TTextForm() { DestroyViewer(); }

bool TTextForm::CreateRichEdit() {
  const wchar_t* className = MSFTEDIT_CLASS;
  richEditLibrary_.Reset(LoadLibraryW(L"msftedit.dll"));
  if (!richEditLibrary_) {
    className = RICHEDIT_CLASSW;
    richEditLibrary_.Reset(LoadLibraryW(L"riched20.dll"));
  }
  if (!richEditLibrary_) return false;
  richEdit_ = CreateWindowExW(0, className, L"",
                              WS_CHILD | WS_VISIBLE | WS_DISABLED | ES_MULTILINE | ES_READONLY, 0,
                              0, 0, 0, window_.Get(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!richEdit_) return false;
  SendMessageW(richEdit_, EM_SETBKGNDCOLOR, FALSE, RGB(255, 255, 255));
  // A null target device with line width 1: no word wrap.
  SendMessageW(richEdit_, EM_SETTARGETDEVICE, 0, 1);
  SendMessageW(richEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return true;
}

void TTextForm::Resize(int width, int height) {
  if (!window_) return;
  SetWindowPos(window_.Get(), nullptr, 0, 0, width + 2 * kFrame, height + 2 * kFrame,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveWindow(richEdit_, kFrame, kFrame, width, height, TRUE);
}

void TTextForm::SetFont(HFONT font) {
  font_ = font ? font : defaultFont_.Get();
  if (richEdit_) SendMessageW(richEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
}

void TTextForm::LoadRtf(const std::string& rtf) {
  // Text without its own formatting takes the control's font; without this
  // some RichEdit versions fall back to a bold system font.
  SendMessageW(richEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  RtfSource source{&rtf};
  EDITSTREAM stream{};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadRtf;
  SendMessageW(richEdit_, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
}

void TTextForm::ShowText(const std::string& rtf, int left, int top) {
  if (!window_) return;
  LoadRtf(rtf);
  ShowAt(left, top);
}

void TTextForm::Paint(HDC dc) {
  // The frame; the rich-text control covers the inside.
  RECT client{};
  GetClientRect(window_.Get(), &client);
  FillRect(dc, &client, frameBrush_.Get());
}

}  // namespace qv
