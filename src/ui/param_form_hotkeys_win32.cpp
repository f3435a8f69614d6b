// The settings dialog's hotkeys page: the tree of operations, the modifier
// list, the key field and the list of assigned hotkeys, mirroring the hotkey
// editor, which registers and saves every change.
#include "ui/param_form_win32.h"

#include <commctrl.h>

#include "platform/win32/wide_win32.h"
#include "util/codepage.h"

namespace qv {

void TParamForm::FillHotkeyTree() {
  HWND tree = Control(kTvHot);
  const HotkeyTexts texts = HotkeyTexts::English();
  HTREEITEM group = nullptr;
  for (int index = 0; index < kHotkeyTreeNodeCount; ++index) {
    const HotkeyTreeNode node = *HotkeyTreeNodeAt(index);
    const std::string& text = node.IsGroup()
                                  ? texts.groups[static_cast<size_t>(node.group)]
                                  : texts.operations[static_cast<size_t>(node.operation - 1)];
    std::u16string wide = Utf8ToUtf16(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = node.IsGroup() ? TVI_ROOT : group;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = reinterpret_cast<wchar_t*>(wide.data());
    insert.item.lParam = index;
    HTREEITEM item = TreeView_InsertItem(tree, &insert);
    if (node.IsGroup()) group = item;
  }
  for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextSibling(tree, item))
    TreeView_Expand(tree, item, TVE_EXPAND);
  TreeView_SelectSetFirstVisible(tree, TreeView_GetRoot(tree));
}

void TParamForm::ShowHKeys() {
  editor_->ShowHKeys();
  HWND list = Control(kLsHot);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& row : editor_->ListRows()) {
    const std::u16string wide = Utf8ToUtf16(row);
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::AsWide(wide)));
  }
  MirrorHotkeyEditor();
}

void TParamForm::MirrorHotkeyEditor(bool entry) {
  const HotkeyEditor::State& state = editor_->GetState();
  if (entry && state.keyEnabled) {
    SendMessageW(Control(kCmHot), CB_SETCURSEL, static_cast<WPARAM>(state.combo), 0);
    SendMessageW(Control(kHkHot), HKM_SETHOTKEY, MAKEWORD(state.key, 0), 0);
  }
  Enable(kCmHot, state.comboEnabled);
  Enable(kHkHot, state.keyEnabled);
  Enable(kBtAddHot, state.addEnabled);
  Enable(kBtRemoveHot, state.removeEnabled);
  SendMessageW(
      Control(kLsHot), LB_SETCURSEL,
      state.listSelection ? static_cast<WPARAM>(*state.listSelection) : static_cast<WPARAM>(-1), 0);
}

bool TParamForm::OnHotkeyNotify(const NMHDR& header) {
  if (header.idFrom != static_cast<UINT_PTR>(kTvHot) || syncing_) return false;
  if (header.code == NM_SETFOCUS) {
    editor_->TreeFocused();
    MirrorHotkeyEditor();
    return true;
  }
  if (header.code == TVN_SELCHANGEDW) {
    const auto& change = reinterpret_cast<const NMTREEVIEWW&>(header);
    if (!change.itemNew.hItem) return true;
    editor_->TreeSelected(static_cast<int>(change.itemNew.lParam));
    MirrorHotkeyEditor();
    return true;
  }
  return false;
}

void TParamForm::ShowMessage(const std::string& text) {
  if (host_.message) host_.message(Handle(), text, false);
}

bool TParamForm::AskYesNo(const std::string& text) {
  return host_.message && host_.message(Handle(), text, true);
}

}  // namespace qv
