#include "ui/window_layout.h"

#include <algorithm>

namespace qv {

int ClientHeightFor(int page, int listLength) {
  return kClientHeightBase + kRowHeight * std::min(page, std::max(1, listLength - 1));
}

ScrollState UpdateScroll(const ScrollState& current, int listLength, int page) {
  ScrollState next = current;
  if (listLength - 1 <= page) {
    next.enabled = false;
    next.position = 0;
    return next;
  }
  next.enabled = true;
  next.position = std::clamp(current.position, 0, listLength - 1 - page);
  next.pageSize = page;
  next.largeChange = page;
  next.maximum = listLength - 2;
  return next;
}

namespace {

// Row k shows the k-th snapshot below the clipboard, counted from the scroll
// position. An index below 0 (a bar moved on a list shorter than the page)
// leaves the view as it is.
SlotFill SavedRow(int listLength, int k, int position) {
  const int index = listLength - 1 - k - position;
  if (index < 0) return {};
  return {SlotFill::Action::kSnapshot, index};
}

}  // namespace

VisualizePlan PlanVisualize(int listLength, int page, const ScrollState& scroll) {
  VisualizePlan plan;
  plan.clientHeight = ClientHeightFor(page, listLength);
  plan.scroll = UpdateScroll(scroll, listLength, page);
  plan.slots[0] = {SlotFill::Action::kSnapshot, listLength - 1};
  if (listLength == 1) plan.slots[1] = {SlotFill::Action::kEmptySlot, -1};
  for (int k = 1; k < kSlotViewCount; ++k) {
    if (listLength > k && page >= k) plan.slots[k] = SavedRow(listLength, k, plan.scroll.position);
  }
  return plan;
}

ScrollRefill PlanScrollChange(int listLength, int page, int position) {
  ScrollRefill refill;
  const int last = listLength - 1 - page;
  refill.position = last >= 0 && position > last ? last : position;
  for (int k = 1; k < kSlotViewCount; ++k) {
    if (k <= page) refill.slots[k] = SavedRow(listLength, k, refill.position);
  }
  return refill;
}

int WheelPosition(const ScrollState& scroll, int wheelDelta, int listLength, int page) {
  if (!scroll.enabled) return scroll.position;
  if (wheelDelta > 0) return std::max(0, scroll.position - 1);
  if (wheelDelta < 0 && scroll.position < listLength - 1 - page) return scroll.position + 1;
  return scroll.position;
}

RowSnap SnapClientHeight(int clientHeight) {
  // Adding half a row before dividing puts each boundary half-way between
  // two row heights (183 → 1 row, 184 → 2 rows).
  int rows = 1;
  if (clientHeight > kClientHeightBase) {
    rows = (clientHeight - kClientHeightBase + kRowHeight / 2) / kRowHeight;
  }
  rows = std::clamp(rows, 1, kMaxPage);
  return {kClientHeightBase + kRowHeight * rows, rows};
}

int ClampClientWidth(int clientWidth) {
  return std::max(kMinClientWidth, clientWidth);
}

int CenteredLeft(int parentWidth, int childWidth) {
  return (parentWidth - childWidth) / 2;
}

}  // namespace qv
