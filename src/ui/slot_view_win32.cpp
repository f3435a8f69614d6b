#include "ui/slot_view_win32.h"

#include <windowsx.h>

#include <map>

#include "ui/gdi_bitmaps_win32.h"
#include "ui/paint_guards_win32.h"
#include "util/codepage.h"

namespace qv::win32 {
namespace {

constexpr wchar_t kSlotClass[] = L"TSlot";
constexpr COLORREF kTeal = RGB(0, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr uint32_t kClipboardSeparator = 0x8080FF;  // 128,128,255
constexpr uint32_t kSlotSeparator = 0xA6CAF0;       // 166,202,240

// Hold timers, one per preview element with a viewer; the id names it.
enum HoldTimer : int {
  kHoldText1 = 1,
  kHoldText2,
  kHoldPict3,
  kHoldText4,
  kHoldPict4,
  kHoldFiles5
};

// Pictures loaded from the resources once per process.
const Bitmap32& Resource(HINSTANCE instance, const wchar_t* name) {
  static std::map<std::wstring, Bitmap32> cache;
  auto it = cache.find(name);
  if (it == cache.end())
    it = cache.emplace(name, LoadBitmapResource(instance, name).value_or(Bitmap32{})).first;
  return it->second;
}

std::u16string Wide(const std::string& utf8) {
  return Utf8ToUtf16(utf8);
}

}  // namespace

struct TSlot::SubView {
  std::vector<std::unique_ptr<TGraphicControl>> controls;
  std::map<SlotElement, TGraphicControl*> byElement;
  bool laidOut = false;
  bool groundCurrent = false;

  template <class T>
  T* Get(SlotElement element) const {
    auto it = byElement.find(element);
    return it == byElement.end() ? nullptr : static_cast<T*>(it->second);
  }
  void SetVisible(bool visible) {
    for (auto& control : controls) control->SetVisible(visible);
  }
};

TSlot::TSlot(HWND parent, HINSTANCE instance, int number)
    : instance_(instance), number_(number), holdInterval_(GetDoubleClickTime() / 2) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.lpszClassName = kSlotClass;
    registered = RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }
  // "Tahoma" 8 points, teal; the previews switch to black.
  HDC screen = GetDC(nullptr);
  const int height = -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72);
  ReleaseDC(nullptr, screen);
  font_.Reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          DEFAULT_PITCH | FF_DONTCARE, L"Tahoma"));
  hwnd_ = CreateWindowExW(0, kSlotClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 290,
                          kSlotHeight, parent, nullptr, instance, this);
  host_ = std::make_unique<TControlHost>(hwnd_);
}

TSlot::~TSlot() {
  for (auto& view : views_) view.reset();  // controls before their host
  host_.reset();
  if (hwnd_) DestroyWindow(hwnd_);
}

int TSlot::Width() const {
  RECT r{};
  GetClientRect(hwnd_, &r);
  return r.right;
}

void TSlot::SetBounds(int left, int top, int width, int height) {
  const int oldWidth = Width();
  MoveWindow(hwnd_, left, top, width, height, TRUE);
  if (width != oldWidth && views_[0]) Relayout();
}

size_t TSlot::ControlCount() const {
  size_t n = 0;
  for (const auto& view : views_)
    if (view) n += view->controls.size();
  return n;
}

void TSlot::CreateViews() {
  for (int k = 1; k <= kDisplayKindCount; ++k) BuildView(static_cast<DisplayKind>(k));
  for (int k = 1; k <= kDisplayKindCount; ++k) LayOut(static_cast<DisplayKind>(k));
  SetClipboardStyle(clipboardStyle_);
  const int kind = static_cast<int>(kind_);
  kind_ = DisplayKind::kEmptySlot;  // force the switch below
  SetDisplayKind(kind);
  ResetCaptions();
}

