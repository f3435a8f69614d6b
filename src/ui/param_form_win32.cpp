// The settings dialog: values between the controls and the options, the
// buttons, the choosers, paging and the About page's links.
#include "ui/param_form_win32.h"

#include <commctrl.h>
#include <commdlg.h>

#include "platform/win32/autostart_win32.h"
#include "platform/win32/wide_win32.h"
#include "settings/options_file.h"
#include "ui/file_dialog_win32.h"
#include "ui/form_texts.h"
#include "util/codepage.h"
#include "util/file_io.h"

namespace qv {
namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr COLORREF kLinkRed = RGB(255, 0, 0);

// The About page's links. Until the product has a site of its own they open
// the manual's pages.
struct Link {
  int id;
  const char* topic;
};
constexpr Link kLinks[] = {{TParamForm::kLbSite, "interface.html"},
                           {TParamForm::kLbSupport, "tab6.html"},
                           {TParamForm::kLbDownload, "interface.html"}};

struct CheckBinding {
  int id;
  bool ParamControls::*value;
};
constexpr CheckBinding kChecks[] = {
    {TParamForm::kCbAutoran, &ParamControls::autoran},
    {TParamForm::kCbMinimized, &ParamControls::minimized},
    {TParamForm::kCbAutohide, &ParamControls::autohide},
    {TParamForm::kCbSnap, &ParamControls::snap},
    {TParamForm::kCbDiskSlots, &ParamControls::diskSlots},
    {TParamForm::kCbSaveSlots, &ParamControls::saveSlots},
    {TParamForm::kCbNoDouble, &ParamControls::noDouble},
    {TParamForm::kCbTranspText, &ParamControls::transpText},
    {TParamForm::kCbTranspPict, &ParamControls::transpPict},
    {TParamForm::kCbPathFiles, &ParamControls::pathFiles},
    {TParamForm::kCbAutoBrowser, &ParamControls::autoBrowser},
    {TParamForm::kCbAutoMail, &ParamControls::autoMail},
    {TParamForm::kCbBalloon, &ParamControls::balloon},
    {TParamForm::kCbBalloonCondition, &ParamControls::balloonCondition},
    {TParamForm::kCbStyleMenus, &ParamControls::styleMenus},
    {TParamForm::kCbToolbarHints, &ParamControls::toolbarHints},
    {TParamForm::kCbSound, &ParamControls::sound},
};

struct UpDownBinding {
  int id;
  int ParamControls::*value;
};
constexpr UpDownBinding kUpDowns[] = {
    {TParamForm::kUdSnapValue, &ParamControls::snapValue},
    {TParamForm::kUdTransparent, &ParamControls::transparent},
    {TParamForm::kUdSlotsCount, &ParamControls::slotsCount},
    {TParamForm::kUdSlotsPage, &ParamControls::slotsPage},
    {TParamForm::kUdSlotSize, &ParamControls::slotSize},
    {TParamForm::kUdTextWidth, &ParamControls::textWidth},
    {TParamForm::kUdTextHeight, &ParamControls::textHeight},
};

struct ComboBinding {
  int id;
  int ParamControls::*value;
};
constexpr ComboBinding kCombos[] = {
    {TParamForm::kCmAlign, &ParamControls::align},
    {TParamForm::kCmTextView, &ParamControls::textView},
    {TParamForm::kCmTextPictView, &ParamControls::textPictView},
    {TParamForm::kCmSeparator, &ParamControls::separator},
    {TParamForm::kCmPictSize, &ParamControls::pictSize},
};

// The controls each enabling rule switches.
struct EnableBinding {
  bool ParamEnabling::*rule;
  std::vector<int> ids;
};

COLORREF ToColorRef(uint32_t colour) {
  return static_cast<COLORREF>(colour & 0x00FFFFFF);
}

LONG PixelsForPoints(int points) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return -MulDiv(points, dpi, 72);
}

LOGFONTW LogFontOf(const TextFont& font) {
  LOGFONTW lf{};
  lf.lfHeight = PixelsForPoints(font.size);
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strike;
  lf.lfCharSet = DEFAULT_CHARSET;
  const std::u16string name = Utf8ToUtf16(font.name);
  lstrcpynW(lf.lfFaceName, win32::AsWide(name), LF_FACESIZE);
  return lf;
}

}  // namespace

