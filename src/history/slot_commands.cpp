#include "history/slot_commands.h"

#include "history/capture_state.h"
#include "history/slot_list.h"
#include "snapshot/clip_context.h"
#include "snapshot/clipboard_io.h"
#include "store/slot_file.h"

namespace qv {
namespace {

// Waits after a command wrote the clipboard, before changes are captured again.
constexpr uint32_t kCommandWait = 150;

}  // namespace

void SlotCommands::SwapCommand(size_t index) {
  OwnClipboardWrite write(state_, clip_.system, kCommandWait);
  if (list_.Slots.back().Kind != kKindEmpty)
    list_.SwapWithClipboard(index);
  else
    list_.CopySlotIntoSlot0(index);
}

void SlotCommands::PreviousCommand() {
  OwnClipboardWrite write(state_, clip_.system, kCommandWait);
  list_.RotateSlotsBack();
}

void SlotCommands::NextCommand() {
  OwnClipboardWrite write(state_, clip_.system, kCommandWait);
  list_.RotateSlotsForward();
}

void SlotCommands::MoveUpCommand(size_t index) {
  OwnClipboardWrite write(state_, clip_.system);
  list_.MoveSlotUp(index);
}

void SlotCommands::MoveDownCommand(size_t index) {
  OwnClipboardWrite write(state_, clip_.system);
  list_.MoveSlotDown(index);
}

void SlotCommands::DeleteCommand(size_t index) {
  list_.DeleteSlot(index);
}

void SlotCommands::ClearCommand() {
  list_.ClearSlots();
}

void SlotCommands::PutSlotOnClipboard(size_t index) {
  if (index >= list_.Slots.size()) return;
  CapturedClipboardWrite write(state_);
  list_.PutOnClipboard(index);
}

std::optional<std::string> SlotCommands::LoadSlotFile(const std::filesystem::path& file) {
  auto bytes = ReadSlotFile(file);
  if (!bytes) return std::string(kInvalidSlotFileMessage);
  {
    CapturedClipboardWrite write(state_);
    RestoreToClipboard(clip_.clipboard, std::move(*bytes));
  }
  return std::nullopt;
}

}  // namespace qv