void TSlot::BuildView(DisplayKind kind) {
  auto view = std::make_unique<SubView>();
  const int kindNumber = static_cast<int>(kind);
  auto add = [&](SlotElement element, std::unique_ptr<TGraphicControl> control) {
    view->byElement[element] = control.get();
    view->controls.push_back(std::move(control));
  };
  auto label = [&](COLORREF colour, TLabel::Align align) {
    auto l = std::make_unique<TLabel>(*host_);
    l->SetFont(font_.Get());
    l->SetColour(colour);
    l->SetAlign(align);
    l->SetEnabled(false);
    return l;
  };
  // The preview elements that open a viewer when held.
  auto holdTimerFor = [&](SlotElement element) -> int {
    if (element == SlotElement::kPreview) {
      if (kindNumber == 1) return kHoldText1;
      if (kindNumber == 2) return kHoldText2;
      if (kindNumber == 4) return kHoldText4;
      if (kindNumber == 5) return kHoldFiles5;
    }
    if (element == SlotElement::kPicture) return kindNumber == 3 ? kHoldPict3 : kHoldPict4;
    return 0;
  };
  auto wire = [&](TMouseControl& control, Part part, int timer) {
    control.onMove = [this] {
      if (OnSlotMouseMove) OnSlotMouseMove(*this);
    };
    control.onDown = [this, part, timer](UINT button, POINT) {
      if (timer && button == WM_LBUTTONDOWN) StartHold(timer);
      if (OnMouseDown) OnMouseDown(*this, part, button);
    };
    control.onUp = [this, part, timer](UINT button, POINT) {
      if (timer) KillTimer(hwnd_, static_cast<UINT_PTR>(timer));
      if (OnMouseUp) OnMouseUp(*this, part, button);
    };
  };

  for (const Element& e : SlotElements(kind, 290)) {
    switch (e.id) {
      case SlotElement::kGround: {
        auto ground = std::make_unique<TGround>(*host_);
        ground->SetEnabled(false);
        add(e.id, std::move(ground));
        break;
      }
      case SlotElement::kTextStrip:
      case SlotElement::kRtfStrip:
      case SlotElement::kBitmapStrip:
      case SlotElement::kMetafileStrip:
      case SlotElement::kFilesStrip:
      case SlotElement::kBinaryStrip:
      case SlotElement::kSoundStrip: {
        auto strip = std::make_unique<TImage>(*host_);
        strip->SetEnabled(false);
        add(e.id, std::move(strip));
        break;
      }
      case SlotElement::kSeparator:
      case SlotElement::kMenuSeparator: {
        auto panel = std::make_unique<TSolidPanel>(*host_);
        panel->SetEnabled(false);
        add(e.id, std::move(panel));
        break;
      }
      case SlotElement::kMenuButton: {
        auto button = std::make_unique<TFlatButton>(*host_);
        button->OnClick = [this] {
          if (OnMenuClick) OnMenuClick(*this);
        };
        button->OnMouseMove = [this](POINT, WPARAM) {
          if (OnSlotMouseMove) OnSlotMouseMove(*this);
        };
        add(e.id, std::move(button));
        break;
      }
      case SlotElement::kStringsCaption:
      case SlotElement::kWordsCaption:
      case SlotElement::kCharsCaption:
      case SlotElement::kWidthCaption:
      case SlotElement::kHeightCaption:
        add(e.id, label(kTeal, TLabel::Align::Left));
        break;
      case SlotElement::kStringsValue:
      case SlotElement::kWordsValue:
      case SlotElement::kCharsValue:
      case SlotElement::kWidthValue:
      case SlotElement::kHeightValue: {
        auto value = label(kTeal, TLabel::Align::Right);
        value->SetText(u"0000");
        add(e.id, std::move(value));
        break;
      }
      case SlotElement::kTopArea: {
        auto area = std::make_unique<THitArea>(*host_);
        wire(*area, Part::Top, 0);
        if (!ShowsContent(kind)) {
          area->onDown = nullptr;
          area->onUp = nullptr;
        }
        add(e.id, std::move(area));
        break;
      }
      case SlotElement::kPreview: {
        auto preview = label(kBlack, TLabel::Align::Left);
        preview->SetEnabled(true);
        preview->SetVerticalCentre(true);
        wire(*preview, kind == DisplayKind::kFiles ? Part::Files : Part::Text, holdTimerFor(e.id));
        add(e.id, std::move(preview));
        break;
      }
      case SlotElement::kPicture: {
        auto picture = std::make_unique<TImage>(*host_);
        picture->SetCentre(true);
        wire(*picture, Part::Picture, holdTimerFor(e.id));
        add(e.id, std::move(picture));
        break;
      }
      case SlotElement::kBinaryLabel:
        add(e.id, label(kBlack, TLabel::Align::Center));
        break;
      case SlotElement::kSizeLabel:
        add(e.id, label(kTeal, TLabel::Align::Center));
        break;
      case SlotElement::kMessage: {
        auto message = label(kTeal, TLabel::Align::Center);
        message->SetVerticalCentre(true);
        add(e.id, std::move(message));
        break;
      }
    }
  }
  view->SetVisible(false);
  views_[static_cast<size_t>(kindNumber) - 1] = std::move(view);
}

