#include "platform/win32/system_win32.h"

#include <windows.h>

namespace qv::win32 {
namespace {

// Different for every start: the performance counter, mixed with the process
// id so two instances started in the same tick still differ.
std::seed_seq::result_type SeedPart(uint64_t value, int shift) {
  return static_cast<std::seed_seq::result_type>(value >> shift);
}

}  // namespace

Win32System::Win32System() {
  LARGE_INTEGER counter{};
  QueryPerformanceCounter(&counter);
  const auto ticks = static_cast<uint64_t>(counter.QuadPart);
  std::seed_seq seed{SeedPart(ticks, 0), SeedPart(ticks, 32),
                     static_cast<std::seed_seq::result_type>(GetCurrentProcessId()),
                     static_cast<std::seed_seq::result_type>(GetTickCount())};
  engine_.seed(seed);
}

uint32_t Win32System::Random(uint32_t bound) {
  if (bound == 0) return 0;
  return std::uniform_int_distribution<uint32_t>(0, bound - 1)(engine_);
}

void Win32System::Sleep(uint32_t milliseconds) {
  ::Sleep(milliseconds);
}

}  // namespace qv::win32
