#pragma once
// Keys as the keyboard sends them, to whichever window is in front.
#include <windows.h>

#include <initializer_list>
#include <string_view>

namespace qv::e2e {

// The modifiers down, the key down and up, the modifiers up again.
void PressKeys(std::initializer_list<WORD> modifiers, WORD key);
// Each character as typed.
void TypeText(std::wstring_view text);

}  // namespace qv::e2e