void TSlot::LayOut(DisplayKind kind) {
  SubView& view = View(kind);
  for (const Element& e : SlotElements(kind, Width())) {
    if (auto* control = view.byElement[e.id])
      control->SetBounds(e.box.left, e.box.top, e.box.width, e.box.height);
  }
  view.laidOut = true;
  ++layouts_;
}

void TSlot::Relayout() {
  if (!views_[0]) return;
  LayOut(kind_);
  for (auto& view : views_) view->laidOut = false;
  View(kind_).laidOut = true;
}

void TSlot::SetDisplayKind(int kind) {
  if (kind < 1 || kind > kDisplayKindCount || !views_[0]) return;
  const auto next = static_cast<DisplayKind>(kind);
  if (next != kind_) {
    View(kind_).SetVisible(false);
    kind_ = next;
    View(kind_).SetVisible(true);
  }
  SubView& view = View(kind_);
  if (!view.laidOut) LayOut(kind_);
  if (!view.groundCurrent) LoadGround(view);
}

void TSlot::LoadGround(SubView& view) {
  const wchar_t* name = clipboardStyle_ ? (selected_ ? L"GROUND-M-S" : L"GROUND-M-D")
                                        : (selected_ ? L"GROUND-N-S" : L"GROUND-N-D");
  if (auto* ground = view.Get<TGround>(SlotElement::kGround))
    ground->SetBitmap(Resource(instance_, name));
  for (auto& other : views_) other->groundCurrent = false;
  view.groundCurrent = true;
}

void TSlot::SetClipboardStyle(bool clipboard) {
  clipboardStyle_ = clipboard;
  if (!views_[0]) return;
  ApplyStrips();
  for (auto& view : views_) {
    for (SlotElement e : {SlotElement::kSeparator, SlotElement::kMenuSeparator})
      if (auto* panel = view->Get<TSolidPanel>(e))
        panel->SetColour(clipboard ? kClipboardSeparator : kSlotSeparator);
  }
  selected_ = true;  // forces the deselected ground of the current kind
  Deselect();
}

