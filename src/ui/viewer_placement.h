#pragma once
// Where a viewer opens over a slot's preview element, and the viewers' sizes.
#include <cstdint>

#include "ui/placement.h"

namespace qv {

inline constexpr int kViewerGap = 2;    // kept to every edge of the work area
inline constexpr int kViewerFrame = 4;  // the 2-pixel frame on both sides

// The viewer's top-left corner: centred on `target`, then moved inside the
// work area with a 2-pixel gap. A viewer larger than the work area keeps the
// gap on the left and top, so its beginning stays visible.
Point CenterViewer(Size viewer, const Rect& target, const Rect& workArea);

// Client area of the text viewer for the text width and height options.
Size TextViewerClientSize(uint16_t textWidth, uint16_t textHeight);
// Client area of the picture viewer for the picture size unit u:
// (4u + 4) × (3u + 4).
Size PictureViewerClientSize(int unit);

}  // namespace qv