TParamForm::TParamForm(HWND owner, ParamFormData data, ParamFormHost host)
    : data_(std::move(data)), host_(std::move(host)) {
  INITCOMMONCONTROLSEX init{sizeof(init),
                            ICC_UPDOWN_CLASS | ICC_HOTKEY_CLASS | ICC_TREEVIEW_CLASSES};
  InitCommonControlsEx(&init);
  customColours_.fill(RGB(255, 255, 255));
  const std::u16string title = Utf8ToUtf16(ParamFormTexts().text);
  if (!CreateForm("ParamForm", win32::AsWide(title), 526, 432, owner)) return;
  // Group boxes paint only their frames: the window paints the ground below them.
  SetWindowLongPtrW(
      Handle(), GWL_STYLE,
      GetWindowLongPtrW(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
  editor_ = std::make_unique<HotkeyEditor>(
      data_.hotkeys, data_.registrar, static_cast<HotkeyDialogs&>(*this),
      [this] {
        if (!data_.hotkeys.SaveHotkeys(IniFile(data_.optionsFile)))
          ShowMessage(UnableToWriteMessage(data_.optionsFile));
      },
      HotkeyTexts::English(),
      [](std::string_view text) {
        std::u16string wide = Utf8ToUtf16(text);
        if (!wide.empty())
          CharUpperBuffW(reinterpret_cast<wchar_t*>(wide.data()), static_cast<DWORD>(wide.size()));
        return Utf16ToUtf8(wide);
      });
  CreatePages();
  // The texts as made are the English ones; then the configured language.
  CaptureDefaultTexts(ReadTexts(), defaults_);
  if (data_.languages) ApplyLanguage(data_.languages->CurrentLanguageName(data_.options.language));
  ListLangs();
  // Creation: the saved place, the controls the platform rules out, the values.
  const Options& o = data_.options;
  SetWindowPos(Handle(), nullptr, o.paramLeft, o.paramTop, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowOptionsNow();
  SelectPage(0);
}

TParamForm::~TParamForm() {
  for (int id : {kLbSite, kLbSupport, kLbDownload})
    if (HWND link = Control(id)) RemoveWindowSubclass(link, &TParamForm::LinkProc, 1);
}

void TParamForm::ShowPage(std::optional<int> page) {
  if (page) SelectPage(*page);
  ShowModeless();
}

void TParamForm::SelectPage(int page) {
  page_ = page;
  for (int i = 0; i < kParamPageCount; ++i) {
    SendMessageW(Control(kSbItem1 + i), BM_SETCHECK, i == page ? BST_CHECKED : BST_UNCHECKED, 0);
    for (int id : pageControls_[static_cast<size_t>(i)]) Show(id, i == page);
  }
}

// ---- Values ----

void TParamForm::WriteControls() {
  syncing_ = true;
  const ParamControls& c = controls_;
  for (const CheckBinding& b : kChecks)
    SendMessageW(Control(b.id), BM_SETCHECK, c.*b.value ? BST_CHECKED : BST_UNCHECKED, 0);
  for (const UpDownBinding& b : kUpDowns) SendMessageW(Control(b.id), UDM_SETPOS32, 0, c.*b.value);
  for (const ComboBinding& b : kCombos)
    SendMessageW(Control(b.id), CB_SETCURSEL, static_cast<WPARAM>(c.*b.value), 0);
  const std::u16string sound = Utf8ToUtf16(c.soundFile);
  SetText(kEdSound, sound);
  UpdateSampleFont();
  groundBrush_.Reset(CreateSolidBrush(ToColorRef(c.background)));
  InvalidateRect(Control(kPnPictGround), nullptr, TRUE);
  syncing_ = false;
}

void TParamForm::ReadControls() {
  ParamControls& c = controls_;
  for (const CheckBinding& b : kChecks)
    c.*b.value = SendMessageW(Control(b.id), BM_GETCHECK, 0, 0) == BST_CHECKED;
  for (const UpDownBinding& b : kUpDowns)
    c.*b.value = static_cast<int>(SendMessageW(Control(b.id), UDM_GETPOS32, 0, 0));
  for (const ComboBinding& b : kCombos)
    c.*b.value = static_cast<int>(SendMessageW(Control(b.id), CB_GETCURSEL, 0, 0));
  // The size list always has a selection, which the option file needs.
  if (c.pictSize < 0) c.pictSize = kPictSizeDesignItem;
  c.soundFile = Utf16ToUtf8(Text(kEdSound));
  // The font and the colour are kept in controls_ by their choosers.
}

void TParamForm::ShowOptionsNow() {
  qv::ShowOptions(data_.options, IniFile(data_.optionsFile).Load(), controls_);
  WriteControls();
  ShowHKeys();
  UpdateEnabling();
  if (host_.windowOptionsShown) host_.windowOptionsShown();
}

void TParamForm::UpdateEnabling() {
  ReadControls();
  const ParamEnabling e = EnablingRules(controls_, data_.platform);
  const EnableBinding bindings[] = {
      {&ParamEnabling::autoran, {kCbAutoran}},
      {&ParamEnabling::transparency,
       {kLbTransparency, kEdTransparent, kUdTransparent, kLbTransp, kCbTranspText, kCbTranspPict}},
      {&ParamEnabling::balloon, {kCbBalloon}},
      {&ParamEnabling::balloonCondition, {kCbBalloonCondition}},
      {&ParamEnabling::slotSize, {kLbSlotSize, kEdSlotSize, kUdSlotSize, kLbSlotSizeEd}},
      {&ParamEnabling::snapValue, {kLbSnapValue, kEdSnapValue, kUdSnapValue, kLbSnapPixels}},
      {&ParamEnabling::sound, {kEdSound, kBtSound}},
  };
  for (const EnableBinding& b : bindings)
    for (int id : b.ids) Enable(id, e.*b.rule);
}

void TParamForm::UpdateSampleFont() {
  const LOGFONTW lf = LogFontOf(controls_.font);
  sampleFont_.Reset(CreateFontIndirectW(&lf));
  SendMessageW(Control(kLbTextFont), WM_SETFONT, reinterpret_cast<WPARAM>(sampleFont_.Get()), TRUE);
}

bool TParamForm::Save() {
  ReadControls();
  const IniFile file(data_.optionsFile);
  if (!file.Update([&](IniDocument& doc) { SaveOptions(controls_, data_.hotkeys, doc); })) {
    ShowMessage(UnableToWriteMessage(data_.optionsFile));
    return false;
  }
  if (host_.setAutorun) host_.setAutorun(controls_.autoran);
  return true;
}

void TParamForm::SyncAlign(uint8_t align) {
  controls_.align = align >= 1 && align <= 3 ? align - 1 : -1;
  SendMessageW(Control(kCmAlign), CB_SETCURSEL, static_cast<WPARAM>(controls_.align), 0);
}

void TParamForm::SyncToggle(int controlId, bool checked) {
  SendMessageW(Control(controlId), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  UpdateEnabling();
}

// ---- Events ----

void TParamForm::OnCommand(int id, int notification) {
  if (syncing_) return;
  if (id == kLsHot && (notification == LBN_SELCHANGE || notification == LBN_SETFOCUS)) {
    if (notification == LBN_SETFOCUS) {
      editor_->ListFocused();
      // The tree loses its selection; its notice is no choice of the user's.
      syncing_ = true;
      TreeView_SelectItem(Control(kTvHot), nullptr);
      syncing_ = false;
    }
    if (notification == LBN_SELCHANGE)
      editor_->ListClicked(static_cast<int>(SendMessageW(Control(kLsHot), LB_GETCURSEL, 0, 0)));
    MirrorHotkeyEditor(notification == LBN_SELCHANGE);
    return;
  }
  if (id == kPnPictGround && notification == STN_CLICKED) return pnPictGroundClick();
  if (id == kLbTextFont && notification == STN_CLICKED) return lbTextFontClick();
  if ((id == kLbSite || id == kLbSupport || id == kLbDownload) && notification == STN_CLICKED)
    return LinkClick(id);
  if (id == kCmLanguage && notification == CBN_SELCHANGE) return cmLanguageChange();
  if (notification != BN_CLICKED) return;
  if (id >= kSbItem1 && id < kSbItem1 + kParamPageCount) return SelectPage(id - kSbItem1);
  switch (id) {
    case kBtOk:
      return btOkClick();
    case kBtCancel:
      return Close();
    case kBtApply:
      return btApplyClick();
    case kBtHelp:
      return OnHelp();
    case kBtSound:
      return btSoundClick();
    case kBtAddHot: {
      const auto hotkey = SendMessageW(Control(kHkHot), HKM_GETHOTKEY, 0, 0);
      editor_->AddOrChange(static_cast<uint16_t>(LOBYTE(LOWORD(hotkey))),
                           static_cast<int>(SendMessageW(Control(kCmHot), CB_GETCURSEL, 0, 0)));
      ShowHKeys();
      return;
    }
    case kBtRemoveHot:
      editor_->Remove();
      ShowHKeys();
      return;
    case kCbDiskSlots:
    case kCbSnap:
    case kCbBalloon:
    case kCbSound:
      return UpdateEnabling();
    default:
      return;
  }
}

bool TParamForm::OnKey(WPARAM key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
  switch (PlanParamKey(static_cast<uint16_t>(key), ctrl, shift)) {
    case ParamKeyAction::Help:
      OnHelp();
      return true;
    case ParamKeyAction::NextPage:
    case ParamKeyAction::PreviousPage: {
      const bool back =
          PlanParamKey(static_cast<uint16_t>(key), ctrl, shift) == ParamKeyAction::PreviousPage;
      SelectPage(NextParamPage(page_, back));
      return true;
    }
    case ParamKeyAction::None:
      return false;
  }
  return false;
}

bool TParamForm::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_ACTIVATE:
      // Whenever the dialog comes up, the program's windows stay above others.
      if (LOWORD(wParam) != WA_INACTIVE) {
        SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (HWND owner = GetWindow(Handle(), GW_OWNER))
          SetWindowPos(owner, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      }
      return false;
    case WM_SYSCOMMAND:
      // The close box is Cancel.
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        Close();
        result = 0;
        return true;
      }
      return false;
    case WM_CTLCOLORSTATIC:
      return CtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), result);
    case WM_NOTIFY:
      if (OnHotkeyNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
        result = 0;
        return true;
      }
      return false;
    default:
      return false;
  }
}

