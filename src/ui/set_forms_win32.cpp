#include "ui/set_forms_win32.h"

#include "history/set_commands.h"
#include "store/set_names.h"
#include "store/set_store.h"
#include "ui/form_language_win32.h"
#include "ui/form_texts.h"
#include "platform/win32/wide_win32.h"
#include "util/codepage.h"

namespace qv {
namespace {

// Edit text (CR LF between lines) and the lines a set stores, in the ANSI code page.
std::vector<std::string> CommentLines(const std::u16string& text) {
  return InfoLines(Utf16ToAnsi(text));
}
std::u16string CommentText(const std::vector<std::string>& lines) {
  std::u16string text;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i) text += u"\r\n";
    text += AnsiToUtf16(lines[i]);
  }
  return text;
}

bool Blank(const std::u16string& text) {
  for (char16_t c : text)
    if (c > u' ') return false;
  return true;
}

std::u16string Caption(const ComponentTexts& form, std::string_view name) {
  return Utf8ToUtf16(DefaultCaption(form, name));
}

}  // namespace

void TSetFormTexts::CaptureTexts() {
  CaptureDefaultTexts(win32::ReadFormTexts(Components()), defaults_);
}

void TSetFormTexts::ApplyLanguage(const Languages& languages, std::string_view name) {
  win32::ApplyFormLanguage(Components(), languages, name, defaults_);
}

// ---- Save a slots set ----

TSaveSetForm::TSaveSetForm(SetCommands& commands, SetFormHost host)
    : commands_(commands), host_(std::move(host)) {
  if (!CreateForm("SaveSetForm", win32::AsWide(Caption(SaveSetFormTexts(), "SaveSetForm")), 330,
                  216))
    return;
  AddLabel("lbName", win32::AsWide(Caption(SaveSetFormTexts(), "lbName")), 10, 10, 310, 14);
  AddEdit("edName", 10, 26, 310, 21, kEdName, false);
  AddLabel("lbComment", win32::AsWide(Caption(SaveSetFormTexts(), "lbComment")), 10, 56, 310, 14);
  AddEdit("reComment", 10, 72, 310, 100, kReComment, true);
  AddButton("btSave", win32::AsWide(Caption(SaveSetFormTexts(), "btSave")), 160, 182, kBtSave,
            true);
  AddButton("btCancel", win32::AsWide(Caption(SaveSetFormTexts(), "btCancel")), 245, 182,
            kBtCancel);
}

void TSaveSetForm::OnShow() {
  edNameChange();
  SetFocus(Control(kEdName));
}

void TSaveSetForm::edNameChange() {
  Enable(kBtSave, !Blank(Text(kEdName)));
}

void TSaveSetForm::OnCommand(int id, int notification) {
  if (id == kEdName && notification == EN_CHANGE) edNameChange();
  if (notification != BN_CLICKED) return;
  if (id == kBtSave) btSaveClick();
  if (id == kBtCancel) Close();
}

void TSaveSetForm::btSaveClick() {
  if (Blank(Text(kEdName))) return;
  auto name = Utf16ToAnsiExactly(Text(kEdName));
  std::optional<std::string> message;
  if (!name)
    message = std::string(SetNameMessage(SetNameProblem::BadCharacters));
  else
    message = commands_.SaveSet(*name, CommentLines(Text(kReComment)), host_.now());
  if (message) {
    host_.message(Handle(), *message, false);
    return;
  }
  Close();
  host_.setsChanged();
}

void TSaveSetForm::OnClose() {
  SetText(kEdName, u"");
  SetText(kReComment, u"");
}

// ---- Sets manager ----

TLoadSetForm::TLoadSetForm(SetCommands& commands, SetStore& sets, SetFormHost host)
    : commands_(commands), sets_(sets), host_(std::move(host)) {
  if (!CreateForm("LoadSetForm", win32::AsWide(Caption(LoadSetFormTexts(), "LoadSetForm")), 460,
                  290))
    return;
  AddControl("lsSets", L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
             10, 10, 170, 235, kLsSets, WS_EX_CLIENTEDGE);
  AddControl("pnNoSets", L"STATIC", win32::AsWide(Caption(LoadSetFormTexts(), "pnNoSets")),
             SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, 10, 10, 170, 235, kPnNoSets);
  AddLabel("lbName", win32::AsWide(Caption(LoadSetFormTexts(), "lbName")), 190, 10, 260, 14);
  AddEdit("edName", 190, 26, 260, 21, kEdName, false);
  AddLabel("lbCreated", win32::AsWide(Caption(LoadSetFormTexts(), "lbCreated")), 190, 56, 85, 14);
  AddLabel("txCreated", L"", 280, 56, 170, 14, kTxCreated);
  AddLabel("lbCount", win32::AsWide(Caption(LoadSetFormTexts(), "lbCount")), 190, 74, 85, 14);
  AddLabel("txCount", L"", 280, 74, 170, 14, kTxCount);
  AddLabel("lbComment", win32::AsWide(Caption(LoadSetFormTexts(), "lbComment")), 190, 96, 260, 14);
  AddEdit("reComment", 190, 112, 260, 133, kReComment, true);
  AddEdit("edEmpty", 190, 112, 260, 133, kEdEmpty, true);
  AddButton("btLoad", win32::AsWide(Caption(LoadSetFormTexts(), "btLoad")), 10, 255, kBtLoad);
  AddButton("btDelete", win32::AsWide(Caption(LoadSetFormTexts(), "btDelete")), 90, 255, kBtDelete);
  AddButton("btApply", win32::AsWide(Caption(LoadSetFormTexts(), "btApply")), 295, 255, kBtApply);
  AddButton("btExit", win32::AsWide(Caption(LoadSetFormTexts(), "btExit")), 375, 255, kBtExit);
}

