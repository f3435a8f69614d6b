#pragma once
// The user's commands on the slot list. Each brackets the clipboard writes it
// makes so that they are not captured as new slots, and waits as the user
// interface expects.
#include <filesystem>
#include <optional>
#include <string>

namespace qv {

class CaptureState;
class SlotList;
struct ClipContext;

class SlotCommands {
 public:
  SlotCommands(SlotList& list, CaptureState& state, ClipContext& clip)
      : list_(list), state_(state), clip_(clip) {}

  void SwapCommand(size_t index);
  void PreviousCommand();
  void NextCommand();
  void MoveUpCommand(size_t index);
  void MoveDownCommand(size_t index);
  void DeleteCommand(size_t index);
  void ClearCommand();
  // Puts a slot on the clipboard, where it comes back as a new Slot 0 without
  // the copy sound.
  void PutSlotOnClipboard(size_t index);
  // Puts a .slot file on the clipboard, where it is captured as a new Slot 0.
  // Returns the message to show for a file that is not a valid slot.
  std::optional<std::string> LoadSlotFile(const std::filesystem::path& file);

 private:
  SlotList& list_;
  CaptureState& state_;
  ClipContext& clip_;
};

}  // namespace qv
