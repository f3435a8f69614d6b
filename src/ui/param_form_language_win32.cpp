// The settings dialog in the user's language: its texts, the language list
// and choosing a language there.
#include "ui/param_form_win32.h"

#include <commctrl.h>

#include "platform/win32/wide_win32.h"
#include "ui/form_language_win32.h"
#include "ui/form_texts.h"
#include "util/codepage.h"

namespace qv {

ComponentTexts TParamForm::ReadTexts() const {
  ComponentTexts texts = win32::ReadFormTexts(Components());
  // The browse button's hint lives in its tooltip.
  for (ComponentTexts& c : texts.owned)
    if (c.name == "btSound") c.hint = Utf16ToUtf8(soundHint_);
  return texts;
}

void TParamForm::ApplyLanguage(std::string_view name) {
  if (!data_.languages) return;
  const ComponentTexts shown = ReadTexts();
  ComponentTexts texts = shown;
  data_.languages->ApplyLanguage(name, texts, defaults_);
  syncing_ = true;
  win32::WriteFormTexts(Components(), shown, texts);
  syncing_ = false;
  for (const ComponentTexts& c : texts.owned) {
    if (c.name == "btSound" && soundTip_) {
      soundHint_ = Utf8ToUtf16(c.hint);
      TTTOOLINFOW tool{};
      tool.cbSize = TTTOOLINFOW_V1_SIZE;
      tool.hwnd = Handle();
      tool.uId = reinterpret_cast<UINT_PTR>(Control(kBtSound));
      tool.lpszText = const_cast<wchar_t*>(win32::AsWide(soundHint_));
      SendMessageW(soundTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    // The hotkey list shows the tree's group and operation texts.
    if (c.name == "tvHot" && editor_) editor_->SetTexts(HotkeyTextsFromTree(c.items));
  }
  if (editor_) ShowHKeys();
}

void TParamForm::ListLangs() {
  if (!data_.languages) return;
  const LanguageChoices choices = data_.languages->ListLangs(data_.options.language);
  HWND list = Control(kCmLanguage);
  syncing_ = true;
  SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : choices.items) {
    const std::u16string wide = Utf8ToUtf16(item);
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::AsWide(wide)));
  }
  SendMessageW(list, CB_SETCURSEL, choices.selected, 0);
  syncing_ = false;
}

void TParamForm::OnShow() {
  if (data_.languages) data_.languages->ScanLanguages();
  ListLangs();
}

void TParamForm::cmLanguageChange() {
  HWND list = Control(kCmLanguage);
  const LRESULT selected = SendMessageW(list, CB_GETCURSEL, 0, 0);
  if (selected < 0) return;
  const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0);
  std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
  SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(selected),
               reinterpret_cast<LPARAM>(text.data()));
  const std::string name = Utf16ToUtf8(win32::FromWide(text.c_str(), wcslen(text.c_str())));
  ApplyLanguage(name);
  if (host_.languageChosen) host_.languageChosen(name);
}

}  // namespace qv
