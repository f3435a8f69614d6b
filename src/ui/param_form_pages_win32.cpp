// The settings dialog's controls, page by page, at their designed places:
// page buttons in the left column, the pages in the notebook beside it, the
// buttons in the bottom row. Every control is named for the language files.
#include "ui/param_form_win32.h"

#include <commctrl.h>

#include "hotkeys/modifiers.h"
#include "platform/win32/wide_win32.h"
#include "ui/form_texts.h"
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

// The English caption of a control, held for the life of the program.
const wchar_t* Caption(std::string_view name) {
  static std::vector<std::pair<std::string, std::u16string>> cache;
  for (const auto& [key, text] : cache)
    if (key == name) return win32::AsWide(text);
  cache.emplace_back(std::string(name), Wide(DefaultCaption(ParamFormTexts(), name)));
  return win32::AsWide(cache.back().second);
}

}  // namespace

HWND TParamForm::Add(const char* name, const wchar_t* className, const wchar_t* text, DWORD style,
                     int x, int y, int width, int height, int id, DWORD exStyle) {
  HWND control = AddControl(name, className, text, style, x, y, width, height, id, exStyle);
  if (buildingPage_ >= 0) pageControls_[static_cast<size_t>(buildingPage_)].push_back(id);
  return control;
}

HWND TParamForm::Group(const char* name, int id, int top, int height) {
  return Add(name, L"BUTTON", Caption(name), BS_GROUPBOX, kPageLeft, top, kGroupWidth, height, id);
}

HWND TParamForm::Check(const char* name, int id, int x, int y, int width) {
  return Add(name, L"BUTTON", Caption(name), WS_TABSTOP | BS_AUTOCHECKBOX, x, y, width, 17, id);
}

