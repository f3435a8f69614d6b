#pragma once
// What the hotkeys settings page does, without its controls: the list of
// assigned hotkeys by group, which controls are enabled, and adding, changing
// and removing hotkeys (registered at once and saved after every change). The
// page forwards its control events here and mirrors State() and ListRows().
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "hotkeys/hotkey_table.h"
#include "hotkeys/operations.h"
#include "platform/hotkeys.h"

namespace qv {

// The page's message boxes.
class HotkeyDialogs {
 public:
  virtual ~HotkeyDialogs() = default;
  virtual void ShowMessage(const std::string& text) = 0;  // with an OK button
  virtual bool AskYesNo(const std::string& text) = 0;     // true for Yes
};

// Upper-cases a group text for its list header; the default changes ASCII
// letters only, the shell passes the system's rule for translated texts.
using TextUpperCase = std::function<std::string(std::string_view)>;
std::string AsciiUpperCase(std::string_view text);

class HotkeyEditor {
 public:
  struct State {
    bool comboEnabled = false;
    bool keyEnabled = false;
    bool addEnabled = false;
    bool removeEnabled = false;
    int combo = 0;                     // modifier combo index 0..6
    uint16_t key = 0;                  // key field; 0 is empty
    std::optional<int> treeNode;       // selected tree index 0..27
    std::optional<int> listSelection;  // selected list row
  };

  // `save` writes the table (HotkeyTable::SaveHotkeys) after each change.
  HotkeyEditor(HotkeyTable& table, HotkeyRegistrar& registrar, HotkeyDialogs& dialogs,
               std::function<void()> save, HotkeyTexts texts = HotkeyTexts::English(),
               TextUpperCase upperCase = AsciiUpperCase);

  // New texts after a change of language; ShowHKeys shows them.
  void SetTexts(HotkeyTexts texts) { texts_ = std::move(texts); }
  const State& GetState() const { return state_; }
  const std::vector<std::string>& ListRows() const { return rows_; }

  // Refills the list: a header per group, then its assigned operations.
  void ShowHKeys();

  void TreeFocused();
  void ListFocused();
  void TreeSelected(int nodeIndex);
  // A click on list row `row`; a row outside the list selects nothing.
  void ListClicked(int row);
  // The Add/Change button with the key field's code and the combo's index.
  void AddOrChange(uint16_t key, int combo);
  void Remove();

 private:
  std::string Header(HotkeyGroup group) const;
  // The operation whose assigned row is shown at list row `row`, or 0.
  int OperationAtListRow(int row) const;
  void EnableEntry(bool enabled);
  // Unregisters operation n; false after telling the user.
  bool Unassign(int n, const std::string& failure);
  void RemoveGroup(HotkeyGroup group);
  void Refresh();

  HotkeyTable& table_;
  HotkeyRegistrar& registrar_;
  HotkeyDialogs& dialogs_;
  std::function<void()> save_;
  HotkeyTexts texts_;
  TextUpperCase upperCase_;
  State state_;
  std::vector<std::string> rows_;
};

}  // namespace qv
