// The six slot views: what they show, hover selection, their menus and the
// press-and-hold viewers.
#include "app/main_form_win32.h"
#include "ui/command_ids.h"
#include "ui/auto_select.h"
#include "ui/display_kind.h"
#include "ui/opacity.h"
#include "ui/popup_menu_win32.h"
#include "ui/viewer_placement.h"
#include "attributes/previews.h"
#include "util/codepage.h"

namespace qv {
namespace {

const char* KindName(DisplayKind kind) {
  switch (kind) {
    case DisplayKind::kText:
      return "Text";
    case DisplayKind::kOnlyText:
      return "Only text";
    case DisplayKind::kPicture:
      return "Picture";
    case DisplayKind::kTextPicture:
      return "Text and picture";
    case DisplayKind::kFiles:
      return "Files";
    case DisplayKind::kBinary:
      return "Binary data";
    case DisplayKind::kEmptySlot:
      return "Empty slot";
    case DisplayKind::kEmptyClipboard:
      return "Empty clipboard";
  }
  return "";
}

}  // namespace

void TMainForm::CreateSlots() {
  for (int k = 0; k < kSlotViewCount; ++k) {
    slots_[k] = std::make_unique<win32::TSlot>(hwnd_, instance_, k);
    win32::TSlot& slot = *slots_[k];
    slot.CreateViews();
    slot.SetClipboardStyle(k == 0);
    slot.SetMenuNumber(k);
    WireSlot(slot);
  }
}

void TMainForm::FillSlot(int panel, int index) {
  win32::TSlot& slot = *slots_[static_cast<size_t>(panel)];
  const TClipRec& rec = core_->list.Slots[static_cast<size_t>(index)];
  const bool last = static_cast<size_t>(index) + 1 == core_->list.Slots.size();
  auto choice =
      ChooseDisplayKind(rec.Kind, last, core_->options.textview, core_->options.textpictview);
  slot.Tag = index;
  if (!choice) return;  // an option value the views do not know: keep what is shown
  slot.SetDisplayKind(static_cast<int>(choice->kind));
  const uint32_t v = choice->values;
  const std::u16string preview = AnsiToUtf16(rec.Preview.str());
  if (v & kValuePreview) slot.SetPreview(preview);
  if (v & kValueLineCount)
    slot.SetCounts(rec.LineCountText.str(), rec.WordCountText.str(), rec.CharCountText.str());
  if (v & kValueThumbnail) slot.SetPicture(rec.Thumbnail ? &*rec.Thumbnail : nullptr);
  if (v & kValueRichText) slot.SetRichTextPresent(rec.HasRichText);
  if (v & kValuePictWidth) slot.SetPictureSize(rec.PictWidth, rec.PictHeight);
  if (v & kValueBitmap) slot.SetBitmapPresent(rec.HasBitmap);
  if (v & kValueMetafile) slot.SetMetafilePresent(rec.HasMetafile);
  if (v & kValueSizeText) slot.SetSizeValue(rec.SizeText.str());
  if (v & kValueSound) slot.SetSoundPresent(rec.HasSound);
  // The window text names what the view shows (read by accessibility tools and tests).
  std::u16string text = Utf8ToUtf16(KindName(choice->kind));
  if (v & kValuePreview) text += u": " + preview;
  if (v & kValuePictWidth)
    text +=
        Utf8ToUtf16(": " + std::to_string(rec.PictWidth) + " x " + std::to_string(rec.PictHeight));
  SetWindowTextW(slot.Handle(), reinterpret_cast<const wchar_t*>(text.c_str()));
}

void TMainForm::SelectSlot(int panel) {
  SelectedPanel = panel;
  for (int k = 0; k < kSlotViewCount; ++k) {
    if (k == panel)
      slots_[k]->Select();
    else
      slots_[k]->Deselect();
  }
}

void TMainForm::WireSlot(win32::TSlot& slot) {
  using Part = win32::TSlot::Part;
  slot.OnSlotMouseMove = [this](win32::TSlot& s) {
    if (HoverSelects(s.Kind()) && SelectedPanel != s.Number()) SelectSlot(s.Number());
  };
  slot.OnMenuClick = [this](win32::TSlot& s) {
    SelectedSlot = static_cast<size_t>(std::max(0, s.Tag));
    RECT r{};
    GetClientRect(s.Handle(), &r);
    Point at = SlotMenuPoint(r.right);
    POINT screen{at.x, at.y};
    ClientToScreen(s.Handle(), &screen);
    ShowSlotMenu(s, screen);
  };
  slot.OnMouseUp = [this](win32::TSlot& s, Part part, UINT button) {
    SelectedSlot = static_cast<size_t>(std::max(0, s.Tag));
    if (button == WM_LBUTTONUP) {
      HideViewers();
      return;
    }
    if (button == WM_RBUTTONUP) {
      POINT cursor;
      GetCursorPos(&cursor);
      ShowSlotMenu(s, cursor);
    }
    (void)part;
  };
  slot.OnView = [this](win32::TSlot& s, Part part, RECT screen) {
    SelectedSlot = static_cast<size_t>(std::max(0, s.Tag));
    ShowViewer(s, part, screen);
  };
  slot.OnDblClick = [this](win32::TSlot& s) {
    if (s.Tag < 0) return;
    SelectedSlot = static_cast<size_t>(s.Tag);
    PasteSlot(SelectedSlot, false);
  };
}

void TMainForm::ShowSlotMenu(win32::TSlot& slot, POINT screen) {
  if (!ShowsContent(slot.Kind())) return;
  SelectedSlot = static_cast<size_t>(std::max(0, slot.Tag));
  if (SelectedSlot >= core_->list.Slots.size()) return;
  // Captures go on while the menu is open and may shift or drop the record:
  // the command follows the record itself, not its old place.
  const uint64_t serial = core_->list.Slots[SelectedSlot].Serial;
  const SlotMenuItems shown = MenuItemsFor(slot.Kind());
  const Menu menu = slot.Number() == 0 ? Translated(ClipboardMenu(shown), "pmClipboard")
                                       : Translated(SlotMenu(shown), "pmSlot");
  if (uint16_t command = win32::TrackMenu(menu, hwnd_, screen)) {
    if (slot.Number() == 0 && command != kCmdClearClipboard) {
      SelectedSlot = core_->list.Slot0Index();
    } else if (auto at = core_->list.IndexOfSerial(serial)) {
      SelectedSlot = *at;
    } else {
      return;  // the record is gone
    }
    OnCommand(command);
  }
}

void TMainForm::ShowViewer(win32::TSlot& slot, win32::TSlot::Part part, RECT screen) {
  if (slot.Tag < 0 || static_cast<size_t>(slot.Tag) >= core_->list.Slots.size()) return;
  TClipRec& rec = core_->list.Slots[static_cast<size_t>(slot.Tag)];
  EnsureTextView(rec, core_->attributes.previews);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const Rect target{screen.left, screen.top, screen.right, screen.bottom};
  const Rect area{work.left, work.top, work.right, work.bottom};
  if (part == win32::TSlot::Part::Picture) {
    if (!pictForm_ || !rec.PictureView) return;
    SIZE size = pictForm_->Size();
    Point at = CenterViewer({size.cx, size.cy}, target, area);
    pictForm_->ShowPict(*rec.PictureView, at.x, at.y);
  } else {
    if (!textForm_ || !rec.TextView) return;
    SIZE size = textForm_->Size();
    Point at = CenterViewer({size.cx, size.cy}, target, area);
    textForm_->ShowText(*rec.TextView, at.x, at.y);
  }
}

void TMainForm::HideViewers() {
  if (textForm_ && textForm_->Visible()) textForm_->HideViewer();
  if (pictForm_ && pictForm_->Visible()) pictForm_->HideViewer();
  SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
}

void TMainForm::ApplyViewerOpacity() {
  if (textForm_) textForm_->SetOpacity(ViewerOpacity(opacity_, core_->options.textTransparent));
  if (pictForm_) pictForm_->SetOpacity(ViewerOpacity(opacity_, core_->options.pictureTransparent));
}

void TMainForm::RedrawIfVisible() {
  if (IsWindowVisible(hwnd_)) Visualize();
}

}  // namespace qv
