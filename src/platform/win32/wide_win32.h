#pragma once
// UTF-16 strings of the core (char16_t) as the wide strings of the W APIs.
#include <string>
#include <string_view>

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows wide characters are UTF-16 units");

namespace qv::win32 {

inline const wchar_t* AsWide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string_view FromWide(const wchar_t* text, size_t length) {
  return std::u16string_view(reinterpret_cast<const char16_t*>(text), length);
}

}  // namespace qv::win32
