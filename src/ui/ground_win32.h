#pragma once
// TGround: a windowless background of horizontal lines, one colour per pixel
// row, taken from the first column of its bitmap. Opaque, disabled (the mouse
// goes to whatever lies beneath it). Rows below its table stay unpainted.
#include <windows.h>

#include "codecs/bitmap32.h"
#include "ui/graphic_control_win32.h"
#include "ui/ground_table.h"

namespace qv::win32 {

class TGround : public TGraphicControl {
 public:
  explicit TGround(TControlHost& host);

  // Rebuilds the colour table from `bitmap` (cut to its first column) and
  // repaints. An empty bitmap changes nothing.
  void SetBitmap(const Bitmap32& bitmap);
  // Loads a BITMAP resource by name; false when it cannot be loaded.
  bool LoadBitmap(HINSTANCE instance, const wchar_t* name);
  const Bitmap32& Bitmap() const { return table_.Bitmap(); }
  const GroundTable& Table() const { return table_; }

  // Paint through an off-screen bitmap.
  void SetBuffered(bool buffered) { buffered_ = buffered; }

  void Paint(HDC dc, const RECT& update) override;

 private:
  void PaintBuffered(HDC dc, const std::vector<GroundLine>& lines);

  GroundTable table_;
  bool buffered_ = false;
};

}  // namespace qv::win32
