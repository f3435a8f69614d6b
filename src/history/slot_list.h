#pragma once
// The slot list and every operation that rearranges, deletes or reuses its
// records. Records move by value (their data file goes with them); a record
// that leaves the list for good is released with its file.
#include <cstdint>
#include <optional>

#include "snapshot/clip_rec.h"

namespace qv {

class WorkFolder;
struct ClipContext;

class SlotList {
 public:
  SlotList(WorkFolder& work, ClipContext& clip);

  // Oldest first; the last element is Slot 0, the clipboard. Never empty.
  TClipArr Slots;

  size_t Slot0Index() const { return Slots.size() - 1; }
  // Where the record with this serial is now; nullopt when it left the list.
  std::optional<size_t> IndexOfSerial(uint64_t serial) const;

  static void SetSlotCount(TClipArr& list, size_t count);
  // Drops the oldest records beyond `limit` (Slot 0 included). True when any went.
  bool TrimSlots(size_t limit);
  void DeleteSlot(size_t index);
  void ClearSlots();
  void SwapWithClipboard(size_t index);
  void CopySlotIntoSlot0(size_t index);
  void MoveSlotUp(size_t index);
  void MoveSlotDown(size_t index);
  void RotateSlotsBack();
  void RotateSlotsForward();

  // Puts a record's snapshot on the clipboard. False when the clipboard refused it.
  bool PutOnClipboard(size_t index);
  // Takes the last record off the list for good (with its file); the caller
  // keeps the list non-empty.
  void DropLast();
  // Every record goes with its file; Slot 0 starts empty.
  void Reset();

 private:
  void Release(TClipRec& rec);
  void PutSlot0OnClipboardAndWait();

  WorkFolder& work_;
  ClipContext& clip_;
};

}  // namespace qv
