#pragma once
// A window's components as the language files see them: each component's
// name and the texts a translation replaces. The keys come from the names
// alone (by their two-letter prefix), so a language file can be written for
// any window without a list of texts in the program. The shell reads a real
// window into this model, translates the model, and writes the texts back.
#include <string>
#include <string_view>
#include <vector>

#include "util/ini.h"

namespace qv {

struct ComponentTexts {
  std::string name;                   // "btOk", "pmTray", "miPaste"; a window "...Form"
  std::string text;                   // caption
  std::string hint;                   // tooltip
  std::vector<std::string> items;     // a drop-down list's items; a tree's nodes in tree order
  std::vector<ComponentTexts> owned;  // a window's, panel's, notebook's or group box's
                                      // components; a popup menu's items; a menu item's
                                      // sub-items
};

struct DefaultText {
  std::string key;
  std::string text;
  bool operator==(const DefaultText&) const = default;
};
using DefaultTexts = std::vector<DefaultText>;

// One translatable text of a window, as the walk finds it.
struct LanguageText {
  std::string key;
  std::string* text;
  // Which key rule applies when the text has no recorded default.
  enum class Kind { Plain, ButtonHint, AlwaysRecorded } kind = Kind::Plain;
};

// Every text of the window that has a language key, in walk order: the
// window itself, then what it owns, each component once.
std::vector<LanguageText> WalkLanguageTexts(ComponentTexts& window);
// The keys alone, as the window would record them now.
std::vector<std::string> LanguageKeys(const ComponentTexts& window);

// The window's current texts under their keys; a push button's empty hint is
// not recorded.
void CaptureDefaultTexts(const ComponentTexts& window, DefaultTexts& defaults);
// The section named after the window: each text becomes the file's non-empty
// value, else the default recorded for its key, else empty (a push button's
// hint: as it is). Nothing happens when the file has no such section.
void ApplyLanguageFile(ComponentTexts& window, const IniDocument& file,
                       const DefaultTexts& defaults);
// Each text with a default recorded for its key (compared without case)
// gets it back. Nothing happens when no defaults were captured.
void RestoreDefaultTexts(ComponentTexts& window, const DefaultTexts& defaults);

}  // namespace qv
