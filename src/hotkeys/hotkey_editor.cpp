#include "hotkeys/hotkey_editor.h"

#include "hotkeys/modifiers.h"

namespace qv {
namespace {

constexpr std::string_view kNotSelected = "Hotkey is not selected!";
constexpr std::string_view kOperationUsed =
    "This operation is already used.\r\nChange a hotkey for this operation?";
constexpr std::string_view kChangeFailed = "Error of changing of this hotkey!";
constexpr std::string_view kGroupEmpty = "In the selected group there are no hotkeys!";
constexpr std::string_view kRemoveGroup = "Remove all hotkeys from the selected group?";
constexpr std::string_view kIndent = "      ";

constexpr HotkeyGroup kGroups[] = {HotkeyGroup::Main, HotkeyGroup::Text, HotkeyGroup::Image,
                                   HotkeyGroup::Paste};

std::string AlreadyUsed(const std::string& text) {
  return "This hotkey (" + text + ") is already used!\r\nPlease, choose other key.";
}
std::string RegistrationFailed(const std::string& text) {
  return "Error of registration of this hotkey (" + text + ")!";
}
std::string UnregistrationFailed(const std::string& text) {
  return "Error of unregistration of this hotkey (" + text + ")!";
}

}  // namespace

std::string AsciiUpperCase(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

HotkeyEditor::HotkeyEditor(HotkeyTable& table, HotkeyRegistrar& registrar, HotkeyDialogs& dialogs,
                           std::function<void()> save, HotkeyTexts texts, TextUpperCase upperCase)
    : table_(table),
      registrar_(registrar),
      dialogs_(dialogs),
      save_(std::move(save)),
      texts_(std::move(texts)),
      upperCase_(upperCase ? std::move(upperCase) : AsciiUpperCase) {}

std::string HotkeyEditor::Header(HotkeyGroup group) const {
  return "[ " + upperCase_(texts_.groups[static_cast<size_t>(group)]) + " ]";
}

void HotkeyEditor::ShowHKeys() {
  rows_.clear();
  state_.listSelection.reset();
  for (HotkeyGroup group : kGroups) {
    rows_.push_back(Header(group));
    const HotkeyRange range = HotkeyGroupRange(group);
    for (int n = range.first; n <= range.last; ++n) {
      THotkeyEntry& row = table_.Row(n);
      if (!row.Assigned) continue;
      row.ListRow = static_cast<uint8_t>(rows_.size());
      rows_.push_back(std::string(kIndent) + texts_.operations[static_cast<size_t>(n - 1)] + " (" +
                      row.Text + ")");
    }
  }
}

int HotkeyEditor::OperationAtListRow(int row) const {
  for (int n = 1; n <= kHotkeyOperationCount; ++n) {
    const THotkeyEntry& entry = table_.Row(n);
    if (entry.Assigned && entry.ListRow == row) return n;
  }
  return 0;
}

void HotkeyEditor::EnableEntry(bool enabled) {
  state_.comboEnabled = state_.keyEnabled = state_.addEnabled = enabled;
}

void HotkeyEditor::TreeFocused() {
  state_.listSelection.reset();
  state_.removeEnabled = false;
}

void HotkeyEditor::ListFocused() {
  state_.removeEnabled = true;
  state_.treeNode.reset();
}

void HotkeyEditor::TreeSelected(int nodeIndex) {
  const auto node = HotkeyTreeNodeAt(nodeIndex);
  state_.treeNode = node ? std::optional<int>(nodeIndex) : std::nullopt;
  EnableEntry(node && !node->IsGroup());
}

void HotkeyEditor::ListClicked(int row) {
  const bool inList = row >= 0 && static_cast<size_t>(row) < rows_.size();
  state_.listSelection = inList ? std::optional<int>(row) : std::nullopt;
  const int n = inList ? OperationAtListRow(row) : 0;
  EnableEntry(n != 0);
  if (n == 0) return;
  const THotkeyEntry& entry = table_.Row(n);
  // A combination the combo box lacks (written by hand) leaves it as it is.
  if (const int combo = ModifierComboIndex(entry.Mask()); combo >= 0) state_.combo = combo;
  state_.key = entry.Key;
}

bool HotkeyEditor::Unassign(int n, const std::string& failure) {
  if (!registrar_.Unregister(n)) {
    dialogs_.ShowMessage(failure);
    return false;
  }
  table_.Row(n).Assigned = false;
  return true;
}

void HotkeyEditor::Refresh() {
  ShowHKeys();
  if (save_) save_();
}

void HotkeyEditor::AddOrChange(uint16_t key, int combo) {
  if (key == 0 || combo < 0 || combo >= kModifierComboCount) {
    dialogs_.ShowMessage(std::string(kNotSelected));
    return;
  }
  THotkeyEntry wanted;
  wanted.SetMask(ModifierCombos()[static_cast<size_t>(combo)].mask);
  wanted.Key = key;
  for (int n = 1; n <= kHotkeyOperationCount; ++n) {
    const THotkeyEntry& row = table_.Row(n);
    if (row.Assigned && row.Mask() == wanted.Mask() && row.Key == key) {
      dialogs_.ShowMessage(AlreadyUsed(row.Text));
      return;
    }
  }

  int n = 0;
  const auto node = state_.treeNode ? HotkeyTreeNodeAt(*state_.treeNode) : std::nullopt;
  if (node && !node->IsGroup()) {
    n = node->operation;
    if (table_.Row(n).Assigned) {
      if (!dialogs_.AskYesNo(std::string(kOperationUsed))) return;
      if (!Unassign(n, std::string(kChangeFailed))) return;
    }
  } else {
    n = state_.listSelection ? OperationAtListRow(*state_.listSelection) : 0;
    if (n == 0) return;
    if (!Unassign(n, std::string(kChangeFailed))) return;
  }

  THotkeyEntry& row = table_.Row(n);
  row.SetMask(wanted.Mask());
  row.Key = key;
  row.Text = table_.HotkeyText(n);
  if (registrar_.Register(n, row.Mask(), row.Key))
    row.Assigned = true;
  else
    dialogs_.ShowMessage(RegistrationFailed(row.Text));
  Refresh();
}

void HotkeyEditor::Remove() {
  if (!state_.listSelection) {
    dialogs_.ShowMessage(std::string(kNotSelected));
    return;
  }
  const int selected = *state_.listSelection;
  if (const int n = OperationAtListRow(selected); n != 0) {
    if (Unassign(n, UnregistrationFailed(table_.Row(n).Text))) Refresh();
    return;
  }
  const bool inList = selected >= 0 && static_cast<size_t>(selected) < rows_.size();
  for (HotkeyGroup group : kGroups) {
    if (inList && rows_[static_cast<size_t>(selected)] == Header(group)) {
      RemoveGroup(group);
      return;
    }
  }
  dialogs_.ShowMessage(std::string(kNotSelected));
}

void HotkeyEditor::RemoveGroup(HotkeyGroup group) {
  const HotkeyRange range = HotkeyGroupRange(group);
  bool any = false;
  for (int n = range.first; n <= range.last; ++n) any = any || table_.Row(n).Assigned;
  if (!any) {
    dialogs_.ShowMessage(std::string(kGroupEmpty));
    return;
  }
  if (!dialogs_.AskYesNo(std::string(kRemoveGroup))) return;
  // A failure is reported and the others are still removed.
  for (int n = range.first; n <= range.last; ++n)
    if (table_.Row(n).Assigned) Unassign(n, UnregistrationFailed(table_.Row(n).Text));
  Refresh();
}

}  // namespace qv
