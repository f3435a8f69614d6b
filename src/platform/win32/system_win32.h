#pragma once
// Random numbers and waits from the running system.
#include <cstdint>
#include <random>

#include "platform/system.h"

namespace qv::win32 {

class Win32System : public SystemServices {
 public:
  Win32System();
  uint32_t Random(uint32_t bound) override;
  void Sleep(uint32_t milliseconds) override;

 private:
  std::mt19937 engine_;
};

}  // namespace qv::win32
