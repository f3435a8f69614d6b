#pragma once
// The operations a hotkey can run. Operation number n (1..24) is also the
// hotkey id and the row of the hotkey table; the storage key names it in the
// options file. The settings tree lists each group followed by its operations.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

enum class HotkeyGroup : uint8_t { Main, Text, Image, Paste };

inline constexpr int kHotkeyGroupCount = 4;
inline constexpr int kHotkeyOperationCount = 24;
inline constexpr int kHotkeyTreeNodeCount = kHotkeyGroupCount + kHotkeyOperationCount;

struct HotkeyOperation {
  std::string_view key;  // storage key in section "hotkeys"
  HotkeyGroup group;
  std::string_view text;  // built-in English text in the tree and the list
};

// Operation n, 1..24; nullopt outside.
std::optional<HotkeyOperation> FindHotkeyOperation(int n);
// Built-in English group text: "Main", "Text", "Image", "Paste".
std::string_view HotkeyGroupText(HotkeyGroup group);

// The operation numbers of a group, first..last; groups follow each other.
struct HotkeyRange {
  int first = 0;
  int last = 0;
};
HotkeyRange HotkeyGroupRange(HotkeyGroup group);

// A node of the settings tree: a group header (operation 0) or an operation.
struct HotkeyTreeNode {
  HotkeyGroup group = HotkeyGroup::Main;
  int operation = 0;
  bool IsGroup() const { return operation == 0; }
  bool operator==(const HotkeyTreeNode&) const = default;
};
// Node at an absolute tree index 0..27; nullopt outside.
std::optional<HotkeyTreeNode> HotkeyTreeNodeAt(int index);
int HotkeyTreeIndexOfGroup(HotkeyGroup group);
// Tree index of operation n, or -1 when n is outside 1..24.
int HotkeyTreeIndexOfOperation(int n);

// The texts the editor shows, replaced by a translation.
struct HotkeyTexts {
  std::array<std::string, kHotkeyGroupCount> groups;          // by HotkeyGroup
  std::array<std::string, kHotkeyOperationCount> operations;  // operation n at n - 1
  static HotkeyTexts English();
};

}  // namespace qv