void TSlot::ApplyStrips() {
  const wchar_t* variant = clipboardStyle_ ? L"B" : L"G";
  auto image = [&](const std::wstring& name) -> const Bitmap32& {
    return Resource(instance_, name.c_str());
  };
  auto present = [&](const std::wstring& format, bool on) {
    return on ? format + L"-E-" + variant : format + L"-D";
  };
  for (auto& view : views_) {
    if (auto* s = view->Get<TImage>(SlotElement::kTextStrip))
      s->SetPicture(image(std::wstring(L"TEXT-") + variant));
    if (auto* s = view->Get<TImage>(SlotElement::kBinaryStrip))
      s->SetPicture(image(std::wstring(L"BINARY-") + variant));
    if (auto* s = view->Get<TImage>(SlotElement::kFilesStrip))
      s->SetPicture(image(std::wstring(L"FILES-") + variant));
    if (auto* s = view->Get<TImage>(SlotElement::kRtfStrip))
      s->SetPicture(image(present(L"RTF", richText_)));
    if (auto* s = view->Get<TImage>(SlotElement::kBitmapStrip))
      s->SetPicture(image(present(L"BITMAP", bitmap_)));
    if (auto* s = view->Get<TImage>(SlotElement::kMetafileStrip))
      s->SetPicture(image(present(L"METAFILE", metafile_)));
    if (auto* s = view->Get<TImage>(SlotElement::kSoundStrip))
      s->SetPicture(image(present(L"SOUND", sound_)));
  }
}

void TSlot::SetMenuNumber(int number) {
  if (number < 0 || number > 5 || !views_[0]) return;
  menuNumber_ = number;
  const std::wstring name = L"MENU" + std::to_wstring(number);
  for (auto& view : views_)
    if (auto* button = view->Get<TFlatButton>(SlotElement::kMenuButton))
      button->SetGlyph(Resource(instance_, name.c_str()));
}

void TSlot::Select() {
  if (selected_ || !views_[0]) return;
  selected_ = true;
  LoadGround(View(kind_));
}

void TSlot::Deselect() {
  if (!selected_ || !views_[0]) return;
  selected_ = false;
  LoadGround(View(kind_));
}

void TSlot::SetCaptions(const SlotCaptions& captions) {
  captions_ = captions;
  if (!views_[0]) return;
  for (auto& view : views_) {
    auto set = [&](SlotElement e, const std::u16string& text) {
      if (auto* l = view->Get<TLabel>(e)) l->SetText(text);
    };
    set(SlotElement::kStringsCaption, captions.strings + u":");
    set(SlotElement::kWordsCaption, captions.words + u":");
    set(SlotElement::kCharsCaption, captions.chars + u":");
    set(SlotElement::kWidthCaption, captions.width + u":");
    set(SlotElement::kHeightCaption, captions.height + u":");
    set(SlotElement::kBinaryLabel, captions.binary);
  }
  View(DisplayKind::kEmptySlot).Get<TLabel>(SlotElement::kMessage)->SetText(captions.emptySlot);
  View(DisplayKind::kEmptyClipboard)
      .Get<TLabel>(SlotElement::kMessage)
      ->SetText(captions.emptyClipboard);
  SetSizeValue(sizeValue_);
}

void TSlot::SetPreview(const std::u16string& text) {
  if (!views_[0]) return;
  auto* label = View(kind_).Get<TLabel>(SlotElement::kPreview);
  if (!label) return;
  // Several lines are shown as they are; a single one wraps inside the label.
  label->SetWordWrap(text.find_first_of(u"\r\n") == std::u16string::npos);
  label->SetText(text);
}

void TSlot::SetCounts(const std::string& strings, const std::string& words,
                      const std::string& chars) {
  SubView& view = View(DisplayKind::kText);
  view.Get<TLabel>(SlotElement::kStringsValue)->SetText(Wide(strings));
  view.Get<TLabel>(SlotElement::kWordsValue)->SetText(Wide(words));
  view.Get<TLabel>(SlotElement::kCharsValue)->SetText(Wide(chars));
}

void TSlot::SetRichTextPresent(bool present) {
  richText_ = present;
  ApplyStrips();
}

void TSlot::SetPicture(const Bitmap32* picture) {
  if (!views_[0]) return;
  if (auto* image = View(kind_).Get<TImage>(SlotElement::kPicture))
    image->SetPicture(picture ? *picture : Bitmap32{});
}

void TSlot::SetPictureSize(uint16_t width, uint16_t height) {
  SubView& view = View(DisplayKind::kPicture);
  view.Get<TLabel>(SlotElement::kWidthValue)->SetText(Wide(std::to_string(width)));
  view.Get<TLabel>(SlotElement::kHeightValue)->SetText(Wide(std::to_string(height)));
}

