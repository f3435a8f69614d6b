#pragma once
// The settings dialog (TParamForm): a modeless window created once at start
// and shown or hidden. Seven pages of controls edit the options; OK and Apply
// write them (SaveOptions) and let the main window apply them, Cancel and the
// close box put every control back (ShowOptions). The hotkeys page drives the
// hotkey editor, which registers and saves each change at once.
#include <windows.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hotkeys/hotkey_editor.h"
#include "lang/languages.h"
#include "platform/win32/handles_win32.h"
#include "ui/form_window_win32.h"
#include "ui/param_controls.h"
#include "ui/param_rules.h"

namespace qv {

// What the dialog asks of the main window.
struct ParamFormHost {
  // After OK (`ok` true) or Apply wrote options.cfg: re-read and apply it.
  std::function<void(bool ok)> applied;
  // After ShowOptions changed the window-level options in memory.
  std::function<void()> windowOptionsShown;
  // After Cancel: the main window comes to the front.
  std::function<void()> cancelled;
  // The autostart entry follows the check box.
  std::function<void(bool on)> setAutorun;
  std::function<void(const std::string& topic)> help;
  // A message box over the dialog; `question` has Yes and No: true for Yes.
  std::function<bool(HWND owner, const std::string& text, bool question)> message;
  // The user chose a language; the dialog shows it already.
  std::function<void(const std::string& name)> languageChosen;
};

// Where the dialog finds what it edits.
struct ParamFormData {
  Options& options;
  std::filesystem::path optionsFile;
  HotkeyTable& hotkeys;
  HotkeyRegistrar& registrar;
  ParamPlatform platform;
  // The language files; rescanned whenever the dialog is shown.
  Languages* languages = nullptr;
};

class TParamForm : public win32::TFormWindow, private HotkeyDialogs {
 public:
  enum : int {
    kSbItem1 = 301,  // + page index
    kLbReload = 310,
    kBtOk,
    kBtCancel,
    kBtApply,
    kBtHelp,
    // Main settings
    kGbStart = 320,
    kCbAutoran,
    kCbMinimized,
    kGbWindowProp,
    kCbAutohide,
    kLbAlign,
    kCmAlign,
    kCbSnap,
    kLbSnapValue,
    kEdSnapValue,
    kUdSnapValue,
    kLbSnapPixels,
    kLbTransparency,
    kEdTransparent,
    kUdTransparent,
    kLbTransp,
    kLbLanguage,
    kCmLanguage,
    // Slots
    kGbSlotsAmount = 350,
    kLbSlotsCount,
    kEdSlotsCount,
    kUdSlotsCount,
    kLbSlotsPage,
    kEdSlotsPage,
    kUdSlotsPage,
    kGbSlotsWriting,
    kCbDiskSlots,
    kLbSlotSize,
    kEdSlotSize,
    kUdSlotSize,
    kLbSlotSizeEd,
    kCbSaveSlots,
    kCbNoDouble,
    // Text
    kGbTextViewSize = 370,
    kLbTextWidth,
    kEdTextWidth,
    kUdTextWidth,
    kLbTextWidthPixels,
    kLbTextHeight,
    kEdTextHeight,
    kUdTextHeight,
    kLbTextHeightPixels,
    kGbTextFont,
    kLbTextFont,
    kGbTextSlots,
    kLbTextView,
    kCmTextView,
    kLbTextPictView,
    kCmTextPictView,
    kGbSeparator,
    kCmSeparator,
    kGbTranspText,
    kCbTranspText,
    // Image
    kGbPictSize = 400,
    kCmPictSize,
    kGbPictGround,
    kLbPictGround,
    kPnPictGround,
    kGbTranspPict,
    kCbTranspPict,
    // Advanced
    kGbPathFiles = 410,
    kCbPathFiles,
    kGbActions,
    kCbAutoBrowser,
    kCbAutoMail,
    kGbBalloon,
    kCbBalloon,
    kCbBalloonCondition,
    kGbDecoration,
    kCbStyleMenus,
    kCbToolbarHints,
    kGbSound,
    kCbSound,
    kEdSound,
    kBtSound,
    // Hotkeys
    kGbHotOperations = 430,
    kTvHot,
    kGbHotManagement,
    kCmHot,
    kHkHot,
    kBtAddHot,
    kBtRemoveHot,
    kGbHotRegister,
    kLsHot,
    // About
    kGbInfo = 440,
    kLbProduct,
    kLbDescription,
    kLbVersion,
    kGbFeedback,
    kLbSite,
    kLbSupport,
    kLbDownload,
  };

