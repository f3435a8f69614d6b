#pragma once
// The main window: it owns the program's model, brings the subsystems up and
// down in order, and shows the clipboard and the saved slots. Its handlers are
// spread over main_form_*_win32.cpp by concern: lifecycle, clipboard chain,
// layout, slots, commands.
#include "platform/win32/autostart_win32.h"
#include "platform/win32/clipboard_win32.h"
#include "platform/win32/desktop_win32.h"
#include "platform/win32/hotkeys_win32.h"
#include "platform/win32/html_help_win32.h"
#include "platform/win32/text_case_win32.h"
#include "platform/win32/metafile_renderer_win32.h"
#include "platform/win32/shell_open_win32.h"
#include "platform/win32/sound_win32.h"
#include "platform/win32/system_win32.h"
#include "app/clipboard_watcher_win32.h"
#include "tray/cool_tray_icon_win32.h"
#include "ui/param_form_win32.h"
#include "ui/pict_form_win32.h"
#include "ui/set_forms_win32.h"
#include "ui/popup_menu_win32.h"
#include "ui/slot_view_win32.h"
#include "ui/styled_menu_win32.h"
#include "ui/text_form_win32.h"

#include <windows.h>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "help/html_help_viewer.h"
#include "history/app_core.h"
#include "search/search_index.h"
#include "hotkeys/hotkey_table.h"
#include "lang/languages.h"
#include "settings/quick_settings.h"
#include "text_ops/text_output.h"
#include "ui/auto_select.h"
#include "ui/key_commands.h"
#include "ui/menu_model.h"
#include "ui/placement.h"
#include "ui/window_layout.h"

namespace qv {

namespace win32 {
class TFlatButton;
class TGround;
class TControlHost;
}  // namespace win32

// Windows 95, 98 or Me.
bool RunningOnWin9x();
// The folder of the program file.
std::filesystem::path ProgramFolder();
// The outer size of a window whose client area is width x height.
SIZE WindowSizeForClient(HWND hwnd, int width, int height);

class TMainForm {
 public:
  explicit TMainForm(HINSTANCE instance);
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  // Creates the window, which runs the start-up sequence. False when the
  // window could not be created.
  bool Create();
  // The last steps of start-up, after the other windows exist.
  void FinishStartup();
  HWND Handle() const { return hwnd_; }
  // The window sees every key of itself and its controls first: true when the
  // key ran something and goes no further.
  bool PreviewKey(const MSG& msg);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Lifecycle (main_form_lifecycle_win32.cpp).
  void FormCreate();
  void FormShow();
  void FormCloseQuery();
  void FormDestroy();
  void ExitProgram();
  void ShowMessage(const std::string& text);

  // Languages (main_form_language_win32.cpp). ApplyLanguage is the start-up
  // step: the main window's English captured, the configured language applied.
  void ApplyLanguage();
  Languages& LanguageFiles();
  // The settings dialog's language list chose `name`: every window follows.
  void LanguageChosen(const std::string& name);
  // The toolbar hints and the tray menu in the main window's current texts.
  void ShowMainTexts();
  void LoadSlotTexts();
  // A popup menu of the main window in its current texts.
  Menu Translated(Menu menu, std::string_view name) const;

  // Steps of start-up and shut-down whose subsystems are not built yet.
  void ReleaseTextFont() {}

  // Clipboard monitoring (main_form_clipboard_win32.cpp). The watcher thread
  // is in the viewer chain; the window applies what it read.
  void StartClipboardWatch();
  void StopClipboardWatch();
  void ApplyClipboardReadings();
  // The URL and mail actions for a newly captured slot.
  void DoActions(size_t index);

  // Layout (main_form_layout_win32.cpp).
  void CreateControls();
  void Visualize();
  void ApplyFill(int panel, const SlotFill& fill);
  void ArrangeControls();
  void PlaceWindow();
  void SetClientHeight(int height);
  void ApplyScroll(const ScrollState& scroll);
  void sBarChange(int position);
  void OnMouseWheel(int delta);
  void OnEnterSizeMove();
  void OnExitSizeMove();
  void OnWindowPosChanging(WINDOWPOS& pos);
  void OnActivate(bool active);
  void MakeTransparent(int percent);
  void PaintPanels(HDC dc, const RECT& update);
  RECT ClientRect() const;
  void ShowMainWindow();
  void HideMainWindow();
  void ApplyViewerOpacity();

