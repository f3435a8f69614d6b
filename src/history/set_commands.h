#pragma once
// Saving the slot list as a set and loading sets back onto it, with the checks
// the dialogs make first. Loading writes the set's last slot to the clipboard,
// which must not come back as a new slot.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "store/set_store.h"

namespace qv {

class CaptureState;
class ClipMonitor;
class SlotList;
struct AttributeContext;
struct ClipContext;

class SetCommands {
 public:
  SetCommands(SlotList& list, CaptureState& state, ClipContext& clip, AttributeContext& attributes,
              ClipMonitor& monitor, SetStore& sets)
      : list_(list),
        state_(state),
        clip_(clip),
        attributes_(attributes),
        monitor_(monitor),
        sets_(sets) {}

  // The slots a save stores: every record but an empty Slot 0.
  size_t SlotsToSave() const;
  // Checks the name (trimmed edit text) against the rules and the sets on
  // disk, and that there is a slot to save; then saves. The message to show
  // when the set was not saved.
  std::optional<std::string> SaveSet(std::string_view nameText,
                                     const std::vector<std::string>& comment,
                                     const SetStamp& stamp);
  // Appends the set's slots to the list; its last slot becomes Slot 0 and
  // goes to the clipboard; the oldest slots beyond the count go.
  void LoadSet(const std::filesystem::path& setFolder);
  // Applies the sets manager's edits to the set at `index` of the set list:
  // the comment when it changed, then the name when it changed (checked
  // against the other sets). The message to show when the name was refused.
  std::optional<std::string> ApplySetChanges(size_t index, bool nameChanged,
                                             std::string_view nameText, bool commentChanged,
                                             const std::vector<std::string>& comment);

 private:
  SlotList& list_;
  CaptureState& state_;
  ClipContext& clip_;
  AttributeContext& attributes_;
  ClipMonitor& monitor_;
  SetStore& sets_;
};

}  // namespace qv
