#include "ui/ground_win32.h"

#include "platform/win32/handles_win32.h"
#include "ui/gdi_bitmaps_win32.h"
#include "ui/paint_guards_win32.h"

namespace qv::win32 {

TGround::TGround(TControlHost& host) : TGraphicControl(host) {
  SetEnabled(false);
}

void TGround::SetBitmap(const Bitmap32& bitmap) {
  if (table_.SetBitmap(bitmap)) Repaint();
}

bool TGround::LoadBitmap(HINSTANCE instance, const wchar_t* name) {
  std::optional<Bitmap32> bitmap = LoadBitmapResource(instance, name);
  if (!bitmap) return false;
  SetBitmap(*bitmap);
  return true;
}

void TGround::Paint(HDC dc, const RECT& update) {
  const std::vector<GroundLine> lines =
      table_.LinesFor({update.left, update.top, update.right, update.bottom});
  if (lines.empty()) return;
  if (buffered_) {
    PaintBuffered(dc, lines);
    return;
  }
  for (const GroundLine& line : lines) {
    FillSolid(dc, {line.xFrom, line.y, line.xTo, line.y + 1}, line.colour);
  }
}

// The same lines drawn into one bitmap covering them, copied in one go to the
// rows they belong to.
void TGround::PaintBuffered(HDC dc, const std::vector<GroundLine>& lines) {
  const int left = lines.front().xFrom;
  const int top = lines.front().y;
  const int width = lines.front().xTo - left;
  const int height = lines.back().y - top + 1;
  MemoryDC memory(CreateCompatibleDC(dc));
  GdiBitmap buffer(CreateCompatibleBitmap(dc, width, height));
  if (!memory || !buffer) return;
  SelectedObject selected(memory.Get(), buffer.Get());
  for (const GroundLine& line : lines) {
    FillSolid(memory.Get(), {0, line.y - top, width, line.y - top + 1}, line.colour);
  }
  BitBlt(dc, left, top, width, height, memory.Get(), 0, 0, SRCCOPY);
}

}  // namespace qv::win32