  // Slots (main_form_slots_win32.cpp).
  void CreateSlots();
  void FillSlot(int panel, int index);
  void SelectSlot(int panel);
  // After slots went away: the highlight steps to a panel that still shows one.
  void FixSelection();
  void WireSlot(win32::TSlot& slot);
  void ShowSlotMenu(win32::TSlot& slot, POINT screen);
  void RedrawIfVisible();
  void ShowViewer(win32::TSlot& slot, win32::TSlot::Part part, RECT screen);
  void HideViewers();

  // Keys and pasting (main_form_keys_win32.cpp).
  bool FormKeyDown(const KeyPress& press);
  void RunKeyStep(const KeyStep& step);
  KeyContext KeyContextNow() const;
  int ShownSavedPanels() const;
  // Pastes the slot into the application the user was in; `silent` without
  // the copy sound for the write.
  void PasteSlot(size_t index, bool silent);

  // Hotkeys (main_form_hotkeys_win32.cpp).
  void RegisterHotkeys();
  void UnregisterHotkeys();
  void WMHotKey(int id);
  // The slot that saved-slot panel 1 to 5 shows, or would show once laid out.
  size_t SlotShownIn(int panel) const;

  // Operations on slot content (main_form_operations_win32.cpp). The text
  // and picture commands act on the clipboard (Slot 0); `operation` counts
  // in menu order.
  TextOpsSettings TextSettings();
  void TextConversionCommand(int operation);
  void PictureCommand(int mode);
  void AddTextCommand(size_t index);
  void SaveTextCommand(size_t index);
  void SavePictCommand(size_t index);
  void ClearClipboardCommand();

  // Tray icon (main_form_tray_win32.cpp).
  void ShowTrayIcon();
  void EnableTrayIcon();
  void CoolTrayMouseDown(TrayButton button);
  // Hints and balloons: the plain tip, the status balloon while the pointer
  // rests on the icon, and the icon timer with the first-run balloon.
  void CreateTrayTimers();
  void StartIconTimer();
  void ReleaseTimers();
  // Shows the plain tip or not, as the main window's visibility now asks.
  // The shell call may run other messages while it waits, so a change of
  // visibility asks for it with kMsgTrayHintMode rather than from inside
  // ShowWindow (where a capture would find the window not yet visible).
  void SetTrayHintMode();
  static constexpr UINT kMsgTrayHintMode = WM_APP + 1;
  // Posted by the clipboard watcher when readings wait at the gate.
  static constexpr UINT kMsgClipboardRead = WM_APP + 2;
  void CoolTrayMouseEnter();
  void CoolTrayMouseExit();
  void stBallonEvent();
  void stIconEvent();
  void ShowTrayBalloon(const std::string& text);

  // Sets (main_form_sets_win32.cpp).
  void CreateSetForms();
  // The set list again, for the sets menu that fbLoad opens.
  void CreateSetMenu();
  void SetsMenuClick(size_t index);
  SetFormHost MakeSetFormHost();

  // Commands (main_form_commands_win32.cpp).
  void OnCommand(uint16_t id);
  void CreateToolbar();
  void UpdateToolTips();
  // Opens a menu at a toolbar button's bottom-right corner and runs the choice.
  void PopupButtonMenu(const win32::TFlatButton& button, const Menu& menu);
  void SaveSlotCommand(size_t index);
  void LoadSlotCommand();
  // fbLoad: the menu of slot files and sets at the button.
  void ClickLoadButton();
  void ToggleAutoHide();
  void ShowAutoHideGlyph();
  // A placement of the quick settings: applied, shown in the dialog, written.
  void SetPlacement(uint8_t align);
  void WriteOption(const char* section, const char* key, const std::string& value);

