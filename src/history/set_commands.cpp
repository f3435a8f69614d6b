#include "history/set_commands.h"

#include "history/capture_state.h"
#include "history/clip_monitor.h"
#include "history/slot_list.h"
#include "settings/options_file.h"
#include "snapshot/clip_context.h"
#include "store/set_names.h"
#include "store/slot_folder.h"

namespace qv {
namespace {

// Waits after a set's slot went to the clipboard, before changes count again.
constexpr uint32_t kLoadWait = 100;

}  // namespace

size_t SetCommands::SlotsToSave() const {
  const size_t n = list_.Slots.size();
  return list_.Slots.back().Kind == kKindEmpty ? n - 1 : n;
}

std::optional<std::string> SetCommands::SaveSet(std::string_view nameText,
                                                const std::vector<std::string>& comment,
                                                const SetStamp& stamp) {
  const std::string name = TrimSetName(nameText);
  SetNameProblem problem = CheckSetName(name, sets_.NamesOnDisk());
  if (problem == SetNameProblem::None && SlotsToSave() < 1) problem = SetNameProblem::NoSlots;
  if (problem != SetNameProblem::None) return std::string(SetNameMessage(problem));
  OwnClipboardWrite write(state_, clip_.system);
  return sets_.SaveSet(list_.Slots, name, comment, stamp);
}

void SetCommands::LoadSet(const std::filesystem::path& setFolder) {
  OwnClipboardWrite write(state_, clip_.system, kLoadWait);
  TClipArr loaded = sets_.ReadSetSlots(setFolder, clip_, attributes_);
  if (loaded.empty()) return;
  if (list_.Slots.back().Kind == kKindEmpty) list_.DropLast();
  for (TClipRec& rec : loaded) list_.Slots.push_back(std::move(rec));
  list_.PutOnClipboard(list_.Slot0Index());
  monitor_.TrimToCount();
}

std::optional<std::string> SetCommands::ApplySetChanges(size_t index, bool nameChanged,
                                                        std::string_view nameText,
                                                        bool commentChanged,
                                                        const std::vector<std::string>& comment) {
  if (index >= sets_.SetList.size()) return std::nullopt;
  SetEntry& entry = sets_.SetList[index];
  if (commentChanged && !sets_.SetComment(entry, comment))
    return UnableToWriteMessage(entry.Folder / kSetInfoName);
  if (!nameChanged) return std::nullopt;
  const std::string name = TrimSetName(nameText);
  std::vector<std::string> others;
  for (size_t i = 0; i < sets_.SetList.size(); ++i)
    if (i != index) others.push_back(sets_.SetList[i].Name);
  if (SetNameProblem problem = CheckSetName(name, others); problem != SetNameProblem::None)
    return std::string(SetNameMessage(problem));
  if (!sets_.RenameSet(entry, name)) return UnableToWriteMessage(entry.Folder / kSlotIndexName);
  return std::nullopt;
}

}  // namespace qv