void TParamForm::OnHelp() {
  if (host_.help) host_.help(std::string(ParamPages()[static_cast<size_t>(page_)].helpTopic));
}

void TParamForm::OnClose() {
  // Cancel: every control back to the options, which the windows apply again.
  ShowOptionsNow();
  if (host_.cancelled) host_.cancelled();
}

void TParamForm::btOkClick() {
  Hide();
  if (Save() && host_.applied) host_.applied(true);
}

void TParamForm::btApplyClick() {
  if (Save() && host_.applied) host_.applied(false);
}

void TParamForm::btSoundClick() {
  const std::filesystem::path current(Text(kEdSound));
  std::filesystem::path folder = current.parent_path();
  if (current.empty() || !FileExists(current)) folder = win32::ProgramFile().parent_path();
  if (auto chosen = win32::AskFileName(Handle(), false, "Wave (*.wav)|*.wav", folder);
      chosen && !chosen->path.empty())
    SetText(kEdSound, chosen->path.u16string());
}

void TParamForm::lbTextFontClick() {
  LOGFONTW lf = LogFontOf(controls_.font);
  CHOOSEFONTW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Handle();
  dialog.lpLogFont = &lf;
  dialog.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  dialog.rgbColors = ToColorRef(controls_.font.color);
  if (!ChooseFontW(&dialog)) return;
  TextFont& font = controls_.font;
  font.name = Utf16ToUtf8(std::u16string(reinterpret_cast<const char16_t*>(lf.lfFaceName)));
  font.size = dialog.iPointSize > 0 ? (dialog.iPointSize + 5) / 10 : font.size;
  font.color = dialog.rgbColors;
  font.bold = lf.lfWeight >= FW_BOLD;
  font.italic = lf.lfItalic != 0;
  font.underline = lf.lfUnderline != 0;
  font.strike = lf.lfStrikeOut != 0;
  UpdateSampleFont();
  InvalidateRect(Control(kLbTextFont), nullptr, TRUE);
}