HWND TParamForm::Label(const char* name, int id, int x, int y, int width) {
  return Add(name, L"STATIC", Caption(name), SS_LEFT, x, y, width, 15, id);
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
  AddControl("lbReload", L"STATIC", Caption("lbReload"), SS_RIGHT | WS_DISABLED, 4, 398, 125, 30,
             kLbReload);
  AddButton("btOk", Caption("btOk"), 162, 399, kBtOk, true);
  AddButton("btCancel", Caption("btCancel"), 254, 399, kBtCancel);
  AddButton("btApply", Caption("btApply"), 346, 399, kBtApply);
  AddButton("btHelp", Caption("btHelp"), 438, 399, kBtHelp);
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
  Group("gbStart", kGbStart, 4, 62);
  Check("cbAutoran", kCbAutoran, kInner, 22);
  Check("cbMinimized", kCbMinimized, kInner, 42);
  Group("gbWindowProp", kGbWindowProp, 70, 228);
  Check("cbAutohide", kCbAutohide, kInner, 90);
  Label("lbAlign", kLbAlign, kInner, 116, 200);
  Combo("cmAlign", kCmAlign, kInner, 132, 200, 3);
  for (std::string_view item : AlignItems())
    SendMessageW(Control(kCmAlign), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Check("cbSnap", kCbSnap, kInner, 166);
  Label("lbSnapValue", kLbSnapValue, kInner + 16, 194, 100);
  UpDown("edSnapValue", kEdSnapValue, "udSnapValue", kUdSnapValue, kInner + 120, 191,
         kSnapValueRange);
  Label("lbSnapPixels", kLbSnapPixels, kInner + 198, 194, 60);
  Label("lbTransparency", kLbTransparency, kInner, 236, 136);
  UpDown("edTransparent", kEdTransparent, "udTransparent", kUdTransparent, kInner + 136, 233,
         kTransparentRange);
  Label("lbTransp", kLbTransp, kInner + 214, 236, 20);
  Label("lbLanguage", kLbLanguage, kPageLeft, 310, 200);
  // Filled from the language files whenever the dialog is shown (ListLangs).
  Combo("cmLanguage", kCmLanguage, kPageLeft, 326, 200, 8);
}

void TParamForm::CreateSlotsPage() {
  BeginPage(1);
  Group("gbSlotsAmount", kGbSlotsAmount, 4, 82);
  Label("lbSlotsCount", kLbSlotsCount, kInner, 28, 180);
  UpDown("edSlotsCount", kEdSlotsCount, "udSlotsCount", kUdSlotsCount, kInner + 190, 25,
         kSlotsCountRange);
  Label("lbSlotsPage", kLbSlotsPage, kInner, 58, 180);
  UpDown("edSlotsPage", kEdSlotsPage, "udSlotsPage", kUdSlotsPage, kInner + 190, 55,
         kSlotsPageRange);
  Group("gbSlotsWriting", kGbSlotsWriting, 92, 126);
  Check("cbDiskSlots", kCbDiskSlots, kInner, 112);
  Label("lbSlotSize", kLbSlotSize, kInner + 16, 140, 158);
  UpDown("edSlotSize", kEdSlotSize, "udSlotSize", kUdSlotSize, kInner + 178, 137, kSlotSizeRange);
  Label("lbSlotSizeEd", kLbSlotSizeEd, kInner + 256, 140, 30);
  Check("cbSaveSlots", kCbSaveSlots, kInner, 170);
  Check("cbNoDouble", kCbNoDouble, kInner, 192);
}

void TParamForm::CreateTextPage() {
  BeginPage(2);
  Group("gbTextViewSize", kGbTextViewSize, 4, 78);
  Label("lbTextWidth", kLbTextWidth, kInner, 28, 60);
  UpDown("edTextWidth", kEdTextWidth, "udTextWidth", kUdTextWidth, kInner + 64, 25, kTextSizeRange);
  Label("lbTextWidthPixels", kLbTextWidthPixels, kInner + 142, 28, 60);
  Label("lbTextHeight", kLbTextHeight, kInner, 54, 60);
  UpDown("edTextHeight", kEdTextHeight, "udTextHeight", kUdTextHeight, kInner + 64, 51,
         kTextSizeRange);
  Label("lbTextHeightPixels", kLbTextHeightPixels, kInner + 142, 54, 60);
  Group("gbTextFont", kGbTextFont, 86, 52);
  Add("lbTextFont", L"STATIC", Caption("lbTextFont"), SS_LEFT | SS_NOTIFY | SS_CENTERIMAGE, kInner,
      104, 336, 26, kLbTextFont);
  Group("gbTextSlots", kGbTextSlots, 142, 84);
  Label("lbTextView", kLbTextView, kInner, 164, 130);
  Combo("cmTextView", kCmTextView, kInner + 136, 160, 200, 2);
  Label("lbTextPictView", kLbTextPictView, kInner, 194, 130);
  Combo("cmTextPictView", kCmTextPictView, kInner + 136, 190, 200, 3);
  for (std::string_view item : TextViewItems())
    SendMessageW(Control(kCmTextView), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  for (std::string_view item : TextPictViewItems())
    SendMessageW(Control(kCmTextPictView), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Group("gbSeparator", kGbSeparator, 230, 54);
  Combo("cmSeparator", kCmSeparator, kInner, 252, 200, 13);
  for (std::string_view item : SeparatorItems())
    SendMessageW(Control(kCmSeparator), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Group("gbTranspText", kGbTranspText, 288, 48);
  Check("cbTranspText", kCbTranspText, kInner, 308);
}

void TParamForm::CreatePicturePage() {
  BeginPage(3);
  Group("gbPictSize", kGbPictSize, 4, 54);
  Combo("cmPictSize", kCmPictSize, kInner, 26, 200, 5);
  for (std::string_view item : PictSizeItems())
    SendMessageW(Control(kCmPictSize), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(win32::AsWide(Wide(item))));
  Group("gbPictGround", kGbPictGround, 62, 54);
  Label("lbPictGround", kLbPictGround, kInner, 86, 110);
  Add("pnPictGround", L"STATIC", L"", SS_NOTIFY | WS_BORDER, kInner + 116, 81, 60, 24,
      kPnPictGround);
  Group("gbTranspPict", kGbTranspPict, 120, 48);
  Check("cbTranspPict", kCbTranspPict, kInner, 140);
}

void TParamForm::CreateActionsPage() {
  BeginPage(4);
  Group("gbPathFiles", kGbPathFiles, 4, 46);
  Check("cbPathFiles", kCbPathFiles, kInner, 22);
  Group("gbActions", kGbActions, 54, 66);
  Check("cbAutoBrowser", kCbAutoBrowser, kInner, 72);
  Check("cbAutoMail", kCbAutoMail, kInner, 94);
  Group("gbBalloon", kGbBalloon, 124, 66);
  Check("cbBalloon", kCbBalloon, kInner, 142);
  Check("cbBalloonCondition", kCbBalloonCondition, kInner + 16, 164, 314);
  Group("gbDecoration", kGbDecoration, 194, 66);
  Check("cbStyleMenus", kCbStyleMenus, kInner, 212);
  Check("cbToolbarHints", kCbToolbarHints, kInner, 234);
  Group("gbSound", kGbSound, 264, 78);
  Check("cbSound", kCbSound, kInner, 282);
  Add("edSound", L"EDIT", L"", WS_TABSTOP | ES_READONLY | ES_AUTOHSCROLL, kInner + 16, 308, 280,
      kRowHeight, kEdSound, WS_EX_CLIENTEDGE);
  HWND browse = Add("btSound", L"BUTTON", Caption("btSound"), WS_TABSTOP | BS_PUSHBUTTON,
                    kInner + 300, 307, 36, 23, kBtSound);
  // The button's hint; the tooltip goes with the dialog.
  HWND tip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  TTTOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V1_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(browse);
  soundHint_ = Wide(FindComponent(ParamFormTexts(), "btSound")->hint);
  tool.lpszText = const_cast<wchar_t*>(win32::AsWide(soundHint_));
  SendMessageW(tip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  soundTip_ = tip;
}

void TParamForm::CreateHotkeysPage() {
  BeginPage(5);
  Group("gbHotOperations", kGbHotOperations, 4, 178);
  Add("tvHot", WC_TREEVIEWW, L"",
      WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, kInner, 22,
      336, 152, kTvHot, WS_EX_CLIENTEDGE);
  Group("gbHotManagement", kGbHotManagement, 186, 56);
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
  Add("btAddHot", L"BUTTON", Caption("btAddHot"), WS_TABSTOP | BS_PUSHBUTTON, kInner + 196, 207, 90,
      23, kBtAddHot);
  Add("btRemoveHot", L"BUTTON", Caption("btRemoveHot"), WS_TABSTOP | BS_PUSHBUTTON, kInner + 290,
      207, 46, 23, kBtRemoveHot);
  Group("gbHotRegister", kGbHotRegister, 246, 144);
  Add("lsHot", L"LISTBOX", L"", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, kInner,
      264, 336, 118, kLsHot, WS_EX_CLIENTEDGE);
  FillHotkeyTree();
}

void TParamForm::CreateAboutPage() {
  BeginPage(kParamAboutPage);
  Group("gbInfo", kGbInfo, 4, 112);
  HWND product = Label("lbProduct", kLbProduct, kInner, 24, 300);
  SetWindowPos(product, nullptr, 0, 0, 300, 28, SWP_NOMOVE | SWP_NOZORDER);
  Label("lbDescription", kLbDescription, kInner, 62, 300);
  Label("lbVersion", kLbVersion, kInner, 86, 300);
  Group("gbFeedback", kGbFeedback, 122, 100);
  const struct {
    const char* name;
    int id;
  } links[] = {{"lbSite", kLbSite}, {"lbSupport", kLbSupport}, {"lbDownload", kLbDownload}};
  int y = 144;
  for (const auto& link : links) {
    HWND label = Add(link.name, L"STATIC", Caption(link.name), SS_LEFT | SS_NOTIFY, kInner, y, 200,
                     17, link.id);
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
