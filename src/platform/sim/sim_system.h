#pragma once
// Deterministic random numbers and waits that only count, for tests.
#include <cstdint>
#include <random>

#include "platform/system.h"

namespace qv {

class SimSystem : public SystemServices {
 public:
  explicit SimSystem(uint32_t seed = 12345) : engine_(seed) {}
  uint32_t Random(uint32_t bound) override {
    return bound ? std::uniform_int_distribution<uint32_t>(0, bound - 1)(engine_) : 0;
  }
  void Sleep(uint32_t milliseconds) override { slept += milliseconds; }

  uint64_t slept = 0;

 private:
  std::mt19937 engine_;
};

}  // namespace qv
