#include "ui/form_language_win32.h"

#include <commctrl.h>

#include "platform/win32/wide_win32.h"
#include "util/codepage.h"

namespace qv::win32 {
namespace {

std::string WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int got = GetWindowTextW(hwnd, text.data(), length + 1);
  return Utf16ToUtf8(FromWide(text.data(), static_cast<size_t>(got > 0 ? got : 0)));
}

bool IsClass(HWND hwnd, const wchar_t* name) {
  wchar_t className[32] = {};
  GetClassNameW(hwnd, className, 32);
  return _wcsicmp(className, name) == 0;
}

std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    items.push_back(Utf16ToUtf8(FromWide(text.c_str(), wcslen(text.c_str()))));
  }
  return items;
}

void SetComboItems(HWND combo, const std::vector<std::string>& items) {
  const LRESULT selected = SendMessageW(combo, CB_GETCURSEL, 0, 0);
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    const std::u16string wide = Utf8ToUtf16(item);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(AsWide(wide)));
  }
  SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

// Every node, each before its children: the tree's order.
std::vector<HTREEITEM> TreeNodes(HWND tree) {
  std::vector<HTREEITEM> nodes;
  HTREEITEM item = TreeView_GetRoot(tree);
  while (item) {
    nodes.push_back(item);
    HTREEITEM next = TreeView_GetChild(tree, item);
    while (!next && item) {
      next = TreeView_GetNextSibling(tree, item);
      if (!next) item = TreeView_GetParent(tree, item);
    }
    item = next;
  }
  return nodes;
}

std::vector<std::string> TreeTexts(HWND tree) {
  std::vector<std::string> texts;
  for (HTREEITEM node : TreeNodes(tree)) {
    wchar_t buffer[512] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = node;
    item.pszText = buffer;
    item.cchTextMax = 512;
    TreeView_GetItem(tree, &item);
    texts.push_back(Utf16ToUtf8(FromWide(buffer, wcslen(buffer))));
  }
  return texts;
}

void SetTreeTexts(HWND tree, const std::vector<std::string>& texts) {
  const std::vector<HTREEITEM> nodes = TreeNodes(tree);
  for (size_t i = 0; i < nodes.size() && i < texts.size(); ++i) {
    std::u16string wide = Utf8ToUtf16(texts[i]);
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = nodes[i];
    item.pszText = reinterpret_cast<wchar_t*>(wide.data());
    TreeView_SetItem(tree, &item);
  }
}

}  // namespace

ComponentTexts ReadFormTexts(const std::vector<NamedControl>& components) {
  ComponentTexts form;
  for (size_t i = 0; i < components.size(); ++i) {
    const NamedControl& control = components[i];
    ComponentTexts c;
    c.name = control.name;
    if (control.hwnd) {
      if (IsClass(control.hwnd, WC_COMBOBOXW))
        c.items = ComboItems(control.hwnd);
      else if (IsClass(control.hwnd, WC_TREEVIEWW))
        c.items = TreeTexts(control.hwnd);
      else
        c.text = WindowText(control.hwnd);
    }
    if (i == 0)
      form = std::move(c);
    else
      form.owned.push_back(std::move(c));
  }
  return form;
}

void WriteFormTexts(const std::vector<NamedControl>& components, const ComponentTexts& shown,
                    const ComponentTexts& texts) {
  for (size_t i = 0; i < components.size(); ++i) {
    HWND hwnd = components[i].hwnd;
    if (!hwnd) continue;
    const ComponentTexts* before = i == 0 ? &shown : &shown.owned.at(i - 1);
    const ComponentTexts* after = i == 0 ? &texts : &texts.owned.at(i - 1);
    if (after->text != before->text) {
      const std::u16string wide = Utf8ToUtf16(after->text);
      SetWindowTextW(hwnd, AsWide(wide));
    }
    if (after->items != before->items) {
      if (IsClass(hwnd, WC_COMBOBOXW))
        SetComboItems(hwnd, after->items);
      else if (IsClass(hwnd, WC_TREEVIEWW))
        SetTreeTexts(hwnd, after->items);
    }
  }
}

void ApplyFormLanguage(const std::vector<NamedControl>& components, const Languages& languages,
                       std::string_view name, const DefaultTexts& defaults) {
  const ComponentTexts shown = ReadFormTexts(components);
  ComponentTexts texts = shown;
  languages.ApplyLanguage(name, texts, defaults);
  WriteFormTexts(components, shown, texts);
}

}  // namespace qv::win32
