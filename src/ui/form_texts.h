#pragma once
// The four translated windows as they are made, in English: every component a
// language file can reach, with its name and texts. The windows take their
// texts from here, so what they capture as English is this model, and a test
// can hold the shipped language files against it.
#include <string>
#include <string_view>

#include "hotkeys/operations.h"
#include "lang/component_texts.h"
#include "ui/menu_model.h"

namespace qv {

const ComponentTexts& MainFormTexts();     // "MainForm": toolbar hints, the seven popup menus
const ComponentTexts& ParamFormTexts();    // "ParamForm": the settings dialog
const ComponentTexts& SaveSetFormTexts();  // "SaveSetForm"
const ComponentTexts& LoadSetFormTexts();  // "LoadSetForm": the sets manager

// The component of that name anywhere in the window's model, or nullptr.
const ComponentTexts* FindComponent(const ComponentTexts& window, std::string_view name);
// Its caption; "" when the model has no such component.
const std::string& DefaultCaption(const ComponentTexts& window, std::string_view name);

// The main window's popup menus by component name.
inline constexpr std::string_view kMainMenus[] = {"pmClipboard", "pmSlot", "pmSlotSet", "pmTransp",
                                                  "pmParam",     "pmFast", "pmTray"};
// The name of the item with command `id` in popup menu `menu` ("" for none).
std::string MenuItemName(std::string_view menu, uint16_t id);
// The menu in the window's current texts: each named item's caption from
// the model, its shortcut text ("\tF9") kept.
void TranslateMenu(Menu& items, std::string_view menu, const ComponentTexts& window);

// The hotkey editor's texts from the nodes of the tree tvHot (tree order);
// a node missing from a short list keeps its English text.
HotkeyTexts HotkeyTextsFromTree(const std::vector<std::string>& nodes);

// In toolbar order: fbConfig, fbFast, fbTransp, fbPrev, fbLoad, fbDelAll,
// fbNext, fbMinimize, fbTop, fbExit.
inline constexpr std::string_view kToolButtonNames[10] = {
    "fbConfig", "fbFast", "fbTransp",   "fbPrev", "fbLoad",
    "fbDelAll", "fbNext", "fbMinimize", "fbTop",  "fbExit"};

}  // namespace qv
