#pragma once
// System-wide hotkeys: one registration per id, a modifier mask (Alt 1, Ctrl 2,
// Shift 4, Win 8) and a virtual-key code.
#include <cstdint>

namespace qv {

class HotkeyRegistrar {
 public:
  virtual ~HotkeyRegistrar() = default;
  // False when the system refuses, e.g. another program holds the combination.
  virtual bool Register(int id, uint32_t mask, uint16_t key) = 0;
  virtual bool Unregister(int id) = 0;
};

}  // namespace qv
