#include "history/slot_list.h"

#include <algorithm>

#include "platform/system.h"
#include "snapshot/clip_context.h"
#include "snapshot/clipboard_io.h"
#include "store/work_folder.h"

namespace qv {
namespace {

// Waits after a move that wrote the clipboard, before changes are captured again.
constexpr uint32_t kMoveWait = 100;

}  // namespace

void SlotList::SetSlotCount(TClipArr& list, size_t count) {
  if (count < list.size())
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(count), list.end());
  else
    list.resize(count);
}

std::optional<size_t> SlotList::IndexOfSerial(uint64_t serial) const {
  for (size_t i = 0; i < Slots.size(); ++i)
    if (Slots[i].Serial == serial) return i;
  return std::nullopt;
}

bool SlotList::TrimSlots(size_t limit) {
  if (limit < 2 || limit >= Slots.size()) return false;
  const size_t drop = Slots.size() - limit;
  for (size_t i = 0; i < drop; ++i) Release(Slots[i]);
  Slots.erase(Slots.begin(), Slots.begin() + static_cast<std::ptrdiff_t>(drop));
  return true;
}

void SlotList::DeleteSlot(size_t index) {
  if (index + 1 >= Slots.size()) return;  // Slot 0 is not deleted this way
  Release(Slots[index]);
  Slots.erase(Slots.begin() + static_cast<std::ptrdiff_t>(index));
}

void SlotList::ClearSlots() {
  if (Slots.size() < 2) return;
  for (size_t i = 0; i + 1 < Slots.size(); ++i) Release(Slots[i]);
  Slots.erase(Slots.begin(), Slots.end() - 1);
}

void SlotList::SwapWithClipboard(size_t index) {
  if (index + 1 >= Slots.size()) return;
  std::swap(Slots[index], Slots.back());
  PutOnClipboard(Slot0Index());
}

void SlotList::CopySlotIntoSlot0(size_t index) {
  if (index + 1 >= Slots.size()) return;
  Release(Slots.back());
  TClipRec copy;
  DuplicateSnapshot(copy, Slots[index], clip_);
  Slots.back() = std::move(copy);
  PutOnClipboard(Slot0Index());
}

void SlotList::MoveSlotUp(size_t index) {
  const size_t n = Slots.size();
  if (n < 2 || index >= n) return;
  const bool slot0Empty = Slots.back().Kind == kKindEmpty;
  if (index == n - 2 && slot0Empty) {
    Release(Slots.back());
    Slots.pop_back();
    PutSlot0OnClipboardAndWait();
    return;
  }
  if (index < n - 2) {
    std::swap(Slots[index], Slots[index + 1]);
  } else if (index == n - 2) {
    std::swap(Slots[index], Slots.back());
    PutSlot0OnClipboardAndWait();
  } else if (!slot0Empty) {
    // Slot 0 wraps round to the oldest place; the oldest becomes the clipboard.
    std::swap(Slots.front(), Slots.back());
    PutSlot0OnClipboardAndWait();
  }
}

void SlotList::MoveSlotDown(size_t index) {
  const size_t n = Slots.size();
  if (n < 2 || index >= n) return;
  const bool slot0Empty = Slots.back().Kind == kKindEmpty;
  if (index == 0 && slot0Empty) {
    // The empty Slot 0 goes; the oldest slot wraps round to be the clipboard.
    Release(Slots.back());
    Slots.pop_back();
    std::rotate(Slots.begin(), Slots.begin() + 1, Slots.end());
    PutSlot0OnClipboardAndWait();
    return;
  }
  if (index == n - 1) {
    if (slot0Empty) return;  // an empty clipboard slot has nothing to move
    std::swap(Slots[n - 2], Slots.back());
    PutSlot0OnClipboardAndWait();
  } else if (index > 0) {
    std::swap(Slots[index], Slots[index - 1]);
  } else {
    std::swap(Slots.front(), Slots.back());
    PutSlot0OnClipboardAndWait();
  }
}

void SlotList::RotateSlotsBack() {
  if (Slots.size() < 2) return;
  if (Slots.back().Kind == kKindEmpty) {
    Release(Slots.back());
    Slots.pop_back();
  } else {
    std::rotate(Slots.begin(), Slots.end() - 1, Slots.end());
  }
  PutOnClipboard(Slot0Index());
}

void SlotList::RotateSlotsForward() {
  if (Slots.size() < 2) return;
  if (Slots.back().Kind == kKindEmpty) {
    Release(Slots.back());
    Slots.pop_back();
  }
  std::rotate(Slots.begin(), Slots.begin() + 1, Slots.end());
  PutOnClipboard(Slot0Index());
}

SlotList::SlotList(WorkFolder& work, ClipContext& clip) : work_(work), clip_(clip) {
  Slots.emplace_back();
}

bool SlotList::PutOnClipboard(size_t index) {
  return RestoreToClipboard(clip_.clipboard, Slots[index].GetSnapshotData());
}

void SlotList::PutSlot0OnClipboardAndWait() {
  PutOnClipboard(Slot0Index());
  clip_.system.Sleep(kMoveWait);
}

void SlotList::DropLast() {
  Release(Slots.back());
  Slots.pop_back();
}

void SlotList::Reset() {
  for (TClipRec& rec : Slots) Release(rec);
  Slots.clear();
  Slots.emplace_back();
}

void SlotList::Release(TClipRec& rec) {
  work_.Release(rec, true);
}

}  // namespace qv