void TLoadSetForm::FormShow() {
  SendMessageW(Control(kLsSets), LB_RESETCONTENT, 0, 0);
  loading_ = true;
  for (int id : {kEdName, kReComment, kTxCreated, kTxCount}) SetText(id, u"");
  loading_ = false;
  for (int id : {kBtApply, kBtLoad, kBtDelete}) Enable(id, false);
  nameChanged_ = commentChanged_ = false;
  shown_ = -1;
  sets_.ScanSets();
  const bool any = !sets_.SetList.empty();
  Show(kLsSets, any);
  Show(kReComment, any);
  Show(kPnNoSets, !any);
  Show(kEdEmpty, !any);
  Enable(kEdEmpty, false);
  Enable(kEdName, any);
  if (!any) return;
  for (const SetEntry& entry : sets_.SetList) {
    const std::u16string name = AnsiToUtf16(entry.Name);
    SendMessageW(Control(kLsSets), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(name.c_str())));
  }
  SendMessageW(Control(kLsSets), LB_SETCURSEL, 0, 0);
  ShowSet(0);
  SetFocus(Control(kLsSets));
  Enable(kBtLoad, true);
  Enable(kBtDelete, true);
}

void TLoadSetForm::lsSetsClick() {
  const int chosen = static_cast<int>(SendMessageW(Control(kLsSets), LB_GETCURSEL, 0, 0));
  if (chosen == shown_ || chosen < 0) return;
  if ((nameChanged_ || commentChanged_) && !host_.message(Handle(), kRefuseChangesQuestion, true)) {
    SendMessageW(Control(kLsSets), LB_SETCURSEL, static_cast<WPARAM>(shown_), 0);
    return;
  }
  ShowSet(chosen);
}

void TLoadSetForm::ShowSet(int index) {
  if (index < 0 || static_cast<size_t>(index) >= sets_.SetList.size()) return;
  shown_ = index;
  const SetEntry& entry = sets_.SetList[static_cast<size_t>(index)];
  loading_ = true;
  SetText(kEdName, AnsiToUtf16(entry.Name));
  SetText(kReComment, CommentText(entry.Info));
  SetText(kTxCreated, AnsiToUtf16(entry.Date + " " + entry.Time));
  SetText(kTxCount, AnsiToUtf16(std::to_string(entry.Count)));
  loading_ = false;
  nameChanged_ = commentChanged_ = false;
  Enable(kBtApply, false);
}

void TLoadSetForm::ContentChange(bool& flag) {
  if (loading_) return;
  flag = true;
  Enable(kBtApply, shown_ >= 0);
}

void TLoadSetForm::btApplyClick() {
  if (shown_ < 0) return;
  std::optional<std::string> name = Utf16ToAnsiExactly(Text(kEdName));
  if (nameChanged_ && !name) {
    host_.message(Handle(), std::string(SetNameMessage(SetNameProblem::BadCharacters)), false);
    return;
  }
  const bool commentWasChanged = commentChanged_;
  auto message =
      commands_.ApplySetChanges(static_cast<size_t>(shown_), nameChanged_, name.value_or(""),
                                commentChanged_, CommentLines(Text(kReComment)));
  const SetEntry& entry = sets_.SetList[static_cast<size_t>(shown_)];
  if (commentWasChanged && entry.Info == CommentLines(Text(kReComment))) commentChanged_ = false;
  if (message) {
    host_.message(Handle(), *message, false);
    return;
  }
  if (nameChanged_) {
    // The list shows the new name in place of the old.
    HWND list = Control(kLsSets);
    const std::u16string shownName = AnsiToUtf16(entry.Name);
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(shown_), 0);
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(shown_),
                 reinterpret_cast<LPARAM>(reinterpret_cast<const wchar_t*>(shownName.c_str())));
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(shown_), 0);
    nameChanged_ = false;
  }
  Enable(kBtApply, false);
}

void TLoadSetForm::btLoadClick() {
  if (shown_ >= 0) host_.loadSet(static_cast<size_t>(shown_));
}

void TLoadSetForm::btDeleteClick() {
  if (shown_ < 0) return;
  if (!host_.message(Handle(), kDeleteSetQuestion, true)) return;
  sets_.DeleteSet(sets_.SetList[static_cast<size_t>(shown_)]);
  FormShow();
}

void TLoadSetForm::OnCommand(int id, int notification) {
  switch (id) {
    case kLsSets:
      if (notification == LBN_SELCHANGE) lsSetsClick();
      return;
    case kEdName:
      if (notification == EN_CHANGE) ContentChange(nameChanged_);
      return;
    case kReComment:
      if (notification == EN_CHANGE) ContentChange(commentChanged_);
      return;
    default:
      break;
  }
  if (notification != BN_CLICKED) return;
  if (id == kBtApply) btApplyClick();
  if (id == kBtLoad) btLoadClick();
  if (id == kBtDelete) btDeleteClick();
  if (id == kBtExit) Close();
}

void TLoadSetForm::OnHelp() {
  if (host_.help) host_.help();
}

void TLoadSetForm::OnClose() {
  sets_.ScanSets();
  host_.setsChanged();
}

}  // namespace qv