void TSlot::SetBitmapPresent(bool present) {
  bitmap_ = present;
  ApplyStrips();
}

void TSlot::SetMetafilePresent(bool present) {
  metafile_ = present;
  ApplyStrips();
}

void TSlot::SetSizeValue(const std::string& size) {
  sizeValue_ = size;
  if (!views_[0]) return;
  View(DisplayKind::kBinary)
      .Get<TLabel>(SlotElement::kSizeLabel)
      ->SetText(captions_.size + u": " + Wide(size));
}

void TSlot::SetSoundPresent(bool present) {
  sound_ = present;
  ApplyStrips();
}

void TSlot::StartHold(int timer) {
  SetTimer(hwnd_, static_cast<UINT_PTR>(timer), holdInterval_, nullptr);
}

TGraphicControl* TSlot::HoldElement(int timer) {
  switch (timer) {
    case kHoldText1:
      return View(DisplayKind::kText).byElement[SlotElement::kPreview];
    case kHoldText2:
      return View(DisplayKind::kOnlyText).byElement[SlotElement::kPreview];
    case kHoldPict3:
      return View(DisplayKind::kPicture).byElement[SlotElement::kPicture];
    case kHoldText4:
      return View(DisplayKind::kTextPicture).byElement[SlotElement::kPreview];
    case kHoldPict4:
      return View(DisplayKind::kTextPicture).byElement[SlotElement::kPicture];
    case kHoldFiles5:
      return View(DisplayKind::kFiles).byElement[SlotElement::kPreview];
    default:
      return nullptr;
  }
}

void TSlot::FireView(int timer) {
  KillTimer(hwnd_, static_cast<UINT_PTR>(timer));  // one-shot
  TGraphicControl* element = HoldElement(timer);
  if (!element || !OnView) return;
  const Part part = timer == kHoldPict3 || timer == kHoldPict4 ? Part::Picture
                    : timer == kHoldFiles5                     ? Part::Files
                                                               : Part::Text;
  OnView(*this, part, element->ScreenRect());
}

LRESULT CALLBACK TSlot::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* slot = static_cast<TSlot*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    slot->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(slot));
  }
  auto* slot = reinterpret_cast<TSlot*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY && slot) {
    // The parent went first: forget the window so the destructor leaves it alone.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    slot->hwnd_ = nullptr;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  if (!slot || !slot->host_) return DefWindowProcW(hwnd, message, wParam, lParam);
  return slot->HandleMessage(message, wParam, lParam);
}

LRESULT TSlot::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the ground paints everything
    case WM_PAINT: {
      PaintScope paint(hwnd_);
      FillSolid(paint.Dc(), paint.Update(), 0xFFFFFF);
      host_->PaintControls(paint.Dc(), paint.Update());
      return 0;
    }
    case WM_TIMER:
      FireView(static_cast<int>(wParam));
      return 0;
    case WM_SETCURSOR: {
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(hwnd_, &p);
      TGraphicControl* under = host_->ControlAt(p);
      SubView& view = View(kind_);
      if (under && (under == view.byElement[SlotElement::kPreview] ||
                    under == view.byElement[SlotElement::kPicture])) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    }
    case WM_LBUTTONDBLCLK: {
      POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      TGraphicControl* under = host_->ControlAt(p);
      SubView& view = View(kind_);
      const bool element = under && (under == view.byElement[SlotElement::kPreview] ||
                                     under == view.byElement[SlotElement::kPicture]);
      const bool binaryTop =
          kind_ == DisplayKind::kBinary && under == view.byElement[SlotElement::kTopArea];
      host_->HandleMouse(message, wParam, lParam);
      if ((element || binaryTop) && OnDblClick) OnDblClick(*this);
      return 0;
    }
    default:
      if (host_->HandleMouse(message, wParam, lParam)) return 0;
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace qv::win32
