#pragma once
// TSlot: one clipboard snapshot shown as a 56-pixel strip. Every control of
// all eight display kinds is created once; switching kinds only toggles which
// sub-view is visible and sets texts. The view knows nothing of the slot list:
// the main window hands it values and listens to its events.
#include "codecs/bmp.h"

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/display_kind.h"
#include "ui/flat_button_win32.h"
#include "ui/graphic_control_win32.h"
#include "ui/ground_win32.h"
#include "ui/slot_controls_win32.h"
#include "ui/slot_geometry.h"

namespace qv::win32 {

// The captions a language can replace (colons are added to the first five).
struct SlotCaptions {
  std::u16string strings = u"Strings";
  std::u16string words = u"Words";
  std::u16string chars = u"Chars";
  std::u16string width = u"Width";
  std::u16string height = u"Height";
  std::u16string binary = u"<BINARY DATA>";
  std::u16string emptySlot = u"<THE SLOT IS EMPTY>";
  std::u16string emptyClipboard = u"<THE CLIPBOARD IS EMPTY>";
  std::u16string size = u"Size in memory";
};

class TSlot {
 public:
  // A preview element with a press-and-hold viewer, or a top area.
  enum class Part { Text, Picture, Files, Top };

  TSlot(HWND parent, HINSTANCE instance, int number);
  ~TSlot();
  TSlot(const TSlot&) = delete;
  TSlot& operator=(const TSlot&) = delete;

  HWND Handle() const { return hwnd_; }
  int Number() const { return number_; }  // 0 is the clipboard slot
  int Tag = -1;                           // the list index of the snapshot shown

  void SetBounds(int left, int top, int width, int height);
  void CreateViews();
  void Relayout();
  // 1..8; other values are ignored.
  void SetDisplayKind(int kind);
  DisplayKind Kind() const { return kind_; }
  void SetClipboardStyle(bool clipboard);
  void SetMenuNumber(int number);
  void Select();
  void Deselect();
  void SetCaptions(const SlotCaptions& captions);
  void ResetCaptions() { SetCaptions(SlotCaptions{}); }

  // Content setters; each updates its control at once.
  void SetPreview(const std::u16string& text);
  void SetCounts(const std::string& strings, const std::string& words, const std::string& chars);
  void SetRichTextPresent(bool present);
  void SetPicture(const Bitmap32* picture);
  void SetPictureSize(uint16_t width, uint16_t height);
  void SetBitmapPresent(bool present);
  void SetMetafilePresent(bool present);
  void SetSizeValue(const std::string& size);
  void SetSoundPresent(bool present);

  // Every control ever created; constant after CreateViews.
  size_t ControlCount() const;
  // How many times a sub-view was laid out (tests check that a redraw of the
  // same kind does not lay out again).
  int LayoutCount() const { return layouts_; }

  std::function<void(TSlot&)> OnSlotMouseMove;
  std::function<void(TSlot&)> OnMenuClick;
  std::function<void(TSlot&, Part, UINT button)> OnMouseDown;
  std::function<void(TSlot&, Part, UINT button)> OnMouseUp;
  std::function<void(TSlot&, Part, RECT screen)> OnView;
  std::function<void(TSlot&)> OnDblClick;

 private:
  struct SubView;
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  SubView& View(DisplayKind kind) { return *views_[static_cast<size_t>(kind) - 1]; }
  void BuildView(DisplayKind kind);
  void LayOut(DisplayKind kind);
  void ApplyStrips();
  void LoadGround(SubView& view);
  void StartHold(int timer);
  void FireView(int timer);
  TGraphicControl* HoldElement(int timer);
  int Width() const;

  HWND hwnd_ = nullptr;
  HINSTANCE instance_;
  int number_;
  std::unique_ptr<TControlHost> host_;
  std::array<std::unique_ptr<SubView>, kDisplayKindCount> views_;
  DisplayKind kind_ = DisplayKind::kText;
  bool clipboardStyle_ = false;
  bool selected_ = false;
  int menuNumber_ = -1;
  bool richText_ = false, bitmap_ = false, metafile_ = false, sound_ = false;
  std::string sizeValue_ = "000000";
  SlotCaptions captions_;
  GdiFont font_;
  UINT holdInterval_;
  int layouts_ = 0;
};

}  // namespace qv::win32
