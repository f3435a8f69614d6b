#include "ui/viewer_placement.h"

namespace qv {

namespace {

// One axis: start of a span of `length` centred on [from, to), kept inside
// [areaStart + gap, areaStart + areaLength − gap).
int CenterOnAxis(int from, int to, int length, int areaStart, int areaLength) {
  int start = from + (to - from) / 2 - length / 2;
  if (start + length > areaStart + areaLength - kViewerGap) {
    start = areaStart + areaLength - kViewerGap - length;
  }
  // Tested last, so that the near edge wins when the span does not fit.
  if (start < areaStart + kViewerGap) start = areaStart + kViewerGap;
  return start;
}

}  // namespace

Point CenterViewer(Size viewer, const Rect& target, const Rect& workArea) {
  return {CenterOnAxis(target.left, target.right, viewer.width, workArea.left, workArea.width()),
          CenterOnAxis(target.top, target.bottom, viewer.height, workArea.top, workArea.height())};
}

Size TextViewerClientSize(uint16_t textWidth, uint16_t textHeight) {
  return {textWidth + kViewerFrame, textHeight + kViewerFrame};
}

Size PictureViewerClientSize(int unit) {
  return {4 * unit + kViewerFrame, 3 * unit + kViewerFrame};
}

}  // namespace qv
