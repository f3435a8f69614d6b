#pragma once
// The two sets dialogs: "Save a slots set" (TSaveSetForm) and the "Sets
// manager" (TLoadSetForm: list, load, rename, describe, delete).
#include <functional>
#include <string>
#include <vector>

#include "lang/languages.h"
#include "ui/form_window_win32.h"

namespace qv {

class SetCommands;
class SetStore;
struct SetStamp;

// What the dialogs ask of the main window.
struct SetFormHost {
  std::function<SetStamp()> now;
  // A message box over the dialog; `question` has Yes and No: true for Yes.
  std::function<bool(HWND owner, const std::string& text, bool question)> message;
  // Loads a set onto the slot list and shows it (held as a sets menu click).
  std::function<void(size_t setIndex)> loadSet;
  // After the set list on disk changed: the sets menu follows.
  std::function<void()> setsChanged;
  std::function<void()> help;
};

// A sets dialog's texts in the user's language: English is what it was made with.
class TSetFormTexts : public win32::TFormWindow {
 public:
  // Records the texts as they are now as the dialog's English.
  void CaptureTexts();
  void ApplyLanguage(const Languages& languages, std::string_view name);

 private:
  DefaultTexts defaults_;
};

class TSaveSetForm : public TSetFormTexts {
 public:
  enum : int { kEdName = 101, kReComment, kBtSave, kBtCancel };
  TSaveSetForm(SetCommands& commands, SetFormHost host);

 private:
  void OnShow() override;
  void OnCommand(int id, int notification) override;
  void OnClose() override;
  void btSaveClick();
  void edNameChange();

  SetCommands& commands_;
  SetFormHost host_;
};

class TLoadSetForm : public TSetFormTexts {
 public:
  enum : int {
    kLsSets = 201,
    kPnNoSets,
    kEdName,
    kTxCreated,
    kTxCount,
    kReComment,
    kEdEmpty,
    kBtLoad,
    kBtDelete,
    kBtApply,
    kBtExit
  };
  TLoadSetForm(SetCommands& commands, SetStore& sets, SetFormHost host);

 private:
  void OnShow() override { FormShow(); }
  void OnCommand(int id, int notification) override;
  void OnHelp() override;
  void OnClose() override;
  void FormShow();
  void lsSetsClick();
  void ShowSet(int index);
  void btApplyClick();
  void btLoadClick();
  void btDeleteClick();
  void ContentChange(bool& flag);

  SetCommands& commands_;
  SetStore& sets_;
  SetFormHost host_;
  int shown_ = -1;  // the set in the property fields
  bool loading_ = false;
  bool nameChanged_ = false;
  bool commentChanged_ = false;
};

}  // namespace qv
