#include "hotkeys/operations.h"

namespace qv {
namespace {

using enum HotkeyGroup;

constexpr std::array<HotkeyOperation, kHotkeyOperationCount> kOperations{{
    {"window.show", Main, "Show the main window"},
    {"window.hide", Main, "Hide the main window"},
    {"prevslot", Main, "Previous slot"},
    {"nextslot", Main, "Next slot"},
    {"clearclip", Main, "Clear the clipboard"},
    {"clearslots", Main, "Clear all slots"},
    {"loadslot", Main, "Load a slot from a file"},
    {"text.down", Text, "all to lowercase"},
    {"text.up", Text, "ALL TO UPPERCASE"},
    {"text.word", Text, "Begin With Uppercase"},
    {"text.invert", Text, "iNVERT tHE cASE"},
    {"text.sentence", Text, "Like in a sentence."},
    {"text.random", Text, "rAnDOm CaSe"},
    {"picture.left", Image, "Rotate to the left"},
    {"picture.right", Image, "Rotate to the right"},
    {"picture.180", Image, "Rotate upside down"},
    {"picture.vert", Image, "Flip vertically"},
    {"picture.hor", Image, "Flip horizontally"},
    {"picture.invert", Image, "Invert colors"},
    {"paste.slot1", Paste, "Paste from slot 1"},
    {"paste.slot2", Paste, "Paste from slot 2"},
    {"paste.slot3", Paste, "Paste from slot 3"},
    {"paste.slot4", Paste, "Paste from slot 4"},
    {"paste.slot5", Paste, "Paste from slot 5"},
}};

constexpr std::array<std::string_view, kHotkeyGroupCount> kGroupTexts{"Main", "Text", "Image",
                                                                      "Paste"};

constexpr int Index(HotkeyGroup group) {
  return static_cast<int>(group);
}

}  // namespace

std::optional<HotkeyOperation> FindHotkeyOperation(int n) {
  if (n < 1 || n > kHotkeyOperationCount) return std::nullopt;
  return kOperations[static_cast<size_t>(n - 1)];
}

std::string_view HotkeyGroupText(HotkeyGroup group) {
  return kGroupTexts[static_cast<size_t>(Index(group))];
}

HotkeyRange HotkeyGroupRange(HotkeyGroup group) {
  HotkeyRange range;
  for (int n = 1; n <= kHotkeyOperationCount; ++n) {
    if (kOperations[static_cast<size_t>(n - 1)].group != group) continue;
    if (range.first == 0) range.first = n;
    range.last = n;
  }
  return range;
}

// Each group's node comes before its operations, so a group's header sits at
// its first operation's number minus one, shifted by the headers before it.
int HotkeyTreeIndexOfGroup(HotkeyGroup group) {
  return HotkeyGroupRange(group).first - 1 + Index(group);
}

int HotkeyTreeIndexOfOperation(int n) {
  const auto op = FindHotkeyOperation(n);
  if (!op) return -1;
  return n + Index(op->group);
}

std::optional<HotkeyTreeNode> HotkeyTreeNodeAt(int index) {
  if (index < 0 || index >= kHotkeyTreeNodeCount) return std::nullopt;
  for (int g = kHotkeyGroupCount - 1; g >= 0; --g) {
    const auto group = static_cast<HotkeyGroup>(g);
    const int header = HotkeyTreeIndexOfGroup(group);
    if (index == header) return HotkeyTreeNode{group, 0};
    if (index > header) return HotkeyTreeNode{group, index - g};
  }
  return std::nullopt;
}

HotkeyTexts HotkeyTexts::English() {
  HotkeyTexts texts;
  for (size_t g = 0; g < texts.groups.size(); ++g) texts.groups[g] = kGroupTexts[g];
  for (size_t n = 0; n < texts.operations.size(); ++n) texts.operations[n] = kOperations[n].text;
  return texts;
}

}  // namespace qv
