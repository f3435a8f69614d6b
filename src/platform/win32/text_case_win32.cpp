#include "platform/win32/text_case_win32.h"

#include <windows.h>

#include <array>

namespace qv::win32 {

// Every unit of the 16-bit range; surrogates and characters beyond it map to
// themselves (the system functions work on single units).
struct Win32TextCase::Tables {
  static constexpr size_t kSize = 0x10000;
  std::array<wchar_t, kSize> upper{};
  std::array<wchar_t, kSize> lower{};
};

Win32TextCase::Win32TextCase() = default;
Win32TextCase::~Win32TextCase() = default;

const Win32TextCase::Tables& Win32TextCase::Get() const {
  if (!tables_) {
    auto t = std::make_unique<Tables>();
    for (size_t i = 0; i < Tables::kSize; ++i) t->upper[i] = static_cast<wchar_t>(i);
    t->lower = t->upper;
    CharUpperBuffW(t->upper.data(), static_cast<DWORD>(Tables::kSize));
    CharLowerBuffW(t->lower.data(), static_cast<DWORD>(Tables::kSize));
    for (size_t i = 0xD800; i < 0xE000; ++i) {
      t->upper[i] = t->lower[i] = static_cast<wchar_t>(i);
    }
    tables_ = std::move(t);
  }
  return *tables_;
}

char32_t Win32TextCase::Upper(char32_t c) const {
  return c < Tables::kSize ? static_cast<char16_t>(Get().upper[c]) : c;
}

char32_t Win32TextCase::Lower(char32_t c) const {
  return c < Tables::kSize ? static_cast<char16_t>(Get().lower[c]) : c;
}

bool Win32TextCase::IsLetter(char32_t c) const {
  return c < Tables::kSize && IsCharAlphaW(static_cast<WCHAR>(c));
}

bool Win32TextCase::IsUpper(char32_t c) const {
  return c < Tables::kSize && IsCharUpperW(static_cast<WCHAR>(c));
}

bool Win32TextCase::IsLower(char32_t c) const {
  return c < Tables::kSize && IsCharLowerW(static_cast<WCHAR>(c));
}

}  // namespace qv::win32
