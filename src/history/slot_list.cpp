// Every operation that rearranges, deletes or reuses slots. Records move by
// value (their data file goes with them); a record that leaves the list for
// good is released with its file.
#include <algorithm>

#include "history/app_core.h"
#include "platform/system.h"
#include "util/flag_guard.h"

namespace qv {
namespace {

// Waits after a clipboard write before changes are captured again.
constexpr uint32_t kMoveWait = 100;
constexpr uint32_t kCommandWait = 150;

}  // namespace

void AppCore::SetSlotCount(TClipArr& list, size_t count) {
  if (count < list.size())
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(count), list.end());
  else
    list.resize(count);
}

std::optional<size_t> AppCore::IndexOfSerial(uint64_t serial) const {
  for (size_t i = 0; i < Slots.size(); ++i)
    if (Slots[i].Serial == serial) return i;
  return std::nullopt;
}

bool AppCore::TrimSlots(size_t limit) {
  if (limit < 2 || limit >= Slots.size()) return false;
  const size_t drop = Slots.size() - limit;
  for (size_t i = 0; i < drop; ++i) ReleaseRecord(Slots[i], true);
  Slots.erase(Slots.begin(), Slots.begin() + static_cast<std::ptrdiff_t>(drop));
  return true;
}

void AppCore::DeleteSlot(size_t index) {
  if (index + 1 >= Slots.size()) return;  // Slot 0 is not deleted this way
  ReleaseRecord(Slots[index], true);
  Slots.erase(Slots.begin() + static_cast<std::ptrdiff_t>(index));
}

void AppCore::ClearSlots() {
  if (Slots.size() < 2) return;
  for (size_t i = 0; i + 1 < Slots.size(); ++i) ReleaseRecord(Slots[i], true);
  Slots.erase(Slots.begin(), Slots.end() - 1);
}

void AppCore::SwapWithClipboard(size_t index) {
  if (index + 1 >= Slots.size()) return;
  std::swap(Slots[index], Slots.back());
  PutOnClipboard(Slots.back());
}

void AppCore::CopySlotIntoSlot0(size_t index) {
  if (index + 1 >= Slots.size()) return;
  ReleaseRecord(Slots.back(), true);
  TClipRec copy;
  DuplicateSnapshot(copy, Slots[index], clip);
  Slots.back() = std::move(copy);
  PutOnClipboard(Slots.back());
}

void AppCore::PutSlotOnClipboard(size_t index) {
  if (index >= Slots.size()) return;
  // The write comes back as a capture (a new Slot 0), without the copy sound.
  {
    FlagGuard silent(SuppressCopySound);
    PutOnClipboard(Slots[index]);
  }
  MarkSilentChange();
}

void AppCore::MoveSlotUp(size_t index) {
  const size_t n = Slots.size();
  if (n < 2 || index >= n) return;
  const bool slot0Empty = Slots.back().Kind == kKindEmpty;
  if (index == n - 2 && slot0Empty) {
    ReleaseRecord(Slots.back(), true);
    Slots.pop_back();
    PutOnClipboard(Slots.back());
    platform_.system.Sleep(kMoveWait);
    return;
  }
  if (index < n - 2) {
    std::swap(Slots[index], Slots[index + 1]);
  } else if (index == n - 2) {
    std::swap(Slots[index], Slots.back());
    PutOnClipboard(Slots.back());
    platform_.system.Sleep(kMoveWait);
  } else if (!slot0Empty) {
    // Slot 0 wraps round to the oldest place; the oldest becomes the clipboard.
    std::swap(Slots.front(), Slots.back());
    PutOnClipboard(Slots.back());
    platform_.system.Sleep(kMoveWait);
  }
}

void AppCore::MoveSlotDown(size_t index) {
  const size_t n = Slots.size();
  if (n < 2 || index >= n) return;
  const bool slot0Empty = Slots.back().Kind == kKindEmpty;
  if (index == 0 && slot0Empty) {
    // The empty Slot 0 goes; the oldest slot wraps round to be the clipboard.
    ReleaseRecord(Slots.back(), true);
    Slots.pop_back();
    std::rotate(Slots.begin(), Slots.begin() + 1, Slots.end());
    PutOnClipboard(Slots.back());
    platform_.system.Sleep(kMoveWait);
    return;
  }
  if (index == n - 1) {
    if (slot0Empty) return;  // an empty clipboard slot has nothing to move
    std::swap(Slots[n - 2], Slots.back());
    PutOnClipboard(Slots.back());
    platform_.system.Sleep(kMoveWait);
  } else if (index > 0) {
    std::swap(Slots[index], Slots[index - 1]);
  } else {
    std::swap(Slots.front(), Slots.back());
    PutOnClipboard(Slots.back());
    platform_.system.Sleep(kMoveWait);
  }
}

void AppCore::RotateSlotsBack() {
  if (Slots.size() < 2) return;
  if (Slots.back().Kind == kKindEmpty) {
    ReleaseRecord(Slots.back(), true);
    Slots.pop_back();
  } else {
    std::rotate(Slots.begin(), Slots.end() - 1, Slots.end());
  }
  PutOnClipboard(Slots.back());
}

void AppCore::RotateSlotsForward() {
  if (Slots.size() < 2) return;
  if (Slots.back().Kind == kKindEmpty) {
    ReleaseRecord(Slots.back(), true);
    Slots.pop_back();
  }
  std::rotate(Slots.begin(), Slots.begin() + 1, Slots.end());
  PutOnClipboard(Slots.back());
}

void AppCore::SwapCommand(size_t index) {
  OwnClipboardWrite write(*this, kCommandWait);
  if (Slots.back().Kind != kKindEmpty)
    SwapWithClipboard(index);
  else
    CopySlotIntoSlot0(index);
}

void AppCore::PreviousCommand() {
  OwnClipboardWrite write(*this, kCommandWait);
  RotateSlotsBack();
}

void AppCore::NextCommand() {
  OwnClipboardWrite write(*this, kCommandWait);
  RotateSlotsForward();
}

void AppCore::MoveUpCommand(size_t index) {
  OwnClipboardWrite write(*this);
  MoveSlotUp(index);
}

void AppCore::MoveDownCommand(size_t index) {
  OwnClipboardWrite write(*this);
  MoveSlotDown(index);
}

void AppCore::DeleteCommand(size_t index) {
  DeleteSlot(index);
}

void AppCore::ClearCommand() {
  ClearSlots();
}

}  // namespace qv
