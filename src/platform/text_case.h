#pragma once
// Letter case of Unicode characters, from the operating system. The case
// conversions ask only for simple one-to-one mappings: a character whose case
// form is longer (such as the sharp s) or lies outside what the system maps
// comes back unchanged.
namespace qv {

class TextCase {
 public:
  virtual ~TextCase() = default;
  virtual char32_t Upper(char32_t c) const = 0;
  virtual char32_t Lower(char32_t c) const = 0;
  virtual bool IsLetter(char32_t c) const = 0;
  virtual bool IsUpper(char32_t c) const = 0;
  virtual bool IsLower(char32_t c) const = 0;
};

}  // namespace qv
