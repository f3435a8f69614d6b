// Sets: the two dialogs, the sets menu and loading a set from it.
#include "app/main_form_win32.h"

#include "util/codepage.h"

namespace qv {
namespace {

// The system's short date, as the set's index records when it was saved.
SetStamp Now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  wchar_t date[64] = {};
  if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 64)) date[0] = 0;
  return {Utf16ToAnsi(reinterpret_cast<const char16_t*>(date)),
          SetTimeText(now.wHour, now.wMinute, now.wSecond)};
}

}  // namespace

SetFormHost TMainForm::MakeSetFormHost() {
  SetFormHost host;
  host.now = Now;
  host.message = [](HWND owner, const std::string& text, bool question) {
    const std::u16string wide = Utf8ToUtf16(text);
    const UINT type = question ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONWARNING;
    return MessageBoxW(owner, reinterpret_cast<const wchar_t*>(wide.c_str()), L"Quorvane", type) ==
           IDYES;
  };
  host.loadSet = [this](size_t index) { SetsMenuClick(index); };
  host.setsChanged = [this] { CreateSetMenu(); };
  host.help = [this] { ShowHelp("setsman.html"); };
  return host;
}

void TMainForm::CreateSetForms() {
  saveSetForm_ = std::make_unique<TSaveSetForm>(core_->setCommands, MakeSetFormHost());
  loadSetForm_ = std::make_unique<TLoadSetForm>(core_->setCommands, core_->sets, MakeSetFormHost());
  // Made in English; the configured language follows at once.
  const std::string language = LanguageFiles().CurrentLanguageName(core_->options.language);
  for (TSetFormTexts* form : {static_cast<TSetFormTexts*>(saveSetForm_.get()),
                              static_cast<TSetFormTexts*>(loadSetForm_.get())}) {
    form->CaptureTexts();
    form->ApplyLanguage(LanguageFiles(), language);
  }
}

void TMainForm::CreateSetMenu() {
  // The menu itself is built from the set list each time fbLoad opens it.
  core_->sets.ScanSets();
}

void TMainForm::SetsMenuClick(size_t index) {
  if (index >= core_->sets.SetList.size()) return;
  const std::filesystem::path folder = core_->sets.SetList[index].Folder;
  core_->setCommands.LoadSet(folder);
  core_->RebuildFileViews();
  Visualize();
}

}  // namespace qv