void TParamForm::pnPictGroundClick() {
  CHOOSECOLORW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Handle();
  dialog.rgbResult = ToColorRef(controls_.background);
  dialog.lpCustColors = customColours_.data();
  dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&dialog)) return;
  controls_.background = dialog.rgbResult;
  groundBrush_.Reset(CreateSolidBrush(dialog.rgbResult));
  InvalidateRect(Control(kPnPictGround), nullptr, TRUE);
}

void TParamForm::LinkClick(int id) {
  for (const Link& link : kLinks)
    if (link.id == id && host_.help) host_.help(link.topic);
}

bool TParamForm::CtlColorStatic(HDC dc, HWND control, LRESULT& result) {
  const int id = GetDlgCtrlID(control);
  if (id == kPnPictGround && groundBrush_) {
    result = reinterpret_cast<LRESULT>(groundBrush_.Get());
    return true;
  }
  if (id == kLbTextFont) {
    SetTextColor(dc, ToColorRef(controls_.font.color));
  } else if (id == kLbSite || id == kLbSupport || id == kLbDownload) {
    SetTextColor(dc, id == hoveredLink_ ? kLinkRed : kLinkBlue);
  } else {
    return false;
  }
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  return true;
}

void TParamForm::SetHoveredLink(int id) {
  if (id == hoveredLink_) return;
  const int previous = hoveredLink_;
  hoveredLink_ = id;
  for (int changed : {previous, id})
    if (changed) InvalidateRect(Control(changed), nullptr, TRUE);
}

LRESULT CALLBACK TParamForm::LinkProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR data) {
  auto* form = reinterpret_cast<TParamForm*>(data);
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
      return TRUE;
    case WM_MOUSEMOVE: {
      TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
      TrackMouseEvent(&track);
      form->SetHoveredLink(GetDlgCtrlID(hwnd));
      break;
    }
    case WM_MOUSELEAVE:
      form->SetHoveredLink(0);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace qv
