#include "ui/styled_menu_win32.h"

#include <cstddef>
#include <string>
#include <vector>

namespace qv::win32 {
namespace {

const TStyledMenu* g_painter = nullptr;

// What the painter knows of one item; the item's data points here.
struct StyledItem {
  static constexpr uint32_t kTag = 0x514D4E55;  // tells our items from others
  uint32_t tag = kTag;
  std::wstring caption;
  std::wstring shortcut;
  bool separator = false;
  bool radio = false;
};

using ItemStore = std::vector<std::unique_ptr<StyledItem>>;

const StyledItem* ItemOf(ULONG_PTR data) {
  const auto* item = reinterpret_cast<const StyledItem*>(data);
  return item && item->tag == StyledItem::kTag ? item : nullptr;
}

GdiFont MenuFont(bool bold) {
  NONCLIENTMETRICSW metrics{};
  // The size Windows before Vista knows, so the call works everywhere.
  metrics.cbSize = offsetof(NONCLIENTMETRICSW, lfMessageFont) + sizeof(LOGFONTW);
  LOGFONTW font{};
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
    font = metrics.lfMenuFont;
  else
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  if (bold) font.lfWeight = FW_BOLD;
  return GdiFont(CreateFontIndirectW(&font));
}

HBITMAP Glyph(bool radio) {
  // Made once and kept for the whole run.
  static const GlyphBits checkBits = GlyphRows(kCheckGlyph);
  static const GlyphBits radioBits = GlyphRows(kRadioGlyph);
  static GdiBitmap check(CreateBitmap(kGlyphSize, kGlyphSize, 1, 1, checkBits.data()));
  static GdiBitmap dot(CreateBitmap(kGlyphSize, kGlyphSize, 1, 1, radioBits.data()));
  return radio ? dot.Get() : check.Get();
}

RECT ToRect(const MenuRect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

void Fill(HDC dc, const MenuRect& r, MenuColour colour) {
  GdiBrush brush(CreateSolidBrush(colour));
  RECT rect = ToRect(r);
  FillRect(dc, &rect, brush.Get());
}

// A rectangle filled with `colour` and framed with the selected pen.
void Box(HDC dc, const MenuRect& r, MenuColour colour, int radius = 0) {
  GdiBrush brush(CreateSolidBrush(colour));
  HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
  if (radius)
    RoundRect(dc, r.left, r.top, r.right, r.bottom, radius, radius);
  else
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
  SelectObject(dc, oldBrush);
}

MenuItemMetrics Metrics(HDC dc, const StyledItem& item) {
  MenuItemMetrics metrics;
  metrics.separator = item.separator;
  SIZE w{};
  GetTextExtentPoint32W(dc, L"W", 1, &w);
  metrics.textHeight = w.cy;
  if (!item.separator) {
    const std::wstring text = item.caption + item.shortcut;
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    metrics.textWidth = r.right - r.left;
  }
  return metrics;
}

}  // namespace

TStyledMenu::TStyledMenu(const MenuStyle& style)
    : style_(style), font_(MenuFont(false)), boldFont_(MenuFont(true)) {}

void TStyledMenu::MeasureItem(MEASUREITEMSTRUCT& measure) const {
  const StyledItem* item = ItemOf(measure.itemData);
  if (!item) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ oldFont = SelectObject(dc, font_.Get());
  const MenuSize size = MeasureMenuItem(style_, Metrics(dc, *item));
  SelectObject(dc, oldFont);
  ReleaseDC(nullptr, dc);
  measure.itemWidth = static_cast<UINT>(size.width);
  measure.itemHeight = static_cast<UINT>(size.height);
}

void TStyledMenu::DrawItem(const DRAWITEMSTRUCT& draw) const {
  const StyledItem* item = ItemOf(draw.itemData);
  if (!item) return;
  HDC dc = draw.hDC;
  const int saved = SaveDC(dc);
  SelectObject(dc, font_.Get());
  const RECT& rc = draw.rcItem;
  const MenuRect rect{rc.left, rc.top, rc.right, rc.bottom};
  const MenuItemMetrics metrics = Metrics(dc, *item);
  const int gutter = MenuGutterWidth(style_, metrics, rect.bottom - rect.top);
  const MenuItemLayout layout = LayoutMenuItem(rect, gutter);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0 && !item->separator;
  const bool disabled = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;

  SelectObject(dc, GetStockObject(BLACK_PEN));
  if (selected) {
    Box(dc, rect, style_.selection);
  } else {
    Fill(dc, layout.gutter, style_.gutter);
    Fill(dc, layout.textArea, style_.textArea);
  }

  if ((draw.itemState & ODS_CHECKED) && !item->separator) {
    Box(dc, layout.checkBox, style_.checkFrame);
    MemoryDC glyphDc(CreateCompatibleDC(dc));
    HGDIOBJ oldBitmap = SelectObject(glyphDc.Get(), Glyph(item->radio));
    // White glyph pixels keep the box, black ones stay black.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, layout.glyphLeft, layout.glyphTop, kGlyphSize, kGlyphSize, glyphDc.Get(), 0, 0,
           SRCAND);
    SelectObject(glyphDc.Get(), oldBitmap);
  }

