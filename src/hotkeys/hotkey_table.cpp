#include "hotkeys/hotkey_table.h"

#include <cctype>
#include <vector>

#include "hotkeys/modifiers.h"

namespace qv {
namespace {

constexpr std::string_view kSection = "hotkeys";

std::vector<std::string_view> SplitAtPlus(std::string_view text) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t plus; (plus = text.find('+', start)) != std::string_view::npos; start = plus + 1)
    parts.push_back(text.substr(start, plus - start));
  parts.push_back(text.substr(start));
  return parts;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace

uint32_t THotkeyEntry::Mask() const {
  return (Alt ? kModAlt : 0) | (Ctrl ? kModCtrl : 0) | (Shift ? kModShift : 0) |
         (Win ? kModWin : 0);
}

void THotkeyEntry::SetMask(uint32_t mask) {
  Alt = (mask & kModAlt) != 0;
  Ctrl = (mask & kModCtrl) != 0;
  Shift = (mask & kModShift) != 0;
  Win = (mask & kModWin) != 0;
}

void HotkeyTable::ClearHotkeys() {
  rows_.fill(THotkeyEntry{});
}

std::string HotkeyTable::HotkeyText(int n) const {
  const THotkeyEntry& row = Row(n);
  std::string text;
  if (const int combo = ModifierComboIndex(row.Mask()); combo >= 0) {
    text = std::string(ModifierCombos()[static_cast<size_t>(combo)].stored) + "+";
  } else {
    // Spelled out, so the text reads back as the same combination.
    if (row.Ctrl) text += "Ctrl+";
    if (row.Shift) text += "Shift+";
    if (row.Alt) text += "Alt+";
    if (row.Win) text += "Win+";
  }
  return text + KeyName(row.Key, layout_);
}

void HotkeyTable::ParseHotkey(std::string_view text, int n) {
  THotkeyEntry& row = Row(n);
  row.SetMask(0);
  row.Key = 0;
  row.Assigned = false;
  row.Text.clear();
  if (text.empty()) return;
  const auto parts = SplitAtPlus(text);
  if (parts.size() < 2) return;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    const std::string word = Lower(parts[i]);
    if (word == "alt") row.Alt = true;
    if (word == "ctrl") row.Ctrl = true;
    if (word == "shift") row.Shift = true;
    if (word == "win") row.Win = true;
  }
  row.Key = KeyCode(parts.back(), layout_);
  // A key without any modifier would take the key from every other program.
  row.Assigned = row.Mask() != 0;
}

void HotkeyTable::LoadHotkeys(const IniDocument& doc) {
  for (int n = 1; n <= kHotkeyOperationCount; ++n) {
    ParseHotkey(IniString(doc, kSection, FindHotkeyOperation(n)->key, ""), n);
    Row(n).Text = HotkeyText(n);
  }
}

void HotkeyTable::WriteHotkeys(IniDocument& doc) const {
  for (int n = 1; n <= kHotkeyOperationCount; ++n) {
    const THotkeyEntry& row = Row(n);
    doc.Set(kSection, FindHotkeyOperation(n)->key, row.Assigned ? row.Text : "");
  }
}

bool HotkeyTable::SaveHotkeys(const IniFile& file) const {
  return file.Update([this](IniDocument& doc) { WriteHotkeys(doc); });
}

bool HotkeyTable::RegisterHotkeys(HotkeyRegistrar& registrar) const {
  bool all = true;
  for (int n = 1; n <= kHotkeyOperationCount; ++n) {
    const THotkeyEntry& row = Row(n);
    if (row.Assigned && !registrar.Register(n, row.Mask(), row.Key)) all = false;
  }
  return all;
}

bool HotkeyTable::UnregisterHotkeys(HotkeyRegistrar& registrar) const {
  bool all = true;
  for (int n = 1; n <= kHotkeyOperationCount; ++n)
    if (Row(n).Assigned && !registrar.Unregister(n)) all = false;
  return all;
}

}  // namespace qv
