#pragma once
// Process-level services the core needs: random numbers and waits.
#include <cstdint>

namespace qv {

class SystemServices {
 public:
  virtual ~SystemServices() = default;
  // Uniform in [0, bound).
  virtual uint32_t Random(uint32_t bound) = 0;
  virtual void Sleep(uint32_t milliseconds) = 0;
};

}  // namespace qv
