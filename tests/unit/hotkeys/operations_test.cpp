#include "hotkeys/operations.h"

#include <gtest/gtest.h>

#include <set>

namespace qv {
namespace {

TEST(HotkeyOperations, TreeNodesMapBothWaysAndHeadersLeadTheirGroups) {
  std::set<std::string_view> keys;
  int groups = 0;
  for (int i = 0; i < kHotkeyTreeNodeCount; ++i) {
    const auto node = HotkeyTreeNodeAt(i);
    ASSERT_TRUE(node) << i;
    if (node->IsGroup()) {
      ++groups;
      EXPECT_EQ(HotkeyTreeIndexOfGroup(node->group), i);
      EXPECT_EQ(HotkeyTreeIndexOfOperation(HotkeyGroupRange(node->group).first), i + 1);
      continue;
    }
    const auto op = FindHotkeyOperation(node->operation);
    ASSERT_TRUE(op) << i;
    EXPECT_TRUE(keys.insert(op->key).second) << "storage keys are unique: " << op->key;
    EXPECT_EQ(op->group, node->group);
    EXPECT_EQ(HotkeyTreeIndexOfOperation(node->operation), i);
  }
  EXPECT_EQ(groups, kHotkeyGroupCount);
  EXPECT_EQ(keys.size(), size_t{kHotkeyOperationCount});
  EXPECT_EQ(HotkeyTreeNodeAt(22), (HotkeyTreeNode{HotkeyGroup::Paste, 0}));
  EXPECT_EQ(HotkeyTreeNodeAt(9), (HotkeyTreeNode{HotkeyGroup::Text, 8}));
  EXPECT_EQ(FindHotkeyOperation(20)->key, "paste.slot1");
  EXPECT_EQ(HotkeyTexts::English().operations[0], "Show the main window");
  EXPECT_FALSE(HotkeyTreeNodeAt(kHotkeyTreeNodeCount));
  EXPECT_FALSE(FindHotkeyOperation(0));
  EXPECT_EQ(HotkeyTreeIndexOfOperation(kHotkeyOperationCount + 1), -1);
}

}  // namespace
}  // namespace qv
