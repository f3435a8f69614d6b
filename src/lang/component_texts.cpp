#include "lang/component_texts.h"

#include <algorithm>
#include <unordered_set>

#include "lang/language_text.h"

namespace qv {
namespace {

// The settings dialog's language list holds language names, not texts.
constexpr std::string_view kLanguageList = "cmLanguage";
// Menu entries made at run time for the saved sets.
constexpr std::string_view kSetItemPrefix = "miSet";
// The main window's caption is the program's name in every language.
constexpr std::string_view kMainWindow = "MainForm";
constexpr std::string_view kTitle = "Title";

class Walker {
 public:
  explicit Walker(std::vector<LanguageText>& out) : out_(out) {}

  void Window(ComponentTexts& window) {
    if (window.name.find("Form") != std::string::npos) Add(std::string(kTitle), window.text);
    Owned(window);
  }

 private:
  void Owned(ComponentTexts& container) {
    for (ComponentTexts& c : container.owned) Component(c);
  }

  void Component(ComponentTexts& c) {
    const std::string_view prefix = std::string_view(c.name).substr(0, 2);
    if (prefix == "gb") {
      Add(c.name, c.text);
      Owned(c);
    } else if (prefix == "lb" || prefix == "cb") {
      Add(c.name, c.text);
    } else if (prefix == "cm") {
      if (c.name != kLanguageList) Items(c);
    } else if (prefix == "tv") {
      Items(c);
    } else if (prefix == "bt") {
      Add(c.name, c.text);
      Add(c.name + ".Hint", c.hint, LanguageText::Kind::ButtonHint);
    } else if (prefix == "sb") {
      Add(c.name, c.text);
      Add(c.name + ".Hint", c.hint, LanguageText::Kind::AlwaysRecorded);
    } else if (prefix == "fb") {
      Add(c.name + ".Hint", c.hint, LanguageText::Kind::AlwaysRecorded);
    } else if (prefix == "pm") {
      Menu(c);
    } else if (prefix == "pn" || prefix == "nb") {
      Owned(c);
    }
  }

  // The menu's items and their direct sub-items; separators have no name.
  void Menu(ComponentTexts& menu) {
    for (ComponentTexts& item : menu.owned) {
      if (!item.name.empty()) Add(item.name, item.text);
      for (ComponentTexts& sub : item.owned)
        if (!sub.name.empty() && !std::string_view(sub.name).starts_with(kSetItemPrefix))
          Add(sub.name, sub.text);
    }
  }

  void Items(ComponentTexts& c) {
    for (size_t i = 0; i < c.items.size(); ++i)
      Add(c.name + ".Item" + std::to_string(i), c.items[i]);
  }

  void Add(std::string key, std::string& text,
           LanguageText::Kind kind = LanguageText::Kind::Plain) {
    // A component reached twice gives its keys once.
    if (!seen_.insert(key).second) return;
    out_.push_back({std::move(key), &text, kind});
  }

  std::vector<LanguageText>& out_;
  std::unordered_set<std::string> seen_;
};

const DefaultText* FindExactly(const DefaultTexts& defaults, std::string_view key) {
  auto it = std::find_if(defaults.begin(), defaults.end(),
                         [&](const DefaultText& d) { return d.key == key; });
  return it == defaults.end() ? nullptr : &*it;
}

const DefaultText* FindNoCase(const DefaultTexts& defaults, std::string_view key) {
  auto it = std::find_if(defaults.begin(), defaults.end(),
                         [&](const DefaultText& d) { return EqualsNoCase(d.key, key); });
  return it == defaults.end() ? nullptr : &*it;
}

}  // namespace

std::vector<LanguageText> WalkLanguageTexts(ComponentTexts& window) {
  std::vector<LanguageText> texts;
  Walker(texts).Window(window);
  return texts;
}

std::vector<std::string> LanguageKeys(const ComponentTexts& window) {
  ComponentTexts copy = window;
  std::vector<std::string> keys;
  for (LanguageText& t : WalkLanguageTexts(copy)) keys.push_back(std::move(t.key));
  return keys;
}

void CaptureDefaultTexts(const ComponentTexts& window, DefaultTexts& defaults) {
  defaults.clear();
  ComponentTexts copy = window;
  for (const LanguageText& t : WalkLanguageTexts(copy)) {
    if (t.kind == LanguageText::Kind::ButtonHint && t.text->empty()) continue;
    defaults.push_back({t.key, *t.text});
  }
}

void ApplyLanguageFile(ComponentTexts& window, const IniDocument& file,
                       const DefaultTexts& defaults) {
  if (!file.HasSection(window.name)) return;
  for (const LanguageText& t : WalkLanguageTexts(window)) {
    if (window.name == kMainWindow && t.key == kTitle) continue;
    if (std::string value = LanguageValue(file, window.name, t.key); !value.empty())
      *t.text = std::move(value);
    else if (const DefaultText* d = FindExactly(defaults, t.key))
      *t.text = d->text;
    else if (t.kind != LanguageText::Kind::ButtonHint)
      t.text->clear();
  }
}

void RestoreDefaultTexts(ComponentTexts& window, const DefaultTexts& defaults) {
  if (defaults.empty()) return;
  for (const LanguageText& t : WalkLanguageTexts(window))
    if (const DefaultText* d = FindNoCase(defaults, t.key)) *t.text = d->text;
}

}  // namespace qv
