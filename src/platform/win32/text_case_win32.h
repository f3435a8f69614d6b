#pragma once
// Letter case from the system's wide-character functions. The mappings of the
// 16-bit range are read once into tables, so a conversion costs a lookup per
// character rather than a system call.
#include <memory>

#include "platform/text_case.h"

namespace qv::win32 {

class Win32TextCase : public TextCase {
 public:
  Win32TextCase();
  ~Win32TextCase() override;
  char32_t Upper(char32_t c) const override;
  char32_t Lower(char32_t c) const override;
  bool IsLetter(char32_t c) const override;
  bool IsUpper(char32_t c) const override;
  bool IsLower(char32_t c) const override;

 private:
  struct Tables;
  const Tables& Get() const;
  mutable std::unique_ptr<Tables> tables_;
};

}  // namespace qv::win32