  // Finding slots (main_form_find_win32.cpp). While the search field holds
  // words, the rows show only the saved slots that match; the views, keys,
  // menus and hotkeys work on those rows as on the whole list.
  void CreateFindField();
  void ArrangeFindField(int clientWidth, int groundTop);
  void OpenFind();
  // Clears and hides the field: the toolbar, the rows, the scroll position and
  // the highlight return to what they were before it opened.
  void CloseFind();
  void FindTextChanged();
  // Keys while the field has the keyboard focus; true when handled here.
  bool FindFieldKey(const KeyPress& press);
  // Matches for the field's words against the list as it is now.
  void RefreshFilter();
  // The length of the list the rows stand for: the matches and Slot 0 while
  // filtering, else the whole list.
  int ShownLength() const;
  // The newest saved slot the rows show, or -1.
  int NewestShownIndex() const;
  // What each view shows now, filtered or not.
  VisualizePlan PlanRows() const;

  // Help and the menus' look (main_form_help_win32.cpp).
  void CreateHelpViewer();
  // The help file's page `topic`; nothing without the HTML Help library.
  void ShowHelp(const std::string& topic);
  void CreateMenuPainter();
  void ReleaseHelpAndMenus();

  // Settings (main_form_settings_win32.cpp).
  void CreateSettingsDialog();
  void ShowSettings(bool about);
  // After OK (`ok`) or Apply: options.cfg again, applied to the windows.
  void SettingsSaved(bool ok);
  // The options the dialog applies to the windows when it shows them.
  void ApplyWindowOptions();
  void QuickToggleCommand(QuickToggle toggle);
  std::string ProgramPath() const;
  void SetAutorun(bool on);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  bool shutDown_ = false;

  win32::Win32Clipboard clipboard_;
  win32::Win32MetafileRenderer renderer_;
  win32::Win32System system_;
  win32::Win32SoundPlayer sound_;
  win32::Win32Desktop desktop_;
  win32::Win32HotkeyRegistrar hotkeyRegistrar_;
  win32::Win32TextCase textCase_;
  win32::Win32ShellOpener shell_;
  win32::Win32AutostartList autostart_;
  HotkeyTable hotkeys_{win32::KeyboardLayoutName};
  std::unique_ptr<AppCore> core_;
  std::unique_ptr<win32::Win32HtmlHelp> htmlHelp_;
  std::unique_ptr<THtmlHelpViewer> helpViewer_;
  std::unique_ptr<win32::TStyledMenu> menuPainter_;

  // Controls.
  std::unique_ptr<win32::TControlHost> host_;
  std::unique_ptr<win32::TGround> grToolbar_;
  std::unique_ptr<win32::TGround> grToolButtons_;
  std::array<std::unique_ptr<win32::TFlatButton>, 10> toolButtons_;
  std::array<std::unique_ptr<win32::TSlot>, kSlotViewCount> slots_;
  HWND sBar_ = nullptr;
  std::unique_ptr<TCoolTrayIcon> CoolTray;
  std::unique_ptr<TSimpleTimer> stBallon;
  std::unique_ptr<TSimpleTimer> stIcon;
  std::unique_ptr<TSimpleTimer> storeTimer_;
  std::unique_ptr<ClipboardWatcher> watcher_;
  int iconCountdown_ = 0;
  win32::UniqueMenu pmTray;
  std::unique_ptr<TTextForm> textForm_;
  std::unique_ptr<TPictForm> pictForm_;
  std::unique_ptr<TSaveSetForm> saveSetForm_;
  std::unique_ptr<TLoadSetForm> loadSetForm_;
  std::unique_ptr<TParamForm> paramForm_;
  HWND tooltip_ = nullptr;
  HWND findEdit_ = nullptr;
  std::u16string findCue_ = u"Find";  // the empty field's grey text
  std::unique_ptr<SlotSearchIndex> searchIndex_;
  SearchQuery findQuery_;
  std::optional<std::vector<int>> filter_;  // saved slots matching, newest first
  struct FindReturn {
    int position = 0;
    int selectedPanel = -1;
  } findReturn_;
  std::unique_ptr<Languages> languages_;
  ComponentTexts mainTexts_;
  DefaultTexts mainDefaults_;

  // Window state.
  int Page = 5;
  uint8_t AlignMode = 1;
  bool AutoHide = false;
  int SelectedPanel = -1;
  size_t SelectedSlot = 0;
  ScrollState scroll_;
  bool scrollUpdating_ = false;
  SavedGeometry saved_;
  RECT sizeMoveStart_{};
  bool dragFullWindows_ = true;
  bool haveDragSetting_ = false;
  bool PointerOverTray = false;
  uint8_t opacity_ = 255;
};

}  // namespace qv
