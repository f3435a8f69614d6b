// The main window in the user's language, and a language chosen in the
// settings dialog reaching every translated window.
#include "app/main_form_win32.h"

#include <commctrl.h>

#include "settings/options.h"
#include "settings/options_file.h"
#include "ui/flat_button_win32.h"
#include "ui/form_texts.h"
#include "util/codepage.h"

namespace qv {

Languages& TMainForm::LanguageFiles() {
  if (!languages_) {
    languages_ = std::make_unique<Languages>(ProgramFolder());
    languages_->ScanLanguages();
  }
  return *languages_;
}

void TMainForm::ApplyLanguage() {
  Languages& languages = LanguageFiles();
  mainTexts_ = MainFormTexts();
  CaptureDefaultTexts(mainTexts_, mainDefaults_);
  languages.ApplyConfiguredLanguage(core_->options.language, mainTexts_, mainDefaults_);
  ShowMainTexts();
  LoadSlotTexts();
}

Menu TMainForm::Translated(Menu menu, std::string_view name) const {
  TranslateMenu(menu, name, mainTexts_);
  return menu;
}

void TMainForm::ShowMainTexts() {
  for (size_t i = 0; i < toolButtons_.size(); ++i) {
    const ComponentTexts* button = FindComponent(mainTexts_, kToolButtonNames[i]);
    if (!toolButtons_[i] || !button) continue;
    const std::u16string hint = Utf8ToUtf16(button->hint);
    toolButtons_[i]->Hint.assign(hint.begin(), hint.end());
    if (!tooltip_) continue;
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V1_SIZE;
    tool.hwnd = hwnd_;
    tool.uId = i + 1;
    tool.lpszText = toolButtons_[i]->Hint.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  // The tray menu is made once and kept; the other menus are made as they open.
  if (CoolTray && pmTray.Get()) {
    pmTray = win32::BuildPopupMenu(Translated(TrayMenu(), "pmTray"));
    CoolTray->SetPopupMenu(pmTray.Get());
  }
}

void TMainForm::LoadSlotTexts() {
  win32::SlotCaptions captions;
  findCue_ = Utf8ToUtf16(SlotTexts{}.find);
  if (auto texts = LanguageFiles().LoadSlotTexts(core_->options.language)) {
    findCue_ = Utf8ToUtf16(texts->find);
    captions.strings = Utf8ToUtf16(texts->strings);
    captions.words = Utf8ToUtf16(texts->words);
    captions.chars = Utf8ToUtf16(texts->chars);
    captions.width = Utf8ToUtf16(texts->width);
    captions.height = Utf8ToUtf16(texts->height);
    captions.binary = Utf8ToUtf16(texts->binary);
    captions.emptySlot = Utf8ToUtf16(texts->emptySlot);
    captions.emptyClipboard = Utf8ToUtf16(texts->emptyClipboard);
    captions.size = Utf8ToUtf16(texts->memSize);
  }
  for (auto& slot : slots_)
    if (slot) slot->SetCaptions(captions);
  if (findEdit_) InvalidateRect(findEdit_, nullptr, TRUE);
}

void TMainForm::LanguageChosen(const std::string& name) {
  const Languages& languages = LanguageFiles();
  languages.ApplyLanguage(name, mainTexts_, mainDefaults_);
  ShowMainTexts();
  if (saveSetForm_) saveSetForm_->ApplyLanguage(languages, name);
  if (loadSetForm_) loadSetForm_->ApplyLanguage(languages, name);
  Options& options = core_->options;
  options.language = languages.LanguageFileName(name);
  const bool written = IniFile(core_->folders.OptionsFile).Update([&](IniDocument& doc) {
    OptionTable::Write(doc, {"main", "language"}, options);
  });
  if (!written) ShowMessage(UnableToWriteMessage(core_->folders.OptionsFile));
  LoadSlotTexts();
  RedrawIfVisible();
}

}  // namespace qv