  if (item->separator) {
    GdiPen shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
    SelectObject(dc, shadow.Get());
    MoveToEx(dc, layout.caption.left, layout.separatorY, nullptr);
    LineTo(dc, rect.right, layout.separatorY);
    SelectObject(dc, GetStockObject(BLACK_PEN));
  } else {
    if (draw.itemState & ODS_DEFAULT) SelectObject(dc, boldFont_.Get());
    SetTextColor(dc, disabled ? kDisabledMenuTextColour : kMenuTextColour);
    SetBkMode(dc, TRANSPARENT);
    const UINT prefix = (draw.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0;
    RECT caption = ToRect(layout.caption);
    DrawTextW(dc, item->caption.c_str(), static_cast<int>(item->caption.size()), &caption,
              DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOCLIP | prefix);
    if (!item->shortcut.empty()) {
      RECT shortcut = ToRect(layout.shortcut);
      DrawTextW(dc, item->shortcut.c_str(), static_cast<int>(item->shortcut.size()), &shortcut,
                DT_RIGHT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX);
    }
  }
  RestoreDC(dc, saved);
}

void SetMenuPainter(const TStyledMenu* painter) {
  g_painter = painter;
}

const TStyledMenu* MenuPainter() {
  return g_painter;
}

namespace {

void StyleItems(HMENU menu, ItemStore& store) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    auto item = std::make_unique<StyledItem>();
    item->separator = (info.fType & MFT_SEPARATOR) != 0;
    item->radio = (info.fType & MFT_RADIOCHECK) != 0;
    const std::wstring full(text);
    const size_t tab = full.find(L'\t');
    item->caption = full.substr(0, tab);
    if (tab != std::wstring::npos) item->shortcut = full.substr(tab + 1);
    if (info.hSubMenu) StyleItems(info.hSubMenu, store);

    MENUITEMINFOW owner{};
    owner.cbSize = sizeof(owner);
    owner.fMask = MIIM_FTYPE | MIIM_DATA;
    owner.fType = (info.fType & (MFT_SEPARATOR | MFT_RADIOCHECK)) | MFT_OWNERDRAW;
    owner.dwItemData = reinterpret_cast<ULONG_PTR>(item.get());
    SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &owner);
    store.push_back(std::move(item));
  }
}

}  // namespace

std::shared_ptr<void> ApplyMenuStyle(HMENU menu) {
  auto store = std::make_shared<ItemStore>();
  if (menu) StyleItems(menu, *store);
  return store;
}

bool HandleStyledMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!g_painter || wParam != 0) return false;  // menus come with wParam 0
  if (message == WM_MEASUREITEM) {
    auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (measure->CtlType != ODT_MENU || !ItemOf(measure->itemData)) return false;
    g_painter->MeasureItem(*measure);
    return true;
  }
  if (message == WM_DRAWITEM) {
    const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (draw->CtlType != ODT_MENU || !ItemOf(draw->itemData)) return false;
    g_painter->DrawItem(*draw);
    return true;
  }
  return false;
}

}  // namespace qv::win32
