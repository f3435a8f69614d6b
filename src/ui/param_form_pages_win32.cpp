// The settings dialog's controls, page by page, at their designed places:
// page buttons in the left column, the pages in the notebook beside it, the
// buttons in the bottom row. Every control is named for the language files.
#include "ui/param_form_win32.h"

#include <commctrl.h>

#include "hotkeys/modifiers.h"
#include "platform/win32/wide_win32.h"
#include "util/codepage.h"

namespace qv {
namespace {

constexpr int kPageLeft = 153 + 8;  // group boxes, inside the notebook
constexpr int kGroupWidth = 360;
constexpr int kInner = kPageLeft + 12;  // controls inside a group box
constexpr int kRowHeight = 21;
constexpr int kUpDownWidth = 17;

std::u16string Wide(std::string_view text) {
  return Utf8ToUtf16(text);
}

}  // namespace

HWND TParamForm::Add(const char* name, const wchar_t* className, const wchar_t* text, DWORD style,
                     int x, int y, int width, int height, int id, DWORD exStyle) {
  HWND control = AddControl(name, className, text, style, x, y, width, height, id, exStyle);
  if (buildingPage_ >= 0) pageControls_[static_cast<size_t>(buildingPage_)].push_back(id);
  return control;
}

HWND TParamForm::Group(const char* name, const wchar_t* caption, int id, int top, int height) {
  return Add(name, L"BUTTON", caption, BS_GROUPBOX, kPageLeft, top, kGroupWidth, height, id);
}

HWND TParamForm::Check(const char* name, const wchar_t* caption, int id, int x, int y, int width) {
  return Add(name, L"BUTTON", caption, WS_TABSTOP | BS_AUTOCHECKBOX, x, y, width, 17, id);
}

HWND TParamForm::Label(const char* name, const wchar_t* caption, int id, int x, int y, int width) {
  return Add(name, L"STATIC", caption, SS_LEFT, x, y, width, 15, id);
}

HWND TParamForm::Combo(const char* name, int id, int x, int y, int width, int items) {
  // The dropped list shows every item.
  return Add(name, L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, x, y, width,
             kRowHeight + 4 + 16 * items, id);
}

void TParamForm::UpDown(const char* editName, int editId, const char* upDownName, int upDownId,
                        int x, int y, const UpDownRange& range) {
  HWND edit = Add(editName, L"EDIT", L"", WS_TABSTOP | ES_READONLY | ES_NUMBER | ES_RIGHT, x, y, 56,
                  kRowHeight, editId, WS_EX_CLIENTEDGE);
  HWND upDown = Add(upDownName, UPDOWN_CLASSW, L"",
                    UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, x + 56, y,
                    kUpDownWidth, kRowHeight, upDownId);
  SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
  SendMessageW(upDown, UDM_SETRANGE32, static_cast<WPARAM>(range.low), range.high);
  UDACCEL accel{0, static_cast<UINT>(range.step)};
  SendMessageW(upDown, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
}

void TParamForm::CreatePages() {
  BeginPage(-1);
  for (int i = 0; i < kParamPageCount; ++i) {
    const ParamPage& page = ParamPages()[static_cast<size_t>(i)];
    const std::u16string caption = Wide(page.caption);
    std::string name(page.button);
    AddControl(name.c_str(), L"BUTTON", win32::AsWide(caption),
               WS_TABSTOP | BS_AUTORADIOBUTTON | BS_PUSHLIKE | (i == 0 ? WS_GROUP : 0), 1,
               1 + 49 * i, 151, 49, kSbItem1 + i);
  }
  AddControl("lbReload", L"STATIC", L"* Restart the program to apply", SS_RIGHT | WS_DISABLED, 4,
             398, 125, 30, kLbReload);
  AddButton("btOk", L"OK", 162, 399, kBtOk, true);
  AddButton("btCancel", L"Cancel", 254, 399, kBtCancel);
  AddButton("btApply", L"Apply", 346, 399, kBtApply);
  AddButton("btHelp", L"Help", 438, 399, kBtHelp);
  for (int id : {kBtOk, kBtCancel, kBtApply, kBtHelp})
    SetWindowPos(Control(id), nullptr, 0, 0, 82, 26, SWP_NOMOVE | SWP_NOZORDER);
  // Each page is a set of controls in the notebook's place; the first control
  // of a page starts a tab group.
  CreateMainPage();
  CreateSlotsPage();
  CreateTextPage();
  CreatePicturePage();
  CreateActionsPage();
  CreateHotkeysPage();
  CreateAboutPage();
  BeginPage(-1);
}

void TParamForm::CreateMainPage() {
  BeginPage(0);
  Group("gbStart", L"Program launch", kGbStart, 4, 62);
  Check("cbAutoran", L"Start &automatically", kCbAutoran, kInner, 22);
  Check("cbMinimized", L"Start &minimized", kCbMinimized, kInner, 42);
  Group("gbWindowProp", L"Main window settings", kGbWindowProp, 70, 228);
  Check("cbAutohide", L"&Hide automatically", kCbAutohide, kInner, 90);
  Label("lbAlign", L"Window position:", kLbAlign, kInner, 116, 200);
  Combo("cmAlign", kCmAlign, kInner, 132, 200, 3);
  for (std::string_view item : AlignItems())
    SendMessageW(Control(kCmAlign), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Check("cbSnap", L"&Dock to screen edges", kCbSnap, kInner, 166);
  Label("lbSnapValue", L"Dock within", kLbSnapValue, kInner + 16, 194, 100);
  UpDown("edSnapValue", kEdSnapValue, "udSnapValue", kUdSnapValue, kInner + 120, 191,
         kSnapValueRange);
  Label("lbSnapPixels", L"pixels", kLbSnapPixels, kInner + 198, 194, 60);
  Label("lbTransparency", L"Window transparency", kLbTransparency, kInner, 236, 136);
  UpDown("edTransparent", kEdTransparent, "udTransparent", kUdTransparent, kInner + 136, 233,
         kTransparentRange);
  Label("lbTransp", L"%", kLbTransp, kInner + 214, 236, 20);
  Label("lbLanguage", L"Language:", kLbLanguage, kPageLeft, 310, 200);
  Combo("cmLanguage", kCmLanguage, kPageLeft, 326, 200, 8);
  // Other languages come with the language files.
  SendMessageW(Control(kCmLanguage), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"English"));
  SendMessageW(Control(kCmLanguage), CB_SETCURSEL, 0, 0);
}

void TParamForm::CreateSlotsPage() {
  BeginPage(1);
  Group("gbSlotsAmount", L"Number of slots", kGbSlotsAmount, 4, 82);
  Label("lbSlotsCount", L"Total number of slots", kLbSlotsCount, kInner, 28, 180);
  UpDown("edSlotsCount", kEdSlotsCount, "udSlotsCount", kUdSlotsCount, kInner + 190, 25,
         kSlotsCountRange);
  Label("lbSlotsPage", L"Slots visible in the window", kLbSlotsPage, kInner, 58, 180);
  UpDown("edSlotsPage", kEdSlotsPage, "udSlotsPage", kUdSlotsPage, kInner + 190, 55,
         kSlotsPageRange);
  Group("gbSlotsWriting", L"Saving slots", kGbSlotsWriting, 92, 126);
  Check("cbDiskSlots", L"&Save slots to the disk", kCbDiskSlots, kInner, 112);
  Label("lbSlotSize", L"If the size is larger than", kLbSlotSize, kInner + 16, 140, 158);
  UpDown("edSlotSize", kEdSlotSize, "udSlotSize", kUdSlotSize, kInner + 178, 137, kSlotSizeRange);
  Label("lbSlotSizeEd", L"kB", kLbSlotSizeEd, kInner + 256, 140, 30);
  Check("cbSaveSlots", L"Save slots on &exit", kCbSaveSlots, kInner, 170);
  Check("cbNoDouble", L"Do not add &identical slots", kCbNoDouble, kInner, 192);
}

void TParamForm::CreateTextPage() {
  BeginPage(2);
  Group("gbTextViewSize", L"Text view window size", kGbTextViewSize, 4, 78);
  Label("lbTextWidth", L"Width", kLbTextWidth, kInner, 28, 60);
  UpDown("edTextWidth", kEdTextWidth, "udTextWidth", kUdTextWidth, kInner + 64, 25, kTextSizeRange);
  Label("lbTextWidthPixels", L"pixels", kLbTextWidthPixels, kInner + 142, 28, 60);
  Label("lbTextHeight", L"Height", kLbTextHeight, kInner, 54, 60);
  UpDown("edTextHeight", kEdTextHeight, "udTextHeight", kUdTextHeight, kInner + 64, 51,
         kTextSizeRange);
  Label("lbTextHeightPixels", L"pixels", kLbTextHeightPixels, kInner + 142, 54, 60);
  Group("gbTextFont", L"Text view window font", kGbTextFont, 86, 52);
  Add("lbTextFont", L"STATIC", L"Plain text font", SS_LEFT | SS_NOTIFY | SS_CENTERIMAGE, kInner,
      104, 336, 26, kLbTextFont);
  Group("gbTextSlots", L"Text slots", kGbTextSlots, 142, 84);
  Label("lbTextView", L"Text slot:", kLbTextView, kInner, 164, 130);
  Combo("cmTextView", kCmTextView, kInner + 136, 160, 200, 2);
  Label("lbTextPictView", L"Text and image slot:", kLbTextPictView, kInner, 194, 130);
  Combo("cmTextPictView", kCmTextPictView, kInner + 136, 190, 200, 3);
  for (std::string_view item : TextViewItems())
    SendMessageW(Control(kCmTextView), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  for (std::string_view item : TextPictViewItems())
    SendMessageW(Control(kCmTextPictView), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Group("gbSeparator", L"Text delimiter", kGbSeparator, 230, 54);
  Combo("cmSeparator", kCmSeparator, kInner, 252, 200, 13);
  for (std::string_view item : SeparatorItems())
    SendMessageW(Control(kCmSeparator), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Group("gbTranspText", L"Text view window transparency", kGbTranspText, 288, 48);
  Check("cbTranspText", L"&Transparency as for the main window", kCbTranspText, kInner, 308);
}

void TParamForm::CreatePicturePage() {
  BeginPage(3);
  Group("gbPictSize", L"Image view window size * ", kGbPictSize, 4, 54);
  Combo("cmPictSize", kCmPictSize, kInner, 26, 200, 5);
  for (std::string_view item : PictSizeItems())
    SendMessageW(Control(kCmPictSize), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Group("gbPictGround", L"", kGbPictGround, 62, 54);
  Label("lbPictGround", L"Background color:", kLbPictGround, kInner, 86, 110);
  Add("pnPictGround", L"STATIC", L"", SS_NOTIFY | WS_BORDER, kInner + 116, 81, 60, 24,
      kPnPictGround);
  Group("gbTranspPict", L"Image view window transparency", kGbTranspPict, 120, 48);
  Check("cbTranspPict", L"&Transparency as for the main window", kCbTranspPict, kInner, 140);
}

void TParamForm::CreateActionsPage() {
  BeginPage(4);
  Group("gbPathFiles", L"Copied files and folders", kGbPathFiles, 4, 46);
  Check("cbPathFiles", L"Show &paths", kCbPathFiles, kInner, 22);
  Group("gbActions", L"Clipboard actions", kGbActions, 54, 66);
  Check("cbAutoBrowser", L"Open &links in the browser", kCbAutoBrowser, kInner, 72);
  Check("cbAutoMail", L"Create &messages for e-mail addresses", kCbAutoMail, kInner, 94);
  Group("gbBalloon", L"Balloon hint for the tray icon", kGbBalloon, 124, 66);
  Check("cbBalloon", L"Use &balloon hints", kCbBalloon, kInner, 142);
  Check("cbBalloonCondition", L"&Only if the main window is hidden", kCbBalloonCondition,
        kInner + 16, 164, 314);
  Group("gbDecoration", L"Appearance", kGbDecoration, 194, 66);
  Check("cbStyleMenus", L"Use &styles for menus *", kCbStyleMenus, kInner, 212);
  Check("cbToolbarHints", L"Show &hints for the toolbar", kCbToolbarHints, kInner, 234);
  Group("gbSound", L"Sound signal", kGbSound, 264, 78);
  Check("cbSound", L"Play a sound signal at copying", kCbSound, kInner, 282);
  Add("edSound", L"EDIT", L"", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, kInner + 16, 308, 280,
      kRowHeight, kEdSound, WS_EX_CLIENTEDGE);
  HWND browse = Add("btSound", L"BUTTON", L"...", WS_TABSTOP | BS_PUSHBUTTON, kInner + 300, 307, 36,
                    23, kBtSound);
  // The button's hint; the tooltip goes with the dialog.
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(browse);
  tool.lpszText = const_cast<wchar_t*>(L"Browse...");
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void TParamForm::CreateHotkeysPage() {
  BeginPage(5);
  Group("gbHotOperations", L"All operations", kGbHotOperations, 4, 178);
  Add("tvHot", WC_TREEVIEWW, L"",
      WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, kInner, 22,
      336, 152, kTvHot, WS_EX_CLIENTEDGE);
  Group("gbHotManagement", L"Hotkey management", kGbHotManagement, 186, 56);
  Combo("cmHot", kCmHot, kInner, 208, 108, kModifierComboCount);
  for (const ModifierCombo& combo : ModifierCombos())
    SendMessageW(Control(kCmHot), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(combo.text))));
  SendMessageW(Control(kCmHot), CB_SETCURSEL, 0, 0);
  Add("hkHot", HOTKEY_CLASSW, L"", WS_TABSTOP, kInner + 112, 208, 80, kRowHeight, kHkHot,
      WS_EX_CLIENTEDGE);
  // One key without modifiers: the combo box gives them.
  SendMessageW(Control(kHkHot), HKM_SETRULES,
               HKCOMB_A | HKCOMB_C | HKCOMB_CA | HKCOMB_S | HKCOMB_SA | HKCOMB_SC | HKCOMB_SCA,
               MAKELPARAM(0, 0));
  Add("btAddHot", L"BUTTON", L"Create / Change", WS_TABSTOP | BS_PUSHBUTTON, kInner + 196, 207, 90,
      23, kBtAddHot);
  Add("btRemoveHot", L"BUTTON", L"Delete", WS_TABSTOP | BS_PUSHBUTTON, kInner + 290, 207, 46, 23,
      kBtRemoveHot);
  Group("gbHotRegister", L"Hotkey operations", kGbHotRegister, 246, 144);
  Add("lsHot", L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kInner,
      264, 336, 118, kLsHot, WS_EX_CLIENTEDGE);
  FillHotkeyTree();
}

void TParamForm::CreateAboutPage() {
  BeginPage(kParamAboutPage);
  Group("gbInfo", L"Information", kGbInfo, 4, 112);
  HWND product = Label("lbProduct", L"Quorvane", kLbProduct, kInner, 24, 300);
  SetWindowPos(product, nullptr, 0, 0, 300, 28, SWP_NOMOVE | SWP_NOZORDER);
  Label("lbDescription", L"Multifunctional clipboard manager", kLbDescription, kInner, 62, 300);
  Label("lbVersion", L"Version 2.1", kLbVersion, kInner, 86, 300);
  Group("gbFeedback", L"Links", kGbFeedback, 122, 100);
  const struct {
    const char* name;
    const wchar_t* caption;
    int id;
  } links[] = {{"lbSite", L"Program website", kLbSite},
               {"lbSupport", L"Technical support", kLbSupport},
               {"lbDownload", L"Download the new version", kLbDownload}};
  int y = 144;
  for (const auto& link : links) {
    HWND label =
        Add(link.name, L"STATIC", link.caption, SS_LEFT | SS_NOTIFY, kInner, y, 200, 17, link.id);
    SetWindowSubclass(label, &TParamForm::LinkProc, 1, reinterpret_cast<DWORD_PTR>(this));
    y += 24;
  }
  // Fonts of their own: the product name large and bold, the links underlined.
  LOGFONTW base{};
  GetObjectW(Font(), sizeof(base), &base);
  LOGFONTW title = base;
  title.lfHeight = -20;
  title.lfWeight = FW_BOLD;
  titleFont_.Reset(CreateFontIndirectW(&title));
  SendMessageW(product, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.Get()), 0);
  LOGFONTW link = base;
  link.lfUnderline = TRUE;
  linkFont_.Reset(CreateFontIndirectW(&link));
  for (int id : {kLbSite, kLbSupport, kLbDownload})
    SendMessageW(Control(id), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.Get()), 0);
}

}  // namespace qv
