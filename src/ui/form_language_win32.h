#pragma once
// A dialog's texts in and out of its controls for the language files: the
// caption of the window and of its buttons, labels and group boxes, the items
// of its drop-down lists and the nodes of its trees. Hints are the form's own.
#include <vector>

#include "lang/component_texts.h"
#include "lang/languages.h"
#include "ui/form_window_win32.h"

namespace qv::win32 {

// The window's texts now: the window first, then its controls.
ComponentTexts ReadFormTexts(const std::vector<NamedControl>& components);
// Shows `texts` where they differ from `shown` (as read before). A drop-down
// list keeps its selected item when its items are replaced.
void WriteFormTexts(const std::vector<NamedControl>& components, const ComponentTexts& shown,
                    const ComponentTexts& texts);

// The window in the named language; `defaults` are its English texts.
void ApplyFormLanguage(const std::vector<NamedControl>& components, const Languages& languages,
                       std::string_view name, const DefaultTexts& defaults);

}  // namespace qv::win32