  // Creates the hidden dialog owned by the main window, places it at the
  // saved position, fills every control (ShowOptions) and selects page 0.
  TParamForm(HWND owner, ParamFormData data, ParamFormHost host);
  ~TParamForm() override;

  // Shows the dialog on its current page, or on the About page.
  void ShowPage(std::optional<int> page = std::nullopt);
  int Page() const { return page_; }
  // The quick settings changed an option: the matching control follows.
  void SyncAlign(uint8_t align);
  void SyncToggle(int controlId, bool checked);
  // The dialog's texts in the named language (English: as it was made).
  void ApplyLanguage(std::string_view name);

 private:
  // Building (param_form_pages_win32.cpp).
  void CreatePages();
  void CreateMainPage();
  void CreateSlotsPage();
  void CreateTextPage();
  void CreatePicturePage();
  void CreateActionsPage();
  void CreateHotkeysPage();
  void CreateAboutPage();
  // Captions come from the dialog's English texts (ui/form_texts.h) by name.
  HWND Group(const char* name, int id, int top, int height);
  HWND Check(const char* name, int id, int x, int y, int width = 330);
  HWND Label(const char* name, int id, int x, int y, int width);
  HWND Combo(const char* name, int id, int x, int y, int width, int items);
  void UpDown(const char* editName, int editId, const char* upDownName, int upDownId, int x, int y,
              const UpDownRange& range);
  // Every control made from now on belongs to `page`.
  void BeginPage(int page) { buildingPage_ = page; }
  HWND Add(const char* name, const wchar_t* className, const wchar_t* text, DWORD style, int x,
           int y, int width, int height, int id, DWORD exStyle = 0);

  // Values in and out of the controls (param_form_win32.cpp).
  void WriteControls();
  void ReadControls();
  void ShowOptionsNow();
  void UpdateEnabling();
  bool Save();
  void SelectPage(int page);
  void UpdateSampleFont();

  // Languages (param_form_language_win32.cpp).
  ComponentTexts ReadTexts() const;
  void ListLangs();
  void cmLanguageChange();

  // Events.
  void OnShow() override;
  void OnCommand(int id, int notification) override;
  bool OnKey(WPARAM key) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnHelp() override;
  void OnClose() override;  // Cancel
  void btOkClick();
  void btApplyClick();
  void btSoundClick();
  void lbTextFontClick();
  void pnPictGroundClick();
  void LinkClick(int id);
  bool CtlColorStatic(HDC dc, HWND control, LRESULT& result);
  void SetHoveredLink(int id);
  static LRESULT CALLBACK LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR subclass, DWORD_PTR data);

  // The hotkeys page (param_form_hotkeys_win32.cpp).
  void FillHotkeyTree();
  void ShowHKeys();
  // Enabled controls and the list's selection as the editor has them; with
  // `entry` also the modifiers and the key of a clicked list row.
  void MirrorHotkeyEditor(bool entry = false);
  bool OnHotkeyNotify(const NMHDR& header);
  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& text) override;

  ParamFormData data_;
  ParamFormHost host_;
  ParamControls controls_;
  DefaultTexts defaults_;
  HWND soundTip_ = nullptr;
  std::u16string soundHint_;
  std::unique_ptr<HotkeyEditor> editor_;
  std::array<std::vector<int>, kParamPageCount> pageControls_;
  int buildingPage_ = -1;
  int page_ = 0;
  int hoveredLink_ = 0;
  win32::GdiFont sampleFont_;
  win32::GdiFont linkFont_;
  win32::GdiFont titleFont_;
  win32::GdiBrush groundBrush_;
  std::array<COLORREF, 16> customColours_{};
  bool syncing_ = false;  // filling controls: their notices are not the user's
};

}  // namespace qv
